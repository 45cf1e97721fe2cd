#include "utilities/utilities_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "common/env.h"
#include "utilities/utilities_tabs.h"
#include "widgets/list_table.h"
#include "widgets/screen_fonts.h"

void openUtilitiesWindow(Env& env, int tabIndex)
{
    UtilitiesWindow window(env);
    window.run(tabIndex);
}

UtilitiesWindow::UtilitiesWindow(Env& env, QWidget* parent)
    : FunctionalWindow(QStringLiteral("Logiciel de gestion commerciale - Utilitaires"), QColor(176, 196, 222), parent),
      env_(env)
{
    setFont(screenFont(1));
    // Read once at opening: it names the day's backup and bounds the years of the listed ones.
    backupForm_.today = env.clock.today();
    initialisationForm_.today = backupForm_.today;

    backup_ = new BackupTab;
    restore_ = new RestoreTab;
    closing_ = new ClosingTab;
    initialisation_ = new InitialisationTab;
    check_ = new GeneralCheckTab;
    tabs()->addTab(backup_, QStringLiteral(" SAUVEGARDE"));
    tabs()->addTab(restore_, QStringLiteral(" RESTAURATION"));
    tabs()->addTab(closing_, QStringLiteral(" CLOTURER L'EXERCICE"));
    tabs()->addTab(initialisation_, QStringLiteral(" Initialisation de la base de données"));
    tabs()->addTab(check_, QStringLiteral(" CONTROLE GENERAL"));
    finishTabs();

    keys_.push_back({EV_F5, {}});
    bindBackups();
    bindClosing();
    bindInitialisation();
    bindCheck();
    installShortcuts(functionKeyShortcuts());
}

// F5 and Return on a focused button press the tab's button.
void UtilitiesWindow::bindBackups()
{
    const Action backupNow = [this] {
        backupDatabase(env_, backupForm_);
        showBackups();
    };
    const Action restoreNow = [this] {
        restoreBackup(env_, backupForm_);
        showBackups();
    };
    connect(backup_->backupButton, &QPushButton::clicked, this, backupNow);
    connect(restore_->restoreButton, &QPushButton::clicked, this, restoreNow);
    // A row the user selected, by a click or by moving along the list; the row the list marks
    // when it merely gets the focus is not a choice.
    connect(restore_->backups, &ListTable::rowPicked, this, [this](int row) {
        if (restore_->backups->selectedRow() != row) return;
        chooseBackupFolder(backupForm_, row);
        restore_->show(backupForm_);
    });
    keys_[0].byTab[TAB_BACKUP] = [this] { backup_->backupButton->click(); };
    keys_[0].byTab[TAB_RESTORE] = [this] { restore_->restoreButton->click(); };
    returnSteps_.push_back({restore_->backups,
                            [this] {
                                chooseBackupFolder(backupForm_, restore_->backups->currentIndex().row());
                                restore_->show(backupForm_);
                            },
                            [this] { return restore_->restoreButton; }});

    const Action list = [this] {
        listBackups(env_, backupForm_);
        showBackups();
    };
    tabInitialisation_[TAB_BACKUP] = [this, list] {
        list();
        backup_->backupButton->setFocus();
    };
    tabInitialisation_[TAB_RESTORE] = [this, list] {
        list();
        restore_->backups->setFocus();
    };
}

void UtilitiesWindow::bindClosing()
{
    followProgress(closingForm_.progress, closing_->progress, closing_->status);
    connect(closing_->closeYearButton, &QPushButton::clicked, this, [this] {
        // Once closed, the program has ended: nothing is left to show.
        if (closeFinancialYear(env_, closingForm_)) close();
    });
    keys_[0].byTab[TAB_CLOSING] = [this] { closing_->closeYearButton->click(); };
    tabInitialisation_[TAB_CLOSING] = [this] {
        closing_->showNextYear(closingYear(env_) + 1);
        closing_->closeYearButton->setFocus();
    };
}

void UtilitiesWindow::bindInitialisation()
{
    InitialisationTab* tab = initialisation_;
    followProgress(initialisationForm_.progress, tab->progress, nullptr);
    const auto apply = [this, tab](const std::function<void(InitialisationForm&)>& operation) {
        return [this, tab, operation] {
            tab->read(initialisationForm_);
            operation(initialisationForm_);
            tab->show(initialisationForm_);
        };
    };
    connect(tab->selectAllButton, &QPushButton::clicked, this, apply(selectAllFiles));
    connect(tab->initialiseButton, &QPushButton::clicked, this,
            apply([this](InitialisationForm& form) { initialiseFiles(env_, form); }));
    keys_[0].byTab[TAB_INITIALISATION] = [tab] { tab->initialiseButton->click(); };

    // Return walks the boxes in their rows, then goes to the password, then to "Initialiser".
    const FileGroup order[] = {FileGroup::Receptions,      FileGroup::Invoices,       FileGroup::CashOperations,
                               FileGroup::Deliveries,      FileGroup::Payments,       FileGroup::BankOperations,
                               FileGroup::Regularisations, FileGroup::Products,       FileGroup::ClientsSuppliers};
    for (size_t i = 0; i < std::size(order); ++i) {
        QWidget* next = i + 1 < std::size(order) ? static_cast<QWidget*>(tab->files[static_cast<size_t>(order[i + 1])])
                                                 : tab->password;
        returnSteps_.push_back({tab->files[static_cast<size_t>(order[i])], {}, [next] { return next; }});
    }
    returnSteps_.push_back({tab->password, {}, [tab] { return tab->initialiseButton; }});

    // The password is typed again each time the tab is chosen.
    tabInitialisation_[TAB_INITIALISATION] = [this, tab] {
        initialisationForm_.password.clear();
        tab->show(initialisationForm_);
        tab->files[static_cast<size_t>(FileGroup::Receptions)]->setFocus();
    };
}

void UtilitiesWindow::bindCheck()
{
    followProgress(checkForm_.progress, check_->progress, check_->status);
    connect(check_->startButton, &QPushButton::clicked, this, [this] {
        runGeneralCheck(env_, checkForm_);
        check_->show(checkForm_);
    });
    keys_[0].byTab[TAB_CHECK] = [this] { check_->startButton->click(); };
    tabInitialisation_[TAB_CHECK] = [this] { check_->startButton->setFocus(); };
}

void UtilitiesWindow::showBackups()
{
    backup_->show(backupForm_);
    restore_->show(backupForm_);
}

bool UtilitiesWindow::handlesKey(int tab, int event) const
{
    if (tab < 0 || tab >= TAB_COUNT) return false;
    for (const KeyRow& row : keys_)
        if (row.event == event) return static_cast<bool>(row.byTab[tab]);
    return false;
}

void UtilitiesWindow::keyEvent(int event)
{
    if (event == EV_RETURN) {
        returnPressed();
        return;
    }
    const int tab = tabs()->currentIndex();
    if (tab < 0 || tab >= TAB_COUNT) return;
    for (const KeyRow& row : keys_)
        if (row.event == event && row.byTab[tab]) row.byTab[tab]();
}

void UtilitiesWindow::returnPressed()
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    // A button with the focus is pressed by Return as by the space bar.
    if (auto* button = qobject_cast<QPushButton*>(focused)) {
        button->click();
        return;
    }
    for (const ReturnStep& step : returnSteps_) {
        if (step.control != focused && !step.control->isAncestorOf(focused)) continue;
        if (step.action) step.action();
        if (step.next)
            if (QWidget* next = step.next()) next->setFocus(Qt::TabFocusReason);
        return;
    }
}

void UtilitiesWindow::tabSelected(int index)
{
    if (index >= 0 && index < TAB_COUNT && tabInitialisation_[index]) tabInitialisation_[index]();
}
