#pragma once
// The running account of a client-supplier, never stored: its opening balance plus deliveries,
// minus receptions, minus payments received, plus payments issued. A positive balance is owed
// to the business by the client-supplier, a negative one is owed by the business to him.

#include <optional>
#include <QString>

#include "common/amount.h"

struct Env;

struct ClientSupplierBalance {
    bool found = false; // false for an empty name or a name not in fCF
    QString code;
    Amount balance;
    QString text; // formatAmount(balance)
    // False when a statement failed or a figure left the bound (its message is shown): the
    // balance must not be used.
    bool ok = false;
};

ClientSupplierBalance computeClientSupplierBalance(Env& env, const QString& name);
// The same balance for the client-supplier with that code and opening balance (fCF.si);
// nothing when a sum failed or the balance left the bound (its message is shown).
std::optional<Amount> computeBalanceOfCode(Env& env, const QString& code, const QString& openingBalance);

struct BalanceBefore {
    Amount balance;
    QString text;
    bool ok = false;
};

// The balance counting only the movements dated before `startDateNum` (that day excluded).
BalanceBefore computeBalanceBefore(Env& env, const QString& code, const QString& openingBalance, qint64 startDateNum);
