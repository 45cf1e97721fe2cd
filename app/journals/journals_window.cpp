#include "journals/journals_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "common/env.h"
#include "common/values.h"
#include "journals/journal_tabs.h"
#include "print/journal_printouts.h"
#include "stock/stock.h"
#include "widgets/screen_fonts.h"

void openJournalsWindow(Env& env, int tabIndex)
{
    JournalsWindow window(env);
    window.run(tabIndex);
}

JournalsWindow::JournalsWindow(Env& env, QWidget* parent)
    : FunctionalWindow(QStringLiteral("Logiciel de gestion commerciale - Journaux"), QColor(250, 204, 49), parent),
      env_(env),
      dispatch_(TAB_COUNT)
{
    setFont(screenFont(1));
    receptions_ = new DocumentJournalTab(DocumentJournal::Receptions);
    deliveries_ = new DocumentJournalTab(DocumentJournal::Deliveries);
    invoices_ = new DocumentJournalTab(DocumentJournal::Invoices);
    cash_ = new TreasuryJournalTab(TreasuryBook::Cash);
    bank_ = new TreasuryJournalTab(TreasuryBook::Bank);
    cashPayments_ = new CashPaymentJournalTab;
    tabs()->addTab(receptions_, QStringLiteral(" JOURNAL DES RECEPTIONS"));
    tabs()->addTab(deliveries_, QStringLiteral(" JOURNAL DES LIVRAISONS"));
    tabs()->addTab(invoices_, QStringLiteral(" JOURNAL DES FACTURES"));
    tabs()->addTab(cash_, QStringLiteral(" JOURNAL DE CAISSE"));
    tabs()->addTab(bank_, QStringLiteral(" JOURNAL DE BANQUE"));
    tabs()->addTab(cashPayments_, QStringLiteral("JOURNAL DES VERSEMENTS ESPECE"));
    finishTabs();
    // The panel fills the window: seven tab titles fit a screen 1024 pixels wide in the smallest
    // font, closely set, and the lists get the room below.
    tabs()->tabBar()->setFont(screenFont(0));
    tabs()->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 4px; }"));

    // Every period runs from the first day of the month to today.
    const QDate today = env.clock.today();
    for (QDateEdit* picker : findChildren<QDateEdit*>()) picker->setDate(today);
    for (JournalTab* tab : findChildren<JournalTab*>()) setDatePickerText(tab->from, firstDayOfMonthText(today).text);

    bindDocumentTab(receptions_, TAB_RECEPTIONS);
    bindDocumentTab(deliveries_, TAB_DELIVERIES);
    bindDocumentTab(invoices_, TAB_INVOICES);
    bindTreasuryTab(cash_, TAB_CASH);
    bindTreasuryTab(bank_, TAB_BANK);
    bindCashPaymentTab();
    installShortcuts(functionKeyShortcuts());
}

DocumentJournalTab* JournalsWindow::documentTab(DocumentJournal journal) const
{
    switch (journal) {
    case DocumentJournal::Receptions: return receptions_;
    case DocumentJournal::Deliveries: return deliveries_;
    case DocumentJournal::Invoices: return invoices_;
    }
    return nullptr;
}

void JournalsWindow::bindShowAndPrint(Tab index, JournalTab* tab, const std::vector<QWidget*>& entries,
                                      const WindowDispatch::Action& show, const WindowDispatch::Action& print)
{
    dispatch_.setKey(index, EV_F2, print);
    dispatch_.setKey(index, EV_F8, show);
    connect(tab->showButton, &QPushButton::clicked, this, [show] { show(); });
    connect(tab->printButton, &QPushButton::clicked, this, [print] { print(); });
    // Return goes from one entry to the next; on the last one it shows the journal.
    for (size_t i = 0; i + 1 < entries.size(); ++i)
        dispatch_.addReturnStep(entries[i], {}, [next = entries[i + 1]] { return next; });
    dispatch_.addReturnStep(entries.back(), show, {});
}

void JournalsWindow::bindDocumentTab(DocumentJournalTab* tab, Tab index)
{
    Env& env = env_;
    const WindowDispatch::Action show = [&env, tab] { tab->apply([&] { showDocumentJournal(env, tab->journal, tab->form); }); };
    const WindowDispatch::Action print = [this, tab] {
        tab->apply([&] { printDocumentJournal(env_, printers(), tab->journal, tab->form); });
    };
    bindShowAndPrint(index, tab, {tab->from, tab->to, tab->name, tab->family}, show, print);
    // The name and family lists are filled the first time the tab is shown.
    dispatch_.setTabInitialisation(index, [&env, tab] {
        if (tab->name->count() == 0) setComboItems(tab->name, documentJournalNames(env, tab->journal));
        if (tab->family->count() == 0) setComboItems(tab->family, fillStockJournalFamilyCombo(env));
        tab->from->setFocus(Qt::TabFocusReason);
    });
}

void JournalsWindow::bindTreasuryTab(TreasuryJournalTab* tab, Tab index)
{
    Env& env = env_;
    const bool cash = tab->book == TreasuryBook::Cash;
    const auto run = [&env, tab](void (*operation)(Env&, TreasuryJournalForm&)) {
        return [&env, tab, operation] { tab->apply([&] { operation(env, tab->form); }); };
    };
    const WindowDispatch::Action print = [this, tab] { tab->apply([&] { printTreasuryJournal(env_, printers(), tab->book, tab->form); }); };
    bindShowAndPrint(index, tab, {tab->from, tab->to}, run(cash ? showCashJournal : showBankJournal), print);
    const WindowDispatch::Action refresh = run(cash ? refreshJournalCashFields : refreshJournalBankFields);
    dispatch_.setTabInitialisation(index, [tab, refresh] {
        refresh();
        tab->from->setFocus(Qt::TabFocusReason);
    });
}

void JournalsWindow::bindCashPaymentTab()
{
    Env& env = env_;
    CashPaymentJournalTab* tab = cashPayments_;
    const WindowDispatch::Action show = [&env, tab] { tab->apply([&] { showCashPaymentJournal(env, tab->form); }); };
    const WindowDispatch::Action print = [this, tab] { tab->apply([&] { printCashPaymentJournal(env_, printers(), tab->form); }); };
    bindShowAndPrint(TAB_CASH_PAYMENTS, tab, {tab->from, tab->to}, show, print);
    dispatch_.setTabInitialisation(TAB_CASH_PAYMENTS, [tab] { tab->from->setFocus(Qt::TabFocusReason); });
}

void JournalsWindow::keyEvent(int event) { dispatch_.keyEvent(tabs()->currentIndex(), event); }

void JournalsWindow::tabSelected(int index) { dispatch_.initialiseTab(index); }
