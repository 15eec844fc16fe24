#include "templates/PicturePane.h"

#include "platform/data/ColumnWidth.h"
#include "platform/data/DataSet.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/Msg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString kNoPicture = QStringLiteral("无图片资料");
const QString kPictureFilter = QStringLiteral(
    "All(*.jpg;*.jpeg;*.bmp;*.ico)|*.jpg;*.jpeg;*.bmp;*.ico|JPEG Image File (*.jpg)|*.jpg|JPEG Image File "
    "(*.jpeg)|*.jpeg|Bitmaps File(*.bmp)|*.bmp|Icons (*.ico)|*.ico");

bool isPicturePath(const QString& path)
{
    return !path.trimmed().isEmpty() && path != QStringLiteral("A");
}

ui::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new ui::SpeedButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setEnabled(false);
    return b;
}

}  // namespace

PicturePane::PicturePane(QWidget* parent) : QWidget(parent)
{
    auto* l = new QVBoxLayout(this);
    Img = new ui::DBImage(this);
    Img->setObjectName(QStringLiteral("Img"));
    Img->setStretch(true);
    Img->setMinimumSize(200, 200);
    lblImg = new QLabel(kNoPicture, this);
    lblImg->setObjectName(QStringLiteral("lblImg"));
    lblImg->setAlignment(Qt::AlignCenter);
    QFont big = lblImg->font();
    big.setPointSize(16);
    lblImg->setFont(big);
    l->addWidget(Img, 1);
    l->addWidget(lblImg, 1);
    Img->setVisible(false);
    auto* buttons = new QHBoxLayout;
    SB_ImgIn = speedButton(this, "SB_ImgIn", QStringLiteral("   导入"));
    SB_ImgOut = speedButton(this, "SB_ImgOut", QStringLiteral("  保存"));
    buttons->addStretch(1);
    buttons->addWidget(SB_ImgIn);
    buttons->addWidget(SB_ImgOut);
    l->addLayout(buttons);
}

PicturePane::~PicturePane() = default;

void PicturePane::showPath(const QString& path)
{
    Img->showFile(isPicturePath(path) ? path : QString());
    const bool shown = Img->hasPicture();
    Img->setVisible(shown);
    lblImg->setVisible(!shown);
    lblImg->setText(shown ? QString() : kNoPicture);
}

bool PicturePane::choose(int maxLength)
{
    const QString path = ui::Msg::openFile(kPictureFilter);
    if (path.isEmpty())
        return false;
    if (maxLength > 0 && data::characterCount(path) > maxLength) {
        ui::Msg::warning(QStringLiteral("图片的路径超过了 %1 个字符，无法保存。请把图片放在路径较短的文件夹中再导入。")
                             .arg(maxLength));
        return false;
    }
    m_chosen = path;
    SB_ImgOut->setEnabled(true);
    showPath(path);
    return true;
}

void PicturePane::forget()
{
    m_chosen.clear();
    SB_ImgOut->setEnabled(false);
}

bool PicturePane::store(data::DataSet* ds, const QString& field)
{
    if (m_chosen.isEmpty())
        return false;
    const bool wasEditing = ds->isEditing();
    data::Field* f = ds->fieldByName(field);
    const QVariant before = f->value();
    auto undo = [&] {
        if (ds->isEditing() && !wasEditing)
            ds->discardEdits();
        else if (ds->isEditing())
            f->setValue(before);
    };
    try {
        ds->edit();
        f->setAsString(m_chosen);
        ds->post();
    } catch (const data::Abort&) {
        undo();
        return false;
    } catch (...) {
        undo();
        throw;
    }
    forget();
    return true;
}
