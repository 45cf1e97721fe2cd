#pragma once
// The cash and bank journals: the movements of the till or of the bank account over a period,
// from the balance at its start, with a running balance; and the journal of everything paid or
// received in cash with documents and payments. What counts in the till or the account is what
// counts in the cash and bank positions, so a journal that runs to the last movement ends on
// the position's new balance.

#include <QString>

#include "common/list_view.h"

struct Env;

enum class TreasuryBook { Cash, Bank };

// The cash or bank journal tab as the user sees it.
struct TreasuryJournalForm {
    QString from, to; // "PERIODE DU :" and "AU :"
    ListView list;    // Date, libellé, Recette, Dépense, SOLDE
    int progress = 0;
    // The position of all dates under the list; the opening balance can be typed over.
    QString openingBalance, totalReceipts, totalExpenses, finalBalance;
};

enum TreasuryJournalColumn { TJ_DATE, TJ_LABEL, TJ_RECEIPT, TJ_EXPENSE, TJ_BALANCE };

inline constexpr int TREASURY_JOURNAL_PROGRESS_MAXIMUM = 100;

// "ANCIEN SOLDE..." with the balance at the start of the period, then the period's movements by
// date and label, each with the running balance. Ends by refreshing the position fields. Period
// messages in an "Erreur" box leave the list empty.
void showCashJournal(Env& env, TreasuryJournalForm& form);
void showBankJournal(Env& env, TreasuryJournalForm& form);

// The four position fields under the list: the cash (or bank) position of all dates, as the
// treasury window shows it. They are emptied when the position cannot be counted.
void refreshJournalCashFields(Env& env, TreasuryJournalForm& form);
void refreshJournalBankFields(Env& env, TreasuryJournalForm& form);

// The journal tab of everything paid or received in cash.
struct CashPaymentJournalForm {
    QString from, to;
    ListView list; // DATE, libellé, TOTAL DOC., VERS. RECUS, VERS. EMIS; a last total row
    int progress = 0;
};

enum CashPaymentColumn { CP_DATE, CP_LABEL, CP_DOCUMENT_TOTAL, CP_RECEIVED, CP_PAID_OUT };

// Deliveries and receptions paid in cash and cash payments of the period, by date, kind and
// number, with their totals.
void showCashPaymentJournal(Env& env, CashPaymentJournalForm& form);
