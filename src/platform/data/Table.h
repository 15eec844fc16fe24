#pragma once
// A table dataset: every row of one table, in insertion order (the hidden row
// identity), with the columns the system declares for that table. Opening
// checks the declared columns against the database: a missing column, another
// kind, or another decimal scale fails the open (widths are not checked).
//
// A table may follow a master: setMaster(DS_Reg, "RegionId", "RegionID") shows
// only the rows whose link columns equal the master's current row, and a new
// row takes the master's values in its link columns. The link holds only while
// the master's data source is enabled; otherwise every row shows.
//
// A large table followed by a small master (a room's receipts) can read only
// the rows of the master's current row: setReadLinkedOnly(true) reads them
// from the database whenever the master moves, instead of reading every row
// once and choosing among them in memory.

#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"

namespace data {

class Table : public DataSet {
    Q_OBJECT
public:
    explicit Table(Connection* conn = nullptr, QObject* parent = nullptr);
    ~Table() override;

    const QString& tableName() const { return m_table; }
    void setTableName(const QString& name);

    // Master columns and detail columns, ';'-separated, in the same order.
    void setMaster(DataSource* master, const QString& masterFields, const QString& detailFields);
    DataSource* masterSource() const { return m_master; }
    bool linkActive() const;
    void setReadLinkedOnly(bool on) { m_readLinkedOnly = on; }
    bool readLinkedOnly() const { return m_readLinkedOnly; }

    void masterChanged() override;

    // Re-reads only the rows that follow the master's current row (every row
    // when the link is off), keeping the other rows as they were read, and
    // goes to the first row: for a detail whose rows of one master row were
    // just rewritten, without reading the whole table again.
    void requeryLinked();

protected:
    void buildSelect(QString& sql, QVariantList& params) override;
    void prepareFields(const QSqlRecord& rec) override;
    bool fieldsBeforeRows() const override { return true; }
    bool rowVisible(const Row& r) const override;
    void initNewRow() override;

private:
    void checkColumns();
    QVariantList masterValues() const;
    // The columns of the fields, as the rows are read.
    QString selectList() const;

    QString m_table;
    const TableDef* m_def = nullptr;
    QPointer<DataSource> m_master;
    QStringList m_masterFields;
    QStringList m_detailFields;
    std::vector<int> m_detailIdx;
    void setLinkValues(const QVariantList& values);
    QVariantList m_linkValues;  // cached while filtering
    QStringList m_linkTexts;    // the same as text
    bool m_linkOn = false;
    bool m_readLinkedOnly = false;
};

}  // namespace data
