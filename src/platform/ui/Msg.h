#pragma once
// Every message box and file dialog of the program goes through here, so that
// one place decides how they look (Chinese button texts, the program's title as
// the default caption) and tests can answer them and read what was shown.
//
// In scripted mode (tests) nothing is shown: each call is recorded, a
// confirmation takes the next queued answer (OK when none is queued), a
// question the next queued choice (Yes when none is queued), and a file dialog
// takes the next queued file name ("" - cancelled - when none is).

#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace ui {

enum class MsgKind { Warning, Confirm, Information, Plain, Error, OpenFile, SaveFile, Input, Question };

// The answers of a question with three buttons.
enum class Choice { Yes, No, Cancel };

struct MsgRecord {
    MsgKind kind;
    QString caption;
    QString text;    // the message, the prompt of an input box, or a file dialog's filter
    QString answer;  // "OK" / "Cancel", "Yes" / "No" / "Cancel", the file name chosen, or the text entered
};

class Msg {
public:
    // The program's title, the caption of boxes that name none.
    static QString appTitle();

    // A warning with an OK button.
    static void warning(const QString& text, const QString& caption = QString());
    // A confirmation with OK and Cancel; true for OK.
    static bool confirm(const QString& text, const QString& caption = QString());
    // The same with a warning sign, before something that cannot be undone.
    static bool confirmWarning(const QString& text, const QString& caption = QString());
    // A question with Yes, No and Cancel (Escape and closing the box are Cancel).
    static Choice question(const QString& text, const QString& caption = QString());
    static void information(const QString& text, const QString& caption = QString());
    // A box without an icon, with an OK button.
    static void plain(const QString& text, const QString& caption = QString());
    // An error box with an OK button (the default error box uses it).
    static void error(const QString& text, const QString& caption = QString());

    // An input box with a prompt, an edit holding `value` and OK / Cancel.
    // True for OK, with the text entered in `value`; on Cancel `value` is
    // left as it was.
    static bool input(const QString& caption, const QString& prompt, QString& value);

    // File dialogs; the filter is written "Text|*.a;*.b|Text|*.c". Return the
    // chosen path, or "" when cancelled.
    static QString openFile(const QString& filter = QString(), const QString& dir = QString(),
                            const QString& caption = QString());
    // A save dialog asks before replacing an existing file unless
    // confirmOverwrite is false (the caller then asks in its own words).
    static QString saveFile(const QString& filter = QString(), const QString& dir = QString(),
                            const QString& caption = QString(), const QString& defaultSuffix = QString(),
                            bool confirmOverwrite = true);

    // --- scripted mode, for tests -----------------------------------------
    static void setScripted(bool on);
    static bool scripted();
    static void queueAnswer(bool ok);
    // The answer to the next question (Yes when none is queued).
    static void queueChoice(Choice c);
    static void queueFileName(const QString& path);
    // The next input box answers OK with the text, or Cancel (ok false).
    // An input box with nothing queued answers Cancel.
    static void queueInput(bool ok, const QString& text = QString());
    // Everything shown since the last clearLog().
    static const QVector<MsgRecord>& log();
    static void clearLog();
    // Texts of the records of one kind, in order (a convenience for tests).
    static QStringList texts(MsgKind kind);
    // Drops queued answers that nothing asked for.
    static void clearQueue();
};

// Converts a filter written "Text|*.a;*.b|Text|*.c" into Qt's form
// "Text (*.a *.b);;Text (*.c)".
QString qtFileFilter(const QString& filter);

}  // namespace ui
