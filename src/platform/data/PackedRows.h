#pragma once
// The rows a dataset has read, packed: each row's identity and values one
// after another in large shared blocks, instead of a variant and an
// allocation of its own for every text. A register of 100,000 rows takes
// about a sixth of the memory it would take as variants, and reading it
// writes that much less fresh memory, which is most of what reading a large
// table costs.
//
// A value is packed as its kind and its bytes: null, whole number, floating
// number, truth value, or text (as given: UTF-8 from the embedded database,
// UTF-16 from Qt; ASCII as one byte a character, and a date and time written
// "yyyy-MM-dd hh:mm:ss" or "yyyy-MM-dd" as its digits). A value of any other kind (a decimal or a date once written, a
// driver's date) is kept aside as the variant it is. Unpacking gives the
// same variant back (a null as an invalid variant).
//
// A packed row stays where it is until clear(); rows are never changed in
// place: a changed row is packed again, and the old one is dropped with the
// rest at clear().

#include <QString>
#include <QVariant>
#include <deque>
#include <string>
#include <vector>

namespace data {

class PackedRows {
public:
    PackedRows() = default;
    ~PackedRows();
    PackedRows(const PackedRows&) = delete;
    PackedRows& operator=(const PackedRows&) = delete;

    // --- building one row: add its values in order, then finish --------
    void add(const QVariant& v);
    void addNull();
    void addInteger(qint64 n);
    void addReal(double d);
    void addUtf8(const char* text, int bytes);
    // The row's place, valid until clear(); the next row starts empty.
    const char* finishRow(qint64 rowId);
    // Rows finished one after another lie one after another: a reader that
    // counts them first can list them afterwards, in one step, from a mark
    // taken before the first.
    struct Mark {
        size_t block = 0;
        size_t used = 0;
    };
    Mark mark() const { return m_blocks.empty() ? Mark{} : Mark{m_blocks.size() - 1, m_blocks.back().used}; }
    // Calls f(row) for each row finished since the mark, in order; each row
    // has `values` values.
    template <typename F>
    void rowsSince(Mark m, int values, F f) const
    {
        for (size_t b = m.block; b < m_blocks.size(); ++b) {
            const Block& block = m_blocks[b];
            for (size_t at = b == m.block ? roundUp(m.used) : 0; at < block.used;) {
                const char* row = block.data + at;
                f(row);
                const char* end = row + sizeof(qint64);
                for (int i = 0; i < values; ++i)
                    end = skip(end);
                at = roundUp(size_t(end - block.data));
            }
        }
    }
    // A whole row of variants, packed.
    const char* pack(qint64 rowId, const QVector<QVariant>& values);

    // Frees every row.
    void clear();

    // --- reading a kept row ---------------------------------------------
    static qint64 rowId(const char* row);
    static QVariant value(const char* row, int index);
    // Whether the value at index is text; if it is, *same tells whether it
    // is exactly `text`, compared where it lies without unpacking it.
    static bool textIs(const char* row, int index, QStringView text, bool* same);

private:
    struct Block {
        char* data;
        size_t size;
        bool mapped;
        size_t used;
    };
    // Rows start at a multiple of 8.
    static size_t roundUp(size_t at) { return (at + 7) & ~size_t(7); }
    // The start of the value after the one at p.
    static const char* skip(const char* p);
    static const char* valueAt(const char* row, int index);
    void addAscii(const char* text, size_t bytes);
    // Room for `bytes` more bytes of the row being built; wrote() moves its
    // end to where the writing ended.
    char* room(size_t bytes);
    void wrote(const char* end);
    char* place(size_t bytes);
    static Block allocate(size_t bytes);
    static void release(const Block& b);

    std::string m_row;  // the values of the row being built, in its first m_length bytes
    size_t m_length = 0;
    std::deque<QVariant> m_aside;  // values of other kinds (their places stay)
    std::vector<Block> m_blocks;
    size_t m_nextSize = 0;
};

}  // namespace data
