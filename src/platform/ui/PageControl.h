#pragma once
// Pages of controls under tabs, as one record is shown across several pages.
//
// When the page that holds the focus goes out of sight, the focus goes to the
// tab bar first rather than to whatever control of the window comes next in
// the tab order: a control that acts on being entered (a grid leaves the
// record being typed) is never entered just because a page was switched.

#include <QTabWidget>

namespace ui {

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

protected:
    void tabInserted(int index) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace ui
