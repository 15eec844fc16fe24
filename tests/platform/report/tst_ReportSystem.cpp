// The report system: set-up, drawing once, and where the pages go.

#include "SampleList.h"
#include "platform/report/OutputSeam.h"
#include "platform/report/PageWriter.h"
#include "platform/report/ReportSystem.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using namespace report;

namespace {

// Records what the dialogs and the printer were asked.
struct Recorder {
    QString answer = "preview";
    bool printFromPreview = false;
    bool printerTakes = true;
    QList<SetupChoice> proposed;
    QList<int> previewed;  // page counts
    QList<SetupChoice> printed;
    QList<QStringList> printedFirstPageTexts;
    QStringList warnings;

    OutputSeam seam()
    {
        OutputSeam s;
        s.setup = [this](const SetupChoice& p) {
            proposed << p;
            return SetupChoice::fromAnswer(answer);
        };
        s.preview = [this](const Document& d) {
            previewed << d.pageCount();
            return printFromPreview;
        };
        s.printer = [this](const Document& d, const SetupChoice& c) {
            printed << c;
            QStringList t;
            for (const TextItem& i : d.pages.front().texts)
                t << i.text;
            printedFirstPageTexts << t;
            return printerTakes;
        };
        s.warning = [this](const QString& text) { warnings << text; };
        return s;
    }
};

// A printout that counts how often it is drawn.
struct CountingPrintout {
    int runs = 0;
    int rows = 40;
    void attach(ReportSystem& rs)
    {
        QObject::connect(&rs, &ReportSystem::OnPrint, &rs, [this](PageWriter& w) {
            ++runs;
            reporttest::drawBoxedList(w, "翠苑物业管理有限公司", "月收费汇总", reporttest::feeColumns(),
                                      reporttest::sampleRows(rows));
        });
    }
};

}  // namespace

class TestReportSystem : public QObject {
    Q_OBJECT
private slots:
    void cancelInTheSetUpDrawsNothing()
    {
        Recorder rec;
        rec.answer = "cancel";
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        CountingPrintout p;
        p.attach(rs);
        QVERIFY(!rs.Execute());
        QCOMPARE(p.runs, 0);
        QCOMPARE(rec.proposed.size(), 1);
        QVERIFY(rec.previewed.isEmpty());
        QVERIFY(rec.printed.isEmpty());
        QCOMPARE(rs.LastDocument().pageCount(), 0);
    }

    void previewThenPrintDrawsOnce()
    {
        Recorder rec;
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        CountingPrintout p;
        p.attach(rs);
        QVERIFY(rs.Execute());  // closed without printing
        QCOMPARE(rec.previewed, QList<int>{2});
        QVERIFY(rec.printed.isEmpty());

        rec.printFromPreview = true;
        QVERIFY(rs.Execute());
        QCOMPARE(p.runs, 2);  // once per Execute, not again for the printer
        QCOMPARE(rec.previewed, (QList<int>{2, 2}));
        QCOMPARE(rec.printed.size(), 1);
        QVERIFY(rec.printedFirstPageTexts.front().contains("第  1  页"));
    }

    void printerGetsThePagesAndTheCopies()
    {
        Recorder rec;
        rec.answer = "printer,copies=3";
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        CountingPrintout p;
        p.attach(rs);
        QVERIFY(rs.Execute());
        QCOMPARE(p.runs, 1);
        QVERIFY(rec.previewed.isEmpty());
        QCOMPARE(rec.printed.size(), 1);
        QCOMPARE(rec.printed.front().copies, 3);
        QCOMPARE(rec.printed.front().destination, SetupChoice::Printer);

        // A printer that refuses the pages makes Execute fail.
        rec.printerTakes = false;
        QVERIFY(!rs.Execute());
        QCOMPARE(p.runs, 2);
    }

    void pdfFileGetsEveryPage()
    {
        QTemporaryDir dir;
        Recorder rec;
        const QString path = dir.filePath("汇总.pdf");
        rec.answer = "pdf:" + path;
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        rs.SetTitle("月收费汇总");
        CountingPrintout p;
        p.rows = 77;
        p.attach(rs);
        QVERIFY(rs.Execute());
        QCOMPARE(p.runs, 1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), qsizetype(3));
        QVERIFY(rec.printed.isEmpty() && rec.previewed.isEmpty());
    }

    void pdfThatCannotBeWrittenIsReported()
    {
        Recorder rec;
        rec.answer = "pdf:/nonexistent-folder/out.pdf";
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        CountingPrintout p;
        p.attach(rs);
        QVERIFY(!rs.Execute());
        QCOMPARE(rec.warnings.size(), 1);
        QVERIFY(rec.warnings.front().contains("/nonexistent-folder/out.pdf"));
    }

    void setUpProposesTheLastChoice()
    {
        Recorder rec;
        rec.answer = "printer:Office,copies=2";
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        SetupChoice start;
        start.copies = 4;
        rs.SetSetup(start);
        QVERIFY(rs.Execute());
        rec.answer = "preview";
        QVERIFY(rs.Execute());
        QCOMPARE(rec.proposed[0].copies, 4);
        QCOMPARE(rec.proposed[1].destination, SetupChoice::Printer);
        QCOMPARE(rec.proposed[1].printerName, QString("Office"));
        QCOMPARE(rec.proposed[1].copies, 2);
        // A cancel is not remembered.
        rec.answer = "cancel";
        QVERIFY(!rs.Execute());
        QCOMPARE(rs.Setup().destination, SetupChoice::Preview);
    }

    void aPrintoutThatThrowsLeavesTheSystemUsable()
    {
        Recorder rec;
        ScopedOutputSeam seam(rec.seam());
        ReportSystem rs;
        bool fail = true;
        QObject::connect(&rs, &ReportSystem::OnPrint, &rs, [&](PageWriter& w) {
            w.Print("一");
            if (fail)
                throw std::runtime_error("data gone");
        });
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, rs.Execute());
        QVERIFY(rec.previewed.isEmpty());
        fail = false;
        QVERIFY(rs.Execute());
        QCOMPARE(rec.previewed, QList<int>{1});
    }

    void writtenAnswers()
    {
        const SetupChoice named = SetupChoice::fromAnswer("printer:HP 1020,copies=2");
        QVERIFY(named.destination == SetupChoice::Printer && named.printerName == "HP 1020" && named.copies == 2);
        const SetupChoice pdf = SetupChoice::fromAnswer("pdf:/tmp/a b.pdf");
        QVERIFY(pdf.destination == SetupChoice::PdfFile && pdf.pdfPath == "/tmp/a b.pdf" && pdf.copies == 1);
        QVERIFY(SetupChoice::fromAnswer("pdf:").cancelled());  // no file, no output
        QVERIFY(SetupChoice::fromAnswer("fax").cancelled());
    }
};

WYGL_TEST(TestReportSystem)
#include "tst_ReportSystem.moc"
