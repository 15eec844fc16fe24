#include "platform/data/PackedRows.h"

#include <QAnyStringView>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace data {

namespace {

enum Tag : char { Null, Int64, Int32, Real, False, True, Ascii, Utf8, Utf16, DateTime, Date, Aside };

// Blocks grow from small (most datasets hold a few rows) to the size of a
// large page, which a large dataset gets in one step from the system.
constexpr size_t kFirstBlock = 4 * 1024;
constexpr size_t kLargePage = 2 * 1024 * 1024;

// "yyyy-MM-dd hh:mm:ss": where the digits are not.
constexpr char kDateTimeForm[] = "0000-00-00 00:00:00";
constexpr size_t kDateTimeLength = sizeof kDateTimeForm - 1;
constexpr size_t kDateLength = 10;

char* putLength(char* out, size_t n)
{
    while (n >= 0x80) {
        *out++ = char((n & 0x7f) | 0x80);
        n >>= 7;
    }
    *out++ = char(n);
    return out;
}

template <typename T>
char* putBytes(char* out, const T& v)
{
    std::memcpy(out, &v, sizeof v);
    return out + sizeof v;
}

bool isAscii(const char* text, size_t bytes)
{
    size_t i = 0;
    for (quint64 word; i + 8 <= bytes; i += 8) {
        std::memcpy(&word, text + i, 8);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    for (; i < bytes; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

size_t getLength(const char*& p)
{
    size_t n = 0;
    for (int shift = 0;; shift += 7) {
        const auto b = static_cast<unsigned char>(*p++);
        n |= size_t(b & 0x7f) << shift;
        if (!(b & 0x80))
            return n;
    }
}

// UTF-16 text starts at an even place (rows start at a multiple of 8), so it
// can be read where it lies.
const char* evenPlace(const char* p)
{
    return reinterpret_cast<const char*>((reinterpret_cast<quintptr>(p) + 1) & ~quintptr(1));
}

template <typename T>
T load(const char* p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// Whether text of `bytes` ASCII characters is a date and time (or a date) in
// the form above, digits where the form has them.
bool isDateForm(const char* text, size_t bytes)
{
    if (bytes != kDateTimeLength && bytes != kDateLength)
        return false;
    for (size_t i = 0; i < bytes; ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kDateTimeForm[i] == '0' ? !digit : text[i] != kDateTimeForm[i])
            return false;
    }
    return true;
}

// The digits of a date form, two to a byte.
char* putDigits(char* out, const char* text, size_t bytes)
{
    char pair = 0;
    bool half = false;
    for (size_t i = 0; i < bytes; ++i) {
        if (kDateTimeForm[i] != '0')
            continue;
        const char d = char(text[i] - '0');
        if (half)
            *out++ = char(pair << 4 | d);
        else
            pair = d;
        half = !half;
    }
    return out;
}

void dateChars(const char* p, size_t bytes, char* text)
{
    size_t k = 0;
    for (size_t i = 0; i < bytes; ++i) {
        if (kDateTimeForm[i] != '0') {
            text[i] = kDateTimeForm[i];
            continue;
        }
        const auto pair = static_cast<unsigned char>(p[k / 2]);
        text[i] = char('0' + (k % 2 ? pair & 0x0f : pair >> 4));
        ++k;
    }
}

QString dateText(const char* p, size_t bytes)
{
    char text[kDateTimeLength];
    dateChars(p, bytes, text);
    return QString::fromLatin1(text, qsizetype(bytes));
}

}  // namespace

const char* PackedRows::skip(const char* p)
{
    switch (*p++) {
    case Int64:
    case Real:
    case Aside:
        return p + 8;
    case Int32:
        return p + 4;
    case DateTime:
        return p + 7;
    case Date:
        return p + 4;
    case Ascii:
    case Utf8: {
        const size_t n = getLength(p);
        return p + n;
    }
    case Utf16: {
        const size_t n = getLength(p);
        return evenPlace(p) + 2 * n;
    }
    default:
        return p;
    }
}

PackedRows::~PackedRows()
{
    clear();
}

char* PackedRows::room(size_t bytes)
{
    if (m_length + bytes > m_row.size())
        m_row.resize(std::max(2 * m_row.size(), m_length + bytes));
    return m_row.data() + m_length;
}

void PackedRows::wrote(const char* end)
{
    m_length = size_t(end - m_row.data());
}

void PackedRows::add(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) {
        addNull();
        return;
    }
    switch (v.metaType().id()) {
    case QMetaType::QString: {
        const QString* s = static_cast<const QString*>(v.constData());
        const ushort* u = s->utf16();
        const size_t n = size_t(s->size());
        size_t ascii = 0;
        while (ascii < n && u[ascii] < 0x80)
            ++ascii;
        if (ascii == n) {
            char shortText[64];
            std::string longText;
            char* narrow = n <= sizeof shortText ? shortText : (longText.resize(n), longText.data());
            for (size_t i = 0; i < n; ++i)
                narrow[i] = char(u[i]);
            addAscii(narrow, n);
            return;
        }
        char* out = room(1 + 10 + 1 + 2 * n);
        *out++ = char(Utf16);
        out = putLength(out, n);
        if ((out - m_row.data()) % 2)
            *out++ = '\0';
        std::memcpy(out, u, 2 * n);
        wrote(out + 2 * n);
        return;
    }
    case QMetaType::LongLong:
        addInteger(v.toLongLong());
        return;
    case QMetaType::Int: {
        char* out = room(5);
        *out++ = char(Int32);
        wrote(putBytes(out, qint32(v.toInt())));
        return;
    }
    case QMetaType::Double:
        addReal(v.toDouble());
        return;
    case QMetaType::Bool:
        *room(1) = char(v.toBool() ? True : False);
        ++m_length;
        return;
    default: {
        const QVariant* kept = &m_aside.emplace_back(v);
        char* out = room(1 + sizeof kept);
        *out++ = char(Aside);
        wrote(putBytes(out, kept));
    }
    }
}

void PackedRows::addNull()
{
    *room(1) = char(Null);
    ++m_length;
}

void PackedRows::addInteger(qint64 n)
{
    char* out = room(9);
    *out++ = char(Int64);
    wrote(putBytes(out, n));
}

void PackedRows::addReal(double d)
{
    char* out = room(9);
    *out++ = char(Real);
    wrote(putBytes(out, d));
}

void PackedRows::addAscii(const char* text, size_t bytes)
{
    char* out = room(1 + 10 + bytes);
    if (isDateForm(text, bytes)) {
        *out++ = char(bytes == kDateLength ? Date : DateTime);
        wrote(putDigits(out, text, bytes));
        return;
    }
    *out++ = char(Ascii);
    out = putLength(out, bytes);
    std::memcpy(out, text, bytes);
    wrote(out + bytes);
}

void PackedRows::addUtf8(const char* text, int bytes)
{
    if (isAscii(text, size_t(bytes))) {
        addAscii(text, size_t(bytes));
        return;
    }
    char* out = room(1 + 10 + size_t(bytes));
    *out++ = char(Utf8);
    out = putLength(out, size_t(bytes));
    std::memcpy(out, text, size_t(bytes));
    wrote(out + bytes);
}

const char* PackedRows::finishRow(qint64 rowId)
{
    char* p = place(sizeof rowId + m_length);
    std::memcpy(p, &rowId, sizeof rowId);
    std::memcpy(p + sizeof rowId, m_row.data(), m_length);
    m_length = 0;
    return p;
}

const char* PackedRows::pack(qint64 rowId, const QVector<QVariant>& values)
{
    for (const QVariant& v : values)
        add(v);
    return finishRow(rowId);
}

char* PackedRows::place(size_t bytes)
{
    const size_t at = m_blocks.empty() ? 0 : roundUp(m_blocks.back().used);
    if (m_blocks.empty() || at + bytes > m_blocks.back().size) {
        m_nextSize = m_nextSize == 0 ? kFirstBlock : std::min(m_nextSize * 2, kLargePage);
        m_blocks.push_back(allocate(std::max(m_nextSize, bytes)));
        m_blocks.back().used = bytes;
        return m_blocks.back().data;
    }
    m_blocks.back().used = at + bytes;
    return m_blocks.back().data + at;
}

PackedRows::Block PackedRows::allocate(size_t bytes)
{
#if defined(Q_OS_LINUX) && defined(MADV_HUGEPAGE)
    if (bytes == kLargePage) {
        // Placed on a large page's boundary and marked for large pages: the
        // system then supplies the block at once instead of page by page.
        const size_t span = 2 * kLargePage;
        void* m = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (m != MAP_FAILED) {
            char* base = static_cast<char*>(m);
            char* start = reinterpret_cast<char*>((reinterpret_cast<quintptr>(base) + kLargePage - 1)
                                                  & ~quintptr(kLargePage - 1));
            if (start > base)
                munmap(base, size_t(start - base));
            if (char* end = start + kLargePage; end < base + span)
                munmap(end, size_t(base + span - end));
            madvise(start, kLargePage, MADV_HUGEPAGE);
            return {start, kLargePage, true, 0};
        }
    }
#endif
    char* p = static_cast<char*>(std::malloc(bytes));
    if (!p)
        throw std::bad_alloc();
    return {p, bytes, false, 0};
}

void PackedRows::release(const Block& b)
{
#ifdef Q_OS_LINUX
    if (b.mapped) {
        munmap(b.data, b.size);
        return;
    }
#endif
    std::free(b.data);
}

void PackedRows::clear()
{
    for (const Block& b : m_blocks)
        release(b);
    m_blocks.clear();
    m_aside.clear();
    m_nextSize = 0;
    m_length = 0;
}

qint64 PackedRows::rowId(const char* row)
{
    return load<qint64>(row);
}

const char* PackedRows::valueAt(const char* row, int index)
{
    const char* p = row + sizeof(qint64);
    for (int i = 0; i < index; ++i)
        p = skip(p);
    return p;
}

QVariant PackedRows::value(const char* row, int index)
{
    const char* p = valueAt(row, index);
    switch (*p++) {
    case Int64:
        return QVariant(qlonglong(load<qint64>(p)));
    case Int32:
        return QVariant(int(load<qint32>(p)));
    case Real:
        return QVariant(load<double>(p));
    case False:
        return QVariant(false);
    case True:
        return QVariant(true);
    case Aside:
        return *load<const QVariant*>(p);
    case DateTime:
        return QVariant(dateText(p, kDateTimeLength));
    case Date:
        return QVariant(dateText(p, kDateLength));
    case Ascii: {
        const size_t n = getLength(p);
        return QVariant(QString::fromLatin1(p, qsizetype(n)));
    }
    case Utf8: {
        const size_t n = getLength(p);
        return QVariant(QString::fromUtf8(p, qsizetype(n)));
    }
    case Utf16: {
        const size_t n = getLength(p);
        return QVariant(QString(reinterpret_cast<const QChar*>(evenPlace(p)), qsizetype(n)));
    }
    default:
        return QVariant();
    }
}

bool PackedRows::textIs(const char* row, int index, QStringView text, bool* same)
{
    const char* p = valueAt(row, index);
    switch (*p++) {
    case Ascii: {
        const size_t n = getLength(p);
        *same = QLatin1StringView(p, qsizetype(n)) == text;
        return true;
    }
    case Utf8: {
        const size_t n = getLength(p);
        *same = QAnyStringView::equal(QUtf8StringView(p, qsizetype(n)), text);
        return true;
    }
    case Utf16: {
        const size_t n = getLength(p);
        *same = QStringView(reinterpret_cast<const QChar*>(evenPlace(p)), qsizetype(n)) == text;
        return true;
    }
    case DateTime:
    case Date: {
        const size_t n = p[-1] == DateTime ? kDateTimeLength : kDateLength;
        char chars[kDateTimeLength];
        dateChars(p, n, chars);
        *same = QLatin1StringView(chars, qsizetype(n)) == text;
        return true;
    }
    default:
        return false;
    }
}

}  // namespace data
