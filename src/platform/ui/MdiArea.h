#pragma once
// The frame's MDI area, with a picture centred on its background.

#include <QMdiArea>
#include <QPixmap>

namespace ui {

class MdiArea : public QMdiArea {
    Q_OBJECT
public:
    explicit MdiArea(QWidget* parent = nullptr);
    void setPicture(const QPixmap& p);
    const QPixmap& picture() const { return m_picture; }
    // Visible child windows that are not minimised, in creation order.
    QList<QMdiSubWindow*> arrangeable() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap m_picture;
};

}  // namespace ui
