#include "property/GeneratorDialog.h"

#include "platform/data/DataSource.h"
#include "platform/data/Error.h"
#include "platform/ui/Msg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

GeneratorDialog::GeneratorDialog(const QString& caption, data::DataSource* source, QWidget* parent)
    : ui::Form(parent), m_src(source), m_ds(source ? source->dataSet() : nullptr)
{
    setWindowTitle(caption);
    setShowOnCreate(true);
    // A system-menu icon only: no minimising or maximising.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
}

GeneratorDialog::~GeneratorDialog() = default;

QPushButton* GeneratorDialog::makeButton(const char* name, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    return b;
}

bool GeneratorDialog::takeTyped()
{
    if (!m_ds || !m_ds->isEditing())
        return true;
    try {
        m_ds->updateRecord();
    } catch (const data::Error& e) {
        ui::Msg::warning(e.message());
        return false;
    }
    return true;
}

void GeneratorDialog::resetSource()
{
    if (!m_src)
        return;
    m_src->setEnabled(false);
    m_src->setEnabled(true);
}

void GeneratorDialog::finish()
{
    close();
    emit saved();
}

void GeneratorDialog::cancelAndClose()
{
    if (m_ds)
        m_ds->discardEdits();
    close();
}

void GeneratorDialog::formClose(ui::CloseAction& action)
{
    action = ui::CloseAction::Free;
}

void GeneratorDialog::formDestroy()
{
    // Whatever was not saved with OK is dropped.
    if (m_ds && m_ds->isEditing())
        m_ds->discardEdits();
    emit done();
}

void GeneratorDialog::addRow(QGridLayout* grid, const QString& label, QWidget* control, const QString& unit)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(label, control->parentWidget()), row, 0, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(control, row, 1);
    if (!unit.isEmpty())
        grid->addWidget(new QLabel(unit, control->parentWidget()), row, 2);
}

DialogNumberEdit::DialogNumberEdit(data::DataSource* source, const QString& fieldName, const QString& label,
                                   QWidget* parent)
    : ui::DBEdit(source, fieldName, parent), m_label(label)
{
    binding().onExitFailure = [this](const data::Error&) { refuse(); };
}

bool DialogNumberEdit::valueTyped()
{
    data::Field* f = field();
    if (!f || text().trimmed().isEmpty())
        return true;
    try {
        f->normalize(text());
    } catch (const data::Error&) {
        refuse();
        return false;
    }
    return true;
}

void DialogNumberEdit::refuse()
{
    ui::Msg::warning(QStringLiteral("%1必须是数字，重新输入。").arg(m_label));
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

std::optional<int> typedInt(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}
