#include "property/LouCopy.h"

#include "platform/ui/ExitCheck.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "property/PropertyCopy.h"
#include "session/DMRegion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmLouCopy* frmLouCopy = nullptr;

namespace {
// Widths of the Build columns the copy writes.
constexpr int kIdWidth = 20, kNameWidth = 50, kNoteWidth = 100;
}  // namespace

TfrmLouCopy::TfrmLouCopy(QWidget* parent) : GeneratorDialog(QStringLiteral("楼宇复制"), nullptr, parent)
{
    auto* box = new QGroupBox(QStringLiteral("基本信息"), this);
    auto* grid = new QGridLayout(box);
    E_ID = new QLineEdit(box);
    E_ID->setObjectName(QStringLiteral("E_ID"));
    E_ID->setMaxLength(kIdWidth);
    addRow(grid, QStringLiteral("楼宇编号："), E_ID);
    E_Name = new QLineEdit(box);
    E_Name->setObjectName(QStringLiteral("E_Name"));
    E_Name->setMaxLength(kNameWidth);
    addRow(grid, QStringLiteral("楼宇名称："), E_Name);
    M_note = new QPlainTextEdit(box);
    M_note->setObjectName(QStringLiteral("M_note"));
    addRow(grid, QStringLiteral("备注："), M_note);
    E_reg = new QLineEdit(box);
    E_reg->setObjectName(QStringLiteral("E_reg"));
    E_reg->setVisible(false);

    BB_Ok = makeButton("BB_Ok", QStringLiteral("确定"), QString());
    BB_Ok->setDefault(true);
    BB_Cancel = makeButton("BB_Cancel", QStringLiteral("取消"), QString());
    ui::setExitExempt(BB_Cancel);
    ui::connectHandler(BB_Ok, &QPushButton::clicked, this, [this] { BB_OkClick(); });
    ui::connectHandler(BB_Cancel, &QPushButton::clicked, this, [this] { BB_CancelClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BB_Ok);
    buttons->addWidget(BB_Cancel);
    auto* root = new QVBoxLayout(this);
    root->addWidget(box, 1);
    root->addLayout(buttons);
}

void TfrmLouCopy::setSource(const property::BuildingKey& building, const QString& floors)
{
    m_source = building;
    m_floors = floors;
}

void TfrmLouCopy::formCreate()
{
    E_reg->setText(m_source.regionId);
    E_Name->setText(m_source.buildName + QStringLiteral("请输入"));
    E_ID->setFocus();
    setFormSize(380, 260);
}

void TfrmLouCopy::BB_OkClick()
{
    const QString id = E_ID->text().trimmed();
    const QString name = E_Name->text().trimmed();
    if (id.isEmpty() || name.isEmpty()) {
        ui::Msg::warning(QStringLiteral("楼宇编号和名称不能为空。"));
        close();
        return;
    }
    const QString note = M_note->toPlainText().trimmed();
    if (note.size() > kNoteWidth) {
        ui::Msg::warning(QStringLiteral("备注不能超过 %1 个字符。").arg(kNoteWidth));
        M_note->setFocus();
        return;
    }
    if (property::buildingIdExists(*DM->connection(), m_source.regionId, id)) {
        ui::Msg::warning(QStringLiteral("该楼宇编号已存在！重新输入。"));
        E_ID->setFocus();
        E_ID->clear();
        return;
    }
    const auto floors = typedInt(m_floors);
    try {
        property::copyBuilding(*DM->connection(), m_source, id, name, floors ? QVariant(*floors) : QVariant(), note);
    } catch (...) {
        emit treeChanged();
        throw;
    }
    emit treeChanged();
    close();
}

void TfrmLouCopy::BB_CancelClick()
{
    close();
}
