#pragma once
// Shows the picture whose file path the field holds (JPEG, BMP, ICO and the
// other formats Qt reads). A missing or unreadable file, or a value that is
// no path at all, shows nothing: never an error box. The control only shows;
// the windows write the path.

#include "platform/ui/FieldLink.h"

#include <QLabel>
#include <QPixmap>

namespace ui {

class DBImage : public QLabel, public BoundControl {
    Q_OBJECT
public:
    explicit DBImage(QWidget* parent = nullptr);
    DBImage(data::DataSource* source, const QString& fieldName, QWidget* parent = nullptr);
    ~DBImage() override;

    void setReadOnly(bool on) override { m_link.setReadOnly(on); }

    // Scales the picture into the control, keeping its proportions.
    void setStretch(bool on);
    bool hasPicture() const { return !m_picture.isNull(); }
    // Shows a file directly (also used for a file chosen but not yet stored).
    void showFile(const QString& path);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void showField();
    void applyPicture();

    QPixmap m_picture;
    bool m_stretch = false;
};

// Reads a picture file; a null pixmap when it cannot be read.
QPixmap loadPicture(const QString& path);

}  // namespace ui
