#include "CollectionDesk.h"

#include "FeeFixture.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "platform/data/Dialect.h"
#include "platform/report/OutputSeam.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBLookupComboBox.h"

#include <QDateEdit>
#include <QtTest>

namespace feetest {

namespace {

void addRoom(data::Connection& c, const QString& region, const QString& build, const QString& buildName,
             const QString& num, const QVariant& ownerId, const QVariant& owner, const QString& state)
{
    insertRow(c, "Rooms",
              {{"RegionID", region}, {"BuildId", build}, {"BuildName", buildName}, {"UnitName", "1"},
               {"RoomNum", num}, {"UserId", ownerId}, {"Users", owner}, {"UState", state}, {"JZm", "86.5"}});
}

QVariantMap due(const QVariant& total, const QString& flag = "未收取")
{
    return {{"BYFee", total}, {"WYqk", "0"}, {"ZNJ", "0"}, {"BYHJ", total}, {"flag", flag}};
}

}  // namespace

void deskRegister(data::Connection& c)
{
    c.exec("INSERT INTO IncInfo (IncName) VALUES ('翠苑物业管理有限公司')");
    insertRow(c, "Region", {{"RegionId", "1"}, {"RegionName", "翠苑小区"}});
    insertRow(c, "Region", {{"RegionId", "5"}, {"RegionName", "西湖小区"}});
    insertRow(c, "Build", {{"BuildId", "2"}, {"BuildName", "2号楼"}, {"RegionID", "1"}});
    insertRow(c, "Build", {{"BuildId", "3"}, {"BuildName", "3号楼"}, {"RegionID", "1"}});
    insertRow(c, "Build", {{"BuildId", "7"}, {"BuildName", "7号楼"}, {"RegionID", "5"}});
    addRoom(c, "1", "2", "2号楼", "101", "o101", "张三", "B");
    addRoom(c, "1", "2", "2号楼", "102", "o102", "李四", "B");
    addRoom(c, "1", "2", "2号楼", "103", QVariant(), QVariant(), "A");
    addRoom(c, "1", "2", "2号楼", "104", "o104", "王五", "B");
    addRoom(c, "1", "3", "3号楼", "301", "o301", "赵六", "B");
    addRoom(c, "5", "7", "7号楼", "701", "o701", "钱七", "B");

    addFee(c, room(), "01", "202405", {{"BYFee", "30"}, {"WYqk", "5.50"}, {"ZNJ", "0"}, {"BYHJ", "35.50"}});
    addFee(c, room(), "02", "202405", due("0"));
    addFee(c, room(), "03", "202405", due(QVariant()));
    addFee(c, room(), "04", "202405", due("60", "已收取"));
    addFee(c, room(), "05", "202405", due("12"));
    addFee(c, room(), "01", "202404", due("9"));
    addFee(c, room("102", "李四"), "01", "202405", due("8"));
    addFee(c, {"1", "3", "1", "301", "o301", "赵六"}, "01", "202405", due("20"));

    const fees::RoomKey k = room();
    insertRow(c, "SFSJ",
              {{"RegionId", k.regionId}, {"BuildId", k.buildId}, {"UnitName", k.unitName}, {"RoomNum", k.roomNum},
               {"ownerId", k.ownerId}, {"ownerName", k.ownerName},
               {"KPDate", c.dialect().dateTimeValue(QDateTime(QDate(2024, 3, 15), QTime(0, 0)))},
               {"SFzy", "物业费、"}, {"FSje", "60"}});
}

TfrmSk* openDesk()
{
    runOpener(*findOpener("Skgl"), mdiForm);
    return frmSk;
}

bool choose(ui::DBLookupComboBox* box, const QString& name)
{
    const int i = box->findText(name);
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

bool clickRow(ui::DBGrid* grid, const QString& field, const QString& text)
{
    const int row = column(grid, field).indexOf(text);
    if (row < 0)
        return false;
    const QRect cell = grid->visualRect(grid->model()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    return true;
}

PrintCatcher::PrintCatcher()
{
    report::OutputSeam s;
    s.setup = [](const report::SetupChoice&) { return report::SetupChoice::fromAnswer("preview"); };
    s.preview = [this](const report::Document& doc) {
        m_docs.push_back(doc);
        return false;
    };
    m_seam = std::make_unique<report::ScopedOutputSeam>(s);
}

PrintCatcher::~PrintCatcher() = default;

QStringList PrintCatcher::lastTexts() const
{
    QStringList out;
    if (!m_docs.empty() && !m_docs.back().pages.empty())
        for (const report::TextItem& t : m_docs.back().pages[0].texts)
            out << t.text;
    return out;
}

}  // namespace feetest
