#pragma once
// The navigation window: the module buttons the user sees after logging in.
// It runs modally for the rest of the session; the frame and its windows are
// used inside that run.

#include "platform/ui/Form.h"

#include <QDateTime>
#include <functional>
#include <vector>

class QPushButton;
class QTimer;

class TfrmMain1 : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmMain1(QWidget* parent = nullptr);
    ~TfrmMain1() override;

    // Presses a module button (0: 房产管理 ... 10: 系统管理), as the user or
    // the frame's 跳转 menu does.
    void pressModule(int index);
    // Writes the rights text and the date and time into the frame's status bar.
    void ShowStatus();
    // Writes the date and time alone (the clock does, every minute).
    void ShowTime();

    QPushButton* moduleButton(int index) const { return m_modules.at(size_t(index)); }
    QPushButton* SP_Email = nullptr;
    QPushButton* SP_Exit = nullptr;
    QTimer* StatusClock = nullptr;

    // The clock the status bar reads (replaced by tests).
    static std::function<QDateTime()>& clock();
    // The status text for a rights level; "" for a level outside 0-2.
    static QString rightsText(int level);

    void SP_EmailClick();
    void SP_ExitClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void hover(QPushButton* over);
    static int msecsToNextMinute();

    std::vector<QPushButton*> m_modules;
    std::vector<QPushButton*> m_all;
};

// The "about us" window, made anew at each press of 联系我们.
class TfrmAbout : public ui::Form {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    QPushButton* BB_OK = nullptr;
};

extern TfrmMain1* frmMain1;
