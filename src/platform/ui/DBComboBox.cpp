#include "platform/ui/DBComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

DBComboBox::DBComboBox(QWidget* parent) : DBComboBox(nullptr, QString(), parent) {}

DBComboBox::DBComboBox(data::DataSource* source, const QString& fieldName, QWidget* parent) : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    setListOnly(false);
    connect(this, &QComboBox::activated, this, &DBComboBox::chosen);
    m_link.onRefresh = [this] { showField(); };
    m_link.onUpdateRecord = [this] {
        if (m_binding)
            m_binding->commit();
    };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBComboBox::~DBComboBox()
{
    m_link.onRefresh = nullptr;
    m_link.onUpdateRecord = nullptr;
}

void DBComboBox::setListOnly(bool on)
{
    if (m_binding && !on)
        return;
    m_binding.reset();
    setEditable(!on);
    if (!on) {
        lineEdit()->setReadOnly(m_link.readOnly());
        m_binding = std::make_unique<LineEditBinding>(this, lineEdit(), m_link);
    }
    showField();
}

void DBComboBox::setReadOnly(bool on)
{
    m_link.setReadOnly(on);
    if (lineEdit())
        lineEdit()->setReadOnly(on);
}

void DBComboBox::setItems(const QStringList& items)
{
    const QSignalBlocker block(this);
    clear();
    m_hasUnlisted = false;
    addItems(items);
    showField();
}

QStringList DBComboBox::items() const
{
    QStringList out;
    for (int i = 0; i < count() - (m_hasUnlisted ? 1 : 0); ++i)
        out << itemText(i);
    return out;
}

void DBComboBox::setShowUnlisted(bool on)
{
    m_showUnlisted = on;
    showField();
}

void DBComboBox::showField()
{
    data::Field* f = m_link.field();
    const QString value = f ? f->asString() : QString();
    const QSignalBlocker block(this);
    if (m_hasUnlisted) {
        removeItem(count() - 1);
        m_hasUnlisted = false;
    }
    if (m_showUnlisted && !m_binding && !value.isEmpty() && findText(value, Qt::MatchExactly) < 0) {
        addItem(value);
        m_hasUnlisted = true;
    }
    if (m_binding) {
        setCurrentIndex(findText(value, Qt::MatchExactly));
        m_binding->refresh();
        if (f && f->type() == data::ColType::String && f->width() > 0)
            lineEdit()->setMaxLength(f->width());
    } else {
        setCurrentIndex(findText(value, Qt::MatchExactly));
    }
}

void DBComboBox::setText(const QString& text)
{
    if (m_binding) {
        const QSignalBlocker block(this);
        setCurrentIndex(findText(text, Qt::MatchExactly));
        m_binding->setTextFromCode(text);
        return;
    }
    {
        const QSignalBlocker block(this);
        setCurrentIndex(findText(text, Qt::MatchExactly));
    }
    if (m_link.editing()) {
        try {
            m_link.write(text);
        } catch (...) {
            showField();
            throw;
        }
    }
}

void DBComboBox::chosen(int index)
{
    if (m_link.readOnly()) {
        showField();
        return;
    }
    if (!m_link.editing()) {
        bool ok = false;
        try {
            ok = m_link.edit();
        } catch (...) {
            showField();
            throw;
        }
        if (!ok) {
            showField();
            return;
        }
    }
    const QString text = itemText(index);
    try {
        m_link.write(text);
    } catch (...) {
        showField();
        throw;
    }
    // The field's own change was not shown back; show the choice now.
    const QSignalBlocker block(this);
    setCurrentIndex(index);
    if (m_binding)
        m_binding->refresh();
}

void DBComboBox::showPopup()
{
    if (m_link.readOnly())
        return;
    QComboBox::showPopup();
}

void DBComboBox::keyPressEvent(QKeyEvent* e)
{
    if (m_link.readOnly()) {
        switch (e->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_F4:
            e->ignore();
            return;
        default:
            break;
        }
    }
    QComboBox::keyPressEvent(e);
}

void DBComboBox::wheelEvent(QWheelEvent* e)
{
    if (m_link.readOnly()) {
        e->ignore();
        return;
    }
    QComboBox::wheelEvent(e);
}

}  // namespace ui
