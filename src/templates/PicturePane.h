#pragma once
// A record's picture page: the picture file whose path the record keeps,
// with 导入 to choose another file and 保存 to store its path. Only the path
// is stored; the file stays where it is.
//
// "A", null and empty text stand for no picture; a missing or unreadable
// file shows the same as none ("无图片资料"), never an error box. A chosen
// path belongs to the record it was chosen for: the window forgets it when
// another record is shown.

#include <QString>
#include <QWidget>

class QLabel;

namespace data {
class DataSet;
}
namespace ui {
class DBImage;
class SpeedButton;
}

class PicturePane : public QWidget {
    Q_OBJECT
public:
    explicit PicturePane(QWidget* parent = nullptr);
    ~PicturePane() override;

    ui::DBImage* Img = nullptr;
    QLabel* lblImg = nullptr;
    ui::SpeedButton* SB_ImgIn = nullptr;   // starts disabled
    ui::SpeedButton* SB_ImgOut = nullptr;  // enabled while a chosen path waits

    // Shows the picture of a path as stored.
    void showPath(const QString& path);
    // Asks for a picture file; keeps its path, shows the picture and offers
    // 保存. A path longer than `maxLength` characters (when not 0) cannot be
    // stored and is refused with a warning. False when nothing was kept.
    bool choose(int maxLength);
    const QString& chosen() const { return m_chosen; }
    // Drops a chosen path not yet stored and withdraws 保存.
    void forget();
    // Writes the chosen path into the field of the dataset's current row and
    // posts the row, through the dataset's checks; a refused post leaves the
    // row as it was, path and all. True when stored.
    bool store(data::DataSet* ds, const QString& field);

private:
    QString m_chosen;
};
