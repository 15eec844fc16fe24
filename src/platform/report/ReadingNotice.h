#pragma once
// The small window " 正在读入。。。" shown while a printout draws its pages.

#include <QPointer>
#include <QWidget>

namespace report {

class ReadingNotice {
public:
    explicit ReadingNotice(QWidget* parent);
    ~ReadingNotice();
    ReadingNotice(const ReadingNotice&) = delete;
    ReadingNotice& operator=(const ReadingNotice&) = delete;

private:
    QPointer<QWidget> m_window;
};

}  // namespace report
