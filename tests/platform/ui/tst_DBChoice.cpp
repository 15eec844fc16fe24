// Controls that choose a value: combo box, lookup combo box, check box, date
// picker; and the picture shown from a stored path.

#include "platform/data/Error.h"
#include "platform/data/Table.h"
#include "platform/ui/DBCheckBox.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBDateTimePicker.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/DBLookupComboBox.h"
#include "support/TestMain.h"
#include "UiFixture.h"

#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>

using ui::Msg;

namespace {

// The buildings of the Region fixture's districts, for lookups.
struct BuildData : uitest::RegionData {
    data::Table build;
    data::DataSource buildSource;

    BuildData() : build(conn.get()), buildSource(&build)
    {
        conn->exec(QStringLiteral("INSERT INTO Build (BuildId, BuildName, RegionID) VALUES ('B1', '一号楼', 'R02')"));
        build.setTableName(QStringLiteral("Build"));
        build.open();
    }
};

void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

class TestDBChoice : public QObject {
    Q_OBJECT

private slots:
    void init() { uitest::resetMessages(); }

    void aComboBoxShowsTheFieldAndWritesTheChoice()
    {
        uitest::RegionData d;
        ui::DBComboBox box(&d.source, QStringLiteral("Header"));
        box.setItems({QStringLiteral("王经理"), QStringLiteral("李经理")});
        QCOMPARE(box.text(), QString());
        choose(&box, 1);
        QCOMPARE(d.table.state(), data::DataSetState::Edit);
        QCOMPARE(d.table.fieldByName(QStringLiteral("Header"))->asString(), QStringLiteral("李经理"));
        d.table.post();
        QCOMPARE(d.stored(QStringLiteral("Header"), QStringLiteral("R01")), QStringLiteral("李经理"));
        d.table.next();
        QCOMPARE(box.text(), QString());
        d.table.prior();
        QCOMPARE(box.text(), QStringLiteral("李经理"));

        // Editable: typing goes to the field; the width holds.
        QVERIFY(uitest::showActive(&box));
        uitest::clickInto(&box);
        box.lineEdit()->selectAll();
        uitest::typeText(&box, QStringLiteral("赵"));
        QCOMPARE(d.table.fieldByName(QStringLiteral("Header"))->asString(), QStringLiteral("赵"));
        QCOMPARE(box.lineEdit()->maxLength(), 50);
        d.table.cancel();
    }

    void aDropDownListShowsOnlyItsItemsAndHonoursReadOnly()
    {
        uitest::RegionData d;
        d.table.edit();
        d.table.fieldByName(QStringLiteral("Header"))->setAsString(QStringLiteral("不在列表"));
        d.table.post();
        ui::DBComboBox box(&d.source, QStringLiteral("Header"));
        box.setListOnly(true);
        box.setItems({QStringLiteral("甲"), QStringLiteral("乙")});
        QCOMPARE(box.currentIndex(), -1);
        box.setReadOnly(true);
        choose(&box, 0);
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
        QCOMPARE(box.currentIndex(), -1);
        box.setReadOnly(false);
        choose(&box, 0);
        QCOMPARE(d.table.fieldByName(QStringLiteral("Header"))->asString(), QStringLiteral("甲"));
        // Set in code while editing, as windows write a list's text before saving.
        box.setText(QStringLiteral("乙"));
        QCOMPARE(d.table.fieldByName(QStringLiteral("Header"))->asString(), QStringLiteral("乙"));
    }

    void aLookupListWritesTheKeyAndShowsTheName()
    {
        BuildData d;
        ui::DBLookupComboBox box;
        box.setListSource(&d.source);
        box.setKeyField(QStringLiteral("RegionId"));
        box.setListField(QStringLiteral("RegionName"));
        box.setDataSource(&d.buildSource);
        box.setDataField(QStringLiteral("RegionID"));
        QCOMPARE(box.count(), 3);
        QCOMPARE(box.text(), QStringLiteral("小区2"));

        choose(&box, 2);
        QCOMPARE(d.build.state(), data::DataSetState::Edit);
        QCOMPARE(d.build.fieldByName(QStringLiteral("RegionID"))->asString(), QStringLiteral("R03"));
        QCOMPARE(box.text(), QStringLiteral("小区3"));
        // Reading the list does not move the list's cursor.
        QCOMPARE(d.table.recNo(), 1);
        d.build.post();
        QCOMPARE(d.conn->scalar(QStringLiteral("SELECT RegionID FROM Build")).toString(), QStringLiteral("R03"));

        // The list follows its source: a new district appears, a disabled source empties it.
        d.table.append();
        d.table.fieldByName(QStringLiteral("RegionId"))->setAsString(QStringLiteral("R04"));
        d.table.fieldByName(QStringLiteral("RegionName"))->setAsString(QStringLiteral("小区4"));
        d.table.post();
        QCOMPARE(box.count(), 4);
        d.source.setEnabled(false);
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.text(), QString());
    }

    void anUnboundLookupListKeepsItsOwnKey()
    {
        uitest::RegionData d;
        ui::DBLookupComboBox box;
        box.setListSource(&d.source);
        box.setKeyField(QStringLiteral("RegionId"));
        box.setListField(QStringLiteral("RegionName"));
        QVERIFY(!box.keyValue().isValid());
        QVariant chosen;
        connect(&box, &ui::DBLookupComboBox::keyChosen, [&](const QVariant& k) { chosen = k; });
        choose(&box, 1);
        QCOMPARE(chosen.toString(), QStringLiteral("R02"));
        QCOMPARE(box.keyValue().toString(), QStringLiteral("R02"));
        box.setKeyValue(QStringLiteral("R03"));
        QCOMPARE(box.text(), QStringLiteral("小区3"));
        // Moving the list dataset leaves the choice alone.
        d.table.last();
        QCOMPARE(box.keyValue().toString(), QStringLiteral("R03"));
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
    }

    void aCheckBoxWritesItsTwoValues()
    {
        uitest::RegionData d;
        ui::DBCheckBox box(&d.source, QStringLiteral("ZDSum"), QStringLiteral("有楼"));
        box.setValueChecked(QStringLiteral("1"));
        box.setValueUnchecked(QStringLiteral("0"));
        QVERIFY(box.isChecked());  // R01 has 1
        d.table.next();
        QVERIFY(!box.isChecked());
        box.click();
        QVERIFY(box.isChecked());
        QCOMPARE(d.table.fieldByName(QStringLiteral("ZDSum"))->asInteger(), 1);
        box.click();
        QCOMPARE(d.table.fieldByName(QStringLiteral("ZDSum"))->asInteger(), 0);
        d.table.cancel();

        box.setReadOnly(true);
        box.click();
        QVERIFY(!box.isChecked());
        QCOMPARE(d.table.state(), data::DataSetState::Browse);
    }

    void aDatePickerReadsAndWritesADateTimeField()
    {
        uitest::RegionData d(0);
        d.conn->exec(QStringLiteral("INSERT INTO inputs (ioputID, ioDate) VALUES ('V1', '2024-03-05 00:00:00')"));
        d.conn->exec(QStringLiteral("INSERT INTO inputs (ioputID) VALUES ('V2')"));
        data::Table t(d.conn.get());
        t.setTableName(QStringLiteral("inputs"));
        t.open();
        data::DataSource s(&t);
        ui::DBDateTimePicker picker(&s, QStringLiteral("ioDate"));
        QCOMPARE(picker.dateValue(), QDate(2024, 3, 5));
        QCOMPARE(picker.text(), QStringLiteral("2024-03-05"));
        t.next();
        QVERIFY(!picker.dateValue().isValid());
        QCOMPARE(picker.text().trimmed(), QString());

        picker.setDate(QDate(2024, 4, 1));  // as the calendar does
        QCOMPARE(t.state(), data::DataSetState::Edit);
        QCOMPARE(t.fieldByName(QStringLiteral("ioDate"))->asDateTime(), QDateTime(QDate(2024, 4, 1), QTime(0, 0)));
        t.post();
        t.first();
        QCOMPARE(picker.dateValue(), QDate(2024, 3, 5));
    }

    void aPictureShowsFromItsPathAndNothingElseShows()
    {
        QTemporaryDir dir;
        QImage img(8, 6, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString jpg = dir.filePath(QStringLiteral("car.jpg"));
        const QString bmp = dir.filePath(QStringLiteral("car.bmp"));
        const QString ico = dir.filePath(QStringLiteral("car.ico"));
        QVERIFY(img.save(jpg, "JPG") && img.save(bmp, "BMP") && img.save(ico, "ICO"));
        QFile junk(dir.filePath(QStringLiteral("junk.jpg")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a picture");
        junk.close();

        uitest::RegionData d(0);
        for (const QString& p : {jpg, bmp, ico, dir.filePath(QStringLiteral("gone.jpg")), junk.fileName(),
                                 QStringLiteral("A"), QString()})
            d.conn->exec(QStringLiteral("INSERT INTO CarMessage (picPath) VALUES (?)"), {p});
        d.conn->exec(QStringLiteral("INSERT INTO CarMessage (CarNum) VALUES ('null path')"));
        data::Table t(d.conn.get());
        t.setTableName(QStringLiteral("CarMessage"));
        t.open();
        data::DataSource s(&t);
        ui::DBImage image(&s, QStringLiteral("picPath"));
        QList<bool> shown;
        for (int i = 0; i < t.recordCount(); ++i, t.next())
            shown << image.hasPicture();
        QCOMPARE(shown, (QList<bool>{true, true, true, false, false, false, false, false}));
        QVERIFY(Msg::log().isEmpty());
    }
};

WYGL_TEST(TestDBChoice)
#include "tst_DBChoice.moc"
