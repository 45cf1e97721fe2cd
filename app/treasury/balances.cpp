#include "treasury/balances.h"

#include "common/env.h"
#include "common/values.h"

namespace {

// Opening balance + deliveries - receptions - payments received + payments issued, each movement
// summed by one statement; `period` narrows every sum (bound after the code).
qint64 sumMovements(Env& env, const QString& code, const QString& openingBalance, const QString& period,
                    const QVariantList& periodArgs)
{
    const auto sum = [&](DbNumber db, const QString& sql) {
        return integerValue(env.store.scalar(db, sql + period, QVariantList{code} + periodArgs));
    };
    const qint64 delivered = sum(DB_BL, QStringLiteral("SELECT SUM(ht-ver-remise) FROM Fbl where codeCF=?"));
    const qint64 received = sum(DB_BR, QStringLiteral("SELECT SUM(ht-ver-remise) FROM Fbr where codeCF=?"));
    const qint64 paidIn = sum(DB_VER, QStringLiteral("SELECT SUM(mnt) FROM fverR where codeCF=?"));
    const qint64 paidOut = sum(DB_VER, QStringLiteral("SELECT SUM(mnt) FROM fverE where codeCF=?"));
    return integerValue(openingBalance) + delivered - received - paidIn + paidOut;
}

} // namespace

ClientSupplierBalance computeClientSupplierBalance(Env& env, const QString& name)
{
    ClientSupplierBalance result;
    if (name.isEmpty()) return result;
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {name});
    if (found.isEmpty()) return result;
    result.found = true;
    result.code = found.first(0);
    result.balance = computeBalanceOfCode(env, result.code, found.first(8));
    result.text = formatAmount(result.balance);
    return result;
}

qint64 computeBalanceOfCode(Env& env, const QString& code, const QString& openingBalance)
{
    return sumMovements(env, code, openingBalance, QString(), {});
}

BalanceBefore computeBalanceBefore(Env& env, const QString& code, const QString& openingBalance, qint64 startDateNum)
{
    // DateNum values of the years the program deals with all have ten digits, so the bound
    // orders them by date whether the column compares as text or as a number.
    const qint64 balance = sumMovements(env, code, openingBalance, QStringLiteral(" and datenum<?"),
                                        {QString::number(startDateNum)});
    return {balance, formatAmount(balance)};
}
