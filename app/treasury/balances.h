#pragma once
// The running account of a client-supplier, never stored: its opening balance plus deliveries,
// minus receptions, minus payments received, plus payments issued. A positive balance is owed
// to the business by the client-supplier, a negative one is owed by the business to him.

#include <QString>

struct Env;

struct ClientSupplierBalance {
    bool found = false; // false for an empty name or a name not in fCF
    QString code;
    qint64 balance = 0; // hundredths
    QString text;       // formatAmount(balance)
};

ClientSupplierBalance computeClientSupplierBalance(Env& env, const QString& name);
// The same balance for the client-supplier with that code and opening balance (fCF.si).
qint64 computeBalanceOfCode(Env& env, const QString& code, const QString& openingBalance);

struct BalanceBefore {
    qint64 balance = 0;
    QString text;
};

// The balance counting only the movements dated before `startDateNum` (that day excluded).
BalanceBefore computeBalanceBefore(Env& env, const QString& code, const QString& openingBalance, qint64 startDateNum);
