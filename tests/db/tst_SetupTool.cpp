// The set-up tool from the command line: it explains itself, and an option
// it does not know changes nothing, least of all by becoming a file name.

#include "support/TestMain.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run setup(const QString& folder, const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(WYGL_SETUP_TOOL), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace

class TestSetupTool : public QObject {
    Q_OBJECT
private slots:
    void helpAndRefusedOptions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("says");  // in the output the usage goes to
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "";
        QTest::newRow("-h with a file") << QStringList{"-h", "conn.udl"} << 0 << "";
        QTest::newRow("unknown option") << QStringList{"--if_new"} << 2 << "不认识的选项“--if_new”。";
        QTest::newRow("unknown short option") << QStringList{"-x", "conn.udl"} << 2 << "不认识的选项“-x”。";
        QTest::newRow("two files") << QStringList{"a.udl", "b.udl"} << 2 << "只能给出一个连接文件。";
    }
    void helpAndRefusedOptions()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const Run r = setup(dir.path(), args);
        QCOMPARE(r.code, code);
        const QString usageGoesTo = code == 0 ? r.out : r.err;
        QVERIFY2(usageGoesTo.contains("用法：wygl-setup [--if-new] [连接文件]"), qPrintable(r.out + r.err));
        QVERIFY2(usageGoesTo.contains(says), qPrintable(usageGoesTo));
        // Nothing was written: no connection file, no database, no file named after an option.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
    }

    void aFileNamedLikeAnOptionAfterTheEnd()
    {
        QTemporaryDir dir;
        const Run r = setup(dir.path(), {"--", "-odd.udl"});
        QCOMPARE(r.code, 0);
        QVERIFY(QFile::exists(dir.filePath("-odd.udl")));
        QVERIFY(QFile::exists(dir.filePath("Region.db")));
        // It reports its work in Chinese, as it explains itself.
        QVERIFY2(r.out.startsWith("已写入连接文件 ") && r.out.contains("指向内嵌数据库 Region.db。\n已建立数据库 ")
                     && r.out.contains("Region.db，第一个帐户为“"),
                 qPrintable(r.out));
    }
};

WYGL_TEST(TestSetupTool)
#include "tst_SetupTool.moc"
