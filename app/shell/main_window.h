#pragma once
// The main window: menus, toolbar and the presentation picture on grey. Each menu item and
// toolbar button sends its identifier to the main loop's dispatch, which opens a functional
// window on a tab (and returns when that window is closed) or ends the program.

#include <functional>
#include <map>
#include <QMainWindow>

#include "shell/main_commands.h"

struct Env;

// The procedure called for each target, with the tab to show first.
using MainProcedures = std::map<MainTarget, std::function<void(Env&, int)>>;
// openTablesWindow, openStockWindow ... openParametersWindow.
MainProcedures windowProcedures();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Env& env, MainProcedures procedures = windowProcedures(), QWidget* parent = nullptr);

    // Shows the window over the whole desktop as the active window, so that the keyboard reaches
    // its menus at once (Alt and a menu's letter, or F10).
    void open();

    // The main loop's answer to an identifier (menu item or toolbar button).
    void dispatch(int identifier);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void endProgram();

    Env& env_;
    MainProcedures procedures_;
    bool ending_ = false;
};
