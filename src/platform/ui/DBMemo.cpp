#include "platform/ui/DBMemo.h"

#include <QTextBlock>
#include <QTextCursor>

namespace ui {

class DBMemo::Binding : public TextBinding {
public:
    Binding(DBMemo* memo, FieldLink& link) : TextBinding(memo, link), m_memo(memo)
    {
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [this] { changed(); });
    }

protected:
    QString currentText() const override { return m_memo->toPlainText(); }
    void showText(const QString& text) override { m_memo->setPlainText(text); }
    int cursorPosition() const override { return m_memo->textCursor().position(); }
    void keepTyped(const QString& text, int cursor) override
    {
        m_memo->setPlainText(text);
        QTextCursor c = m_memo->textCursor();
        c.setPosition(std::min(cursor, int(text.size())));
        m_memo->setTextCursor(c);
    }
    void selectAllText() override { m_memo->selectAll(); }

private:
    void changed()
    {
        if (refreshing())
            return;
        const QString t = m_memo->toPlainText();
        const QString kept = m_memo->limited(t);
        if (kept.size() < t.size()) {
            const int cursor = std::min(m_memo->textCursor().position(), int(kept.size()));
            QSignalBlocker block(m_memo);
            m_memo->setPlainText(kept);
            QTextCursor c = m_memo->textCursor();
            c.setPosition(cursor);
            m_memo->setTextCursor(c);
        }
        userEdited();
    }

    DBMemo* m_memo;
};

DBMemo::DBMemo(QWidget* parent) : DBMemo(nullptr, QString(), parent) {}

DBMemo::DBMemo(data::DataSource* source, const QString& fieldName, QWidget* parent) : QPlainTextEdit(parent)
{
    m_binding = std::make_unique<Binding>(this, m_link);
    m_link.onRefresh = [this] { m_binding->refresh(); };
    m_link.onUpdateRecord = [this] { m_binding->commit(); };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBMemo::~DBMemo()
{
    m_link.onRefresh = nullptr;
    m_link.onUpdateRecord = nullptr;
}

void DBMemo::setReadOnly(bool on)
{
    m_link.setReadOnly(on);
    QPlainTextEdit::setReadOnly(on);
}

void DBMemo::setText(const QString& text)
{
    // Too long for the field is the field's error; beyond the limit is cut.
    m_binding->setTextFromCode(m_limit ? m_limit(text) : text);
}

void DBMemo::setLimit(std::function<QString(const QString&)> limit)
{
    m_limit = std::move(limit);
}

QString DBMemo::limited(const QString& text) const
{
    // A field of a declared width takes no more characters than that.
    QString kept = text;
    data::Field* f = m_link.field();
    if (f && f->type() == data::ColType::String && f->width() > 0 && kept.size() > f->width())
        kept.truncate(f->width());
    return m_limit ? m_limit(kept) : kept;
}

bool DBMemo::hasPendingInput() const
{
    return m_binding->pending();
}

}  // namespace ui
