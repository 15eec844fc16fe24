#include "app/Main1.h"

#include "app/FrameMenus.h"
#include "app/Main.h"
#include "platform/ui/Buttons.h"
#include "platform/ui/Handler.h"
#include "platform/ui/ModalRun.h"
#include "session/Session.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

TfrmMain1* frmMain1 = nullptr;

namespace {
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);

void setCaptionColour(QPushButton* b, const QColor& c)
{
    QPalette p = b->palette();
    p.setColor(QPalette::ButtonText, c);
    b->setPalette(p);
}
}  // namespace

std::function<QDateTime()>& TfrmMain1::clock()
{
    static std::function<QDateTime()> c = [] { return QDateTime::currentDateTime(); };
    return c;
}

QString TfrmMain1::rightsText(int level)
{
    switch (level) {
    case 0: return QStringLiteral("你的身份为超级管理员");
    case 1: return QStringLiteral("当前用户可以对数据进行任何操作");
    case 2: return QStringLiteral("你只能进行数据的浏览查询");
    default: return QString();
    }
}

TfrmMain1::TfrmMain1(QWidget* parent) : ui::Form(parent)
{
    setObjectName(QStringLiteral("frmMain1"));
    frmMain1 = this;
    setWindowTitle(QStringLiteral("物业管理系统"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(603, 293);
    setMouseTracking(true);

    auto* grid = new QGridLayout;
    const auto& modules = frameModules();
    for (size_t i = 0; i < modules.size(); ++i) {
        auto* b = new ui::SpeedButton(QStringLiteral("  ") + QString::fromUtf8(modules[i].caption), this);
        b->setObjectName(QString::fromUtf8(modules[i].button));
        b->setMinimumHeight(36);
        ui::connectHandler(b, &QPushButton::clicked, this, [this, i] { pressModule(int(i)); });
        grid->addWidget(b, int(i) / 4, int(i) % 4);
        m_modules.push_back(b);
    }
    SP_Email = new ui::SpeedButton(QStringLiteral("  联系我们"), this);
    SP_Email->setObjectName(QStringLiteral("SP_Email"));
    ui::connectHandler(SP_Email, &QPushButton::clicked, this, [this] { SP_EmailClick(); });
    grid->addWidget(SP_Email, 3, 0);
    SP_Exit = new ui::SpeedButton(QStringLiteral("退出 "), this);
    SP_Exit->setObjectName(QStringLiteral("SP_Exit"));
    ui::connectHandler(SP_Exit, &QPushButton::clicked, this, [this] { SP_ExitClick(); });
    grid->addWidget(SP_Exit, 3, 3);

    m_all = m_modules;
    m_all.push_back(SP_Email);
    m_all.push_back(SP_Exit);
    for (QPushButton* b : m_all) {
        b->installEventFilter(this);
        b->setFlat(true);
        setCaptionColour(b, kNavy);
    }

    auto* title = new QLabel(QStringLiteral("物业管理系统"), this);
    QFont tf(QStringLiteral("楷体_GB2312"), 22, QFont::Bold);
    title->setFont(tf);
    title->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("版本 1.0    小区物业管理处使用"), this);
    auto* contact = new QLabel(QStringLiteral("使用中遇到问题，请与系统管理员联系。"), this);
    for (QLabel* l : {version, contact})
        l->setAlignment(Qt::AlignCenter);
    auto* root = new QVBoxLayout(this);
    root->addWidget(title);
    root->addLayout(grid);
    root->addWidget(version);
    root->addWidget(contact);
    centerOnScreen();

    // The status bar's clock is kept current: rewritten as each minute begins.
    StatusClock = new QTimer(this);
    StatusClock->setObjectName(QStringLiteral("StatusClock"));
    connect(StatusClock, &QTimer::timeout, this, [this] {
        ShowTime();
        StatusClock->setInterval(msecsToNextMinute());
    });
    StatusClock->start(msecsToNextMinute());
}

TfrmMain1::~TfrmMain1()
{
    if (frmMain1 == this)
        frmMain1 = nullptr;
}

void TfrmMain1::ShowStatus()
{
    if (!mdiForm)
        return;
    const int level = session::level();
    mdiForm->setPanelWidth(0, 255);
    const QString rights = rightsText(level);
    if (!rights.isEmpty())
        mdiForm->setPanelText(0, rights);
    mdiForm->setPanelWidth(1, 255);
    ShowTime();
}

void TfrmMain1::ShowTime()
{
    if (!mdiForm)
        return;
    const QDateTime now = clock()();
    mdiForm->setPanelText(1, QStringLiteral("当前日期：") + now.toString(QStringLiteral("yyyy-MM-dd"))
                                 + QStringLiteral("    时间：") + now.toString(QStringLiteral("hh:mm")));
}

int TfrmMain1::msecsToNextMinute()
{
    const QTime now = QTime::currentTime();
    return 60000 - (now.second() * 1000 + now.msec()) + 50;
}

void TfrmMain1::pressModule(int index)
{
    if (!mdiForm)
        return;
    ShowStatus();
    mdiForm->installModule(index);
    mdiForm->showMaximized();
    mdiForm->raise();
    mdiForm->activateWindow();
    mdiForm->repaint();
}

void TfrmMain1::SP_EmailClick()
{
    auto* about = new TfrmAbout(this);
    about->show();
}

void TfrmMain1::SP_ExitClick()
{
    ui::terminate();
}

void TfrmMain1::closeEvent(QCloseEvent* e)
{
    // The navigation window has no close box; closing it any other way ends
    // the program, as 退出 does.
    e->accept();
    ui::terminate();
}

void TfrmMain1::hover(QPushButton* over)
{
    for (QPushButton* b : m_all)
        setCaptionColour(b, b == over ? kYellow : kNavy);
}

bool TfrmMain1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        if (auto* b = qobject_cast<QPushButton*>(watched))
            hover(b);
    return ui::Form::eventFilter(watched, event);
}

void TfrmMain1::mouseMoveEvent(QMouseEvent* e)
{
    hover(nullptr);
    ui::Form::mouseMoveEvent(e);
}

TfrmAbout::TfrmAbout(QWidget* parent) : ui::Form(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("关于我们 。。。"));
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Box);
    auto* text = new QLabel(QStringLiteral("物业管理系统\n\n本系统供小区物业管理处使用。\n"
                                           "如需帮助，请与本单位的系统管理员联系。"),
                            panel);
    text->setAlignment(Qt::AlignCenter);
    auto* pl = new QVBoxLayout(panel);
    pl->addWidget(text);
    BB_OK = new QPushButton(QStringLiteral("确定"), this);
    BB_OK->setObjectName(QStringLiteral("BB_OK"));
    // 确定 closes this very window (each press of 联系我们 makes a new one).
    connect(BB_OK, &QPushButton::clicked, this, &QWidget::close);
    auto* root = new QVBoxLayout(this);
    root->addWidget(panel);
    root->addWidget(BB_OK, 0, Qt::AlignCenter);
    setFixedSize(360, 220);
}
