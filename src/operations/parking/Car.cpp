#include "operations/parking/Car.h"

#include "operations/RegisterWindows.h"
#include "platform/data/DataSet.h"
#include "platform/data/DataSource.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/Handler.h"
#include "session/Session.h"
#include "templates/PicturePane.h"

#include <QCheckBox>

namespace {

using K = RegisterControl;

const QString kPicPath = QStringLiteral("picPath");

}  // namespace

RegisterConfig carRegister()
{
    RegisterConfig r = registerRow("TfrmCar", "车辆信息", "Car", "AT_CarM", "DS_CarM", "CarMessage");
    RecordEditorConfig& c = r.record;
    c.switchCaption = QStringLiteral("进入编辑状态");
    c.findCaption.clear();
    c.hasRefresh = false;
    c.emptyMessage = QStringLiteral("牌照号码不能为空！");
    c.deleteKind = RecordEditorConfig::DeleteKind::Navigator;
    c.gridColumns = {{QStringLiteral("CarNum"), QStringLiteral("牌照号码"), 80},
                     {QStringLiteral("CarType"), QStringLiteral("车型"), 80},
                     {QStringLiteral("CarColor"), QStringLiteral("颜色"), 50},
                     {QStringLiteral("CarMan"), QStringLiteral("车主"), 60},
                     {QStringLiteral("CarDriver"), QStringLiteral("司机"), 60},
                     {QStringLiteral("phone"), QStringLiteral("电话"), 90},
                     {kPicPath, QStringLiteral("图片保存位置"), 160}};
    c.pages = {QStringLiteral("基本"), QStringLiteral("图片")};
    c.size = QSize(590, 513);
    r.controls = {
        {K::Edit, "DBE_Num", "CarNum", "牌照号码：", 0, K::Required | K::Cleared},
        {K::Edit, "DBE_Type", "CarType", "车型：", 0, K::Cleared},
        {K::Edit, "DBE_Color", "CarColor", "颜色：", 0, K::Cleared},
        {K::Edit, "DBE_Man", "CarMan", "车主：", 0, K::Cleared},
        {K::Edit, "DBE_Driver", "CarDriver", "司机：", 0, K::Cleared},
        {K::Edit, "DBE_Phone", "phone", "电话：", 0, K::Cleared},
        // Written only by 导入.
        {K::Edit, "DBE_Path", "picPath", "图片保存位置：", 0, K::Shown},
    };
    c.requiredFocusField = QStringLiteral("CarNum");
    return r;
}

TfrmCar* frmCar = nullptr;

TfrmCar::TfrmCar(QWidget* parent) : RegisterEditor(::registerConfig("TfrmCar"), parent)
{
    TS_Pic = new PicturePane;
    TS_Pic->setObjectName(QStringLiteral("TS_Pic"));
    fillPage(1, TS_Pic);
    Img = TS_Pic->Img;
    lblImg = TS_Pic->lblImg;
    SB_ImgIn = TS_Pic->SB_ImgIn;
    SB_ImgOut = TS_Pic->SB_ImgOut;
    ui::connectHandler(SB_ImgIn, &QPushButton::clicked, this, [this] { SB_ImgInClick(); });
    ui::connectHandler(SB_ImgOut, &QPushButton::clicked, this, [this] { SB_ImgOutClick(); });
    // The picture and 导入 follow the car shown and its state, however the
    // row was reached.
    connect(dataSource(), &data::DataSource::dataChanged, this, [this](data::Field* f) {
        if (!f)
            followCar();
    });
    connect(dataSource(), &data::DataSource::stateChanged, this, [this] { followCar(); });
}

TfrmCar::~TfrmCar()
{
    if (frmCar == this)
        frmCar = nullptr;
}

bool TfrmCar::storedCarShown() const
{
    const data::DataSet* ds = dataSet();
    return ds->isActive() && !ds->isEmpty() && ds->state() != data::DataSetState::Insert;
}

void TfrmCar::followCar()
{
    const data::DataSet* ds = dataSet();
    const qint64 tag = !ds->isActive()                           ? 0
                       : ds->state() == data::DataSetState::Insert ? -1
                                                                   : ds->rowId();
    if (tag != m_carTag) {
        m_carTag = tag;
        TS_Pic->forget();
        TS_Pic->showPath(tag > 0 ? ds->fieldByName(kPicPath)->asString() : QString());
    }
    SB_ImgIn->setEnabled(CheckBox->isChecked() && session::level() != 2 && storedCarShown());
}

const QString& TfrmCar::importedPicture() const
{
    return TS_Pic->chosen();
}

void TfrmCar::CheckBoxClick()
{
    RegisterEditor::CheckBoxClick();
    // The switch opens the car's edits at once, all but the path.
    if (CheckBox->isChecked())
        setEditsEnabled(true);
    else
        TS_Pic->forget();
    followCar();
}

void TfrmCar::TB_ModiClick()
{
    RegisterEditor::TB_ModiClick();
    TB_Add->setEnabled(false);
    TB_Delete->setEnabled(false);
}

void TfrmCar::SB_ImgInClick()
{
    if (!SB_ImgIn->isEnabled() || !storedCarShown())
        return;
    if (TS_Pic->choose(dataSet()->fieldByName(kPicPath)->width()))
        if (auto* path = qobject_cast<ui::DBEdit*>(control(QStringLiteral("DBE_Path"))))
            path->setText(TS_Pic->chosen());
}

void TfrmCar::SB_ImgOutClick()
{
    // Only a path chosen for the car shown is written (see followCar).
    if (!storedCarShown())
        return;
    TS_Pic->store(dataSet(), kPicPath);
}
