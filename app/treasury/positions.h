#pragma once
// The cash and bank positions, never stored: the opening balance kept in fSitres, plus what came
// in, minus what went out, counted afresh from the cash or bank book, the payments made at
// deliveries and receptions and the payments received and issued. A payment mode decides where
// money counts: exactly "ESPECE" in the cash, "A TERME" (credit) nowhere, any other mode in the
// bank.

#include "common/amount.h"

struct Env;

struct TreasuryPosition {
    Amount opening, receipts, expenses, balance;
    // False when a statement failed or a figure left the bound: the figures must not be used
    // (the caller stops).
    bool ok = false;
};

TreasuryPosition computeCashBalance(Env& env);
TreasuryPosition computeBankBalance(Env& env);
