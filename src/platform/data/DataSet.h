#pragma once
// Datasets: rows of a table or a query held in memory, with a cursor, a state
// and the events the windows hang their rules on.
//
// States: inactive (closed), browse, edit, insert. Edits happen in a buffer;
// Post writes it to the database by the hidden row identity (never by the
// typed key), Cancel drops it. A move, Requery or Close while editing first
// checks browse mode: a modified row is posted (through beforePost, so the
// window's validation runs on every path), an unmodified one is cancelled.
//
// A dataset set to read on demand (a table: its fields are known before its
// rows) reads its rows when something first needs them, not at open: to the
// caller the rows are there from the open on, with the same count, cursor
// and flags; they are those the table holds at that first need.
//
// Beginning and end flags follow the cursor's history, not its position:
// Open and First set bof; Last sets eof; Next on the last row sets eof
// without moving, Prior on the first row sets bof; an empty set has both.
//
// Events reach the data sources bound to the dataset: a state change first,
// then a data change (no field for moves, opens, posts, cancels, deletes and
// requeries; the field for a field written while editing).

#include "platform/data/Field.h"
#include "platform/data/PackedRows.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class QSqlQuery;
class QSqlRecord;

namespace data {

class Connection;
class DataSource;

enum class DataSetState { Inactive, Browse, Edit, Insert };

// Thrown by an event handler to stop an operation without an error box
// (the handler has already told the user why).
class Abort : public std::exception {
public:
    const char* what() const noexcept override { return "aborted"; }
};

class DataSet : public QObject {
    Q_OBJECT
public:
    explicit DataSet(Connection* conn = nullptr, QObject* parent = nullptr);
    ~DataSet() override;

    Connection* connection() const { return m_conn; }
    void setConnection(Connection* c) { m_conn = c; }

    // --- opening ---------------------------------------------------------
    void open();
    void close();
    // Put off reading the rows at open until they are first needed (see above).
    void setReadOnDemand(bool on) { m_readOnDemand = on; }
    bool readOnDemand() const { return m_readOnDemand; }
    bool isActive() const { return m_state != DataSetState::Inactive; }
    void setActive(bool a) { a ? open() : close(); }
    // Re-reads the rows from the database (after the browse-mode check) and
    // goes to the first row.
    void requery();
    // Same as requery().
    void refresh() { requery(); }

    // --- fields ----------------------------------------------------------
    int fieldCount() const { return int(m_fields.size()); }
    Field* field(int i) const { return m_fields[size_t(i)].get(); }
    Field* findField(const QString& name) const;
    // Throws data::Error when there is no such field.
    Field* fieldByName(const QString& name) const;
    // The value of a field on the current row (null when there is none).
    QVariant fieldValue(const QString& name) const { return fieldByName(name)->value(); }

    // --- cursor ----------------------------------------------------------
    int recordCount() const
    {
        ensureRows();
        return int(m_visible.size());
    }
    bool isEmpty() const
    {
        ensureRows();
        return m_visible.empty();
    }
    // 1-based position of the current row; 0 when empty.
    int recNo() const
    {
        ensureRows();
        return m_visible.empty() ? 0 : m_cur + 1;
    }
    bool bof() const
    {
        ensureRows();
        return m_bof;
    }
    bool eof() const
    {
        ensureRows();
        return m_eof;
    }
    void first();
    void last();
    void next();
    void prior();
    int moveBy(int distance);
    // Goes to a 1-based row number (clamped), like clicking a grid row.
    void setRecNo(int n);
    // Finds the first row whose fields equal the values (text compared
    // exactly, or without case / as a prefix when asked); moves there.
    bool locate(const QStringList& fields, const QVariantList& values, bool caseInsensitive = false,
                bool partialKey = false);
    bool locate(const QString& field, const QVariant& value, bool caseInsensitive = false,
                bool partialKey = false)
    {
        return locate(QStringList{field}, QVariantList{value}, caseInsensitive, partialKey);
    }
    // The identity of the current row (0 when none); gotoRowId() returns to it.
    qint64 rowId() const;
    bool gotoRowId(qint64 rid);
    // Value of a field in any visible row (0-based), for grids and lists.
    QVariant valueAt(int row, int fieldIndex) const;
    // The same, as stored: the row being edited gives its value before the edit.
    QVariant storedValueAt(int row, int fieldIndex) const;

    // --- editing ---------------------------------------------------------
    DataSetState state() const { return m_state; }
    bool isEditing() const { return m_state == DataSetState::Edit || m_state == DataSetState::Insert; }
    bool isModified() const { return m_modified; }
    // Edit on an empty dataset starts an insert.
    void edit();
    void insert();
    void append();
    void post();
    void cancel();
    // Deletes the current row; while inserting it cancels instead. Throws
    // data::Error on an empty dataset.
    void remove();
    // Posts or cancels a pending edit, as a move would.
    void checkBrowseMode();
    // Asks the bound controls to write what was typed into them and not yet
    // stored (post and checkBrowseMode do this first).
    void updateRecord();
    // Cancels a pending edit or insert without posting it.
    void discardEdits();

    // --- controls --------------------------------------------------------
    // Stops events to the data sources (nests); enableControls() at the
    // outermost level sends one data change.
    void disableControls();
    void enableControls();
    bool controlsDisabled() const { return m_disableCount > 0; }

    // --- events ----------------------------------------------------------
    std::function<void(DataSet&)> beforePost;
    std::function<void(DataSet&)> afterPost;
    std::function<void(DataSet&)> beforeDelete;
    std::function<void(DataSet&)> afterDelete;
    std::function<void(DataSet&)> onNewRecord;
    std::function<void(DataSet&)> afterScroll;
    std::function<void(DataSet&)> afterOpen;
    // Runs once a delete is done (committed, or inside a caller's transaction);
    // the data module re-reads the details of a cascading delete here.
    std::function<void(DataSet&)> afterDeleteDone;

    // When set, Delete runs beforeDelete and the delete itself in one
    // transaction, so a cascade through beforeDelete is all or nothing.
    void setDeleteInTransaction(bool on) { m_deleteInTransaction = on; }
    // When set, Post runs beforePost and the write in one transaction, so
    // rows that beforePost writes through other datasets stand or fall with
    // the record.
    void setPostInTransaction(bool on) { m_postInTransaction = on; }

    // Datasets that follow this one as detail.
    void addDetail(DataSet* d);
    void removeDetail(DataSet* d);

    // The table that posts and deletes go to; empty for a read-only result.
    const QString& updateTable() const { return m_updateTable; }

    // Internal: data sources register themselves.
    void attachSource(DataSource* s);
    void detachSource(DataSource* s);
    // Internal: called by Field writes.
    void setFieldValue(int index, const QVariant& v);
    // Internal: a value written to a field of the row being edited was
    // refused. Until that field takes a value or the edit is cancelled, the
    // row cannot be posted (post and checkBrowseMode throw the same error),
    // so it is never stored without what was typed.
    void noteRefusedValue(int index, const QString& message);
    bool hasRefusedValue() const { return !m_refused.isEmpty(); }
    // Withdraws what was typed into the fields whose values were refused:
    // each goes back to its stored value (on a new row, to what it held
    // before), and the row can be posted or left again.
    void revertRefusedValues();
    QVariant currentValue(int index) const;
    QVariant storedValue(int index) const;
    // Internal: re-reads after a rolled-back transaction, keeping the row.
    void reloadAfterRollback();
    // Marks the rows in memory as depending on the current transaction: if it
    // is rolled back, the dataset re-reads.
    void dependsOnTransaction() { touch(); }
    // Internal: the master's row or state changed.
    virtual void masterChanged() {}
    // Internal: a data source of this dataset was enabled or disabled; the
    // details whose link goes through it re-filter.
    void sourceEnabledChanged(DataSource* s);

protected:
    // A loaded row: its identity and values packed in m_packed (raw values
    // as read, or normalised values once written).
    struct Row {
        const char* packed = nullptr;
        qint64 rid() const { return PackedRows::rowId(packed); }
    };
    static QVariant rawValue(const Row& r, int index) { return PackedRows::value(r.packed, index); }

    // Subclasses produce the statement and its parameters that read the rows.
    virtual void buildSelect(QString& sql, QVariantList& params) = 0;
    // Subclasses set up m_fields / m_updateTable before reading, from the
    // query's record when needed.
    virtual void prepareFields(const QSqlRecord& rec) = 0;
    // True when buildSelect() sets up every field, so that the rows may be
    // read later than the open.
    virtual bool fieldsBeforeRows() const { return false; }
    // Which loaded rows are visible (all by default).
    virtual bool rowVisible(const Row&) const { return true; }
    // Called for a new row before onNewRecord (details fill their link).
    virtual void initNewRow() {}

    void addField(const QString& name, ColType type, int width = 0, int scale = 0, int precision = 0);
    void clearFields();
    void setUpdateTable(const QString& t) { m_updateTable = t; }
    // Re-applies rowVisible() to the loaded rows and goes to the first row.
    void refilter();
    // Re-reads only the visible rows: drops them and reads those that `sql`
    // selects (the identity and the fields, by name) in their place; the
    // hidden rows stay as they were read. Keeps the identity order and goes
    // to the first row.
    void reloadVisibleRows(const QString& sql, const QVariantList& params);
    void notifyData(Field* f = nullptr);
    void notifyState();
    void notifyDetails();

    std::vector<std::unique_ptr<Field>> m_fields;

private:
    // Builds the statement and reads the rows; with `whenNeeded`, a dataset
    // that reads on demand keeps the statement for ensureRows().
    void readRows(bool whenNeeded = false);
    // Reads every row `sql` selects (DataSetReading.cpp).
    void fetchAll(const QString& sql, const QVariantList& params);
    // The same for a table, through the database's own interface; false,
    // having read nothing, for a statement it does not read that way (its
    // parameters, or columns whose values the Qt driver reads otherwise).
    bool fetchDirect(const QString& sql, const QVariantList& params);
    void fetchEmbedded(const QString& sql, const QVariantList& params);
    bool fetchServer(const QString& sql);
    // Which result column holds each field (-1: none), and the identity.
    std::vector<int> columnsOfFields(const QStringList& names, int* rowIdColumn) const;
    // Lists in `out` the `count` rows packed since `from`.
    void listPackedRows(PackedRows::Mark from, size_t count, std::vector<Row>& out) const;
    // Chooses the visible rows among the loaded ones (rowVisible).
    void showVisibleRows();
    // Reads the rows put off at open, if any; the cursor is then as the open
    // leaves it.
    void ensureRows() const
    {
        if (m_rowsPending)
            const_cast<DataSet*>(this)->readPendingRows();
    }
    void readPendingRows();
    // The statement run through Qt with its parameters bound; throws the
    // cause when it fails.
    QSqlQuery executed(const QString& sql, const QVariantList& params) const;
    // Reads the rows of an executed statement, mapping its columns to the fields by name.
    void fetchRows(QSqlQuery& q, std::vector<Row>& out);
    void startInsert(int position);
    void writeInsert();
    void writeUpdate();
    void writeDelete(qint64 rid);
    void touch();
    void setState(DataSetState s);
    void afterMove();
    QVariant rawToValue(int fieldIndex, const QVariant& raw) const;

    Connection* m_conn = nullptr;
    QString m_updateTable;
    std::vector<Row> m_all;        // every loaded row
    PackedRows m_packed;           // their identities and values
    std::vector<int> m_visible;    // indexes into m_all, in order
    int m_cur = 0;                 // index into m_visible
    bool m_bof = true;
    bool m_eof = true;
    DataSetState m_state = DataSetState::Inactive;
    struct Buffer {
        qint64 rid = 0;
        QVector<QVariant> v;
    };
    Buffer m_buffer;               // the row being edited or inserted
    std::vector<bool> m_assigned;  // fields written in the buffer
    bool m_modified = false;
    QHash<int, QString> m_refused;  // field index -> why its value was refused
    bool m_insertPlaceholder = false;  // a placeholder row is in m_all/m_visible
    bool m_savedBof = true, m_savedEof = true;
    int m_savedCur = 0;
    int m_disableCount = 0;
    bool m_pendingChange = false;
    bool m_pendingState = false;
    bool m_deleteInTransaction = false;
    bool m_postInTransaction = false;
    bool m_readOnDemand = false;
    bool m_rowsPending = false;  // the rows are still to be read with:
    QString m_pendingSql;
    QVariantList m_pendingParams;
    std::vector<DataSource*> m_sources;
    std::vector<QPointer<DataSet>> m_details;
};

}  // namespace data
