#include "platform/ui/Msg.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <deque>

namespace ui {

namespace {

struct Script {
    bool on = false;
    std::deque<bool> answers;
    std::deque<Choice> choices;
    std::deque<QString> files;
    std::deque<std::pair<bool, QString>> inputs;
    QVector<MsgRecord> log;
};

Script& script()
{
    static Script s;
    return s;
}

QString captionOr(const QString& caption)
{
    return caption.isEmpty() ? Msg::appTitle() : caption;
}

QWidget* dialogParent()
{
    return QApplication::activeWindow();
}

// A lone carriage return is a line break in the program's texts.
QString shownText(const QString& text)
{
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A window manager cuts a title that does not fit beside the title bar's
// icon and buttons ("物… 理"), and a box with a short text is narrow: boxes
// are made at least as wide as their whole title needs.
int widthForTitle(const QString& title)
{
    const QFontMetrics font(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    // The icon, the close button and the margins of the title bar.
    const int decoration = 5 * font.height();
    return font.horizontalAdvance(title) + decoration;
}

void fitTitle(QMessageBox& box)
{
    // The box sets its own fixed size from its layout's minimum.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// Shows a real box; returns true when OK was pressed.
bool showBox(QMessageBox::Icon icon, const QString& caption, const QString& text, bool withCancel)
{
    QMessageBox box(icon, caption, shownText(text), QMessageBox::NoButton, dialogParent());
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    if (withCancel) {
        QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
        box.setEscapeButton(cancel);
    } else {
        box.setEscapeButton(ok);
    }
    box.setDefaultButton(ok);
    fitTitle(box);
    box.exec();
    return box.clickedButton() == ok;
}

void simple(MsgKind kind, QMessageBox::Icon icon, const QString& text, const QString& caption)
{
    const QString cap = captionOr(caption);
    if (script().on) {
        script().log.push_back({kind, cap, text, QStringLiteral("OK")});
        return;
    }
    showBox(icon, cap, text, false);
}

QString fileDialog(MsgKind kind, const QString& filter, const QString& dir, const QString& caption,
                   const QString& suffix, bool confirmOverwrite = true)
{
    const QString cap = captionOr(caption);
    if (script().on) {
        QString chosen;
        if (!script().files.empty()) {
            chosen = script().files.front();
            script().files.pop_front();
        }
        script().log.push_back({kind, cap, filter, chosen});
        return chosen;
    }
    QFileDialog dlg(dialogParent(), cap, dir, qtFileFilter(filter));
    dlg.setAcceptMode(kind == MsgKind::OpenFile ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dlg.setFileMode(kind == MsgKind::OpenFile ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!suffix.isEmpty())
        dlg.setDefaultSuffix(suffix);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return dlg.selectedFiles().first();
}

}  // namespace

QString Msg::appTitle()
{
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("物业管理") : name;
}

void Msg::warning(const QString& text, const QString& caption)
{
    simple(MsgKind::Warning, QMessageBox::Warning, text, caption);
}

namespace {

bool confirmWith(QMessageBox::Icon icon, const QString& text, const QString& caption)
{
    const QString cap = captionOr(caption);
    if (script().on) {
        bool ok = true;
        if (!script().answers.empty()) {
            ok = script().answers.front();
            script().answers.pop_front();
        }
        script().log.push_back({MsgKind::Confirm, cap, text, ok ? QStringLiteral("OK") : QStringLiteral("Cancel")});
        return ok;
    }
    return showBox(icon, cap, text, true);
}

}  // namespace

bool Msg::confirm(const QString& text, const QString& caption)
{
    return confirmWith(QMessageBox::Question, text, caption);
}

bool Msg::confirmWarning(const QString& text, const QString& caption)
{
    return confirmWith(QMessageBox::Warning, text, caption);
}

Choice Msg::question(const QString& text, const QString& caption)
{
    const QString cap = captionOr(caption);
    if (script().on) {
        Choice c = Choice::Yes;
        if (!script().choices.empty()) {
            c = script().choices.front();
            script().choices.pop_front();
        }
        static const char* const names[] = {"Yes", "No", "Cancel"};
        script().log.push_back({MsgKind::Question, cap, text, QString::fromLatin1(names[int(c)])});
        return c;
    }
    QMessageBox box(QMessageBox::Question, cap, shownText(text), QMessageBox::NoButton, dialogParent());
    QPushButton* yes = box.addButton(QStringLiteral("是"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("否"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    fitTitle(box);
    box.exec();
    if (box.clickedButton() == yes)
        return Choice::Yes;
    if (box.clickedButton() == no)
        return Choice::No;
    return Choice::Cancel;
}

void Msg::information(const QString& text, const QString& caption)
{
    simple(MsgKind::Information, QMessageBox::Information, text, caption);
}

void Msg::plain(const QString& text, const QString& caption)
{
    simple(MsgKind::Plain, QMessageBox::NoIcon, text, caption);
}

void Msg::error(const QString& text, const QString& caption)
{
    simple(MsgKind::Error, QMessageBox::Critical, text, caption);
}

bool Msg::input(const QString& caption, const QString& prompt, QString& value)
{
    const QString cap = captionOr(caption);
    if (script().on) {
        std::pair<bool, QString> a{false, QString()};
        if (!script().inputs.empty()) {
            a = script().inputs.front();
            script().inputs.pop_front();
        }
        script().log.push_back({MsgKind::Input, cap, prompt, a.first ? a.second : QStringLiteral("Cancel")});
        if (a.first)
            value = a.second;
        return a.first;
    }
    QInputDialog dlg(dialogParent());
    dlg.setWindowTitle(cap);
    dlg.setLabelText(shownText(prompt));
    dlg.setTextValue(value);
    dlg.setOkButtonText(QStringLiteral("确定"));
    dlg.setCancelButtonText(QStringLiteral("取消"));
    dlg.setMinimumWidth(widthForTitle(cap));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    value = dlg.textValue();
    return true;
}

QString Msg::openFile(const QString& filter, const QString& dir, const QString& caption)
{
    return fileDialog(MsgKind::OpenFile, filter, dir, caption.isEmpty() ? QStringLiteral("打开") : caption,
                      QString());
}

QString Msg::saveFile(const QString& filter, const QString& dir, const QString& caption,
                      const QString& defaultSuffix, bool confirmOverwrite)
{
    return fileDialog(MsgKind::SaveFile, filter, dir, caption.isEmpty() ? QStringLiteral("另存为") : caption,
                      defaultSuffix, confirmOverwrite);
}

void Msg::setScripted(bool on)
{
    script().on = on;
}

bool Msg::scripted()
{
    return script().on;
}

void Msg::queueAnswer(bool ok)
{
    script().answers.push_back(ok);
}

void Msg::queueChoice(Choice c)
{
    script().choices.push_back(c);
}

void Msg::queueFileName(const QString& path)
{
    script().files.push_back(path);
}

void Msg::queueInput(bool ok, const QString& text)
{
    script().inputs.emplace_back(ok, text);
}

const QVector<MsgRecord>& Msg::log()
{
    return script().log;
}

void Msg::clearLog()
{
    script().log.clear();
}

QStringList Msg::texts(MsgKind kind)
{
    QStringList out;
    for (const MsgRecord& r : script().log)
        if (r.kind == kind)
            out << r.text;
    return out;
}

void Msg::clearQueue()
{
    script().answers.clear();
    script().choices.clear();
    script().files.clear();
    script().inputs.clear();
}

QString qtFileFilter(const QString& filter)
{
    if (filter.isEmpty())
        return QString();
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        QString text = parts[i];
        // The text often repeats the patterns already: "All(*.jpg;*.bmp)".
        const int paren = text.indexOf(u'(');
        if (paren >= 0)
            text = text.left(paren).trimmed();
        out << QStringLiteral("%1 (%2)").arg(text, patterns);
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace ui
