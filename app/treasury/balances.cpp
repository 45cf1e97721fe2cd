#include "treasury/balances.h"

#include "common/env.h"

namespace {

// Opening balance + deliveries - receptions - payments received + payments issued, each movement
// summed by one statement; `period` narrows every sum (bound after the code). Nothing when a
// sum failed or the balance leaves the bound.
std::optional<Amount> sumMovements(Env& env, const QString& code, const QString& openingBalance, const QString& period,
                                   const QVariantList& periodArgs)
{
    const auto sum = [&](DbNumber db, const char* sql) {
        return env.store.amountScalar(db, QString::fromLatin1(sql) + period, QVariantList{code} + periodArgs);
    };
    const std::optional<Amount> delivered = sum(DB_BL, "SELECT SUM(ht-ver-remise) FROM Fbl where codeCF=?");
    const std::optional<Amount> received = sum(DB_BR, "SELECT SUM(ht-ver-remise) FROM Fbr where codeCF=?");
    const std::optional<Amount> paidIn = sum(DB_VER, "SELECT SUM(mnt) FROM fverR where codeCF=?");
    const std::optional<Amount> paidOut = sum(DB_VER, "SELECT SUM(mnt) FROM fverE where codeCF=?");
    if (!delivered || !received || !paidIn || !paidOut) return std::nullopt;
    const Amount balance = storedAmount(openingBalance) + *delivered - *received - *paidIn + *paidOut;
    if (!isWithinBound(env.dialogs, balance)) return std::nullopt;
    return balance;
}

} // namespace

ClientSupplierBalance computeClientSupplierBalance(Env& env, const QString& name)
{
    ClientSupplierBalance result;
    if (name.isEmpty()) {
        result.ok = true;
        return result;
    }
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {name});
    if (!found.ok) return result;
    result.ok = true;
    if (found.isEmpty()) return result;
    result.found = true;
    result.code = found.first(0);
    const std::optional<Amount> balance = computeBalanceOfCode(env, result.code, found.first(8));
    result.ok = balance.has_value();
    result.balance = balance.value_or(Amount());
    result.text = formatAmount(result.balance);
    return result;
}

std::optional<Amount> computeBalanceOfCode(Env& env, const QString& code, const QString& openingBalance)
{
    return sumMovements(env, code, openingBalance, QString(), {});
}

BalanceBefore computeBalanceBefore(Env& env, const QString& code, const QString& openingBalance, qint64 startDateNum)
{
    const std::optional<Amount> balance =
        sumMovements(env, code, openingBalance, QStringLiteral(" and datenum<?"), {startDateNum});
    return {balance.value_or(Amount()), formatAmount(balance.value_or(Amount())), balance.has_value()};
}
