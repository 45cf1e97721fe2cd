#include "utilities/utilities_window.h"

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

    bindBackups();
    bindClosing();
    bindInitialisation();
    bindCheck();
    installShortcuts(functionKeyShortcuts());
}

void UtilitiesWindow::bindButton(Tab tab, QPushButton* button)
{
    dispatch_.setKey(tab, EV_F5, [button] { button->click(); });
    dispatch_.addReturnStep(button, [button] { button->click(); });
}

void UtilitiesWindow::bindBackups()
{
    connect(backup_->backupButton, &QPushButton::clicked, this, [this] {
        backupDatabase(env_, backupForm_);
        showBackups();
    });
    connect(restore_->restoreButton, &QPushButton::clicked, this, [this] {
        restoreBackup(env_, backupForm_);
        showBackups();
    });
    bindButton(TAB_BACKUP, backup_->backupButton);
    bindButton(TAB_RESTORE, restore_->restoreButton);

    // A row the user selected, by a click or by moving along the list; the row the list marks
    // when it merely gets the focus is not a choice, until Return takes it.
    const auto choose = [this](int row) {
        chooseBackupFolder(backupForm_, row);
        restore_->show(backupForm_);
    };
    connect(restore_->backups, &ListTable::rowPicked, this, [this, choose](int row) {
        if (restore_->backups->selectedRow() == row) choose(row);
    });
    dispatch_.addReturnStep(
        restore_->backups, [this, choose] { choose(restore_->backups->currentIndex().row()); },
        [this] { return restore_->restoreButton; });

    const auto list = [this] {
        listBackups(env_, backupForm_);
        showBackups();
    };
    dispatch_.setTabInitialisation(TAB_BACKUP, [this, list] {
        list();
        backup_->backupButton->setFocus();
    });
    dispatch_.setTabInitialisation(TAB_RESTORE, [this, list] {
        list();
        restore_->backups->setFocus();
    });
}

void UtilitiesWindow::bindClosing()
{
    followProgress(closingForm_.progress, closing_->progress, closing_->status);
    connect(closing_->closeYearButton, &QPushButton::clicked, this, [this] {
        // Once closed, the program has ended: nothing is left to show.
        if (closeFinancialYear(env_, closingForm_)) close();
    });
    bindButton(TAB_CLOSING, closing_->closeYearButton);
    dispatch_.setTabInitialisation(TAB_CLOSING, [this] {
        closing_->showNextYear(closingYear(env_) + 1);
        closing_->closeYearButton->setFocus();
    });
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
    dispatch_.addReturnStep(tab->selectAllButton, [tab] { tab->selectAllButton->click(); });
    bindButton(TAB_INITIALISATION, tab->initialiseButton);

    // Return walks the boxes along their rows (the space bar checks them), then goes to the
    // password, then to "Initialiser".
    const FileGroup order[] = {FileGroup::Receptions,      FileGroup::Invoices, FileGroup::CashOperations,
                               FileGroup::Deliveries,      FileGroup::Payments, FileGroup::BankOperations,
                               FileGroup::Regularisations, FileGroup::Products, FileGroup::ClientsSuppliers};
    const auto box = [tab](FileGroup group) -> QWidget* { return tab->files[static_cast<size_t>(group)]; };
    for (size_t i = 0; i < std::size(order); ++i) {
        QWidget* next = i + 1 < std::size(order) ? box(order[i + 1]) : tab->password;
        dispatch_.addReturnStep(box(order[i]), {}, [next] { return next; });
    }
    dispatch_.addReturnStep(tab->password, {}, [tab] { return tab->initialiseButton; });

    // The password is typed again each time the tab is chosen.
    dispatch_.setTabInitialisation(TAB_INITIALISATION, [this, tab, box] {
        initialisationForm_.password.clear();
        tab->show(initialisationForm_);
        box(FileGroup::Receptions)->setFocus();
    });
}

void UtilitiesWindow::bindCheck()
{
    followProgress(checkForm_.progress, check_->progress, check_->status);
    connect(check_->startButton, &QPushButton::clicked, this, [this] {
        runGeneralCheck(env_, checkForm_);
        check_->show(checkForm_);
    });
    bindButton(TAB_CHECK, check_->startButton);
    dispatch_.setTabInitialisation(TAB_CHECK, [this] { check_->startButton->setFocus(); });
}

void UtilitiesWindow::showBackups()
{
    backup_->show(backupForm_);
    restore_->show(backupForm_);
}

bool UtilitiesWindow::handlesKey(int tab, int event) const { return dispatch_.handlesKey(tab, event); }

void UtilitiesWindow::keyEvent(int event) { dispatch_.keyEvent(tabs()->currentIndex(), event); }

void UtilitiesWindow::tabSelected(int index) { dispatch_.initialiseTab(index); }
