#pragma once
// A client-supplier's account statements over a period: the detailed one lists every document
// line, discount and payment, the cumulative one every document, discount and payment; both
// start from the balance before the period and run a balance through the period's movements
// in date order (debit raises the balance, credit lowers it). And the report of every
// client-supplier's balance with its components ("ETAT GLOBAL DES SOLDES").

#include <QString>

#include "common/list_view.h"

struct Env;

// A statement tab as the user sees it.
struct StatementForm {
    QString name;           // "Client-fournisseur:"
    QString from, to;       // "Période du: " and "au: "
    ListView list;
    QString openingBalance; // "Solde initial:", the client-supplier's initial balance
    QString newBalance;     // "Nouveau solde:"
    int progress = 0;
};

inline constexpr int STATEMENT_PROGRESS_MAXIMUM = 300;

// Columns of the detailed statement.
enum DetailedColumn { DS_DATE, DS_LABEL, DS_QUANTITY, DS_UNIT_PRICE, DS_DEBIT, DS_CREDIT, DS_BALANCE };
// Columns of the cumulative statement.
enum CumulativeColumn { CS_DATE, CS_LABEL, CS_DEBIT, CS_CREDIT, CS_BALANCE };

// Both refuse, in an "Erreur" box and with an empty list, a name that is not a client-supplier's
// ("Le nom du client-fournisseur est incorrect !") and a bad period. The list runs from the
// "ANCIEN SOLDE ..." line to the "NOUVEAU SOLDE ..." line with the period's totals.
void buildDetailedStatement(Env& env, StatementForm& form);
void buildCumulativeStatement(Env& env, StatementForm& form);

// The global balance tab as the user sees it.
struct GlobalBalancesForm {
    bool debtorsOnly = true; // "Débiteurs" checked; "Créditeur" otherwise
    bool showZero = true;    // "Afficher les soldes nuls"
    ListView list;
    int progress = 0;
};

inline constexpr int GLOBAL_BALANCES_PROGRESS_MAXIMUM = 400;

enum GlobalBalanceColumn { GB_NAME, GB_OPENING, GB_RECEIVABLE, GB_PAYABLE, GB_RECEIVED, GB_ISSUED, GB_BALANCE };

// One line per client-supplier in name order, kept by the filter (debtors: balance above 0;
// creditors: below 0, or 0 when zero balances are shown), then the totals of the lines listed.
// The balance is the client-supplier's balance of all dates.
void buildGlobalBalances(Env& env, GlobalBalancesForm& form);
