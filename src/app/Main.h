#pragma once
// The main window: the MDI frame with a menu bar and a tool bar per module.

#include "platform/ui/MdiFrame.h"

#include <QHash>
#include <QString>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
struct ModuleDef;

class TmdiForm : public ui::MdiFrame {
    Q_OBJECT
public:
    explicit TmdiForm(QWidget* parent = nullptr);
    ~TmdiForm() override;

    // The key of the window in front, as its opener set it (the session's
    // moduleKey() while this frame lives).
    QString ModuleKey;
    // "保安" or "工程": which staff the shared staff window lists.
    QString EmpKind;

    // Installs module i's menu bar and tool bar and caption (the navigation
    // window's module buttons do this, then show the frame).
    void installModule(int index);
    int installedModule() const { return m_module; }

    QMenuBar* moduleMenuBar(int index) const { return m_menuBars.at(index); }
    QToolBar* moduleToolBar(int index) const { return m_toolBars.at(index); }
    // A tool button of a module's tool bar by its name, e.g. "TB_SK".
    QToolButton* toolButton(const QString& name) const { return m_buttons.value(name); }
    // Every action that runs the opener of a key ("Key" or "Key/EmpKind").
    QList<QAction*> openerActions(const QString& target) const { return m_openerActions.values(target); }

    // 返回: frees every child window and hides the frame.
    void mnuBack2Click();
    // 跳转 to a module: frees every child window and presses the module's
    // button of the navigation window.
    void jumpTo(int module);
    // 退出: the program ends at once.
    void TB_ExitClick();

    // The frame's own commands ("!backup", "!restore", "!clear", "!help");
    // each is disabled until its handler is registered.
    using FrameCommand = std::function<void(TmdiForm&)>;
    static void registerCommand(const QString& name, FrameCommand run);

    // Re-reads which openers have a window and enables them accordingly.
    void refreshOpeners();

    // --- the data module's whole-database commands and help (MainData.cpp) ---
    // 数据备份, 数据恢复, 数据总清 and 帮助.
    void BackupClick();
    void RestoreClick();
    void ClearClick();
    void HelpClick();
    // Writes a backup of the database in use to the file (after the user has
    // agreed to replace an existing one) and says how it went; true when done.
    bool DoBackup(const QString& file);
    // Restores the database in use from the file and, when done, ends the
    // program; false (after a message) when the data was left as it was.
    bool DoRestore(const QString& file);

    // The progress labels over the background, hidden until their operation runs.
    QLabel* lbl_bf = nullptr;
    QLabel* lbl_hf = nullptr;
    QLabel* lbl_zq = nullptr;

private:
    void buildModule(int index, const ModuleDef& def);
    void fillMenu(QMenu* menu, const std::vector<struct MenuLine>& lines, size_t& i, int depth);
    void addFixedMenus(QMenuBar* bar, int index);
    QAction* targetAction(const QString& caption, const QString& target, QObject* parent);
    void freeChildren();
    void createDataLabels();
    void hideLabel(QLabel* label);

    int m_module = -1;
    std::vector<QMenuBar*> m_menuBars;
    std::vector<QToolBar*> m_toolBars;
    QHash<QString, QToolButton*> m_buttons;
    QMultiHash<QString, QAction*> m_openerActions;
    QMultiHash<QString, QAction*> m_commandActions;
};

// The one frame of the program (null until it is created).
extern TmdiForm* mdiForm;

// Registers the frame's own commands ("!backup", "!restore", "!clear", "!help").
void registerFrameCommands();
