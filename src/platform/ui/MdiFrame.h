#pragma once
// The program's main window: an MDI frame whose menus and tool bars belong to
// the module being worked in.
//
// Each module builds its own menu bar (newMenuBar()) and tool bar
// (newToolBar()) once; installMenuBar() and showToolBar() switch which one is
// in use, without destroying the others. The frame also offers the status-bar
// panels, the four window actions, a picture behind the child windows and
// labels drawn over that background (a bold "please wait" text while a long
// operation runs). Closing the frame by its caption button terminates the
// program. The first frame made is the MDI host of OpenChildForm.

#include <QMainWindow>
#include <QPixmap>
#include <QVector>

class QLabel;
class QMdiArea;
class QMenuBar;
class QToolBar;
class QAction;

namespace ui {

class MdiFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiFrame(QWidget* parent = nullptr);
    ~MdiFrame() override;

    QMdiArea* mdiArea() const { return m_area; }

    // --- menus and tool bars ---------------------------------------------
    // A menu bar owned by the frame, not yet installed.
    QMenuBar* newMenuBar(const QString& name = QString());
    // Installs a menu bar made by newMenuBar(); the one in use before is kept.
    void installMenuBar(QMenuBar* bar);
    QMenuBar* installedMenuBar() const;
    // A tool bar in the frame's top area, hidden until showToolBar().
    QToolBar* newToolBar(const QString& name = QString());
    // Shows this tool bar and hides every other one made by newToolBar().
    void showToolBar(QToolBar* bar);
    QToolBar* shownToolBar() const;
    const QVector<QToolBar*>& toolBars() const { return m_toolBars; }

    // --- window actions --------------------------------------------------
    void cascade();
    // Child windows one above the other, each as wide as the area.
    void tileHorizontally();
    // Child windows side by side, each as high as the area.
    void tileVertically();
    void minimizeAll();
    // The four as actions, captioned for the 窗口 menu; the same action objects
    // may stand in every module's menu.
    QAction* cascadeAction() const { return m_cascade; }
    QAction* tileHorizontalAction() const { return m_tileH; }
    QAction* tileVerticalAction() const { return m_tileV; }
    QAction* minimizeAllAction() const { return m_minAll; }

    // --- status bar ------------------------------------------------------
    void setPanelCount(int count);
    int panelCount() const { return int(m_panels.size()); }
    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;
    void setPanelWidth(int index, int width);

    // --- background ------------------------------------------------------
    // A picture centred behind the child windows.
    void setBackgroundPicture(const QPixmap& picture);
    // A label drawn over the background (above the child windows), hidden
    // until shown.
    QLabel* addBackgroundLabel(const QString& text, const QPoint& pos, bool bold = true);
    // Shows a label and paints it at once, for use before a long operation
    // that keeps the event loop from running.
    void showLabelNow(QLabel* label);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QMdiArea* m_area;
    QVector<QToolBar*> m_toolBars;
    QVector<QLabel*> m_panels;
    QAction* m_cascade;
    QAction* m_tileH;
    QAction* m_tileV;
    QAction* m_minAll;
};

}  // namespace ui
