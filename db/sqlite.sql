-- Database of the property management office, SQLite.
-- Every table starts with the hidden row identity rid (an alias of rowid),
-- the program updates and deletes rows by it and reads tables in its order.
-- No other keys: typed keys are kept unique by the windows where they must be.

-- User accounts and their rights level.
CREATE TABLE users (
    rid INTEGER PRIMARY KEY,
    userID integer,
    userName varchar(20),
    userPass varchar(20),
    userPopedom integer
);

-- Rights per level, kept but not read.
CREATE TABLE popedom (
    rid INTEGER PRIMARY KEY,
    userPopedom integer,
    pView integer,
    pPrint integer,
    pRun integer
);

-- The company's own details, printed at the head of every report.
CREATE TABLE IncInfo (
    rid INTEGER PRIMARY KEY,
    IncName varchar(50),
    IncAddress varchar(50),
    IncPhone varchar(20),
    IncFax varchar(20)
);

-- Residential districts.
CREATE TABLE Region (
    rid INTEGER PRIMARY KEY,
    RegionId varchar(20),
    RegionName varchar(50),
    Address varchar(50),
    Phone varchar(50),
    Header varchar(50),
    ZDm numeric(18,2),
    JZm numeric(18,2),
    ZZm numeric(18,2),
    LDm numeric(18,2),
    ZDSum integer,
    ZTSum integer,
    ZHSum integer
);

-- Buildings of a district.
CREATE TABLE Build (
    rid INTEGER PRIMARY KEY,
    BuildId varchar(20),
    BuildName varchar(50),
    RegionID varchar(20),
    KFShang varchar(100),
    ZDm numeric(18,2),
    Csum integer,
    note varchar(100)
);

-- Units (stairways) of a building with their floor and room ranges.
CREATE TABLE Units (
    rid INTEGER PRIMARY KEY,
    BuildId varchar(20),
    RegionId varchar(20),
    BuildName varchar(50),
    UnitName varchar(50),
    KLNum integer,
    JLNum integer,
    KFNum integer,
    JFNum integer
);

-- Rooms with their areas and occupant. UState 'A' vacant, 'B' occupied.
CREATE TABLE Rooms (
    rid INTEGER PRIMARY KEY,
    BuildId varchar(20),
    BuildName varchar(50),
    RegionID varchar(20),
    UnitName varchar(20),
    RoomNum varchar(20),
    LCNum integer,
    FXNum integer,
    HXName varchar(20),
    JZm numeric(18,2),
    SYm numeric(18,2),
    SS varchar(100),
    Users varchar(50),
    UserId varchar(20),
    UState varchar(4) DEFAULT 'A',
    inDate varchar(10)
);

-- Rooms looked up by their key.
CREATE INDEX rooms_room_key ON Rooms (RegionID, BuildId, UnitName, RoomNum);

-- Owners and residents. District and building are held by name.
CREATE TABLE Owner (
    rid INTEGER PRIMARY KEY,
    ownerId varchar(20),
    ownerName varchar(50),
    RegionName varchar(50),
    BuildName varchar(50),
    UnitName varchar(50),
    RoomNum varchar(50),
    Sex varchar(6),
    Folk varchar(20),
    xueli varchar(20),
    Factory varchar(50),
    Phone numeric(18,0),
    Native varchar(50),
    Zhz varchar(20),
    ZhjType varchar(20),
    ZhjNum varchar(50),
    useType varchar(20),
    JoinDate datetime,
    RGNum varchar(20),
    GFNum varchar(20),
    FCNum varchar(20),
    Pic varchar(200),
    Birth varchar(20)
);

-- Household members of an owner.
CREATE TABLE Member (
    rid INTEGER PRIMARY KEY,
    memberID varchar(20),
    OwnerId varchar(20),
    mbName varchar(50),
    sex varchar(8),
    mbFactory varchar(50),
    Xueli varchar(20),
    Phone numeric(18,0),
    ZhjNum varchar(50),
    nexus varchar(50)
);

-- Code table: education levels.
CREATE TABLE cultureType (
    rid INTEGER PRIMARY KEY,
    cultureId smallint,
    cultureName varchar(20)
);

-- Code table: job titles.
CREATE TABLE jobType (
    rid INTEGER PRIMARY KEY,
    jobId smallint,
    jobName varchar(20)
);

-- Code table: political status.
CREATE TABLE ZhZType (
    rid INTEGER PRIMARY KEY,
    ZhZId smallint,
    ZhZName varchar(20)
);

-- Code table: identity document kinds.
CREATE TABLE ZhJType (
    rid INTEGER PRIMARY KEY,
    ZhJType smallint,
    ZhJName varchar(20)
);

-- Code table: ethnic groups.
CREATE TABLE folkType (
    rid INTEGER PRIMARY KEY,
    folkId smallint,
    folkName varchar(20)
);

-- Code table: relations of a household member to the owner.
CREATE TABLE nexusType (
    rid INTEGER PRIMARY KEY,
    nexusID smallint,
    nexusName varchar(20)
);

-- Code table: room layouts.
CREATE TABLE roomType (
    rid INTEGER PRIMARY KEY,
    roomId smallint,
    roomName varchar(10),
    roomSize integer
);

-- Code table: fee kinds with a unit price.
CREATE TABLE feeType (
    rid INTEGER PRIMARY KEY,
    feeID smallint,
    feeName varchar(10),
    feePrice numeric(18,4)
);

-- Code table: goods categories of the stores.
CREATE TABLE reperType (
    rid INTEGER PRIMARY KEY,
    reperID integer,
    reperName varchar(20)
);

-- Code table: equipment systems.
CREATE TABLE fixSys (
    rid INTEGER PRIMARY KEY,
    fixsysId varchar(4),
    fixsysName varchar(20)
);

-- Code table: equipment categories.
CREATE TABLE fixtype (
    rid INTEGER PRIMARY KEY,
    fixTypeID integer,
    fixName varchar(20)
);

-- Code table: goods names.
CREATE TABLE ShPType (
    rid INTEGER PRIMARY KEY,
    ShPId integer,
    ShPName varchar(20)
);

-- Code table: document kinds.
CREATE TABLE fileType (
    rid INTEGER PRIMARY KEY,
    fileTypeId smallint,
    fileTypeName varchar(20)
);

-- Code table: use categories of an owner's property.
CREATE TABLE UseType (
    rid INTEGER PRIMARY KEY,
    useTypeId integer,
    useTypeName varchar(20)
);

-- Code table with notes: works project kinds.
CREATE TABLE prjType (
    rid INTEGER PRIMARY KEY,
    prjTypeid integer,
    prjTname varchar(50),
    note varchar(100)
);

-- Code table with notes: training kinds.
CREATE TABLE PeixType (
    rid INTEGER PRIMARY KEY,
    PeixTID integer,
    peixTName varchar(50),
    note varchar(100)
);

-- Code table with notes: meeting kinds.
CREATE TABLE meetType (
    rid INTEGER PRIMARY KEY,
    meetTid integer,
    meetTName varchar(50),
    note varchar(100)
);

-- Code table with notes: community activity kinds.
CREATE TABLE HuodType (
    rid INTEGER PRIMARY KEY,
    HuodTId integer,
    HuodTName varchar(50),
    note varchar(100)
);

-- Fee items with their tariffs. JLFlag 'A' metered, 'F' non-metered.
CREATE TABLE FeeType1 (
    rid INTEGER PRIMARY KEY,
    CouFee varchar(20),
    FeeId varchar(20),
    FeeName varchar(20),
    JNPrice numeric(18,2),
    JWPrice numeric(18,2),
    FeeD varchar(20),
    DL integer,
    JLFlag varchar(2) DEFAULT 'A'
);

-- Fee items assigned to rooms, with meter numbers, base readings and quota.
CREATE TABLE FeeSet (
    rid INTEGER PRIMARY KEY,
    RegionId varchar(20),
    BuildID varchar(20),
    UnitName varchar(20),
    RoomNum varchar(10),
    OwnerId varchar(20),
    OwnerName varchar(30),
    CouFee varchar(20),
    FeeId varchar(20),
    FeeName varchar(20),
    JZm numeric(18,2),
    BNum1 varchar(10),
    BNum2 varchar(10),
    BNum3 varchar(10),
    BDS1 numeric(18,0),
    BDS2 numeric(18,0),
    BDS3 numeric(18,0),
    YSK numeric(18,2),
    DL integer,
    Flag varchar(4)
);

-- Charging settings: settlement day, grace days, late-fee rate, rounding.
CREATE TABLE SFSet (
    rid INTEGER PRIMARY KEY,
    JSDate1 integer,
    JSDate2 integer,
    KXDate integer,
    ZNJ numeric(18,6),
    JJQ varchar(2),
    FJQ varchar(2)
);

-- Monthly receivables: one row per room, fee item and billing month.
CREATE TABLE Fee (
    rid INTEGER PRIMARY KEY,
    RegionId varchar(20),
    BuildID varchar(20),
    UnitName varchar(20),
    RoomNum varchar(20),
    ownerID varchar(20),
    ownerName varchar(30),
    CouFee varchar(4),
    FeeID varchar(4),
    FeeName varchar(20),
    BCNum1 numeric(18,2),
    BCNum2 numeric(18,2),
    BCNum3 numeric(18,2),
    BMNum1 numeric(18,2),
    BMNum2 numeric(18,2),
    BMNum3 numeric(18,2),
    Counts numeric(18,2),
    BYFee numeric(18,2),
    inDate varchar(20),
    FTFee numeric(18,2),
    ZNJ numeric(18,2),
    WYqk numeric(18,2),
    BYHJ numeric(18,2),
    SSJE numeric(18,2),
    flag varchar(8) NOT NULL DEFAULT '未收取',
    DL integer
);

-- Receivables looked up by month and room.
CREATE INDEX fee_month_room ON Fee (inDate, RegionId, BuildID, UnitName, RoomNum);
-- A month's rows of one fee item (charging an item to every room).
CREATE INDEX fee_month_item ON Fee (inDate, FeeID);
-- A district's rows over a range of months (the fee reports).
CREATE INDEX fee_region_month ON Fee (RegionId, inDate);

-- Receivables with the floor and usable areas of their room.
CREATE VIEW v_feeset AS
SELECT f.rid AS rid,
       r.JZm AS JZm,
       r.SYm AS SYm,
       f.BuildID AS BuildID,
       f.RegionId AS RegionId,
       f.UnitName AS UnitName,
       f.RoomNum AS RoomNum,
       f.ownerName AS OwnerName,
       f.ownerID AS OwnerId,
       f.FeeID AS FeeID,
       f.FeeName AS FeeName,
       f.BYFee AS BYFee,
       f.WYqk AS WYqk,
       f.ZNJ AS ZNJ,
       f.BYHJ AS BYHJ,
       f.inDate AS inDate
FROM Fee f
JOIN Rooms r ON r.RegionID = f.RegionId AND r.BuildId = f.BuildID
            AND r.UnitName = f.UnitName AND r.RoomNum = f.RoomNum;

-- Receipts. SJNum is the receipt number the database hands out.
CREATE TABLE SFSJ (
    rid INTEGER PRIMARY KEY,
    RegionId varchar(20),
    BuildId varchar(20),
    UnitName varchar(20),
    RoomNum varchar(20),
    ownerId varchar(20),
    ownerName varchar(20),
    SJNum integer,
    KPDate datetime,
    FeeName varchar(30),
    SFzy varchar(80),
    FSje numeric(18,2)
);

-- A room's receipts, as the collection window lists them.
CREATE INDEX sfsj_room ON SFSJ (RegionId, BuildId, UnitName, RoomNum);

-- A receipt inserted without a number takes its row identity.
CREATE TRIGGER sfsj_sjnum AFTER INSERT ON SFSJ WHEN NEW.SJNum IS NULL BEGIN UPDATE SFSJ SET SJNum = NEW.rid WHERE rid = NEW.rid; END;

-- The company's annual statistical reports.
CREATE TABLE NZBB (
    rid INTEGER PRIMARY KEY,
    ID integer,
    QYmc varchar(50),
    FRdb varchar(50),
    XXdz varchar(50),
    YB varchar(20),
    Phone varchar(20),
    Fax varchar(20),
    mail varchar(50),
    WZ varchar(50),
    CLDate datetime,
    ZClx integer,
    XMhj1 integer,
    XMhj2 numeric(18,2),
    ZZ1 integer,
    ZZ2 numeric(18,2),
    QZ1 integer,
    QZ2 numeric(18,2),
    BG1 integer,
    BG2 numeric(18,2),
    SY1 integer,
    SY2 numeric(18,2),
    GY1 integer,
    GY2 numeric(18,2),
    QT1 integer,
    QT2 numeric(18,2),
    RYzs integer,
    JGry integer,
    JL integer,
    ZCzb numeric(18,2),
    YYsr numeric(18,2),
    YYcb numeric(18,2),
    SJ numeric(18,2),
    LR numeric(18,2),
    YZh integer,
    WXJze numeric(18,2),
    WXJye numeric(18,2),
    WXJzc numeric(18,2),
    DWfz varchar(20),
    TJfz varchar(20),
    TBr varchar(20),
    BCDate datetime
);

-- A report inserted without an ID takes its row identity.
CREATE TRIGGER nzbb_id AFTER INSERT ON NZBB WHEN NEW.ID IS NULL BEGIN UPDATE NZBB SET ID = NEW.rid WHERE rid = NEW.rid; END;

-- Security supplies.
CREATE TABLE BoanUse (
    rid INTEGER PRIMARY KEY,
    BoanUId integer,
    BoanUName varchar(50),
    BoanUType varchar(50),
    BoanUS integer,
    BoanUD varchar(50)
);

-- Cleaning supplies.
CREATE TABLE BojeUse (
    rid INTEGER PRIMARY KEY,
    BojeUID integer,
    BojeUName varchar(50),
    BojeUType varchar(50),
    BojeUS integer,
    BojeUD varchar(50)
);

-- Fire-fighting equipment.
CREATE TABLE FirRes (
    rid INTEGER PRIMARY KEY,
    FResId integer,
    FRName varchar(50),
    FRType varchar(50),
    FRSum integer,
    FRDwei varchar(20)
);

-- Tools.
CREATE TABLE Tools (
    rid INTEGER PRIMARY KEY,
    ToolId integer,
    ToolName varchar(20),
    ToolType varchar(50),
    ToolS integer,
    ToolD varchar(20)
);

-- Spare parts.
CREATE TABLE spare (
    rid INTEGER PRIMARY KEY,
    spareId varchar(20),
    spareName varchar(50),
    spareType varchar(20),
    sparesum integer,
    spareD varchar(10)
);

-- Security posts.
CREATE TABLE BoanPost (
    rid INTEGER PRIMARY KEY,
    BPostId integer,
    BPName varchar(50),
    BPPosition varchar(50),
    BPBanshu integer,
    BPHead varchar(50)
);

-- Cleaning areas.
CREATE TABLE BojePost (
    rid INTEGER PRIMARY KEY,
    BPostId integer,
    BPName varchar(50),
    BPPosition varchar(50),
    BPBanshu integer,
    BPHead varchar(50)
);

-- Parking positions.
CREATE TABLE CarPosit (
    rid INTEGER PRIMARY KEY,
    CarPositId integer,
    CarPosit varchar(50),
    Note varchar(100)
);

-- Cars registered with the office.
CREATE TABLE CarMessage (
    rid INTEGER PRIMARY KEY,
    CarNum varchar(20),
    CarType varchar(50),
    CarColor varchar(20),
    CarMan varchar(30),
    CarDriver varchar(30),
    phone numeric(18,0),
    picPath varchar(50)
);

-- Goods-received vouchers.
CREATE TABLE inputs (
    rid INTEGER PRIMARY KEY,
    ioputID varchar(50),
    ioDate datetime,
    ioTime datetime,
    GoodsName varchar(50),
    reperName varchar(20),
    ioNum numeric(18,0),
    dept varchar(50),
    useMan varchar(50),
    keeper varchar(20),
    note varchar(50),
    GType varchar(50),
    SccS varchar(50)
);

-- Stock, one row per goods name: storage = startNum + inputNum - outputNum.
CREATE TABLE repertory (
    rid INTEGER PRIMARY KEY,
    GoodsName varchar(50),
    reperName varchar(20),
    spec varchar(50),
    price numeric(19,4),
    startNum numeric(18,0) DEFAULT 0,
    inputNum numeric(18,0) DEFAULT 0,
    outputNum numeric(18,0) DEFAULT 0,
    storage numeric(18,0) DEFAULT 0
);

-- Goods-issued vouchers.
CREATE TABLE outputs (
    rid INTEGER PRIMARY KEY,
    ioputID varchar(50),
    ioDate datetime,
    ioTime datetime,
    GoodsName varchar(50),
    reperName varchar(20),
    ioNum numeric(18,0),
    dept varchar(50),
    useMan varchar(50),
    keeper varchar(20),
    note varchar(50),
    ZY varchar(50)
);

-- Voucher numbers are looked up when a voucher is typed; stock rows by goods
-- name (not unique: stored data may repeat a name).
CREATE INDEX inputs_number ON inputs (ioputID);
CREATE INDEX outputs_number ON outputs (ioputID);
CREATE INDEX repertory_goods ON repertory (GoodsName);

-- Staff register. EmpType selects security, cleaning and engineering staff.
CREATE TABLE Employee (
    rid INTEGER PRIMARY KEY,
    EmpID varchar(10),
    EmpType varchar(50),
    ETName varchar(50),
    ETSex varchar(8),
    ETHeight integer,
    ETWeight integer,
    ETXueli varchar(50),
    ETZhz varchar(10),
    ETMarr varchar(8),
    ETAddress varchar(50),
    ETBumen varchar(50),
    ETZhjType varchar(50),
    ETZhjNum varchar(50),
    ETZhC varchar(50),
    ETPhone varchar(50),
    Detials varchar(200),
    Folk varchar(20),
    ETBirth varchar(50)
);
-- The staff register checks numbers; the staff lists select by work type.
CREATE INDEX employee_number ON Employee (EmpID);
CREATE INDEX employee_type ON Employee (EmpType);

-- Rewards and penalties of staff.
CREATE TABLE Award (
    rid INTEGER PRIMARY KEY,
    AwardId integer,
    EmpName varchar(50),
    ADate datetime,
    ACause varchar(50),
    AGut varchar(50),
    AFlag varchar(4)
);
CREATE INDEX award_serial ON Award (AwardId);

-- Security staff assigned to the shifts of a post.
CREATE TABLE BoanPaiG (
    rid INTEGER PRIMARY KEY,
    BPostId integer,
    BanCi integer,
    EmpId varchar(50),
    EmpName varchar(50)
);

-- Cleaning staff assigned to the shifts of an area.
CREATE TABLE BojePaiG (
    rid INTEGER PRIMARY KEY,
    BPostId integer,
    BanCi integer,
    EmpID varchar(50),
    EmpName varchar(50)
);
-- The dispatch lists the staff of one shift of one post.
CREATE INDEX boanpaig_post_shift ON BoanPaiG (BPostId, BanCi);
CREATE INDEX bojepaig_post_shift ON BojePaiG (BPostId, BanCi);

-- Security patrol records.
CREATE TABLE patrol (
    rid INTEGER PRIMARY KEY,
    patrolId varchar(50),
    patrolDate datetime,
    patrolTime datetime,
    patrolMan varchar(50),
    patrolluxian varchar(50),
    patrolGut varchar(100),
    patrolResult varchar(50)
);
CREATE INDEX patrol_number ON patrol (patrolId);
CREATE INDEX patrol_date ON patrol (patrolDate);

-- Sanitation work records.
CREATE TABLE BojeWork (
    rid INTEGER PRIMARY KEY,
    BjWorkId varchar(20),
    BjDate datetime,
    BjTime datetime,
    BjMan varchar(20),
    BjGut varchar(100),
    BjResult varchar(50)
);
CREATE INDEX bojework_number ON BojeWork (BjWorkId);

-- Fire check records.
CREATE TABLE FirCheck (
    rid INTEGER PRIMARY KEY,
    CheckId varchar(20),
    CheckDate datetime,
    CheckTime datetime,
    CheckMan varchar(30),
    CheckGut varchar(100),
    CheckResult varchar(100)
);
CREATE INDEX fircheck_number ON FirCheck (CheckId);

-- Security incidents.
CREATE TABLE BoanAffair (
    rid INTEGER PRIMARY KEY,
    BoanAffName varchar(50),
    BoanDate datetime,
    BoanTime datetime,
    BoanDi varchar(50),
    BoanRen varchar(50),
    BoanJieguo varchar(10),
    BoanJianshu varchar(300),
    BoanChuli varchar(200)
);

-- Incoming official documents.
CREATE TABLE AcceptFile (
    rid INTEGER PRIMARY KEY,
    FileId varchar(20),
    FWDept varchar(20),
    FileTitle varchar(50),
    ZiH varchar(20),
    FileType varchar(20),
    Addressee varchar(20),
    Posit varchar(50),
    Details varchar(8000),
    FWDate varchar(20),
    SWDate varchar(20)
);
CREATE INDEX acceptfile_number ON AcceptFile (FileId);

-- Outgoing official documents.
CREATE TABLE SendFile (
    rid INTEGER PRIMARY KEY,
    FileID varchar(20),
    FWDept varchar(20),
    FileTitle varchar(50),
    ZiH varchar(20),
    FileType varchar(20),
    MakeMan varchar(20),
    Taster varchar(20),
    Press varchar(20),
    Piece integer,
    FJDept varchar(20),
    ZSDept varchar(20),
    CBDept varchar(20),
    CSDept varchar(20),
    CFDept varchar(20),
    Addressee varchar(20),
    Posit varchar(50),
    Details varchar(8000),
    FWDate varchar(20)
);
CREATE INDEX sendfile_number ON SendFile (FileID);

-- Contracts.
CREATE TABLE Pact (
    rid INTEGER PRIMARY KEY,
    PactId varchar(20),
    PactType varchar(20),
    PactName varchar(20),
    JiaF varchar(50),
    YiF varchar(50),
    JFMan varchar(20),
    YFMan varchar(20),
    JinE numeric(18,0),
    DiD varchar(50),
    Posit varchar(50),
    Details varchar(8000),
    QDDate varchar(20),
    SXDate varchar(20),
    ZZDate varchar(20)
);
CREATE INDEX pact_number ON Pact (PactId);

-- Complaints.
CREATE TABLE Appeal (
    rid INTEGER PRIMARY KEY,
    AppealId varchar(20),
    AppealMan varchar(20),
    AppDate datetime,
    AppTime datetime,
    AppState varchar(10),
    AppMan varchar(20),
    AppMan2 varchar(20),
    AppGut varchar(100),
    AppDiaoC varchar(100),
    AppResult varchar(100),
    AppYiJ varchar(100)
);
CREATE INDEX appeal_number ON Appeal (AppealId);

-- Work plans.
CREATE TABLE plans (
    rid INTEGER PRIMARY KEY,
    planId varchar(50),
    planName varchar(50),
    planGut varchar(100),
    taster varchar(50),
    startDate varchar(20),
    EndDate varchar(20)
);
CREATE INDEX plans_number ON plans (planId);

-- Staff training.
CREATE TABLE PeiXun (
    rid INTEGER PRIMARY KEY,
    PeixId varchar(20),
    PeixName varchar(50),
    PeixTName varchar(50),
    motif varchar(50),
    lecture varchar(50),
    attendee varchar(100),
    test varchar(50),
    taster varchar(50),
    startDate varchar(20),
    endDate varchar(20)
);
CREATE INDEX peixun_number ON PeiXun (PeixId);

-- Community activities.
CREATE TABLE campaign (
    rid INTEGER PRIMARY KEY,
    HuodId varchar(20),
    HuodName varchar(50),
    HuodTName varchar(50),
    motif varchar(50),
    emcee varchar(50),
    attendee varchar(100),
    taster varchar(50),
    startDate varchar(20),
    endDate varchar(20)
);
CREATE INDEX campaign_number ON campaign (HuodId);

-- Meetings.
CREATE TABLE meeting (
    rid INTEGER PRIMARY KEY,
    meetId varchar(20),
    meetName varchar(50),
    meetTName varchar(50),
    motif varchar(50),
    emcee varchar(50),
    lecture varchar(50),
    attendee varchar(100),
    taster varchar(50),
    startDate varchar(20),
    endDate varchar(20)
);
CREATE INDEX meeting_number ON meeting (meetId);

-- Works projects.
CREATE TABLE project (
    rid INTEGER PRIMARY KEY,
    prjId varchar(20),
    prjName varchar(50),
    prjTName varchar(50),
    BUnit varchar(50),
    BHead varchar(50),
    linkman varchar(50),
    phone varchar(50),
    CAAccept varchar(200),
    startDate varchar(20),
    EndDate varchar(20)
);
CREATE INDEX project_number ON project (prjId);

-- Equipment register.
CREATE TABLE fixing (
    rid INTEGER PRIMARY KEY,
    fixId varchar(20),
    fixSysName varchar(50),
    fixName varchar(50),
    fixtureName varchar(50),
    fixtureNum varchar(50),
    fixState varchar(10),
    setupDate datetime,
    runDate datetime,
    longevity integer,
    posit varchar(50),
    begetter varchar(50),
    provider varchar(50)
);
CREATE INDEX fixing_number ON fixing (fixId);

-- Equipment repair orders.
CREATE TABLE Mend (
    rid INTEGER PRIMARY KEY,
    MendId varchar(10),
    Fixname varchar(50),
    XiadMan varchar(20),
    XiadDate datetime,
    XiadTime datetime,
    hitchDate varchar(20),
    hitchTale varchar(200),
    mender varchar(50),
    judge varchar(50),
    result varchar(20),
    Cause varchar(200),
    MendGut varchar(200),
    judgeResult varchar(200),
    materiel varchar(200),
    StartDate varchar(20),
    EndDate varchar(20)
);
CREATE INDEX mend_number ON Mend (MendId);

-- Equipment maintenance orders.
CREATE TABLE Egis (
    rid INTEGER PRIMARY KEY,
    EgisId varchar(10),
    fixName varchar(50),
    XiadMan varchar(50),
    XiadDate datetime,
    XiadTime datetime,
    PlanDate varchar(20),
    EgisMan varchar(50),
    Judge varchar(50),
    Result varchar(20),
    EgisJudge varchar(100),
    Materiel varchar(200)
);
CREATE INDEX egis_number ON Egis (EgisId);

-- Kept for clearing the data only, no window reads or writes it.
CREATE TABLE feeSum (
    rid INTEGER PRIMARY KEY,
    id integer
);

-- Kept for clearing the data only, no window reads or writes it.
CREATE TABLE paramType (
    rid INTEGER PRIMARY KEY,
    id integer
);
