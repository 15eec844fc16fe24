#pragma once
// The help window: help.html from the program's working folder, shown in a
// top-level window of its own titled "帮助". Opening help closes a help window
// that is already open and opens the file again, so it is read afresh.

#include <QWidget>

class QTextBrowser;

class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    // Shows the file; the window frees itself when closed.
    explicit TfrmHelp(const QString& file);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

namespace app {

// The help file's name, looked for in the working folder.
inline constexpr const char16_t* kHelpFileName = u"help.html";

// 帮助: closes an open help window, then opens the help file of the folder;
// a missing or unreadable file is reported in an error box.
void openHelp(const QString& folder);

}  // namespace app
