#include "platform/ui/FileDialogGuard.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace ui {

namespace {

// Icons and type names from what the file system says of a file and from its
// name; never from its contents.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override
    {
        if (info.isRoot())
            return QFileIconProvider::icon(Drive);
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }

    QString type(const QFileInfo& info) const override
    {
        // Folders, drives and the like are named without a look at contents.
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.comment().isEmpty() ? mime.name() : mime.comment();
    }
};

// Gives each file dialog the provider when it is first shown: the dialog has
// listed nothing yet then, as its folder is read by a thread whose findings
// wait in the event queue.
class Guard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched); dialog && dialog->iconProvider() != &m_provider)
                dialog->setIconProvider(&m_provider);
        return false;
    }

private:
    NameOnlyIconProvider m_provider;
};

}  // namespace

void guardFileDialogs(QApplication& app)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    app.installEventFilter(new Guard(&app));
}

}  // namespace ui
