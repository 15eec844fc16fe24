// The owner window's page "图片": the owner's picture, shown from the path
// the owner row keeps (see PicturePane).

#include "property/Man.h"

#include "platform/data/DataSet.h"
#include "platform/ui/Buttons.h"
#include "session/DMRegion.h"
#include "templates/PicturePane.h"

void TfrmMan::showPicture(const QString& path)
{
    TS_PicPane->showPath(path);
}

void TfrmMan::forgetImportedPicture()
{
    TS_PicPane->forget();
}

const QString& TfrmMan::importedPicture() const
{
    return TS_PicPane->chosen();
}

void TfrmMan::SB_ImgInClick()
{
    if (!hasOwner())
        return;
    TS_PicPane->choose(DM->AQ_Man->fieldByName(QStringLiteral("Pic"))->width());
}

void TfrmMan::SB_ImgOutClick()
{
    // Only a path chosen for the owner shown is written (see followOwner).
    if (!hasOwner() || !TS_PicPane->store(DM->AQ_Man, QStringLiteral("Pic")))
        return;
    TB_Cancel->setEnabled(false);
    TB_Save->setEnabled(false);
}
