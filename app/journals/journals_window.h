#pragma once
// The journals window: the reception, delivery and invoice journals, the cash and bank
// journals and the journal of cash payments, each on its tab, and a last tab " FERMER" that
// closes the window. F8 shows the journal of the current tab, F2 prints it.

#include <vector>

#include "widgets/functional_window.h"
#include "widgets/window_dispatch.h"

struct Env;
class DocumentJournalTab;
class TreasuryJournalTab;
class CashPaymentJournalTab;
class JournalTab;
enum class DocumentJournal;

// Opens the journals window on a tab (0 receptions ... 5 cash payments) and returns when it is closed.
void openJournalsWindow(Env& env, int tabIndex);

class JournalsWindow final : public FunctionalWindow {
    Q_OBJECT
public:
    enum Tab { TAB_RECEPTIONS, TAB_DELIVERIES, TAB_INVOICES, TAB_CASH, TAB_BANK, TAB_CASH_PAYMENTS, TAB_COUNT };

    explicit JournalsWindow(Env& env, QWidget* parent = nullptr);

    DocumentJournalTab* documentTab(DocumentJournal journal) const;
    TreasuryJournalTab* cashTab() const { return cash_; }
    TreasuryJournalTab* bankTab() const { return bank_; }
    CashPaymentJournalTab* cashPaymentTab() const { return cashPayments_; }

    // Whether a shortcut event does something on a tab.
    bool handlesKey(int tab, int event) const { return dispatch_.handlesKey(tab, event); }

protected:
    void keyEvent(int event) override;
    void tabSelected(int index) override;

private:
    void bindDocumentTab(DocumentJournalTab* tab, Tab index);
    void bindTreasuryTab(TreasuryJournalTab* tab, Tab index);
    void bindCashPaymentTab();
    // F2 and F8 and their buttons; Return along the entries (the period, then the filters),
    // showing the journal on the last.
    void bindShowAndPrint(Tab index, JournalTab* tab, const std::vector<QWidget*>& entries, const WindowDispatch::Action& show,
                          const WindowDispatch::Action& print);

    Env& env_;
    DocumentJournalTab* receptions_;
    DocumentJournalTab* deliveries_;
    DocumentJournalTab* invoices_;
    TreasuryJournalTab* cash_;
    TreasuryJournalTab* bank_;
    CashPaymentJournalTab* cashPayments_;

    WindowDispatch dispatch_;
};
