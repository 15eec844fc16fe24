// The toolkit's own dialogs and buttons speak Chinese, and windows carry the
// program's icon.

#include "platform/report/SetupDialog.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Msg.h"
#include "support/Screenshots.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// The texts a dialog shows on its buttons and labels.
QStringList visibleTexts(QWidget* dialog)
{
    QStringList out;
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        if (b->isVisible() && !b->text().isEmpty())
            out << b->text();
    for (QLabel* l : dialog->findChildren<QLabel*>())
        if (l->isVisible() && !l->text().isEmpty())
            out << l->text();
    return out;
}

}  // namespace

class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void standardButtonsSpeakChinese()
    {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QString("取消"));
        QVERIFY2(!box.button(QDialogButtonBox::Ok)->text().contains("OK"), qPrintable(box.button(QDialogButtonBox::Ok)->text()));
        QVERIFY2(box.button(QDialogButtonBox::Save)->text().contains("保存"),
                 qPrintable(box.button(QDialogButtonBox::Save)->text()));
    }

    void thePdfFileDialogSpeaksChinese()
    {
        report::SetupDialog setup(report::SetupChoice{}, {});
        setup.show();
        QStringList shown;
        QString title;
        // The dialog is modal: it is read, pictured and closed from inside its own run.
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->resize(640, 420);
            title = dialog->windowTitle();
            shown = visibleTexts(dialog);
            testsupport::saveScreenshot(dialog, "pdf_file_dialog");
            dialog->reject();
        });
        for (QPushButton* b : setup.findChildren<QPushButton*>())
            if (b->text() == "浏览…")
                b->click();
        QCOMPARE(title, QString("保存为 PDF 文件"));
        QVERIFY(!shown.isEmpty());
        const QString all = shown.join(" | ");
        for (const char* english : {"Cancel", "Save", "Look in", "File name", "Files of type"})
            QVERIFY2(!all.contains(QString::fromLatin1(english)), qPrintable(all));
        QVERIFY2(all.contains("取消"), qPrintable(all));
    }

    void windowsCarryTheProgramsIcon()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(!icon.availableSizes().isEmpty());
        QWidget w;
        QCOMPARE(w.windowIcon().cacheKey(), icon.cacheKey());
        // Drawn, not an empty picture.
        const QImage img = icon.pixmap(32, 32).toImage();
        QVERIFY(img.pixelColor(16, 8).alpha() > 0);
        QCOMPARE(img.pixelColor(1, 1).alpha(), 0);
    }
};

WYGL_TEST(TestAppearance)
#include "tst_Appearance.moc"
