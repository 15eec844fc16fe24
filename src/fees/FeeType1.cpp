#include "fees/FeeType1.h"

#include "platform/data/TrimmedText.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Handler.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

TfrmFeeType1* frmFeeType1 = nullptr;

namespace {

const QString kMetered = QStringLiteral("A");
const QString kNonMetered = QStringLiteral("F");

RecordEditorConfig feeItemConfig()
{
    RecordEditorConfig c;
    c.caption = QStringLiteral(" 费用设置");
    c.key = QStringLiteral("FeeType");
    c.dataSet = QStringLiteral("AT_FeeType1");
    c.dataSource = QStringLiteral("DS_FeeType1");
    c.table = QStringLiteral("FeeType1");
    c.keyFields = {QStringLiteral("FeeId")};
    c.nameField = QStringLiteral("FeeName");
    c.existsOnSave = c.existsOnExit = QStringLiteral("该项目编号已存在！重新输入。");
    c.deleteQuestion = ui::DBNavigator::deleteQuestion();
    c.gridColumns = {{QStringLiteral("FeeId"), QStringLiteral("项目编号"), 60},
                     {QStringLiteral("FeeName"), QStringLiteral("项目名称"), 90}};
    c.pages = {QString()};
    c.size = QSize(461, 432);
    c.hasNavigation = false;
    return c;
}

bool blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

}  // namespace

TfrmFeeType1::TfrmFeeType1(QWidget* parent) : RecordEditor(feeItemConfig(), parent)
{
    DBE_ID = addEdit(0, QStringLiteral("项目编号："), QStringLiteral("FeeId"), QStringLiteral("DBE_ID"));
    DBE_ID->setMaxLength(4);
    DBE_Name = addEdit(0, QStringLiteral("项目名称："), QStringLiteral("FeeName"), QStringLiteral("DBE_Name"));

    DBC_FeeD = new ui::DBComboBox(dataSource(), QStringLiteral("FeeD"));
    DBC_FeeD->setObjectName(QStringLiteral("DBC_FeeD"));
    DBC_FeeD->setItems({QStringLiteral("吨"), QStringLiteral("度"), QStringLiteral("立方米"), QStringLiteral("平方米"),
                        QStringLiteral("单位"), QStringLiteral("升")});
    addControl(0, QStringLiteral("计量单位："), DBC_FeeD);

    // The prices, in their own group; enabled with the edits, and closed
    // again while the item is marked non-metered.
    GroupBox1 = new QGroupBox(QStringLiteral("收费标准"), page(0));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* prices = new QGridLayout(GroupBox1);
    auto priceEdit = [&](const char* name, const QString& label, const char* field) {
        auto* e = new ui::DBEdit(dataSource(), QString::fromLatin1(field), GroupBox1);
        e->setObjectName(QString::fromLatin1(name));
        e->setEnabled(false);
        const int row = prices->rowCount();
        prices->addWidget(new QLabel(label, GroupBox1), row, 0, Qt::AlignRight);
        prices->addWidget(e, row, 1);
        registerEdit(e);
        return e;
    };
    DBE_JNFee = priceEdit("DBE_JNFee", QStringLiteral("计划内单价："), "JNPrice");
    DBE_JWFee = priceEdit("DBE_JWFee", QStringLiteral("计划外单价："), "JWPrice");
    addWide(0, GroupBox1);

    DBE_DL = new ui::DBEdit(dataSource(), QStringLiteral("DL"), page(0));
    DBE_DL->setObjectName(QStringLiteral("DBE_DL"));
    DBE_DL->hide();
    registerEdit(DBE_DL);

    CB_JLFlag = new QCheckBox(QStringLiteral("非计量类"));
    CB_JLFlag->setObjectName(QStringLiteral("CB_JLFlag"));
    addControl(0, QString(), CB_JLFlag);
    CB_JLFlag->installEventFilter(this);
    ui::connectHandler(CB_JLFlag, &QCheckBox::clicked, this, [this] { CB_JLFlagClick(); });
    ui::connectHandler(DBGrid1, &ui::DBGrid::cellClicked, this, [this] { DBGrid1Enter(); });
    // While browsing, the box shows the kind of the item shown.
    auto follow = [this] {
        if (!dataSet()->isEditing())
            showStoredKind();
    };
    ui::connectHandler(dataSource(), &data::DataSource::dataChanged, this, follow);
    ui::connectHandler(dataSource(), &data::DataSource::stateChanged, this, follow);
}

void TfrmFeeType1::afterCreate()
{
    centerOnScreen();
    setFocus();
}

bool TfrmFeeType1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CB_JLFlag && event->type() == QEvent::FocusIn)
        CB_JLFlagEnter();
    return RecordEditor::eventFilter(watched, event);
}

void TfrmFeeType1::showStoredKind()
{
    data::DataSet* ds = dataSet();
    CB_JLFlag->setChecked(ds->isActive() && !ds->isEmpty()
                          && ds->fieldByName(QStringLiteral("JLFlag"))->asString().trimmed() == kNonMetered);
}

void TfrmFeeType1::setPriceEditsOpen(bool open)
{
    DBE_JNFee->setEnabled(open);
    DBE_JWFee->setEnabled(open);
}

// --- handlers ------------------------------------------------------------------

void TfrmFeeType1::CheckBoxClick()
{
    RecordEditor::CheckBoxClick();
    if (CheckBox->isChecked())
        TB_Modi->setEnabled(true);
}

void TfrmFeeType1::DBGrid1Enter()
{
    RecordEditor::DBGrid1Enter();
    showStoredKind();
    PriceEditFlag.clear();
    if (CheckBox->isChecked())
        TB_Add->setEnabled(true);
}

void TfrmFeeType1::onAdd()
{
    // A new item is metered until the box says otherwise.
    CB_JLFlag->setChecked(false);
    PriceEditFlag.clear();
    setPriceEditsOpen(true);
}

void TfrmFeeType1::TB_ModiClick()
{
    if (dataSet()->isEmpty())
        return;
    RecordEditor::TB_ModiClick();
    DBE_ID->setEnabled(false);
    // The box shows the item's stored kind; the prices of a non-metered item
    // stay closed until the box is cleared.
    const bool nonMetered = data::trimmedEquals(dataSet()->fieldByName(QStringLiteral("JLFlag"))->asString(), kNonMetered);
    CB_JLFlag->setChecked(nonMetered);
    PriceEditFlag.clear();
    setPriceEditsOpen(!nonMetered);
    dataSet()->edit();
    DBE_Name->setFocus();
}

void TfrmFeeType1::TB_SaveClick()
{
    RecordEditor::TB_SaveClick();
    if (dataSet()->isEditing())
        return;  // refused: everything typed stays for correcting
    showStoredKind();
    PriceEditFlag.clear();
}

void TfrmFeeType1::TB_CancelClick()
{
    RecordEditor::TB_CancelClick();
    showStoredKind();
    PriceEditFlag.clear();
    CheckBox->setChecked(false);
    CheckBoxClick();
}

bool TfrmFeeType1::IdExists()
{
    if (DBE_ID->text().isEmpty())
        return false;
    return RecordEditor::IdExists();
}

void TfrmFeeType1::DBE_IDExit()
{
    if (!dataSet()->isEditing() || !keyChanged())
        return;
    if (IdExists()) {
        ui::Msg::warning(config().existsOnExit);
        DBE_Name->setFocus();
    }
}

void TfrmFeeType1::CB_JLFlagEnter()
{
    // The focus passes the box while the edits close after a Save: that
    // opens nothing.
    if (!dataSet()->isEditing())
        return;
    TB_Save->setEnabled(true);
    TB_Cancel->setEnabled(true);
    if (CB_JLFlag->isChecked()) {
        DBE_JNFee->setText(QStringLiteral("0"));
        DBE_JWFee->setText(QStringLiteral("0"));
        setPriceEditsOpen(false);
    }
}

void TfrmFeeType1::CB_JLFlagClick()
{
    // Ticked, the item is non-metered and its prices close; cleared, they open.
    const bool open = !CB_JLFlag->isChecked();
    setPriceEditsOpen(open);
    PriceEditFlag = open ? kNonMetered : QStringLiteral("C");
}

// --- saving --------------------------------------------------------------------

bool TfrmFeeType1::validateRecord()
{
    const bool priceRequired = PriceEditFlag == kNonMetered;
    if (blank(DBE_ID->text()) || blank(DBE_Name->text()) || (priceRequired && blank(DBE_JNFee->text()))) {
        ui::Msg::warning(priceRequired ? QStringLiteral("项目编号、名称及单价不能为空！")
                                       : QStringLiteral("项目编号及名称不能为空！"));
        (DBE_ID->isEnabled() ? DBE_ID : DBE_Name)->setFocus();
        return false;
    }
    if (keyChanged() && IdExists()) {
        ui::Msg::warning(config().existsOnSave);
        DBE_Name->setFocus();
        return false;
    }
    return true;
}

void TfrmFeeType1::beforeSave()
{
    dataSet()->fieldByName(QStringLiteral("JLFlag"))->setAsString(CB_JLFlag->isChecked() ? kNonMetered : kMetered);
}
