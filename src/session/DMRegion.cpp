#include "session/DMRegion.h"

#include "platform/data/Error.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "session/ToolbarSync.h"

#include <QDir>
#include <iostream>

TDM* DM = nullptr;

namespace {

// Table datasets: name, table, place in the start-up opening order (0: not
// opened at start-up), master data source and link columns (master = detail).
struct TableRow {
    data::Table* TDM::*member;
    const char* name;
    const char* table;
    int openOrder;
    data::DataSource* TDM::*master;
    const char* masterFields;
    const char* detailFields;
};

const TableRow kTables[] = {
    {&TDM::AT_Users, "AT_Users", "users", 1, nullptr, "", ""},
    {&TDM::AT_Popedom, "AT_Popedom", "popedom", 2, nullptr, "", ""},
    {&TDM::AT_IncI, "AT_IncI", "IncInfo", 3, nullptr, "", ""},
    {&TDM::AT_culture, "AT_culture", "cultureType", 4, nullptr, "", ""},
    {&TDM::AT_Job, "AT_Job", "jobType", 5, nullptr, "", ""},
    {&TDM::AT_ZhZ, "AT_ZhZ", "ZhZType", 6, nullptr, "", ""},
    {&TDM::AT_ZhJ, "AT_ZhJ", "ZhJType", 7, nullptr, "", ""},
    {&TDM::AT_Folk, "AT_Folk", "folkType", 8, nullptr, "", ""},
    {&TDM::AT_Nexus, "AT_Nexus", "nexusType", 9, nullptr, "", ""},
    {&TDM::AT_RoomType, "AT_RoomType", "roomType", 10, nullptr, "", ""},
    {&TDM::AT_FeeType, "AT_FeeType", "feeType", 11, nullptr, "", ""},
    {&TDM::AT_ReperType, "AT_ReperType", "reperType", 12, nullptr, "", ""},
    {&TDM::AT_FixSys, "AT_FixSys", "fixSys", 14, nullptr, "", ""},
    {&TDM::AT_FixType, "AT_FixType", "fixtype", 15, nullptr, "", ""},
    {&TDM::AT_ShPType, "AT_ShPType", "ShPType", 13, nullptr, "", ""},
    {&TDM::AT_FileType, "AT_FileType", "fileType", 16, nullptr, "", ""},
    {&TDM::AT_BoanUse, "AT_BoanUse", "BoanUse", 17, nullptr, "", ""},
    {&TDM::AT_BoanPost, "AT_BoanPost", "BoanPost", 18, nullptr, "", ""},
    {&TDM::AT_BoanPost1, "AT_BoanPost1", "BoanPost", 19, nullptr, "", ""},
    {&TDM::AT_Patrol, "AT_Patrol", "patrol", 20, nullptr, "", ""},
    {&TDM::AT_BoanAffair, "AT_BoanAffair", "BoanAffair", 21, nullptr, "", ""},
    {&TDM::AT_BojeUse, "AT_BojeUse", "BojeUse", 22, nullptr, "", ""},
    {&TDM::AT_BojePost, "AT_BojePost", "BojePost", 23, nullptr, "", ""},
    {&TDM::AT_BojePost1, "AT_BojePost1", "BojePost", 24, nullptr, "", ""},
    {&TDM::AT_BojeWork, "AT_BojeWork", "BojeWork", 25, nullptr, "", ""},
    {&TDM::AT_FirUse, "AT_FirUse", "FirRes", 26, nullptr, "", ""},
    {&TDM::AT_FirCheck, "AT_FirCheck", "FirCheck", 27, nullptr, "", ""},
    {&TDM::AT_CarPosit, "AT_CarPosit", "CarPosit", 28, nullptr, "", ""},
    {&TDM::AT_CarM, "AT_CarM", "CarMessage", 29, nullptr, "", ""},
    {&TDM::AT_Appeal, "AT_Appeal", "Appeal", 30, nullptr, "", ""},
    {&TDM::AT_PrjType, "AT_PrjType", "prjType", 31, nullptr, "", ""},
    {&TDM::AT_PeixType, "AT_PeixType", "PeixType", 32, nullptr, "", ""},
    {&TDM::AT_MeetType, "AT_MeetType", "meetType", 33, nullptr, "", ""},
    {&TDM::AT_HuodType, "AT_HuodType", "HuodType", 34, nullptr, "", ""},
    {&TDM::AT_Plans, "AT_Plans", "plans", 35, nullptr, "", ""},
    {&TDM::AT_Peix, "AT_Peix", "PeiXun", 36, nullptr, "", ""},
    {&TDM::AT_PeixType1, "AT_PeixType1", "PeixType", 0, nullptr, "", ""},
    {&TDM::AT_Campaign, "AT_Campaign", "campaign", 37, nullptr, "", ""},
    {&TDM::AT_HuodType1, "AT_HuodType1", "HuodType", 0, nullptr, "", ""},
    {&TDM::AT_Meeting, "AT_Meeting", "meeting", 38, nullptr, "", ""},
    {&TDM::AT_MeetType1, "AT_MeetType1", "meetType", 0, nullptr, "", ""},
    {&TDM::AT_Project, "AT_Project", "project", 39, nullptr, "", ""},
    {&TDM::AT_PrjType1, "AT_PrjType1", "prjType", 0, nullptr, "", ""},
    {&TDM::AT_Tools, "AT_Tools", "Tools", 40, nullptr, "", ""},
    {&TDM::AT_Fixing, "AT_Fixing", "fixing", 41, nullptr, "", ""},
    {&TDM::AT_Fixtype1, "AT_Fixtype1", "fixtype", 0, nullptr, "", ""},
    {&TDM::AT_SysType, "AT_SysType", "fixSys", 0, nullptr, "", ""},
    {&TDM::AT_Spare, "AT_Spare", "spare", 42, nullptr, "", ""},
    {&TDM::AT_Mend, "AT_Mend", "Mend", 43, nullptr, "", ""},
    {&TDM::AT_Egis, "AT_Egis", "Egis", 44, nullptr, "", ""},
    {&TDM::AT_IOput, "AT_IOput", "inputs", 45, nullptr, "", ""},
    {&TDM::AT_Output, "AT_Output", "outputs", 46, nullptr, "", ""},
    {&TDM::AT_Accept, "AT_Accept", "AcceptFile", 47, nullptr, "", ""},
    {&TDM::AT_Send, "AT_Send", "SendFile", 48, nullptr, "", ""},
    {&TDM::AT_Pact, "AT_Pact", "Pact", 49, nullptr, "", ""},
    {&TDM::AT_Employee, "AT_Employee", "Employee", 50, nullptr, "", ""},
    {&TDM::AT_Award, "AT_Award", "Award", 51, nullptr, "", ""},
    {&TDM::AT_UseType, "AT_UseType", "UseType", 52, nullptr, "", ""},
    {&TDM::AT_Member, "AT_Member", "Member", 53, &TDM::DS_Man, "ownerId", "OwnerId"},
    {&TDM::AT_Region, "AT_Region", "Region", 54, nullptr, "", ""},
    {&TDM::AT_Build, "AT_Build", "Build", 55, nullptr, "", ""},
    {&TDM::AT_Reg, "AT_Reg", "Region", 56, nullptr, "", ""},
    {&TDM::AT_Buid, "AT_Buid", "Build", 57, &TDM::DS_Reg, "RegionId", "RegionID"},
    {&TDM::AT_Units, "AT_Units", "Units", 58, &TDM::DS_Buid, "BuildId;RegionID;BuildName", "BuildId;RegionId;BuildName"},
    {&TDM::AT_Room, "AT_Room", "Rooms", 59, &TDM::DS_Units, "BuildId;BuildName;RegionId;UnitName", "BuildId;BuildName;RegionID;UnitName"},
    {&TDM::AT_Regs, "AT_Regs", "Region", 60, nullptr, "", ""},
    {&TDM::AT_FeeType1, "AT_FeeType1", "FeeType1", 61, nullptr, "", ""},
    {&TDM::AT_vfee, "AT_vfee", "v_feeset", 0, nullptr, "", ""},
    {&TDM::AT_CWSet, "AT_CWSet", "SFSet", 62, nullptr, "", ""},
    {&TDM::AT_DataSend, "AT_DataSend", "NZBB", 63, nullptr, "", ""},
    {&TDM::AT_SFSJ, "AT_SFSJ", "SFSJ", 0, &TDM::DS_SFee1, "RegionId;BuildID;UnitName;RoomNum;UserId;Users", "RegionId;BuildId;UnitName;RoomNum;ownerId;ownerName"},
};

// Queries with the statement they start with ("" for those built in code by
// their users, who clear the text and add their own).
struct QueryRow {
    data::Query* TDM::*member;
    const char* name;
    const char* sql;
};

const QueryRow kQueries[] = {
    {&TDM::AQ_Login, "AQ_Login", "select * from users\nwhere userName=:Name\nand userPass=:Pass"},
    {&TDM::AQ_Back_Restore, "AQ_Back_Restore", ""},
    {&TDM::AQ_Emp, "AQ_Emp", "select * from Employee where EmpType=:EmpType"},
    {&TDM::AQ_BoanPaiG, "AQ_BoanPaiG", "select * from BoanPaiG where BPostID=:BPostId and BanCi=:Banci"},
    {&TDM::AQ_BojePaiG, "AQ_BojePaiG", "select * from BojePaiG where BPostID=:BPostID and BanCi=:Banci"},
    {&TDM::AQ_ioSelect, "AQ_ioSelect", "select * from inputs"},
    {&TDM::AQ_Repertory, "AQ_Repertory", "select * from repertory"},
    {&TDM::AQ_Man, "AQ_Man", "select * from Owner where RegionName=:RegionName and BuildName=:BuildName"},
    {&TDM::AQ_Bud, "AQ_Bud", ""},
    {&TDM::AQ_Units, "AQ_Units", "select * from Units"},
    {&TDM::AQ_Rooms, "AQ_Rooms", "select * from Rooms"},
    {&TDM::AQ_FeeSet, "AQ_FeeSet", "select * from FeeSet"},
    {&TDM::AQ_SFee, "AQ_SFee", "select * from Fee"},
    {&TDM::AQ_SFee1, "AQ_SFee1", "select * from rooms"},
    {&TDM::AQ_SFeeM, "AQ_SFeeM", "select * from Fee"},
    {&TDM::AQ_FeeLx, "AQ_FeeLx", ""},
};

// Commands. The backup, restore and clearing statements differ by database
// and are set by the windows that run them.
struct CommandRow {
    data::Command* TDM::*member;
    const char* name;
    const char* sql;
};

const CommandRow kCommands[] = {
    {&TDM::AC_BoanPaiG, "AC_BoanPaiG",
     "insert into BoanPaiG(BPostId,BanCi,EmpID,EmpName)\nvalues(:BPostId,:BanCi,:EmpNum,:EmpName)"},
    {&TDM::AC_BoanPaiG1, "AC_BoanPaiG1", "delete from BoanPaiG where BPostId=:BPostId"},
    {&TDM::AC_Back_Restore, "AC_Back_Restore", ""},
    {&TDM::AC_BojePaiG, "AC_BojePaiG",
     "insert into BojePaiG(BPostId,BanCi,EmpID,EmpName)\nvalues(:BPostId,:BanCi,:EmpNum,:EmpName)"},
    {&TDM::AC_BojePaiG1, "AC_BojePaiG1", "delete from BojePaiG where BPostId=:BPostId"},
    {&TDM::AC_ZQ, "AC_ZQ", ""},
};

// Data sources: name, dataset, enabled at start, automatic edit.
struct SourceRow {
    data::DataSource* TDM::*member;
    const char* name;
    const char* dataSet;
    bool enabled;
    bool autoEdit;
};

const SourceRow kSources[] = {
    {&TDM::DS_Users, "DS_Users", "AT_Users", false, true},
    {&TDM::DS_Popedom, "DS_Popedom", "AT_Popedom", false, true},
    {&TDM::DS_IncI, "DS_IncI", "AT_IncI", false, true},
    {&TDM::DS_Culture, "DS_Culture", "AT_culture", false, true},
    {&TDM::DS_Job, "DS_Job", "AT_Job", false, true},
    {&TDM::DS_ZhZ, "DS_ZhZ", "AT_ZhZ", false, true},
    {&TDM::DS_ZhJ, "DS_ZhJ", "AT_ZhJ", false, true},
    {&TDM::DS_Folk, "DS_Folk", "AT_Folk", false, true},
    {&TDM::DS_Nexus, "DS_Nexus", "AT_Nexus", false, true},
    {&TDM::DS_RoomType, "DS_RoomType", "AT_RoomType", false, true},
    {&TDM::DS_FeeType, "DS_FeeType", "AT_FeeType", false, true},
    {&TDM::DS_ReperType, "DS_ReperType", "AT_ReperType", false, true},
    {&TDM::DS_FixSys, "DS_FixSys", "AT_FixSys", false, true},
    {&TDM::DS_FixType, "DS_FixType", "AT_FixType", false, true},
    {&TDM::DS_ShPType, "DS_ShPType", "AT_ShPType", false, true},
    {&TDM::DS_FileType, "DS_FileType", "AT_FileType", false, true},
    {&TDM::DS_BoanUse, "DS_BoanUse", "AT_BoanUse", false, true},
    {&TDM::DS_Emp, "DS_Emp", "AQ_Emp", false, true},
    {&TDM::DS_BoanPost, "DS_BoanPost", "AT_BoanPost", false, true},
    {&TDM::DS_BoanPost1, "DS_BoanPost1", "AT_BoanPost1", false, true},
    {&TDM::DS_BoanPaiG, "DS_BoanPaiG", "AQ_BoanPaiG", false, true},
    {&TDM::DS_Patrol, "DS_Patrol", "AT_Patrol", false, true},
    {&TDM::DS_BoanAffair, "DS_BoanAffair", "AT_BoanAffair", false, true},
    {&TDM::DS_BojeUse, "DS_BojeUse", "AT_BojeUse", false, true},
    {&TDM::DS_BojePost, "DS_BojePost", "AT_BojePost", false, true},
    {&TDM::DS_BojePost1, "DS_BojePost1", "AT_BojePost1", false, true},
    {&TDM::DS_BojePaiG, "DS_BojePaiG", "AQ_BojePaiG", false, true},
    {&TDM::DS_BojeWork, "DS_BojeWork", "AT_BojeWork", false, true},
    {&TDM::DS_FirUse, "DS_FirUse", "AT_FirUse", false, true},
    {&TDM::DS_FirCheck, "DS_FirCheck", "AT_FirCheck", false, true},
    {&TDM::DS_CarPosit, "DS_CarPosit", "AT_CarPosit", false, true},
    {&TDM::DS_CarM, "DS_CarM", "AT_CarM", false, true},
    {&TDM::DS_Appeal, "DS_Appeal", "AT_Appeal", false, true},
    {&TDM::DS_PrjType, "DS_PrjType", "AT_PrjType", false, true},
    {&TDM::DS_PeixType, "DS_PeixType", "AT_PeixType", false, true},
    {&TDM::DS_MeetType, "DS_MeetType", "AT_MeetType", false, true},
    {&TDM::DS_HuodType, "DS_HuodType", "AT_HuodType", false, true},
    {&TDM::DS_Plans, "DS_Plans", "AT_Plans", false, true},
    {&TDM::DS_Peix, "DS_Peix", "AT_Peix", false, true},
    {&TDM::DS_Campaign, "DS_Campaign", "AT_Campaign", false, true},
    {&TDM::DS_Meeting, "DS_Meeting", "AT_Meeting", false, true},
    {&TDM::DS_Project, "DS_Project", "AT_Project", false, true},
    {&TDM::DS_Tools, "DS_Tools", "AT_Tools", false, true},
    {&TDM::DS_Fixing, "DS_Fixing", "AT_Fixing", false, true},
    {&TDM::DS_Spare, "DS_Spare", "AT_Spare", false, true},
    {&TDM::DS_Mend, "DS_Mend", "AT_Mend", false, true},
    {&TDM::DS_Egis, "DS_Egis", "AT_Egis", false, true},
    {&TDM::DS_IOput, "DS_IOput", "AT_IOput", false, true},
    {&TDM::DS_Output, "DS_Output", "AT_Output", false, true},
    {&TDM::DS_ioSelect, "DS_ioSelect", "AQ_ioSelect", false, true},
    {&TDM::DS_Repertory, "DS_Repertory", "AQ_Repertory", false, true},
    {&TDM::DS_Accept, "DS_Accept", "AT_Accept", false, true},
    {&TDM::DS_Send, "DS_Send", "AT_Send", false, true},
    {&TDM::DS_Pact, "DS_Pact", "AT_Pact", false, true},
    {&TDM::DS_Employee, "DS_Employee", "AT_Employee", false, true},
    {&TDM::DS_Award, "DS_Award", "AT_Award", false, true},
    {&TDM::DS_UseType, "DS_UseType", "AT_UseType", false, true},
    {&TDM::DS_Man, "DS_Man", "AQ_Man", false, true},
    {&TDM::DS_Member, "DS_Member", "AT_Member", false, true},
    {&TDM::DS_Region, "DS_Region", "AT_Region", false, true},
    {&TDM::DS_Build, "DS_Build", "AT_Build", false, true},
    {&TDM::DS_Reg, "DS_Reg", "AT_Reg", true, false},
    {&TDM::DS_Buid, "DS_Buid", "AT_Buid", false, true},
    {&TDM::DS_Units, "DS_Units", "AT_Units", false, true},
    {&TDM::DS_Room, "DS_Room", "AT_Room", false, true},
    {&TDM::DS_Regs, "DS_Regs", "AT_Regs", false, true},
    {&TDM::DS_Bud, "DS_Bud", "AQ_Bud", false, false},
    {&TDM::DS_Unites, "DS_Unites", "AQ_Units", false, false},
    {&TDM::DS_Rooms, "DS_Rooms", "AQ_Rooms", false, false},
    {&TDM::DS_FeeType1, "DS_FeeType1", "AT_FeeType1", false, true},
    {&TDM::DS_FeeSet, "DS_FeeSet", "AQ_FeeSet", false, true},
    {&TDM::DS_vfee, "DS_vfee", "AT_vfee", true, true},
    {&TDM::DS_CWSet, "DS_CWSet", "AT_CWSet", false, true},
    {&TDM::DS_SFee, "DS_SFee", "AQ_SFee", false, true},
    {&TDM::DS_DataSend, "DS_DataSend", "AT_DataSend", false, true},
    {&TDM::DS_SFee1, "DS_SFee1", "AQ_SFee1", false, true},
    {&TDM::DS_SFSJ, "DS_SFSJ", "AT_SFSJ", false, true},
    {&TDM::DS_SFeeM, "DS_SFeeM", "AQ_SFeeM", false, true},
    {&TDM::DS_FeeLx, "DS_FeeLx", "AQ_FeeLx", true, true},
};

}  // namespace

TDM::TDM(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("DM"));
    createComponents();
    installToolbarSync(*this);
}

TDM::~TDM()
{
    // Sources and datasets are children of this object; drop them before the
    // connection they use.
    const auto kids = children();
    for (QObject* k : kids)
        delete k;
    ADOConn.reset();
    if (DM == this)
        DM = nullptr;
}

void TDM::createComponents()
{
    for (const TableRow& r : kTables) {
        auto* t = new data::Table(nullptr, this);
        t->setObjectName(QString::fromLatin1(r.name));
        t->setTableName(QString::fromLatin1(r.table));
        // Start-up opens every table; most are not looked at in a session,
        // and the registers grow large: rows are read when first needed.
        t->setReadOnDemand(true);
        this->*r.member = t;
        m_dataSets.insert(QString::fromLatin1(r.name).toLower(), t);
    }
    for (const QueryRow& r : kQueries) {
        auto* q = new data::Query(nullptr, this);
        q->setObjectName(QString::fromLatin1(r.name));
        if (*r.sql)
            q->setSql(QString::fromUtf8(r.sql));
        this->*r.member = q;
        m_dataSets.insert(QString::fromLatin1(r.name).toLower(), q);
    }
    for (const CommandRow& r : kCommands) {
        auto* c = new data::Command(nullptr, this);
        c->setObjectName(QString::fromLatin1(r.name));
        c->setSql(QString::fromUtf8(r.sql));
        this->*r.member = c;
        m_commands.insert(QString::fromLatin1(r.name).toLower(), c);
    }
    for (const SourceRow& r : kSources) {
        auto* s = new data::DataSource(nullptr, this);
        s->setObjectName(QString::fromLatin1(r.name));
        s->setEnabled(r.enabled);
        s->setAutoEdit(r.autoEdit);
        s->setDataSet(dataSet(QString::fromLatin1(r.dataSet)));
        this->*r.member = s;
        m_sources.insert(QString::fromLatin1(r.name).toLower(), s);
    }
    for (const TableRow& r : kTables)
        if (r.master)
            (this->*r.member)->setMaster(this->*r.master, QString::fromLatin1(r.masterFields),
                                         QString::fromLatin1(r.detailFields));
    // Receipts pile up over the years; a room's are read by themselves.
    AT_SFSJ->setReadLinkedOnly(true);
}

void TDM::attachConnection()
{
    for (data::DataSet* d : std::as_const(m_dataSets))
        d->setConnection(ADOConn.get());
    for (data::Command* c : std::as_const(m_commands))
        c->setConnection(ADOConn.get());
}

QStringList TDM::startupOrder()
{
    std::vector<std::pair<int, QString>> order;
    for (const TableRow& r : kTables)
        if (r.openOrder > 0)
            order.emplace_back(r.openOrder, QString::fromLatin1(r.name));
    std::sort(order.begin(), order.end());
    QStringList out;
    for (const auto& o : order)
        out << o.second;
    return out;
}

void TDM::connectAndOpen(const QString& udlPath)
{
    openOn(data::Connection::openFile(udlPath));
}

void TDM::openOn(std::unique_ptr<data::Connection> conn)
{
    for (data::DataSet* d : std::as_const(m_dataSets))
        d->close();
    ADOConn = std::move(conn);
    attachConnection();
    for (const QString& name : startupOrder())
        dataSet(name)->open();
}

void TDM::cancelAllEdits()
{
    for (data::DataSet* d : std::as_const(m_dataSets))
        if (d->isEditing())
            d->discardEdits();
}

void TDM::DataModuleCreate(const QString& folder, const std::function<void()>& afterOpen)
{
    if (ADOConn)
        ADOConn.reset();
    try {
        connectAndOpen(QDir(folder).filePath(QStringLiteral("conn.udl")));
    } catch (const std::exception& e) {
        const QString why = dynamic_cast<const data::Error*>(&e) ? static_cast<const data::Error&>(e).message()
                                                                 : QString::fromLocal8Bit(e.what());
        std::cerr << "wygl: " << why.toStdString() << std::endl;
        ui::Msg::warning(QStringLiteral("数据库连接失败，重新配置！"));
        ui::terminate();
        return;
    }
    if (afterOpen)
        afterOpen();
}

namespace {

// True when the text could be what a column of users holds: no longer than
// the column (trailing blanks aside, as they are never stored) and no NUL.
bool couldBeStored(const QString& text, const char* column)
{
    int width = 0;
    for (const data::ColumnDef& c : data::findTable(QStringLiteral("users"))->columns)
        if (qstricmp(c.name, column) == 0)
            width = c.width;
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return n <= width && !text.contains(QChar(0));
}

}  // namespace

QString TDM::CheckLogin(const QString& name, const QString& pass)
{
    // A pair no account can hold is just a wrong pair.
    if (!couldBeStored(name, "userName") || !couldBeStored(pass, "userPass")) {
        ui::Msg::plain(QStringLiteral("请重新输入！"), QStringLiteral("登录失败"));
        return QString();
    }
    AQ_Login->close();
    AQ_Login->param(QStringLiteral("Name")).setString(name, 50);
    AQ_Login->param(QStringLiteral("Pass")).setString(pass, 50);
    AQ_Login->open();
    // An account without a level is no account: it cannot log in.
    if (AQ_Login->isEmpty() || AQ_Login->fieldByName(QStringLiteral("userPopedom"))->isNull()) {
        ui::Msg::plain(QStringLiteral("请重新输入！"), QStringLiteral("登录失败"));
        return QString();
    }
    return QString::number(AQ_Login->fieldByName(QStringLiteral("userPopedom"))->asInteger());
}
