#pragma once
// What the main window offers and where each choice leads: the menus, the toolbar and the main
// loop's dispatch of their identifiers, as data the window is built from.

#include <vector>
#include <QString>

// The procedures the main loop calls; None for the entries that do nothing.
enum class MainTarget { None, Tables, Stock, Treasury, Journals, Utilities, Parameters, EndProgram };

struct MainCommand {
    MainTarget target = MainTarget::None;
    int tab = 0; // the tab shown first by the called window
    bool operator==(const MainCommand&) const = default;
};

// The dispatch of a menu item's or toolbar button's identifier.
MainCommand mainCommand(int identifier);

// A menu item; identifier 0 is a separator.
struct MenuItem {
    int identifier;
    QString text; // "&" marks the letter that chooses the item in its open menu
};
struct Menu {
    QString title; // "&" marks the letter that opens the menu with Alt
    std::vector<MenuItem> items;
};
const std::vector<Menu>& mainMenus();
// A menu's or item's text as read, without its "&".
QString withoutMnemonic(const QString& text);

// Toolbar buttons 100 to 120 in order, each showing picture ":/toolbar/<identifier>.png".
struct ToolbarButton {
    int identifier;
    QString toolTip; // empty for the buttons without an action
};
const std::vector<ToolbarButton>& toolbarButtons();
inline constexpr int TOOLBAR_FILLER_PICTURE = 120;

// How many filler buttons follow the toolbar's own: while the widths placed so far add up to
// less than the window's inner width minus 50, one more filler of `fillerWidth` is placed.
int toolbarFillerCount(const std::vector<int>& placedWidths, int fillerWidth, int innerWidth);
