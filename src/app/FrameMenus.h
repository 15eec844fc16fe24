#pragma once
// The frame's per-module menus and tool bars, as data.
//
// Each module's own menus are written as an indented outline, one entry per
// line: two spaces per level; "-" is a separator; "[...]" marks an entry that
// is never shown; "= Key" (or "= Key/EmpKind") makes the entry an opener;
// "= !action" runs one of the frame's own commands.

#include <QString>
#include <vector>

struct ModuleDef {
    const char* caption;       // the button caption, e.g. "收费管理"
    const char* button;        // the navigation window's button, e.g. "SP_Fee"
    const char* menuName;      // e.g. "MainMenuFee"
    const char* toolBarName;   // e.g. "TlB_Fee"
    const char* menus;         // the module's own menus, as an outline
    const char* toolButtons;   // "Name Caption = Key [hint]" lines; "|" is a divider
};

// The eleven modules in the order of the navigation window.
const std::vector<ModuleDef>& frameModules();

// One parsed outline entry.
struct MenuLine {
    int depth = 0;
    QString caption;
    QString target;  // opener key (with "/EmpKind"), "!action", or "" for a sub-menu
    bool separator = false;
    bool hidden = false;
};
std::vector<MenuLine> parseMenuOutline(const QString& outline);

struct ToolLine {
    QString name;
    QString caption;
    QString target;
    QString hint;
    bool divider = false;
};
std::vector<ToolLine> parseToolButtons(const QString& text);
