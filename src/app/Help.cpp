#include "app/Help.h"

#include "platform/ui/Msg.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("帮助");

// A help file that can be shown: it opens and has a page in it.
bool readable(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return f.read(4096).contains("<");
}

}  // namespace

TfrmHelp::TfrmHelp(const QString& file) : QWidget(nullptr), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QFileInfo(file).absolutePath()});
    m_browser->setSource(QUrl::fromLocalFile(file));
    resize(760, 600);
}

namespace app {

void openHelp(const QString& folder)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == kTitle)
            w->close();
    const QString file = QDir(folder).filePath(QString::fromUtf16(kHelpFileName));
    if (!readable(file)) {
        ui::Msg::error(QStringLiteral(" %1 帮助文件损坏！").arg(QString::fromUtf16(kHelpFileName)));
        return;
    }
    auto* w = new TfrmHelp(file);
    w->show();
}

}  // namespace app
