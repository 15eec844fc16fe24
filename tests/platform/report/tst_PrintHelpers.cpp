// What the printouts print for values: nulls, numbers, dates, cut texts.

#include "platform/report/PrintHelpers.h"
#include "support/TestMain.h"

using namespace report;
using data::Decimal;

class TestPrintHelpers : public QObject {
    Q_OBJECT
private slots:
    void nullPrintsDashesAndEmptyPrintsNothing()
    {
        QCOMPARE(printable(QVariant()), QString("--"));
        QCOMPARE(printable(QVariant(QMetaType::fromType<QString>())), QString("--"));  // a typed SQL null
        QCOMPARE(printable(QVariant(QMetaType::fromType<QDateTime>())), QString("--"));
        QCOMPARE(printable(QVariant(QString(""))), QString(""));
        QCOMPARE(printable(QVariant(QString("张三"))), QString("张三"));
        QCOMPARE(printable(QVariant(), " "), QString(" "));  // a printout may ask for a blank
        QCOMPARE(printable(QVariant::fromValue(Decimal())), QString("--"));
    }

    void numbersInTheGeneralFormat()
    {
        QCOMPARE(printable(QVariant::fromValue(Decimal::fromString("12.50"))), QString("12.5"));
        QCOMPARE(printable(QVariant::fromValue(Decimal::fromString("0.00"))), QString("0"));
        QCOMPARE(printable(QVariant::fromValue(Decimal::fromString("1234567.80"))), QString("1234567.8"));
        QCOMPARE(printable(QVariant(12.5)), QString("12.5"));
        QCOMPARE(printable(QVariant(qlonglong(10086))), QString("10086"));
        QCOMPARE(generalNumber(Decimal::fromString("-5.10")), QString("-5.1"));
    }

    void datesInTheShortFormat()
    {
        QCOMPARE(printable(QVariant(QDateTime(QDate(2024, 3, 5), QTime(14, 30)))), QString("2024-03-05"));
        QCOMPARE(printable(QVariant(QDate(1999, 12, 31))), QString("1999-12-31"));
        QCOMPARE(shortDate(QDate()), QString());
        QCOMPARE(shortDate(QDateTime(QDate(2024, 1, 9), QTime(0, 0))), QString("2024-01-09"));
    }

    void displayWidthCountsAsciiOnceAndOthersTwice()
    {
        QCOMPARE(displayWidth(""), 0);
        QCOMPARE(displayWidth("B1 101"), 6);
        QCOMPARE(displayWidth("水费、电费、"), 12);
        QCOMPARE(displayWidth("￥12"), 4);  // a full-width sign is not ASCII
        QCOMPARE(displayWidth(QString::fromUtf8("\U00020BB7")), 2);  // one character beyond the basic plane
    }

    void cutsNeverSplitACharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("cut");
        QTest::newRow("fits") << "水费、" << 30 << "水费、";
        QTest::newRow("fifteen of sixteen") << QString("水费、电费、煤气费、物业管理费、") << 30
                                            << QString("水费、电费、煤气费、物业管理费");
        QTest::newRow("odd limit drops the half") << "投诉内容" << 5 << "投诉";
        QTest::newRow("mixed") << "A投诉B内容" << 6 << "A投诉B";
        QTest::newRow("mixed, odd") << "AB投诉" << 3 << "AB";
        QTest::newRow("zero") << "abc" << 0 << "";
        QTest::newRow("surrogate pair kept whole") << QString::fromUtf8("a\U00020BB7b") << 2 << "a";
        QTest::newRow("surrogate pair fits") << QString::fromUtf8("a\U00020BB7b") << 3
                                             << QString::fromUtf8("a\U00020BB7");
    }
    void cutsNeverSplitACharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, cut);
        QCOMPARE(cutToWidth(text, width), cut);
        QVERIFY(displayWidth(cutToWidth(text, width)) <= width);
    }

    void memoLinesTakeWholeCharactersAndStopAtTheLastLine()
    {
        const QString ascii(150, QLatin1Char('x'));
        const QStringList a = splitToWidth(ascii, 72, 3);
        QCOMPARE(a.size(), 3);
        QCOMPARE(a[0].size(), 72);
        QCOMPARE(a[1].size(), 72);
        QCOMPARE(a[2].size(), 6);

        // A Chinese character that would straddle the end of a line starts the next one.
        const QString mixed = QString(71, QLatin1Char('a')) + "故障" + QString(10, QLatin1Char('b'));
        const QStringList m = splitToWidth(mixed, 72, 3);
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0], QString(71, QLatin1Char('a')));
        QVERIFY(m[1].startsWith("故障"));
        QCOMPARE(m.join(""), mixed);

        // Beyond three lines nothing is printed; nothing at all for empty text.
        const QString longText(300, QChar(0x6587));
        const QStringList l = splitToWidth(longText, 72, 3);
        QCOMPARE(l.size(), 3);
        QCOMPARE(l.join("").size(), 108);
        QVERIFY(splitToWidth("", 72, 3).isEmpty());
    }

    // What a block of lines holds is what it prints whole.
    void fittingABlockOfLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("kept");
        const QChar han(0x6587);
        QTest::newRow("ASCII beyond") << QString(250, 'x') << 72 << 3 << QString(216, 'x');
        QTest::newRow("Chinese exactly") << QString(108, han) << 72 << 3 << QString(108, han);
        QTest::newRow("a character straddling a line's end")
            << "a" + QString(108, han) << 72 << 3 << "a" + QString(107, han);
        QTest::newRow("blanks around are free") << "  " + QString(216, 'x') + " \n" << 72 << 3
                                                << "  " + QString(216, 'x') + " \n";
        QTest::newRow("a blank inside counts") << QString(100, 'x') + " " + QString(116, 'x') << 72 << 3
                                               << QString(100, 'x') + " " + QString(115, 'x');
        QTest::newRow("empty") << "" << 60 << 6 << "";
    }
    void fittingABlockOfLines()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, lines);
        QFETCH(QString, kept);
        QCOMPARE(fitToLines(text, width, lines), kept);
        QCOMPARE(splitToWidth(kept.trimmed(), width, lines).join(""), kept.trimmed());
    }
};

WYGL_TEST(TestPrintHelpers)
#include "tst_PrintHelpers.moc"
