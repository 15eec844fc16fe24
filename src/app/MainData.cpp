// The frame's whole-database commands of the data module (数据备份, 数据恢复,
// 数据总清) and the help command of every module.

#include "app/BackupCheck.h"
#include "app/BackupIni.h"
#include "app/BackupWriter.h"
#include "app/ClearData.h"
#include "app/Help.h"
#include "app/LiveDatabase.h"
#include "app/Main.h"
#include "app/Openers.h"
#include "app/RestoreData.h"
#include "app/SoleSession.h"
#include "platform/data/Dialect.h"
#include "platform/data/Error.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/Msg.h"
#include "platform/ui/OpenChildForm.h"
#include "session/DMRegion.h"
#include "session/Session.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <memory>

namespace {

const QString kBackupFilter = QStringLiteral("数据库备份文件|*.db");

QString causeOf(const std::exception& e)
{
    if (const auto* d = dynamic_cast<const data::Error*>(&e))
        return d->message();
    return QString::fromLocal8Bit(e.what());
}

// Lets the screen repaint (no user input is taken meanwhile).
void repaintNow()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Keeps the frame painted between batches of a long operation on the one
// user-interface thread, a few times a second at most.
app::DataProgress keepPainted()
{
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return [clock](const QString&) {
        if (clock->elapsed() < 100)
            return;
        repaintNow();
        clock->restart();
    };
}

// Restore and clearing change every table: not for a browse-only user, and
// on a server not while other workstations are connected.
bool mayReplaceData()
{
    if (session::browseOnly()) {
        ui::Msg::warning(refusalText());
        return false;
    }
    const int others = DM->connection()->dialect().otherClientSessions(*DM->connection());
    if (others > 0) {
        ui::Msg::warning(app::otherSessionsText(others));
        return false;
    }
    return true;
}

}  // namespace

void TmdiForm::createDataLabels()
{
    auto make = [this](const QString& text, const QString& name) {
        QLabel* l = addBackgroundLabel(text, QPoint(40, 40));
        l->setObjectName(name);
        QFont f = l->font();
        f.setPointSize(18);
        l->setFont(f);
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, QColor(0, 255, 255));
        l->setPalette(p);
        l->adjustSize();
        return l;
    };
    lbl_bf = make(QStringLiteral("数据正在备份中．．．"), QStringLiteral("lbl_bf"));
    lbl_hf = make(QStringLiteral("数据正在恢复中．．．"), QStringLiteral("lbl_hf"));
    lbl_zq = make(QStringLiteral("数据正在清除中，请稍后．．．"), QStringLiteral("lbl_zq"));
}

void TmdiForm::hideLabel(QLabel* label)
{
    label->hide();
}

void TmdiForm::BackupClick()
{
    // Dated, so the name offered is not the live embedded database
    // ("Region.db" in the working folder) that a backup may not replace.
    const QString offered = app::iniDatabaseName(app::iniFilePath())
                            + QDate::currentDate().toString(QStringLiteral("-yyyy-MM-dd")) + QStringLiteral(".db");
    // The replace question below is the program's own; the dialog asks none.
    const QString file = ui::Msg::saveFile(kBackupFilter, offered, QStringLiteral("数据备份"), QStringLiteral("db"),
                                           /*confirmOverwrite=*/false);
    if (file.isEmpty())
        return;
    if (app::isLiveDatabaseFile(*DM->connection(), file)) {
        ui::Msg::warning(QStringLiteral("不能备份到正在使用的数据库文件 %1，请另选文件。").arg(file));
        return;
    }
    showLabelNow(lbl_bf);
    if (QFileInfo::exists(file)
        && !ui::Msg::confirm(file + QStringLiteral("文件已经存在，要替换它吗？"), QStringLiteral("另存为"))) {
        hideLabel(lbl_bf);
        return;
    }
    DoBackup(file);
}

bool TmdiForm::DoBackup(const QString& file)
{
    try {
        app::writeBackup(*DM->connection(), file, keepPainted());
    } catch (const std::exception& e) {
        ui::Msg::error(QStringLiteral("数据备份失败！\n%1").arg(causeOf(e)));
        hideLabel(lbl_bf);
        return false;
    }
    repaintNow();
    ui::Msg::plain(QStringLiteral("数据备份完成"), QStringLiteral("成功！"));
    hideLabel(lbl_bf);
    return true;
}

void TmdiForm::RestoreClick()
{
    if (!mayReplaceData())
        return;
    showLabelNow(lbl_hf);
    const QString file = ui::Msg::openFile(kBackupFilter, QString(), QStringLiteral("数据恢复"));
    if (file.isEmpty()) {
        hideLabel(lbl_hf);
        return;
    }
    if (app::isLiveDatabaseFile(*DM->connection(), file)) {
        hideLabel(lbl_hf);
        ui::Msg::warning(QStringLiteral("%1 是正在使用的数据库文件，不能用来恢复，请选择备份文件。").arg(file));
        return;
    }
    DoRestore(file);
    hideLabel(lbl_hf);
}

bool TmdiForm::DoRestore(const QString& file)
{
    try {
        app::checkBackupFile(file, keepPainted());
    } catch (const std::exception& e) {
        hideLabel(lbl_hf);
        ui::Msg::warning(QStringLiteral("数据库恢复失败！\n%1").arg(causeOf(e)));
        return false;
    }
    try {
        app::restoreDatabase(*DM->connection(), file, keepPainted());
    } catch (const std::exception& e) {
        ui::Msg::error(QStringLiteral("数据库恢复失败！，建议手工恢复。。。\n%1").arg(causeOf(e)));
        hideLabel(lbl_hf);
        return false;
    }
    repaintNow();
    ui::Msg::information(QStringLiteral("数据恢复成功！\r该系统将关闭，请重新登录。"));
    hideLabel(lbl_hf);
    ui::terminate();
    return true;
}

void TmdiForm::ClearClick()
{
    if (!mayReplaceData())
        return;
    if (!ui::Msg::confirmWarning(QStringLiteral("数据总清将完全删除数据，且不可恢复！！！请谨慎使用！！！\r确实要总清数据吗？")))
        return;
    showLabelNow(lbl_zq);
    repaintNow();
    try {
        app::clearAllData(*DM->connection(), keepPainted());
    } catch (const std::exception& e) {
        ui::Msg::information(QStringLiteral("数据总清失败！\n%1").arg(causeOf(e)));
        hideLabel(lbl_zq);
        return;
    }
    // Identities restart after clearing: a row still held by a window, saved
    // later, would be written over a new row of the same identity.
    freeChildren();
    for (data::DataSet* d : DM->findChildren<data::DataSet*>())
        if (d->isActive())
            d->requery();
    ui::Msg::information(QStringLiteral("数据总清成功！"));
    hideLabel(lbl_zq);
}

void TmdiForm::HelpClick()
{
    app::openHelp(QDir::currentPath());
}

void registerFrameCommands()
{
    TmdiForm::registerCommand(QStringLiteral("!backup"), [](TmdiForm& f) { f.BackupClick(); });
    TmdiForm::registerCommand(QStringLiteral("!restore"), [](TmdiForm& f) { f.RestoreClick(); });
    TmdiForm::registerCommand(QStringLiteral("!clear"), [](TmdiForm& f) { f.ClearClick(); });
    TmdiForm::registerCommand(QStringLiteral("!help"), [](TmdiForm& f) { f.HelpClick(); });
}
