#pragma once
// The data module: the program's one connection and every dataset that
// windows share. It lives for the whole run; the global DM points at it.
//
// Table datasets (AT_), queries (AQ_), commands (AC_) and data sources (DS_)
// are created from the catalogue in DMRegion.cpp, with their tables or
// statements, master-detail links, initial enabled state and automatic edit.

#include "platform/data/Connection.h"
#include "platform/data/DataSource.h"
#include "platform/data/Query.h"
#include "platform/data/Table.h"

#include <QHash>
#include <QObject>
#include <functional>
#include <memory>

class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject* parent = nullptr);
    ~TDM() override;

    // Connects through the data-link file and opens the start-up tables in
    // their order. Throws data::Error with the cause on any failure.
    void connectAndOpen(const QString& udlPath);
    // Same, on a connection made elsewhere (tests, benchmarks).
    void openOn(std::unique_ptr<data::Connection> conn);

    data::Connection* connection() const { return ADOConn.get(); }

    // Looks a dataset, command or data source up by its name; nullptr if none.
    data::DataSet* dataSet(const QString& name) const { return m_dataSets.value(name.toLower()); }
    data::DataSource* dataSource(const QString& name) const { return m_sources.value(name.toLower()); }
    data::Command* command(const QString& name) const { return m_commands.value(name.toLower()); }
    // Names of the table datasets opened at start-up, in their order.
    static QStringList startupOrder();

    // The creation handler: connects through "conn.udl" in the folder given
    // (the current working folder at start-up) and opens the start-up tables,
    // then runs afterOpen (at start-up: the login window, which runs the rest
    // of the session). Any failure shows "数据库连接失败，重新配置！", writes
    // the cause to standard error and ends the program; afterOpen does not run.
    void DataModuleCreate(const QString& folder, const std::function<void()>& afterOpen = {});

    // The rights level as text for a user name and password, or "" (after
    // a message) when the pair is unknown.
    QString CheckLogin(const QString& name, const QString& pass);

    // Cancels every pending edit or insert of the module's datasets.
    void cancelAllEdits();

    int UserLevel = 0;

    std::unique_ptr<data::Connection> ADOConn;

    data::Table *AT_Users = nullptr, *AT_Popedom = nullptr, *AT_IncI = nullptr, *AT_culture = nullptr;
    data::Table *AT_Job = nullptr, *AT_ZhZ = nullptr, *AT_ZhJ = nullptr, *AT_Folk = nullptr, *AT_Nexus = nullptr;
    data::Table *AT_RoomType = nullptr, *AT_FeeType = nullptr, *AT_ReperType = nullptr, *AT_FixSys = nullptr;
    data::Table *AT_FixType = nullptr, *AT_ShPType = nullptr, *AT_FileType = nullptr, *AT_BoanUse = nullptr;
    data::Table *AT_BoanPost = nullptr, *AT_BoanPost1 = nullptr, *AT_Patrol = nullptr, *AT_BoanAffair = nullptr;
    data::Table *AT_BojeUse = nullptr, *AT_BojePost = nullptr, *AT_BojePost1 = nullptr, *AT_BojeWork = nullptr;
    data::Table *AT_FirUse = nullptr, *AT_FirCheck = nullptr, *AT_CarPosit = nullptr, *AT_CarM = nullptr;
    data::Table *AT_Appeal = nullptr, *AT_PrjType = nullptr, *AT_PeixType = nullptr, *AT_MeetType = nullptr;
    data::Table *AT_HuodType = nullptr, *AT_Plans = nullptr, *AT_Peix = nullptr, *AT_PeixType1 = nullptr;
    data::Table *AT_Campaign = nullptr, *AT_HuodType1 = nullptr, *AT_Meeting = nullptr, *AT_MeetType1 = nullptr;
    data::Table *AT_Project = nullptr, *AT_PrjType1 = nullptr, *AT_Tools = nullptr, *AT_Fixing = nullptr;
    data::Table *AT_Fixtype1 = nullptr, *AT_SysType = nullptr, *AT_Spare = nullptr, *AT_Mend = nullptr;
    data::Table *AT_Egis = nullptr, *AT_IOput = nullptr, *AT_Output = nullptr, *AT_Accept = nullptr;
    data::Table *AT_Send = nullptr, *AT_Pact = nullptr, *AT_Employee = nullptr, *AT_Award = nullptr;
    data::Table *AT_UseType = nullptr, *AT_Member = nullptr, *AT_Region = nullptr, *AT_Build = nullptr;
    data::Table *AT_Reg = nullptr, *AT_Buid = nullptr, *AT_Units = nullptr, *AT_Room = nullptr, *AT_Regs = nullptr;
    data::Table *AT_FeeType1 = nullptr, *AT_vfee = nullptr, *AT_CWSet = nullptr, *AT_DataSend = nullptr;
    data::Table *AT_SFSJ = nullptr;

    data::Query *AQ_Login = nullptr, *AQ_Back_Restore = nullptr, *AQ_Emp = nullptr, *AQ_BoanPaiG = nullptr;
    data::Query *AQ_BojePaiG = nullptr, *AQ_ioSelect = nullptr, *AQ_Repertory = nullptr, *AQ_Man = nullptr;
    data::Query *AQ_Bud = nullptr, *AQ_Units = nullptr, *AQ_Rooms = nullptr, *AQ_FeeSet = nullptr;
    data::Query *AQ_SFee = nullptr, *AQ_SFee1 = nullptr, *AQ_SFeeM = nullptr, *AQ_FeeLx = nullptr;

    data::Command *AC_BoanPaiG = nullptr, *AC_BoanPaiG1 = nullptr, *AC_Back_Restore = nullptr;
    data::Command *AC_BojePaiG = nullptr, *AC_BojePaiG1 = nullptr, *AC_ZQ = nullptr;

    data::DataSource *DS_Users = nullptr, *DS_Popedom = nullptr, *DS_IncI = nullptr, *DS_Culture = nullptr;
    data::DataSource *DS_Job = nullptr, *DS_ZhZ = nullptr, *DS_ZhJ = nullptr, *DS_Folk = nullptr;
    data::DataSource *DS_Nexus = nullptr, *DS_RoomType = nullptr, *DS_FeeType = nullptr, *DS_ReperType = nullptr;
    data::DataSource *DS_FixSys = nullptr, *DS_FixType = nullptr, *DS_ShPType = nullptr, *DS_FileType = nullptr;
    data::DataSource *DS_BoanUse = nullptr, *DS_Emp = nullptr, *DS_BoanPost = nullptr, *DS_BoanPost1 = nullptr;
    data::DataSource *DS_BoanPaiG = nullptr, *DS_Patrol = nullptr, *DS_BoanAffair = nullptr, *DS_BojeUse = nullptr;
    data::DataSource *DS_BojePost = nullptr, *DS_BojePost1 = nullptr, *DS_BojePaiG = nullptr, *DS_BojeWork = nullptr;
    data::DataSource *DS_FirUse = nullptr, *DS_FirCheck = nullptr, *DS_CarPosit = nullptr, *DS_CarM = nullptr;
    data::DataSource *DS_Appeal = nullptr, *DS_PrjType = nullptr, *DS_PeixType = nullptr, *DS_MeetType = nullptr;
    data::DataSource *DS_HuodType = nullptr, *DS_Plans = nullptr, *DS_Peix = nullptr, *DS_Campaign = nullptr;
    data::DataSource *DS_Meeting = nullptr, *DS_Project = nullptr, *DS_Tools = nullptr, *DS_Fixing = nullptr;
    data::DataSource *DS_Spare = nullptr, *DS_Mend = nullptr, *DS_Egis = nullptr, *DS_IOput = nullptr;
    data::DataSource *DS_Output = nullptr, *DS_ioSelect = nullptr, *DS_Repertory = nullptr, *DS_Accept = nullptr;
    data::DataSource *DS_Send = nullptr, *DS_Pact = nullptr, *DS_Employee = nullptr, *DS_Award = nullptr;
    data::DataSource *DS_UseType = nullptr, *DS_Man = nullptr, *DS_Member = nullptr, *DS_Region = nullptr;
    data::DataSource *DS_Build = nullptr, *DS_Reg = nullptr, *DS_Buid = nullptr, *DS_Units = nullptr;
    data::DataSource *DS_Room = nullptr, *DS_Regs = nullptr, *DS_Bud = nullptr, *DS_Unites = nullptr;
    data::DataSource *DS_Rooms = nullptr, *DS_FeeType1 = nullptr, *DS_FeeSet = nullptr, *DS_vfee = nullptr;
    data::DataSource *DS_CWSet = nullptr, *DS_SFee = nullptr, *DS_DataSend = nullptr, *DS_SFee1 = nullptr;
    data::DataSource *DS_SFSJ = nullptr, *DS_SFeeM = nullptr, *DS_FeeLx = nullptr;

private:
    void createComponents();
    void attachConnection();

    QHash<QString, data::DataSet*> m_dataSets;
    QHash<QString, data::DataSource*> m_sources;
    QHash<QString, data::Command*> m_commands;
};

// The one data module of the program (null until it is created).
extern TDM* DM;
