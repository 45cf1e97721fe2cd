#include "treasury/positions.h"

#include "common/env.h"

namespace {

struct SumStatement {
    DbNumber db;
    const char* sql;
};

// What makes up one position: the fSitres column of its opening balance, and the three
// statements of each side.
struct PositionStatements {
    int openingColumn;
    SumStatement receipts[3];
    SumStatement expenses[3];
};

const PositionStatements CASH{
    0,
    {{DB_CAISSE, "SELECT sum(rec) FROM fcaisse where rec>0"},
     {DB_BL, "SELECT sum(ver) FROM fbl where ver>0 and modep='ESPECE'"},
     {DB_VER, "SELECT SUM(mnt) FROM fverR where modep='ESPECE'"}},
    {{DB_CAISSE, "SELECT sum(dep) FROM fcaisse where dep>0"},
     {DB_BR, "SELECT sum(ver) FROM fbr where ver>0 and modep='ESPECE'"},
     {DB_VER, "SELECT SUM(mnt) FROM fverE where modep='ESPECE'"}},
};

// Deliveries and receptions on credit count nowhere; payments always count somewhere, so only
// the exact cash mode keeps one out of the bank.
const PositionStatements BANK{
    1,
    {{DB_BANK, "SELECT sum(rec) FROM fbank where rec>0"},
     {DB_BL, "SELECT sum(ver) FROM fbl where ver>0 and modep<>'ESPECE' and modep<>'A TERME'"},
     {DB_VER, "SELECT SUM(mnt) FROM fverR where modep<>'ESPECE'"}},
    {{DB_BANK, "SELECT sum(dep) FROM fbank where dep>0"},
     {DB_BR, "SELECT sum(ver) FROM fbr where ver>0 and modep<>'ESPECE' and modep<>'A TERME'"},
     {DB_VER, "SELECT SUM(mnt) FROM fverE where modep<>'ESPECE'"}},
};

TreasuryPosition computePosition(Env& env, const PositionStatements& statements)
{
    TreasuryPosition position;
    bool ok = true;
    const auto read = [&](DbNumber db, const QString& sql, int column) {
        const QueryResult result = env.store.queryChecked(db, sql);
        ok = ok && result.ok;
        // No row, or a NULL sum, counts as 0.00.
        return storedAmount(result.first(column));
    };
    const auto total = [&](const SumStatement (&side)[3]) {
        Amount sum;
        for (const SumStatement& s : side) sum += read(s.db, QString::fromLatin1(s.sql), 0);
        return sum;
    };
    position.opening = read(DB_SITRES, QStringLiteral("SELECT * FROM fSitres"), statements.openingColumn);
    position.receipts = total(statements.receipts);
    position.expenses = total(statements.expenses);
    position.balance = position.opening + position.receipts - position.expenses;
    // A figure beyond the bound leaves the balance invalid too.
    position.ok = ok && position.balance.isValid();
    return position;
}

} // namespace

TreasuryPosition computeCashBalance(Env& env) { return computePosition(env, CASH); }

TreasuryPosition computeBankBalance(Env& env) { return computePosition(env, BANK); }
