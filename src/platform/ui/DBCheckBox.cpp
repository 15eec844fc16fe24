#include "platform/ui/DBCheckBox.h"

namespace ui {

DBCheckBox::DBCheckBox(QWidget* parent) : DBCheckBox(nullptr, QString(), QString(), parent) {}

DBCheckBox::DBCheckBox(data::DataSource* source, const QString& fieldName, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::clicked, this, &DBCheckBox::clickedByUser);
    m_link.onRefresh = [this] { showField(); };
    m_link.setFieldName(fieldName);
    m_link.setDataSource(source);
}

DBCheckBox::~DBCheckBox()
{
    m_link.onRefresh = nullptr;
}

void DBCheckBox::setValueChecked(const QString& v)
{
    m_checked = v;
    showField();
}

void DBCheckBox::setValueUnchecked(const QString& v)
{
    m_unchecked = v;
    showField();
}

void DBCheckBox::showField()
{
    data::Field* f = m_link.field();
    const QSignalBlocker block(this);
    setChecked(f && f->asString().compare(m_checked, Qt::CaseInsensitive) == 0);
}

void DBCheckBox::nextCheckState()
{
    if (m_link.readOnly())
        return;
    QCheckBox::nextCheckState();
}

void DBCheckBox::clickedByUser()
{
    const bool want = isChecked();
    if (m_link.readOnly() || (!m_link.editing() && !m_link.edit())) {
        showField();
        return;
    }
    try {
        m_link.write(want ? m_checked : m_unchecked);
    } catch (...) {
        showField();
        throw;
    }
}

}  // namespace ui
