#pragma once
// The register of cars kept in the districts "车辆信息", with a picture of
// each car on its second page. The plate is required but may repeat.
//
// The picture follows the car shown, however it was reached. 导入 is offered
// with the edit switch while a stored car is shown (never to a browse-only
// user); the path chosen belongs to that car, and 保存 stores it through the
// same checks as Save.

#include "templates/RegisterEditor.h"

class PicturePane;
class QLabel;
namespace ui {
class DBImage;
class SpeedButton;
}

// The register's row of the register table.
RegisterConfig carRegister();

class TfrmCar : public RegisterEditor {
    Q_OBJECT
public:
    explicit TfrmCar(QWidget* parent = nullptr);
    ~TfrmCar() override;

    // Page "图片" (the pane's controls).
    PicturePane* TS_Pic = nullptr;
    ui::DBImage* Img = nullptr;
    QLabel* lblImg = nullptr;
    ui::SpeedButton* SB_ImgIn = nullptr;
    ui::SpeedButton* SB_ImgOut = nullptr;

    void CheckBoxClick() override;
    void TB_ModiClick() override;
    void SB_ImgInClick();
    void SB_ImgOutClick();

    // The picture path chosen with 导入 and not yet saved ("" when none).
    const QString& importedPicture() const;

private:
    void followCar();
    bool storedCarShown() const;

    qint64 m_carTag = 0;  // the row whose picture is shown; -1 a new car
};
extern TfrmCar* frmCar;
