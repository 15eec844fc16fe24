#include "app/Back.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TfrmBack* frmBack = nullptr;

TfrmBack::TfrmBack(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    frmBack = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(420, 240);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 64, 128));
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    auto* title = new QLabel(QStringLiteral("物业管理系统"), this);
    title->setFont(QFont(QStringLiteral("楷体_GB2312"), 28, QFont::Bold));
    auto* line = new QLabel(QStringLiteral("正在连接数据库，请稍候……"), this);
    line->setFont(QFont(QStringLiteral("宋体"), 11));
    auto* l = new QVBoxLayout(this);
    l->addStretch();
    l->addWidget(title, 0, Qt::AlignCenter);
    l->addWidget(line, 0, Qt::AlignCenter);
    l->addStretch();
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

TfrmBack::~TfrmBack()
{
    if (frmBack == this)
        frmBack = nullptr;
}

void closeSplash()
{
    if (frmBack)
        frmBack->close();
}
