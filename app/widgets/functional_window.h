#pragma once
// The frame shared by the functional windows (tables, stock, treasury, journals, utilities):
// a maximised modal window with a tab panel whose last tab " FERMER" closes it, and the
// keyboard shortcuts of the window, each turned into an event number that the window's own
// dispatch table sends to the operation of the current tab.

#include <functional>
#include <vector>
#include <QDialog>
#include <QKeySequence>

#include "print/printer_choices.h"

class QTabWidget;

// Event numbers of the window shortcuts.
enum KeyEvent {
    EV_F1 = 8,
    EV_F2 = 9,
    EV_F3 = 10,
    EV_F4 = 11,
    EV_F5 = 12,
    EV_F6 = 13,
    EV_F8 = 15,
    EV_F12 = 19,
    EV_ALT_DELETE = 21,
    EV_ESCAPE = 22,
    EV_RETURN = 23,
};

struct Shortcut {
    QKeySequence key;
    int event;
};

// Return (and the keypad's Enter), F1-F6, F8, F12, Alt+Delete and Escape.
const std::vector<Shortcut>& functionKeyShortcuts();

class FunctionalWindow : public QDialog {
    Q_OBJECT
public:
    FunctionalWindow(const QString& title, const QColor& background, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    // Adds the closing tab " FERMER" after the others and starts listening to tab changes;
    // call once every tab is in.
    void finishTabs();
    // Selects a tab, shows the window maximised, prepares the tab exactly as selecting it does
    // (tabSelected), then runs the window's loop until it is closed.
    void run(int tabIndex);
    // The same without the loop (for tests and tools that drive the window themselves).
    void showOnTab(int tabIndex);
    // The tab panel stands at (10, 10), as wide as the window minus `widthLess` and as high as
    // the window minus `heightLess` (by default it fills the window but for a 10-pixel border).
    void setPanelSize(int widthLess, int heightLess);

    // Installs the shortcuts; each sends its event number to keyEvent().
    void installShortcuts(const std::vector<Shortcut>& shortcuts);

    // Where the window's prints go: the system print dialog, unless another choice is given here
    // (tests record the jobs; nothing gives the dialog back).
    PrinterChoice& printers() const { return *printers_; }
    void setPrinterChoice(PrinterChoice* printers) { printers_ = printers ? printers : &dialogPrinters_; }

protected:
    // A shortcut was pressed; the current tab is tabs()->currentIndex().
    virtual void keyEvent(int event) = 0;
    // A tab is shown: the window opened on it or the user selected it (never called for
    // " FERMER", which closes the window). It prepares the whole tab: new number, lists,
    // default values and the focus in its first field.
    virtual void tabSelected(int index) = 0;
    // The user is leaving a tab: another tab was selected (`index` is the one left) or the
    // window is closing. The place to offer saving what the tab shows.
    virtual void tabLeft(int index) { Q_UNUSED(index); }

    void closeEvent(QCloseEvent* event) override;

private:
    QTabWidget* tabs_;
    DialogPrinterChoice dialogPrinters_{this};
    PrinterChoice* printers_ = &dialogPrinters_;
    bool listening_ = false;
    int shownTab_ = -1; // the tab the user works on, -1 before opening and once left
};
