// The catalogue of the system's tables and of the view v_feeset.
//
// Columns are listed in the order the tables declare them; the hidden row
// identity (kRowIdColumn) is not listed, every table carries it. The scripts
// db/sqlite.sql and db/postgres.sql create the same tables.

#include "platform/data/SchemaCatalog.h"

namespace data {

namespace {

ColumnDef str(const char* name, int width)
{
    ColumnDef c{name, ColType::String};
    c.width = width;
    return c;
}

ColumnDef integer(const char* name)
{
    ColumnDef c{name, ColType::Integer};
    c.width = 4;
    return c;
}

ColumnDef smallint(const char* name)
{
    ColumnDef c{name, ColType::Integer};
    c.width = 2;
    return c;
}

ColumnDef dec(const char* name, int precision, int scale)
{
    ColumnDef c{name, ColType::Decimal};
    c.precision = precision;
    c.scale = scale;
    return c;
}

// The common case: money and areas, two decimals.
ColumnDef money(const char* name)
{
    return dec(name, 18, 2);
}

// Counts and telephone numbers kept as whole decimals.
ColumnDef whole(const char* name)
{
    return dec(name, 18, 0);
}

ColumnDef dateTime(const char* name)
{
    return ColumnDef{name, ColType::DateTime};
}

ColumnDef withDefault(ColumnDef c, const char* sqlLiteral, bool notNull = false)
{
    c.defaultValue = sqlLiteral;
    c.notNull = notNull;
    return c;
}

ColumnDef identity(ColumnDef c)
{
    c.identity = true;
    return c;
}

// A code table: integer (or short text) code and a name.
TableDef codeTable(const char* table, ColumnDef code, const char* nameColumn, int nameWidth)
{
    return TableDef{table, false, {code, str(nameColumn, nameWidth)}};
}

// A code table with a note, the second kind of code-table window.
TableDef noteCodeTable(const char* table, const char* codeColumn, const char* nameColumn)
{
    return TableDef{table, false, {integer(codeColumn), str(nameColumn, 50), str("note", 100)}};
}

std::vector<TableDef> buildTables()
{
    std::vector<TableDef> t;

    // ---- Accounts and company -------------------------------------------------
    t.push_back({"users", false, {
        integer("userID"),
        str("userName", 20),
        str("userPass", 20),
        integer("userPopedom"),
    }});
    t.push_back({"popedom", false, {
        integer("userPopedom"),
        integer("pView"),
        integer("pPrint"),
        integer("pRun"),
    }});
    t.push_back({"IncInfo", false, {
        str("IncName", 50),
        str("IncAddress", 50),
        str("IncPhone", 20),
        str("IncFax", 20),
    }});

    // ---- Property register -----------------------------------------------------
    t.push_back({"Region", false, {
        str("RegionId", 20),
        str("RegionName", 50),
        str("Address", 50),
        str("Phone", 50),
        str("Header", 50),
        money("ZDm"),
        money("JZm"),
        money("ZZm"),
        money("LDm"),
        integer("ZDSum"),
        integer("ZTSum"),
        integer("ZHSum"),
    }});
    t.push_back({"Build", false, {
        str("BuildId", 20),
        str("BuildName", 50),
        str("RegionID", 20),
        str("KFShang", 100),
        money("ZDm"),
        integer("Csum"),
        str("note", 100),
    }});
    t.push_back({"Units", false, {
        str("BuildId", 20),
        str("RegionId", 20),
        str("BuildName", 50),
        str("UnitName", 50),
        integer("KLNum"),
        integer("JLNum"),
        integer("KFNum"),
        integer("JFNum"),
    }});
    t.push_back({"Rooms", false, {
        str("BuildId", 20),
        str("BuildName", 50),
        str("RegionID", 20),
        str("UnitName", 20),
        str("RoomNum", 20),
        integer("LCNum"),
        integer("FXNum"),
        str("HXName", 20),
        money("JZm"),
        money("SYm"),
        str("SS", 100),
        str("Users", 50),
        str("UserId", 20),
        withDefault(str("UState", 4), "'A'"),  // new rooms are vacant
        str("inDate", 10),
    }});
    t.push_back({"Owner", false, {
        str("ownerId", 20),
        str("ownerName", 50),
        str("RegionName", 50),
        str("BuildName", 50),
        str("UnitName", 50),
        str("RoomNum", 50),
        str("Sex", 6),
        str("Folk", 20),
        str("xueli", 20),
        str("Factory", 50),
        whole("Phone"),
        str("Native", 50),
        str("Zhz", 20),
        str("ZhjType", 20),
        str("ZhjNum", 50),
        str("useType", 20),
        dateTime("JoinDate"),
        str("RGNum", 20),
        str("GFNum", 20),
        str("FCNum", 20),
        str("Pic", 200),
        str("Birth", 20),  // text date typed through a mask
    }});
    t.push_back({"Member", false, {
        str("memberID", 20),
        str("OwnerId", 20),
        str("mbName", 50),
        str("sex", 8),
        str("mbFactory", 50),
        str("Xueli", 20),
        whole("Phone"),
        str("ZhjNum", 50),
        str("nexus", 50),
    }});

    // ---- Code tables -------------------------------------------------------------
    t.push_back(codeTable("cultureType", smallint("cultureId"), "cultureName", 20));
    t.push_back(codeTable("jobType", smallint("jobId"), "jobName", 20));
    t.push_back(codeTable("ZhZType", smallint("ZhZId"), "ZhZName", 20));
    t.push_back(codeTable("ZhJType", smallint("ZhJType"), "ZhJName", 20));
    t.push_back(codeTable("folkType", smallint("folkId"), "folkName", 20));
    t.push_back(codeTable("nexusType", smallint("nexusID"), "nexusName", 20));
    t.push_back({"roomType", false, {
        smallint("roomId"),
        str("roomName", 10),
        integer("roomSize"),
    }});
    t.push_back({"feeType", false, {
        smallint("feeID"),
        str("feeName", 10),
        dec("feePrice", 18, 4),
    }});
    t.push_back(codeTable("reperType", integer("reperID"), "reperName", 20));
    t.push_back(codeTable("fixSys", str("fixsysId", 4), "fixsysName", 20));
    t.push_back(codeTable("fixtype", integer("fixTypeID"), "fixName", 20));
    t.push_back(codeTable("ShPType", integer("ShPId"), "ShPName", 20));
    t.push_back(codeTable("fileType", smallint("fileTypeId"), "fileTypeName", 20));
    t.push_back(codeTable("UseType", integer("useTypeId"), "useTypeName", 20));

    t.push_back(noteCodeTable("prjType", "prjTypeid", "prjTname"));
    t.push_back(noteCodeTable("PeixType", "PeixTID", "peixTName"));
    t.push_back(noteCodeTable("meetType", "meetTid", "meetTName"));
    t.push_back(noteCodeTable("HuodType", "HuodTId", "HuodTName"));

    // ---- Fees ----------------------------------------------------------------------
    t.push_back({"FeeType1", false, {
        str("CouFee", 20),
        str("FeeId", 20),
        str("FeeName", 20),
        money("JNPrice"),
        money("JWPrice"),
        str("FeeD", 20),
        integer("DL"),
        withDefault(str("JLFlag", 2), "'A'"),  // an item saved without the tick is metered
    }});
    t.push_back({"FeeSet", false, {
        str("RegionId", 20),
        str("BuildID", 20),
        str("UnitName", 20),
        str("RoomNum", 10),
        str("OwnerId", 20),
        str("OwnerName", 30),
        str("CouFee", 20),
        str("FeeId", 20),
        str("FeeName", 20),
        money("JZm"),
        str("BNum1", 10),
        str("BNum2", 10),
        str("BNum3", 10),
        whole("BDS1"),
        whole("BDS2"),
        whole("BDS3"),
        money("YSK"),
        integer("DL"),
        str("Flag", 4),
    }});
    t.push_back({"SFSet", false, {
        integer("JSDate1"),
        integer("JSDate2"),
        integer("KXDate"),
        dec("ZNJ", 18, 6),
        str("JJQ", 2),
        str("FJQ", 2),
    }});
    t.push_back({"Fee", false, {
        str("RegionId", 20),
        str("BuildID", 20),
        str("UnitName", 20),
        str("RoomNum", 20),
        str("ownerID", 20),
        str("ownerName", 30),
        str("CouFee", 4),
        str("FeeID", 4),
        str("FeeName", 20),
        money("BCNum1"),
        money("BCNum2"),
        money("BCNum3"),
        money("BMNum1"),
        money("BMNum2"),
        money("BMNum3"),
        money("Counts"),
        money("BYFee"),
        str("inDate", 20),
        money("FTFee"),
        money("ZNJ"),
        money("WYqk"),
        money("BYHJ"),
        money("SSJE"),
        withDefault(str("flag", 8), "'未收取'", true),  // generation leaves every row unpaid
        integer("DL"),
    }});
    // Fee rows with the areas of their room. The columns come from Fee except
    // JZm and SYm, which come from Rooms.
    t.push_back({"v_feeset", true, {
        money("JZm"),
        money("SYm"),
        str("BuildID", 20),
        str("RegionId", 20),
        str("UnitName", 20),
        str("RoomNum", 20),
        str("OwnerName", 30),
        str("OwnerId", 20),
        str("FeeID", 4),
        str("FeeName", 20),
        money("BYFee"),
        money("WYqk"),
        money("ZNJ"),
        money("BYHJ"),
        str("inDate", 20),
    }});
    t.push_back({"SFSJ", false, {
        str("RegionId", 20),
        str("BuildId", 20),
        str("UnitName", 20),
        str("RoomNum", 20),
        str("ownerId", 20),
        str("ownerName", 20),
        identity(integer("SJNum")),  // receipt number, assigned on insert
        dateTime("KPDate"),
        str("FeeName", 30),
        str("SFzy", 80),
        money("FSje"),
    }});
    t.push_back({"NZBB", false, {
        identity(integer("ID")),
        str("QYmc", 50),
        str("FRdb", 50),
        str("XXdz", 50),
        str("YB", 20),
        str("Phone", 20),
        str("Fax", 20),
        str("mail", 50),
        str("WZ", 50),
        dateTime("CLDate"),
        integer("ZClx"),
        integer("XMhj1"),
        money("XMhj2"),
        integer("ZZ1"),
        money("ZZ2"),
        integer("QZ1"),
        money("QZ2"),
        integer("BG1"),
        money("BG2"),
        integer("SY1"),
        money("SY2"),
        integer("GY1"),
        money("GY2"),
        integer("QT1"),
        money("QT2"),
        integer("RYzs"),
        integer("JGry"),
        integer("JL"),
        money("ZCzb"),
        money("YYsr"),
        money("YYcb"),
        money("SJ"),
        money("LR"),
        integer("YZh"),
        money("WXJze"),
        money("WXJye"),
        money("WXJzc"),
        str("DWfz", 20),
        str("TJfz", 20),
        str("TBr", 20),
        dateTime("BCDate"),
    }});

    // ---- Supplies, posts, cars -------------------------------------------------------
    t.push_back({"BoanUse", false, {
        integer("BoanUId"),
        str("BoanUName", 50),
        str("BoanUType", 50),
        integer("BoanUS"),
        str("BoanUD", 50),
    }});
    t.push_back({"BojeUse", false, {
        integer("BojeUID"),
        str("BojeUName", 50),
        str("BojeUType", 50),
        integer("BojeUS"),
        str("BojeUD", 50),
    }});
    t.push_back({"FirRes", false, {
        integer("FResId"),
        str("FRName", 50),
        str("FRType", 50),
        integer("FRSum"),
        str("FRDwei", 20),
    }});
    t.push_back({"Tools", false, {
        integer("ToolId"),
        str("ToolName", 20),
        str("ToolType", 50),
        integer("ToolS"),
        str("ToolD", 20),
    }});
    t.push_back({"spare", false, {
        str("spareId", 20),
        str("spareName", 50),
        str("spareType", 20),
        integer("sparesum"),
        str("spareD", 10),
    }});
    for (const char* post : {"BoanPost", "BojePost"}) {
        t.push_back({post, false, {
            integer("BPostId"),
            str("BPName", 50),
            str("BPPosition", 50),
            integer("BPBanshu"),
            str("BPHead", 50),
        }});
    }
    t.push_back({"CarPosit", false, {
        integer("CarPositId"),
        str("CarPosit", 50),
        str("Note", 100),
    }});
    t.push_back({"CarMessage", false, {
        str("CarNum", 20),
        str("CarType", 50),
        str("CarColor", 20),
        str("CarMan", 30),
        str("CarDriver", 30),
        whole("phone"),
        str("picPath", 50),
    }});

    // ---- Stores ------------------------------------------------------------------------
    t.push_back({"inputs", false, {
        str("ioputID", 50),
        dateTime("ioDate"),
        dateTime("ioTime"),
        str("GoodsName", 50),
        str("reperName", 20),
        whole("ioNum"),
        str("dept", 50),
        str("useMan", 50),
        str("keeper", 20),
        str("note", 50),
        str("GType", 50),
        str("SccS", 50),
    }});
    // The stock steps read the counts as whole numbers, so they start at 0.
    t.push_back({"repertory", false, {
        str("GoodsName", 50),
        str("reperName", 20),
        str("spec", 50),
        dec("price", 19, 4),
        withDefault(whole("startNum"), "0"),
        withDefault(whole("inputNum"), "0"),
        withDefault(whole("outputNum"), "0"),
        withDefault(whole("storage"), "0"),
    }});
    t.push_back({"outputs", false, {
        str("ioputID", 50),
        dateTime("ioDate"),
        dateTime("ioTime"),
        str("GoodsName", 50),
        str("reperName", 20),
        whole("ioNum"),
        str("dept", 50),
        str("useMan", 50),
        str("keeper", 20),
        str("note", 50),
        str("ZY", 50),
    }});

    // ---- Staff -------------------------------------------------------------------------
    t.push_back({"Employee", false, {
        str("EmpID", 10),
        str("EmpType", 50),
        str("ETName", 50),
        str("ETSex", 8),
        integer("ETHeight"),
        integer("ETWeight"),
        str("ETXueli", 50),
        str("ETZhz", 10),
        str("ETMarr", 8),
        str("ETAddress", 50),
        str("ETBumen", 50),
        str("ETZhjType", 50),
        str("ETZhjNum", 50),
        str("ETZhC", 50),
        str("ETPhone", 50),
        str("Detials", 200),  // sic: the column has always been spelled so
        str("Folk", 20),
        str("ETBirth", 50),
    }});
    t.push_back({"Award", false, {
        integer("AwardId"),
        str("EmpName", 50),
        dateTime("ADate"),
        str("ACause", 50),
        str("AGut", 50),
        str("AFlag", 4),
    }});
    t.push_back({"BoanPaiG", false, {
        integer("BPostId"),
        integer("BanCi"),
        str("EmpId", 50),
        str("EmpName", 50),
    }});
    t.push_back({"BojePaiG", false, {
        integer("BPostId"),
        integer("BanCi"),
        str("EmpID", 50),
        str("EmpName", 50),
    }});

    // ---- Field records and incidents -----------------------------------------------------
    t.push_back({"patrol", false, {
        str("patrolId", 50),
        dateTime("patrolDate"),
        dateTime("patrolTime"),
        str("patrolMan", 50),
        str("patrolluxian", 50),
        str("patrolGut", 100),
        str("patrolResult", 50),
    }});
    t.push_back({"BojeWork", false, {
        str("BjWorkId", 20),
        dateTime("BjDate"),
        dateTime("BjTime"),
        str("BjMan", 20),
        str("BjGut", 100),
        str("BjResult", 50),
    }});
    t.push_back({"FirCheck", false, {
        str("CheckId", 20),
        dateTime("CheckDate"),
        dateTime("CheckTime"),
        str("CheckMan", 30),
        str("CheckGut", 100),
        str("CheckResult", 100),
    }});
    t.push_back({"BoanAffair", false, {
        str("BoanAffName", 50),
        dateTime("BoanDate"),
        dateTime("BoanTime"),
        str("BoanDi", 50),
        str("BoanRen", 50),
        str("BoanJieguo", 10),
        str("BoanJianshu", 300),
        str("BoanChuli", 200),
    }});

    // ---- Documents and contracts -----------------------------------------------------------
    t.push_back({"AcceptFile", false, {
        str("FileId", 20),
        str("FWDept", 20),
        str("FileTitle", 50),
        str("ZiH", 20),
        str("FileType", 20),
        str("Addressee", 20),
        str("Posit", 50),
        str("Details", 8000),
        str("FWDate", 20),
        str("SWDate", 20),
    }});
    t.push_back({"SendFile", false, {
        str("FileID", 20),
        str("FWDept", 20),
        str("FileTitle", 50),
        str("ZiH", 20),
        str("FileType", 20),
        str("MakeMan", 20),
        str("Taster", 20),
        str("Press", 20),
        integer("Piece"),
        str("FJDept", 20),
        str("ZSDept", 20),
        str("CBDept", 20),
        str("CSDept", 20),
        str("CFDept", 20),
        str("Addressee", 20),
        str("Posit", 50),
        str("Details", 8000),
        str("FWDate", 20),
    }});
    t.push_back({"Pact", false, {
        str("PactId", 20),
        str("PactType", 20),
        str("PactName", 20),
        str("JiaF", 50),
        str("YiF", 50),
        str("JFMan", 20),
        str("YFMan", 20),
        whole("JinE"),
        str("DiD", 50),
        str("Posit", 50),
        str("Details", 8000),
        str("QDDate", 20),
        str("SXDate", 20),
        str("ZZDate", 20),
    }});

    // ---- Complaints and affairs --------------------------------------------------------------
    t.push_back({"Appeal", false, {
        str("AppealId", 20),
        str("AppealMan", 20),
        dateTime("AppDate"),
        dateTime("AppTime"),
        str("AppState", 10),
        str("AppMan", 20),
        str("AppMan2", 20),
        str("AppGut", 100),
        str("AppDiaoC", 100),
        str("AppResult", 100),
        str("AppYiJ", 100),
    }});
    t.push_back({"plans", false, {
        str("planId", 50),
        str("planName", 50),
        str("planGut", 100),
        str("taster", 50),
        str("startDate", 20),
        str("EndDate", 20),
    }});
    t.push_back({"PeiXun", false, {
        str("PeixId", 20),
        str("PeixName", 50),
        str("PeixTName", 50),
        str("motif", 50),
        str("lecture", 50),
        str("attendee", 100),
        str("test", 50),
        str("taster", 50),
        str("startDate", 20),
        str("endDate", 20),
    }});
    t.push_back({"campaign", false, {
        str("HuodId", 20),
        str("HuodName", 50),
        str("HuodTName", 50),
        str("motif", 50),
        str("emcee", 50),
        str("attendee", 100),
        str("taster", 50),
        str("startDate", 20),
        str("endDate", 20),
    }});
    t.push_back({"meeting", false, {
        str("meetId", 20),
        str("meetName", 50),
        str("meetTName", 50),
        str("motif", 50),
        str("emcee", 50),
        str("lecture", 50),
        str("attendee", 100),
        str("taster", 50),
        str("startDate", 20),
        str("endDate", 20),
    }});
    t.push_back({"project", false, {
        str("prjId", 20),
        str("prjName", 50),
        str("prjTName", 50),
        str("BUnit", 50),
        str("BHead", 50),
        str("linkman", 50),
        str("phone", 50),
        str("CAAccept", 200),
        str("startDate", 20),
        str("EndDate", 20),
    }});

    // ---- Equipment -------------------------------------------------------------------------------
    t.push_back({"fixing", false, {
        str("fixId", 20),
        str("fixSysName", 50),
        str("fixName", 50),
        str("fixtureName", 50),
        str("fixtureNum", 50),
        str("fixState", 10),
        dateTime("setupDate"),
        dateTime("runDate"),
        integer("longevity"),
        str("posit", 50),
        str("begetter", 50),
        str("provider", 50),
    }});
    t.push_back({"Mend", false, {
        str("MendId", 10),
        str("Fixname", 50),
        str("XiadMan", 20),
        dateTime("XiadDate"),
        dateTime("XiadTime"),
        str("hitchDate", 20),
        str("hitchTale", 200),
        str("mender", 50),
        str("judge", 50),
        str("result", 20),
        str("Cause", 200),
        str("MendGut", 200),
        str("judgeResult", 200),
        str("materiel", 200),
        str("StartDate", 20),
        str("EndDate", 20),
    }});
    t.push_back({"Egis", false, {
        str("EgisId", 10),
        str("fixName", 50),
        str("XiadMan", 50),
        dateTime("XiadDate"),
        dateTime("XiadTime"),
        str("PlanDate", 20),
        str("EgisMan", 50),
        str("Judge", 50),
        str("Result", 20),
        str("EgisJudge", 100),
        str("Materiel", 200),
    }});

    // ---- Tables that are only ever emptied --------------------------------------------------------
    t.push_back({"feeSum", false, {integer("id")}});
    t.push_back({"paramType", false, {integer("id")}});

    return t;
}

}  // namespace

const std::vector<TableDef>& systemTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef* findTable(const QString& name)
{
    for (const TableDef& table : systemTables()) {
        if (name.compare(QLatin1String(table.name), Qt::CaseInsensitive) == 0)
            return &table;
    }
    return nullptr;
}

}  // namespace data
