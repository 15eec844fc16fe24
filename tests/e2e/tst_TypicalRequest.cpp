// The office's typical request from a fresh database to a printed receipt,
// through the windows as a person would use them: the company name and a room
// layout, a district, its building, unit and rooms, an owner moving into a
// room, two fee items given to the room, the late-fee rate, a month
// generated, the water meter read, the management fee charged, the room's
// fees collected with a receipt, and the next month generated with the
// readings carried over.
//
// The stages run in order on one database and build on each other; once one
// fails, the later ones are skipped.

#include "app/CoM.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "fees/AmountToCapitals.h"
#include "fees/CWSet.h"
#include "fees/FJL.h"
#include "fees/FeeType1.h"
#include "fees/Period.h"
#include "fees/SCYSK.h"
#include "fees/SFee.h"
#include "fees/Shouqu.h"
#include "fees/Sk.h"
#include "fees/XMSet.h"
#include "platform/data/Decimal.h"
#include "platform/report/ImageOutput.h"
#include "platform/report/OutputSeam.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Msg.h"
#include "property/FCBuild.h"
#include "property/Louyu.h"
#include "property/Man.h"
#include "property/Region.h"
#include "property/RoomEdit.h"
#include "property/Units.h"
#include "reference/CodeTables.h"
#include "support/AppFixture.h"
#include "support/TestMain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>
#include <vector>

using testsupport::AppFixture;
using testsupport::typeInto;
using ui::Msg;
using ui::MsgKind;

namespace {

const QString kCompany = QStringLiteral("阳光物业服务有限公司");
const QString kDistrict = QStringLiteral("阳光小区");
const QString kBuilding = QStringLiteral("1号楼");
const QString kOwnerId = QStringLiteral("01-1-001");
const QString kOwner = QStringLiteral("王五");
const QString kWater = QStringLiteral("水费");
const QString kManagement = QStringLiteral("物业费");

data::Decimal d(const QString& text)
{
    return data::Decimal::fromString(text);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A click on a button the person can see and press; false otherwise.
bool press(QAbstractButton* b)
{
    if (!b || !b->isVisible() || !b->isEnabled())
        return false;
    QTest::mouseClick(b, Qt::LeftButton);
    return true;
}

// The entry shown as `text` chosen from a drop-down list; false when none is.
bool choose(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    if (i < 0)
        return false;
    box->setCurrentIndex(i);
    emit box->activated(i);
    return true;
}

QStringList column(ui::DBGrid* grid, const QString& field)
{
    QStringList out;
    const QVector<ui::GridColumn> cols = grid->columns();
    for (int c = 0; c < cols.size(); ++c)
        if (cols[c].field.compare(field, Qt::CaseInsensitive) == 0)
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                out << grid->model()->index(r, c).data().toString();
    return out;
}

int columnIndex(ui::DBGrid* grid, const QString& field)
{
    const QVector<ui::GridColumn> cols = grid->columns();
    for (int c = 0; c < cols.size(); ++c)
        if (cols[c].field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

// A mouse click on the grid's row whose column `field` shows `text`.
bool clickRow(ui::DBGrid* grid, const QString& field, const QString& text)
{
    const int row = column(grid, field).indexOf(text);
    if (row < 0)
        return false;
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    return true;
}

// A click into an empty grid, as on the white space under its title row.
void clickInto(ui::DBGrid* grid)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
}

// Opens the cell's editor, types the text and leaves the row downwards.
bool typeCell(ui::DBGrid* grid, int row, const QString& field, const QString& text)
{
    const QModelIndex at = grid->model()->index(row, columnIndex(grid, field));
    if (!at.isValid() || !(grid->model()->flags(at) & Qt::ItemIsEditable))
        return false;
    grid->setCurrentIndex(at);
    grid->edit(at);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    if (!editor)
        return false;
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Down);
    return true;
}

// A right click on the grid's row showing `text` in column `field`, and a
// click on the entry `caption` of the pop-up menu that opens; false when the
// row, the menu or the entry is not there.
bool popupChoose(ui::DBGrid* grid, const QString& field, const QString& text, const QString& caption)
{
    if (!clickRow(grid, field, text))
        return false;
    const int row = column(grid, field).indexOf(text);
    const QPoint at = grid->visualRect(grid->model()->index(row, 0)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    QMenu* menu = nullptr;
    for (QMenu* m : grid->findChildren<QMenu*>())
        if (m->isVisible())
            menu = m;
    if (!menu)
        return false;
    for (QAction* a : menu->actions())
        if (a->text() == caption && a->isEnabled()) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
            return true;
        }
    menu->hide();
    return false;
}

// Closes an MDI window by its caption's close button.
void closeWindow(ui::Form* w)
{
    if (w && w->mdiSubWindow())
        w->mdiSubWindow()->close();
    else if (w)
        w->close();
    settle();
}

QString monthText(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMM"));
}

// The previewed documents of whatever the windows print meanwhile.
class PrintedPages {
public:
    PrintedPages()
    {
        report::OutputSeam s;
        s.setup = [](const report::SetupChoice&) { return report::SetupChoice::fromAnswer(QStringLiteral("preview")); };
        s.preview = [this](const report::Document& doc) {
            docs.push_back(doc);
            return false;
        };
        m_seam = std::make_unique<report::ScopedOutputSeam>(s);
    }
    std::vector<report::Document> docs;

    QStringList firstPageTexts() const
    {
        QStringList out;
        if (!docs.empty() && !docs.back().pages.empty())
            for (const report::TextItem& t : docs.back().pages[0].texts)
                out << t.text;
        return out;
    }

private:
    std::unique_ptr<report::ScopedOutputSeam> m_seam;
};

}  // namespace

class TestTypicalRequest : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    QDate month;      // the first month billed: the server's current month
    QDate nextMonth;
    QString failedStage;  // the first stage that failed: the later ones build on it

    data::Connection& db() { return app->db(); }
    QVariant value(const QString& sql, const QVariantList& params = {}) { return db().scalar(sql, params); }
    int count(const QString& sql, const QVariantList& params = {}) { return value(sql, params).toInt(); }
    data::Decimal amount(const QString& sql, const QVariantList& params = {})
    {
        return data::Decimal::fromVariant(value(sql, params));
    }
    // A column of the room's Fee row of an item in a month.
    QVariant feeColumn(const QString& col, const QString& item, const QDate& m)
    {
        return value("SELECT " + col + " FROM Fee WHERE RegionId = '01' AND BuildID = '1' AND UnitName = '1' "
                                       "AND RoomNum = '101' AND FeeName = ? AND inDate = ?",
                     {item, monthText(m)});
    }
    data::Decimal feeAmount(const QString& col, const QString& item, const QDate& m)
    {
        return data::Decimal::fromVariant(feeColumn(col, item, m));
    }

    void pickMonth(TfrmSCYSK* w, const QDate& m)
    {
        w->DTP_Year->setDate(QDate(m.year(), 1, 1));
        w->DTP_Mouth->setDate(QDate(2000, m.month(), 1));
    }

private slots:
    void initTestCase()
    {
        // A database with the tables and nothing in them, and the
        // administrator of a new database logged in.
        app = std::make_unique<AppFixture>("0");
        const fees::Period p = fees::serverPeriod(db());
        month = QDate(p.year, p.month, 1);
        nextMonth = month.addMonths(1);
        mdiForm->resize(1100, 760);
        mdiForm->show();
        mdiForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdiForm));
        for (const char* table : {"IncInfo", "roomType", "Region", "Build", "Units", "Rooms", "Owner", "FeeType1",
                                  "FeeSet", "SFSet", "Fee", "SFSJ"})
            QVERIFY2(count(QString("SELECT count(*) FROM %1").arg(table)) == 0, table);
    }

    void cleanupTestCase() { app.reset(); }

    void init()
    {
        if (!failedStage.isEmpty())
            QSKIP(qPrintable("this stage builds on " + failedStage + ", which failed"));
        Msg::clearLog();
    }

    void cleanup()
    {
        if (QTest::currentTestFailed() && failedStage.isEmpty())
            failedStage = QString::fromLatin1(QTest::currentTestFunction());
    }

    void companyAndRoomLayout()
    {
        // The company name that heads the receipts.
        runOpener(*findOpener("Co"), mdiForm);
        TfrmCo* co = frmCo;
        QVERIFY(co);
        co->CheckBox1->click();
        typeInto(co->DBE_IncName, kCompany);
        QVERIFY(press(co->BB_Save));
        QCOMPARE(value("SELECT IncName FROM IncInfo").toString(), kCompany);
        closeWindow(co);

        // A layout in the code table of layouts, for the rooms.
        runOpener(*findOpener("RoomT"), mdiForm);
        TfrmRoom* layouts = frmRoom;
        QVERIFY(layouts);
        layouts->CheckBox->click();
        QVERIFY(press(layouts->TB_Add));
        QCOMPARE(layouts->DBE_ID->text(), QString("1"));
        typeInto(layouts->DBE_Name, "两室一厅");
        QVERIFY(press(layouts->TB_Save));
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(value("SELECT roomName FROM roomType").toString(), QString("两室一厅"));
        closeWindow(layouts);
        QVERIFY(!frmRoom);
    }

    void district()
    {
        runOpener(*findOpener("Region"), mdiForm);
        TfrmRegion* w = frmRegion;
        QVERIFY(w);
        w->CheckBox->click();
        QVERIFY(press(w->TB_Add));
        typeInto(w->DBE_ID, "01");
        typeInto(w->DBE_Name, kDistrict);
        QVERIFY(press(w->TB_Save));
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count("SELECT count(*) FROM Region WHERE RegionId = '01' AND RegionName = ?", {kDistrict}), 1);
        QVERIFY(press(w->TB_Close));
        settle();
        QVERIFY(!frmRegion);
    }

    void buildingUnitAndRooms()
    {
        runOpener(*findOpener("FCBuild"), mdiForm);
        TfrmFCBuild* w = frmFCBuild;
        QVERIFY(w);
        QCOMPARE(w->DBLC_Reg->currentText(), kDistrict);
        w->CheckBox->click();

        // The building.
        clickInto(w->DBG_buid);
        QVERIFY(press(w->SB_Add));
        TfrmLouyu* building = frmLouyu;
        QVERIFY(building);
        QCOMPARE(building->DBE_RegId->text(), QString("01"));
        typeInto(building->DBE_ID, "1");
        typeInto(building->DBE_Name, kBuilding);
        typeInto(building->DBE_CSum, "6");
        QVERIFY(press(building->BB_Ok));
        QVERIFY(Msg::log().isEmpty());
        settle();
        QVERIFY(!frmLouyu);
        QCOMPARE(count("SELECT count(*) FROM Build WHERE RegionID = '01' AND BuildId = '1' AND BuildName = ? "
                       "AND Csum = 6",
                       {kBuilding}),
                 1);

        // Its unit: floors 1 to 6, two rooms a floor.
        QVERIFY(clickRow(w->DBG_buid, "BuildName", kBuilding));
        QVERIFY(press(w->SB_Add1));
        TfrmUnits* unit = frmUnits;
        QVERIFY(unit);
        typeInto(unit->DBE_UnitName, "1");
        typeInto(unit->DBE_KLNum, "1");
        typeInto(unit->DBE_JLNum, "6");
        typeInto(unit->DBE_KFNum, "1");
        typeInto(unit->DBE_JFNum, "2");
        QVERIFY(press(unit->BB_ok));
        QVERIFY(Msg::log().isEmpty());
        settle();
        QVERIFY(!frmUnits);
        QCOMPARE(count("SELECT count(*) FROM Units WHERE RegionId = '01' AND BuildId = '1' AND UnitName = '1' "
                       "AND KLNum = 1 AND JLNum = 6 AND KFNum = 1 AND JFNum = 2"),
                 1);

        // Its room numbers generated, every room vacant.
        QVERIFY(clickRow(w->DBG_Units, "UnitName", "1"));
        QVERIFY(press(w->SB_Build));
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(count("SELECT count(*) FROM Rooms WHERE RegionID = '01' AND BuildId = '1' AND UnitName = '1' "
                       "AND BuildName = ? AND UState = 'A'",
                       {kBuilding}),
                 12);
        QCOMPARE(column(w->DBG_Room, "RoomNum"),
                 (QStringList{"101", "102", "201", "202", "301", "302", "401", "402", "501", "502", "601", "602"}));

        // Room 101's layout and areas.
        QVERIFY(clickRow(w->DBG_Room, "RoomNum", "101"));
        QVERIFY(press(w->SB_Modi2));
        TfrmRoomEdit* room = frmRoomEdit;
        QVERIFY(room);
        QCOMPARE(room->DBE_RoomNum->text(), QString("101"));
        QVERIFY(choose(room->DBC_HX, "两室一厅"));
        typeInto(room->DBE_JZm, "88.5");
        typeInto(room->DBE_SYm, "70");
        QVERIFY(press(room->BB_ok));
        QVERIFY(Msg::log().isEmpty());
        settle();
        QVERIFY(!frmRoomEdit);
        QCOMPARE(value("SELECT HXName FROM Rooms WHERE RegionID = '01' AND RoomNum = '101'").toString(),
                 QString("两室一厅"));
        QCOMPARE(amount("SELECT JZm FROM Rooms WHERE RegionID = '01' AND RoomNum = '101'"), d("88.5"));
        QVERIFY(press(w->BitBtn1));
        settle();
        QVERIFY(!frmFCBuild);
    }

    void ownerMovesIn()
    {
        runOpener(*findOpener("Man"), mdiForm);
        TfrmMan* w = frmMan;
        QVERIFY(w);
        QVERIFY(choose(w->DBLC_Reg, kDistrict));
        QVERIFY(choose(w->DBLC_Build, kBuilding));
        QVERIFY(Msg::log().isEmpty());
        QVERIFY(w->CheckBox->isEnabled());
        w->CheckBox->click();
        QVERIFY(press(w->TB_Add));
        QCOMPARE(w->DBE_OwnerId->text(), QString("01-1-"));
        typeInto(w->DBE_OwnerId, kOwnerId);
        typeInto(w->DBE_OwnerName, kOwner);
        typeInto(w->DBE_Phone, "13900001111");
        QVERIFY(choose(w->DBLC_UnitNum, "1"));
        QCOMPARE(w->DBLC_RoomNum->count(), 12);
        QVERIFY(choose(w->DBLC_RoomNum, "101"));
        QVERIFY(press(w->TB_Save));
        QVERIFY(Msg::log().isEmpty());

        QSqlQuery q = db().exec("SELECT UState, UserId, Users FROM Rooms WHERE RegionID = '01' AND BuildId = '1' "
                                "AND UnitName = '1' AND RoomNum = '101'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("B"));
        QCOMPARE(q.value(1).toString(), kOwnerId);
        QCOMPARE(q.value(2).toString(), kOwner);
        QCOMPARE(count("SELECT count(*) FROM Rooms WHERE UState = 'B'"), 1);
        QCOMPARE(count("SELECT count(*) FROM Owner WHERE ownerId = ? AND ownerName = ? AND RegionName = ? "
                       "AND BuildName = ? AND UnitName = '1' AND RoomNum = '101'",
                       {kOwnerId, kOwner, kDistrict, kBuilding}),
                 1);
        QVERIFY(press(w->TB_Close));
        settle();
        QVERIFY(!frmMan);
    }

    void feeItems()
    {
        runOpener(*findOpener("FeeType"), mdiForm);
        TfrmFeeType1* w = frmFeeType1;
        QVERIFY(w);
        w->CheckBox->click();

        // Water, metered: 2.5 a ton within the quota, 3.8 over it.
        QVERIFY(press(w->TB_Add));
        typeInto(w->DBE_ID, "01");
        typeInto(w->DBE_Name, kWater);
        QVERIFY(choose(w->DBC_FeeD, "吨"));
        typeInto(w->DBE_JNFee, "2.5");
        typeInto(w->DBE_JWFee, "3.8");
        QVERIFY(press(w->TB_Save));
        QVERIFY(Msg::log().isEmpty());

        // The management fee, non-metered: charged by area in its own window.
        QVERIFY(press(w->TB_Add));
        typeInto(w->DBE_ID, "02");
        typeInto(w->DBE_Name, kManagement);
        QVERIFY(press(w->CB_JLFlag));
        QVERIFY(choose(w->DBC_FeeD, "平方米"));
        QVERIFY(press(w->TB_Save));
        QVERIFY(Msg::log().isEmpty());

        QSqlQuery q = db().exec("SELECT FeeId, FeeName, FeeD, JLFlag, JNPrice, JWPrice FROM FeeType1 ORDER BY FeeId");
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString() + "/" + q.value(2).toString() + "/" + q.value(3).toString(),
                 kWater + "/吨/A");
        QCOMPARE(data::Decimal::fromVariant(q.value(4)), d("2.5"));
        QCOMPARE(data::Decimal::fromVariant(q.value(5)), d("3.8"));
        QVERIFY(q.next());
        QCOMPARE(q.value(1).toString() + "/" + q.value(2).toString() + "/" + q.value(3).toString(),
                 kManagement + "/平方米/F");
        QVERIFY(!q.next());
        QVERIFY(press(w->TB_Close));
        settle();
        QVERIFY(!frmFeeType1);
    }

    void itemsOfTheRoom()
    {
        runOpener(*findOpener("XMSet"), mdiForm);
        TfrmXMSet* w = frmXMSet;
        QVERIFY(w);
        QVERIFY(choose(w->DBLC_Reg, kDistrict));
        QVERIFY(choose(w->DBLC_Build, kBuilding));
        w->CheckBox->click();
        // Only the occupied room is listed.
        QCOMPARE(column(w->DBG_Room, "RoomNum"), QStringList{"101"});
        QVERIFY(clickRow(w->DBG_Room, "RoomNum", "101"));
        for (const QString& item : {kWater, kManagement}) {
            QVERIFY(clickRow(w->DBG_Fee, "FeeName", item));
            QVERIFY(press(w->SB_Add));
        }
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(column(w->DBG_FeeSet, "FeeName"), (QStringList{kWater, kManagement}));

        // The water meter's number, its reading when the owner moved in and
        // the monthly quota.
        QVERIFY(clickRow(w->DBG_FeeSet, "FeeName", kWater));
        typeInto(w->DBE_BNum1, "W-0101");
        typeInto(w->DBE_BDS1, "1000");
        typeInto(w->DBE_DL, "10");
        QVERIFY(press(w->TB_Save));
        QVERIFY(Msg::log().isEmpty());

        QCOMPARE(count("SELECT count(*) FROM FeeSet WHERE RegionId = '01' AND BuildID = '1' AND UnitName = '1' "
                       "AND RoomNum = '101' AND OwnerId = ? AND OwnerName = ?",
                       {kOwnerId, kOwner}),
                 2);
        QSqlQuery q = db().exec("SELECT BNum1, BDS1, DL, JZm FROM FeeSet WHERE FeeId = '01'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QString("W-0101"));
        QCOMPARE(data::Decimal::fromVariant(q.value(1)), d("1000"));
        QCOMPARE(data::Decimal::fromVariant(q.value(2)), d("10"));
        QCOMPARE(data::Decimal::fromVariant(q.value(3)), d("88.5"));
        QVERIFY(press(w->TB_Close));
        settle();
        QVERIFY(!frmXMSet);
    }

    void lateFeeRate()
    {
        runOpener(*findOpener("CWSet"), mdiForm);
        TfrmCWSet* w = frmCWSet;
        QVERIFY(w);
        w->CheckBox->click();
        QVERIFY(press(w->RB_1));
        typeInto(w->E_D, "10");
        typeInto(w->DBE_BL, "0.003");
        QVERIFY(press(w->BB_Ok));
        QVERIFY(Msg::log().isEmpty());
        settle();
        QVERIFY(!frmCWSet);
        QSqlQuery q = db().exec("SELECT JSDate1, JSDate2, ZNJ FROM SFSet");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 10);
        QCOMPARE(q.value(1).toInt(), 0);
        QCOMPARE(data::Decimal::fromVariant(q.value(2)), d("0.003"));
        QVERIFY(!q.next());
    }

    void theMonthGenerated()
    {
        runOpener(*findOpener("SCYSK"), mdiForm);
        TfrmSCYSK* w = frmSCYSK;
        QVERIFY(w);
        QCOMPARE(w->lbl->text(), QString("说明：应收款在下月 10 日结算"));
        pickMonth(w, month);
        QCOMPARE(w->E_D->text(), QString("1"));
        QVERIFY(press(w->BB_OK));
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"生成数据成功，可以进行收费操作。"});
        settle();
        QVERIFY(!frmSCYSK);

        QCOMPARE(count("SELECT count(*) FROM Fee"), 2);
        QCOMPARE(count("SELECT count(*) FROM Fee WHERE inDate = ? AND ownerID = ? AND ownerName = ? "
                       "AND flag = '未收取' AND BYHJ IS NULL",
                       {monthText(month), kOwnerId, kOwner}),
                 2);
        QCOMPARE(feeAmount("BCNum1", kWater, month), d("1000"));
        QCOMPARE(feeAmount("DL", kWater, month), d("10"));
        QCOMPARE(feeAmount("WYqk", kWater, month), d("0"));
        QVERIFY(feeColumn("BMNum1", kWater, month).isNull());
    }

    void waterMeterRead()
    {
        runOpener(*findOpener("SFee"), mdiForm);
        TfrmSFee* w = frmSFee;
        QVERIFY(w);
        QVERIFY(choose(w->DBLC_Reg, kDistrict));
        QVERIFY(choose(w->DBLC_Build, kBuilding));
        w->DTP_Date->setDate(month);
        QVERIFY(choose(w->DBLC_FeeType, kWater));
        QCOMPARE(column(w->DBG_SFee, "RoomNum"), QStringList{"101"});
        QCOMPARE(column(w->DBG_SFee, "BCNum1"), QStringList{"1000"});

        // 18 tons: 10 within the quota at 2.5 and 8 over it at 3.8.
        QVERIFY(typeCell(w->DBG_SFee, 0, "BMNum1", "1018"));
        QVERIFY(Msg::log().isEmpty());
        QCOMPARE(w->AQ_SFee->state(), data::DataSetState::Browse);
        QCOMPARE(feeAmount("BMNum1", kWater, month), d("1018"));
        QCOMPARE(feeAmount("Counts", kWater, month), d("18"));
        QCOMPARE(feeAmount("BYFee", kWater, month), d("55.40"));
        QCOMPARE(feeAmount("BYHJ", kWater, month), d("55.40"));
        QCOMPARE(column(w->DBG_SFee, "BYHJ"), QStringList{"55.4"});
        QVERIFY(press(w->SB_Exit));
        settle();
        QVERIFY(!frmSFee);
    }

    void managementFeeCharged()
    {
        runOpener(*findOpener("FJLJF"), mdiForm);
        TfrmFJL* w = frmFJL;
        QVERIFY(w);
        QCOMPARE(w->lbl_date->text(), QString("记费日期： %1年%2月").arg(month.year()).arg(month.month()));
        // 1.50 a square metre of floor area, for one month.
        QVERIFY(press(w->RB_1));
        QVERIFY(choose(w->DBLC_FeeType, kManagement));
        typeInto(w->E_dj, "1.5");
        typeInto(w->ME_sj, "1");
        QVERIFY(press(w->BitBtn1));
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"数据记入成功！"});
        QCOMPARE(feeAmount("BYFee", kManagement, month), d("132.75"));
        QCOMPARE(feeAmount("BYHJ", kManagement, month), d("132.75"));
        QCOMPARE(feeAmount("BYHJ", kWater, month), d("55.40"));
        QVERIFY(press(w->BitBtn2));
        settle();
        QVERIFY(!frmFJL);
    }

    void collectedWithAReceipt()
    {
        runOpener(*findOpener("Skgl"), mdiForm);
        TfrmSk* w = frmSk;
        QVERIFY(w);
        QVERIFY(choose(w->DBLC_Reg, kDistrict));
        QVERIFY(choose(w->DBLC_Build, kBuilding));
        w->DTP_Date->setDate(month);
        QCOMPARE(column(w->DBG_JBxx, "Users"), QStringList{kOwner});
        QVERIFY(clickRow(w->DBG_JBxx, "RoomNum", "101"));
        QCOMPARE(column(w->DBG_YSxm, "FeeName"), (QStringList{kWater, kManagement}));
        QCOMPARE(column(w->DBG_YSxm, "BYHJ"), (QStringList{"55.4", "132.75"}));
        QCOMPARE(column(w->DBG_YSxm, "flag"), (QStringList{"未收取", "未收取"}));
        QVERIFY(!testsupport::saveScreenshot(mdiForm, "typical_request_collection").isEmpty());

        // Everything of the month, with a receipt: the room's list's pop-up
        // menu opens the collection dialog.
        PrintedPages printed;
        QVERIFY(popupChoose(w->DBG_YSxm, "FeeName", kWater, "收取该用户所有费用"));
        QCOMPARE(w->CollectMode, QString("All"));
        TfrmShouqu* dlg = frmShouqu;
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(dlg->LV_Shq->rowCount(), 2);
        QCOMPARE(dlg->LV_Shq->row(0), (QStringList{kWater, "55.4", "0", "0", "55.4", ""}));
        QCOMPARE(dlg->LV_Shq->row(1), (QStringList{kManagement, "132.75", "0", "0", "132.75", "188.15"}));
        QVERIFY(press(dlg->SpeedButton1));
        QVERIFY2(Msg::log().isEmpty(), qPrintable(Msg::texts(MsgKind::Error).join('|')));

        // Both rows collected in full, and one receipt row for them.
        for (const QString& item : {kWater, kManagement}) {
            QCOMPARE(feeColumn("flag", item, month).toString(), QString("已收取"));
            QCOMPARE(feeAmount("SSJE", item, month), feeAmount("BYHJ", item, month));
        }
        QCOMPARE(count("SELECT count(*) FROM SFSJ"), 1);
        QSqlQuery q = db().exec("SELECT SJNum, RegionId, BuildId, UnitName, RoomNum, ownerId, ownerName, SFzy, FSje "
                                "FROM SFSJ");
        QVERIFY(q.next());
        const QString number = q.value(0).toString();
        QVERIFY(!number.isEmpty());
        QCOMPARE(QStringList({q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                              q.value(4).toString(), q.value(5).toString(), q.value(6).toString()}),
                 (QStringList{"01", "1", "1", "101", kOwnerId, kOwner}));
        QCOMPARE(q.value(7).toString(), kWater + "、" + kManagement + "、");
        const data::Decimal paid = data::Decimal::fromVariant(q.value(8));
        QCOMPARE(paid, d("188.15"));
        QVERIFY(dlg->receipt());
        QCOMPARE(QString::number(dlg->receipt()->number), number);
        // No second receipt for the same money.
        QVERIFY(!dlg->SpeedButton1->isEnabled());
        QVERIFY(!dlg->BB_Ok->isEnabled());

        // The receipt printed once: the company, its number, the payer, the
        // room, what was paid and the amount in capitals and in figures.
        QCOMPARE(printed.docs.size(), size_t(1));
        QCOMPARE(printed.docs[0].pageCount(), 1);
        const QStringList texts = printed.firstPageTexts();
        const std::optional<QString> capitals = fees::AmountToCapitals(paid);
        QVERIFY(capitals && !capitals->isEmpty());
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        for (const QString& t : {kCompany, QString("收款收据"), "收据号码： " + number, "日期：" + today,
                                 "今 收 到    " + kOwner, QString("房屋编号    1→1→101"),
                                 "交    来    " + kWater + "、" + kManagement + "、", "人民币(大写)  " + *capitals,
                                 QString("￥ 188.15")})
            QVERIFY2(texts.contains(t), qPrintable(t + " not among: " + texts.join(" | ")));
        const QString png = QDir(testsupport::screenshotDir()).filePath("typical_request_receipt.png");
        QVERIFY(report::savePagePng(printed.docs[0], 0, png, 100));

        // The window shows the rows collected and the new receipt.
        QCOMPARE(column(w->DBG_YSxm, "flag"), (QStringList{"已收取", "已收取"}));
        QCOMPARE(column(w->DBG_SFJL, "SJNum"), QStringList{number});
        QVERIFY(press(dlg->BB_Cancel));
        settle();
        QVERIFY(!frmShouqu);

        // The stored receipt printed again from the receipts page is the same page.
        w->PageControl1->setCurrentWidget(w->TS_SFjl);
        QVERIFY(popupChoose(w->DBG_SFJL, "SJNum", number, "票据重打"));
        QCOMPARE(printed.docs.size(), size_t(2));
        QCOMPARE(printed.firstPageTexts(), texts);
        QVERIFY(press(w->SpeedButton2));
        settle();
        QVERIFY(!frmSk);
    }

    void theNextMonthCarriesTheReadings()
    {
        runOpener(*findOpener("SCYSK"), mdiForm);
        TfrmSCYSK* w = frmSCYSK;
        QVERIFY(w);
        pickMonth(w, nextMonth);
        QVERIFY(press(w->BB_OK));
        QCOMPARE(Msg::texts(MsgKind::Information), QStringList{"生成数据成功，可以进行收费操作。"});
        settle();

        // The water meter starts where it was read; the month before is
        // paid, so nothing is owed and no late fee is due.
        QCOMPARE(count("SELECT count(*) FROM Fee WHERE inDate = ?", {monthText(nextMonth)}), 2);
        QCOMPARE(feeAmount("BCNum1", kWater, nextMonth), d("1018"));
        QVERIFY(feeColumn("BMNum1", kWater, nextMonth).isNull());
        QCOMPARE(feeAmount("DL", kWater, nextMonth), d("10"));
        for (const QString& item : {kWater, kManagement}) {
            QCOMPARE(feeAmount("WYqk", item, nextMonth), d("0"));
            QCOMPARE(feeAmount("ZNJ", item, nextMonth), d("0"));
            QVERIFY(feeColumn("BYHJ", item, nextMonth).isNull());
            QCOMPARE(feeColumn("flag", item, nextMonth).toString(), QString("未收取"));
            QCOMPARE(feeColumn("flag", item, month).toString(), QString("已收取"));
        }

        // The meter-reading window offers the new month from that reading.
        runOpener(*findOpener("SFee"), mdiForm);
        TfrmSFee* readings = frmSFee;
        QVERIFY(readings);
        QVERIFY(choose(readings->DBLC_Reg, kDistrict));
        QVERIFY(choose(readings->DBLC_Build, kBuilding));
        readings->DTP_Date->setDate(nextMonth);
        QVERIFY(choose(readings->DBLC_FeeType, kWater));
        QCOMPARE(column(readings->DBG_SFee, "BCNum1"), QStringList{"1018"});
        QCOMPARE(column(readings->DBG_SFee, "BMNum1"), QStringList{""});
        QVERIFY(press(readings->SB_Exit));
        settle();
    }
};

WYGL_TEST(TestTypicalRequest)
#include "tst_TypicalRequest.moc"
