#include "platform/report/ReadingNotice.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace report {

ReadingNotice::ReadingNotice(QWidget* parent)
{
    // Nobody sees windows on the offscreen platform (tests, batch runs).
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    auto* w = new QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(QStringLiteral(" 正在读入。。。"));
    auto* layout = new QVBoxLayout(w);
    layout->addWidget(new QLabel(QStringLiteral("正在读入。。。"), w));
    w->resize(240, 60);
    w->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_window = w;
}

ReadingNotice::~ReadingNotice()
{
    if (m_window)
        m_window->close();
}

}  // namespace report
