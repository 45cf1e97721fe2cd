#pragma once
// The utilities window: backup, restore, year-end closing, initialisation of files and the
// general check, each on its tab, and a last tab " FERMER" that closes the window. Its buttons,
// F5 (the tab's button), Return and the restore list reach the operations through the window's
// dispatch tables; opening the window on a tab initialises that tab as selecting it does.

#include "utilities/backups.h"
#include "utilities/file_initialisation.h"
#include "utilities/general_check.h"
#include "utilities/year_end_closing.h"
#include "widgets/functional_window.h"
#include "widgets/window_dispatch.h"

struct Env;
class BackupTab;
class ClosingTab;
class GeneralCheckTab;
class InitialisationTab;
class RestoreTab;
class QPushButton;

// Opens the utilities window on a tab (0 backup ... 4 general data check) and returns when it is closed.
void openUtilitiesWindow(Env& env, int tabIndex);

class UtilitiesWindow final : public FunctionalWindow {
    Q_OBJECT
public:
    enum Tab { TAB_BACKUP, TAB_RESTORE, TAB_CLOSING, TAB_INITIALISATION, TAB_CHECK, TAB_COUNT };

    explicit UtilitiesWindow(Env& env, QWidget* parent = nullptr);

    BackupTab* backupTab() const { return backup_; }
    RestoreTab* restoreTab() const { return restore_; }
    ClosingTab* closingTab() const { return closing_; }
    InitialisationTab* initialisationTab() const { return initialisation_; }
    GeneralCheckTab* checkTab() const { return check_; }

    // Whether a shortcut event does something on a tab (its cell of the key table is filled).
    bool handlesKey(int tab, int event) const;

protected:
    void keyEvent(int event) override;
    void tabSelected(int index) override;

private:
    void bindBackups();
    void bindClosing();
    void bindInitialisation();
    void bindCheck();
    void showBackups();
    // F5 and Return on the button press it.
    void bindButton(Tab tab, QPushButton* button);

    Env& env_;
    BackupForm backupForm_;
    ClosingForm closingForm_;
    InitialisationForm initialisationForm_;
    GeneralCheckForm checkForm_;

    BackupTab* backup_;
    RestoreTab* restore_;
    ClosingTab* closing_;
    InitialisationTab* initialisation_;
    GeneralCheckTab* check_;

    WindowDispatch dispatch_{TAB_COUNT};
};
