#pragma once
// The preview window " 打印预览": shows the recorded pages one at a time and
// can send them to the printer as they are, without drawing them again.

#include "platform/report/DisplayList.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace report {

class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    // canPrint: whether the 打印 button is offered (a printer is there).
    PreviewDialog(const Document& doc, bool canPrint, QWidget* parent = nullptr);

    int pageIndex() const { return m_index; }  // 0-based
    void showPage(int index);
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // True once 打印 was pressed; the dialog then closes.
    bool printRequested() const { return m_printRequested; }
    QString pageText() const;

private:
    void refresh();

    const Document& m_doc;
    int m_index = 0;
    double m_zoom = 1.0;
    bool m_printRequested = false;
    QScrollArea* m_scroll;
    QLabel* m_view;
    QLabel* m_pageLabel;
    QComboBox* m_zoomBox;
    QPushButton* m_first;
    QPushButton* m_prior;
    QPushButton* m_next;
    QPushButton* m_last;
};

}  // namespace report
