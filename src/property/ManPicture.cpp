// The owner window's page "图片": the owner's picture, shown from the path
// the owner row keeps. Only the path is stored; the file stays where it is.

#include "property/Man.h"

#include "platform/data/Error.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/DBImage.h"
#include "platform/ui/Msg.h"
#include "session/DMRegion.h"

#include <QLabel>

namespace {

const QString kNoPicture = QStringLiteral("无图片资料");
const QString kPictureFilter = QStringLiteral(
    "All(*.jpg;*.jpeg;*.bmp;*.ico)|*.jpg;*.jpeg;*.bmp;*.ico|JPEG Image File (*.jpg)|*.jpg|JPEG Image File "
    "(*.jpeg)|*.jpeg|Bitmaps File(*.bmp)|*.bmp|Icons (*.ico)|*.ico");

// "A", null and empty text stand for no picture.
bool isPicturePath(const QString& path)
{
    return !path.trimmed().isEmpty() && path != QStringLiteral("A");
}

}  // namespace

// A picture that cannot be read shows the same as none.
void TfrmMan::showPicture(const QString& path)
{
    Img->showFile(isPicturePath(path) ? path : QString());
    const bool shown = Img->hasPicture();
    Img->setVisible(shown);
    lblImg->setVisible(!shown);
    lblImg->setText(shown ? QString() : kNoPicture);
}

void TfrmMan::forgetImportedPicture()
{
    m_picPath.clear();
    SB_ImgOut->setEnabled(false);
}

void TfrmMan::SB_ImgInClick()
{
    if (!hasOwner())
        return;
    const QString path = ui::Msg::openFile(kPictureFilter);
    if (path.isEmpty())
        return;
    m_picPath = path;
    SB_ImgOut->setEnabled(true);
    showPicture(path);
}

void TfrmMan::SB_ImgOutClick()
{
    // Only a path chosen for the owner shown is written (see followOwner).
    if (m_picPath.isEmpty() || !hasOwner())
        return;
    data::Query* o = DM->AQ_Man;
    const bool wasEditing = o->isEditing();
    data::Field* pic = o->fieldByName(QStringLiteral("Pic"));
    const QVariant before = pic->value();
    // A refused save leaves the owner as it was, path and all.
    auto undo = [&] {
        if (o->isEditing() && !wasEditing)
            o->discardEdits();
        else if (o->isEditing())
            pic->setValue(before);
    };
    try {
        o->edit();
        pic->setAsString(m_picPath);
        o->post();
    } catch (const data::Abort&) {
        undo();
        return;
    } catch (...) {
        undo();
        throw;
    }
    m_picPath.clear();
    SB_ImgOut->setEnabled(false);
    TB_Cancel->setEnabled(false);
    TB_Save->setEnabled(false);
}
