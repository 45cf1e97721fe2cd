#include "treasury/statements.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "common/amount.h"
#include "common/env.h"
#include "common/period.h"
#include "common/values.h"
#include "treasury/balances.h"

namespace {

// One movement of a statement.
struct Entry {
    QString date;
    qint64 dateNum = 0;
    QString label;
    Amount quantity, unitPrice; // document lines of the detailed statement only
    Amount debit, credit;
};

enum class Detail { Lines, Documents };

const QString BALANCE_INDENT(40, u' ');
const RowTone BALANCE_TONE{-1, 0xA4A4A4, 0, 0xF7C182};

// What the head of both statements finds: the client-supplier, the period and the balance
// before it.
struct StatementHead {
    QString code;
    Period period;
    Amount opening;
};

std::optional<StatementHead> readHead(Env& env, StatementForm& form)
{
    form.list.clear();
    form.openingBalance.clear();
    form.newBalance.clear();
    form.progress = 0;
    const QueryResult found =
        form.name.isEmpty() ? QueryResult{true, {}}
                            : env.store.queryChecked(DB_CF, QStringLiteral("SELECT CodeCF, Si FROM fCF WHERE CF = ? LIMIT 1"), {form.name});
    if (!found.ok) return std::nullopt;
    if (found.isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("Le nom du client-fournisseur est incorrect !"));
        return std::nullopt;
    }
    StatementHead head;
    head.code = found.first(0);
    const QString initialBalance = found.first(1);
    form.openingBalance = formatAmount(storedAmount(initialBalance));
    form.progress = 1;
    const std::optional<Period> period = checkPeriod(env.dialogs, form.from, form.to, PeriodMessages::Plain);
    if (!period) return std::nullopt;
    head.period = *period;
    const BalanceBefore before = computeBalanceBefore(env, head.code, initialBalance, period->start);
    if (!before.ok) return std::nullopt;
    head.opening = before.balance;
    return head;
}

// The rows of the client-supplier's deliveries or receptions in the period, in the order they
// were written: date, DateNum, number, product code, quantity, unit price, amount, ht,
// discount, payment, mode, driver, designation.
std::optional<std::vector<QStringList>> documentRows(Env& env, DbNumber db, const QString& table, Detail detail,
                                                     const StatementHead& head)
{
    const QString sql =
        QStringLiteral("SELECT d.DateDoc, d.DateNum, d.Numdoc, d.CodeProd, d.Qte, d.Pu, d.Mnt, d.ht, d.remise, d.ver, d.modep, "
                       "d.chauf, %3 FROM %1 d WHERE d.CodeCF = ? AND d.DateNum >= ? AND d.DateNum <= ?%2 ORDER BY d.rowid")
            .arg(table, detail == Detail::Documents ? QStringLiteral(" AND d.CodeProd = 9999") : QString(),
                 detail == Detail::Lines ? QStringLiteral("ifnull((SELECT Prod FROM fprod WHERE Codeprod = d.CodeProd LIMIT 1), '%1')")
                                               .arg(UNKNOWN_NAME)
                                         : QStringLiteral("''"));
    const QueryResult rows = env.store.queryChecked(db, sql, {head.code, head.period.start, head.period.end});
    if (!rows.ok) return std::nullopt;
    return rows.rows;
}

// The payments received or issued in the period: date, DateNum, number, amount, mode, remark.
std::optional<std::vector<QStringList>> paymentRows(Env& env, const QString& table, const StatementHead& head)
{
    const QueryResult rows = env.store.queryChecked(
        DB_VER,
        QStringLiteral("SELECT DateDoc, DateNum, numdoc, Mnt, Modep, obs FROM %1 WHERE CodeCF = ? AND DateNum >= ? AND DateNum <= ? "
                       "ORDER BY rowid")
            .arg(table),
        {head.code, head.period.start, head.period.end});
    if (!rows.ok) return std::nullopt;
    return rows.rows;
}

// A delivery (`delivered`) raises the balance by what it bills and lowers it by its discount
// and what was paid at once; a reception the other way round.
void addDocumentEntries(std::vector<Entry>& entries, const QStringList& row, bool delivered, Detail detail)
{
    const QString kind = delivered ? QStringLiteral("BL") : QStringLiteral("BR");
    const QString& number = row[2];
    const bool summary = row[3] == u"9999";
    const auto add = [&](const QString& label, Amount amount, bool raises, Amount quantity = {}, Amount unitPrice = {}) {
        entries.push_back({row[0], row[1].toLongLong(), label, quantity, unitPrice, raises ? amount : Amount(),
                           raises ? Amount() : amount});
    };
    const Amount discount = storedAmount(row[8]);
    const Amount paid = storedAmount(row[9]);
    const QString& driver = row[11];
    if (detail == Detail::Lines) {
        if (!summary) {
            add(kind + QStringLiteral(" N° ") + number + QStringLiteral(" - ") + row[12] + QStringLiteral(" (") + driver
                    + QStringLiteral(")"),
                storedAmount(row[6]), delivered, storedAmount(row[4]), storedAmount(row[5]));
            return;
        }
        if (discount > Amount()) add(kind + QStringLiteral(" N° ") + number + QStringLiteral(" - Remise"), discount, !delivered);
        if (paid > Amount()) add(QStringLiteral("VERSEMENT ") + kind + QStringLiteral(" N° ") + number, paid, !delivered);
        return;
    }
    add(kind + QStringLiteral(" N° ") + number + (driver.isEmpty() ? QString() : QStringLiteral(" (") + driver + QStringLiteral(")")),
        storedAmount(row[7]), delivered);
    if (paid > Amount())
        add(QStringLiteral("VERSEMENT ") + kind + QStringLiteral(" N° ") + number + QStringLiteral(" ( ") + row[10] + QStringLiteral(" )"),
            paid, !delivered);
    if (discount > Amount()) add(QStringLiteral("REMISE ") + kind + QStringLiteral(" N° ") + number, discount, !delivered);
}

// A payment received lowers the balance, a payment issued raises it.
void addPaymentEntry(std::vector<Entry>& entries, const QStringList& row, bool received, Detail detail)
{
    const QString& remark = row[5];
    QString label = (received ? QStringLiteral("Versement reçu Bon N° ") : QStringLiteral("Versement émis Bon N° ")) + row[2];
    if (detail == Detail::Lines)
        label += QStringLiteral(" - ") + row[4] + QStringLiteral(" - ") + remark;
    else if (!remark.isEmpty())
        label += QStringLiteral(" (") + remark + QStringLiteral(")");
    const Amount amount = storedAmount(row[3]);
    entries.push_back({row[0], row[1].toLongLong(), label, {}, {}, received ? Amount() : amount, received ? amount : Amount()});
}

QString positiveOrEmpty(Amount value) { return value > Amount() ? formatAmount(value) : QString(); }

void buildStatement(Env& env, StatementForm& form, Detail detail)
{
    const std::optional<StatementHead> head = readHead(env, form);
    if (!head) return;

    std::vector<Entry> entries;
    for (const bool delivered : {true, false}) {
        const auto rows = documentRows(env, delivered ? DB_BL : DB_BR, delivered ? QStringLiteral("fBL") : QStringLiteral("fBr"),
                                       detail, *head);
        if (!rows) return;
        for (const QStringList& row : *rows) addDocumentEntries(entries, row, delivered, detail);
    }
    for (const bool received : {true, false}) {
        const auto rows = paymentRows(env, received ? QStringLiteral("fVerR") : QStringLiteral("fVerE"), *head);
        if (!rows) return;
        for (const QStringList& row : *rows) addPaymentEntry(entries, row, received, detail);
    }
    // By day, then by label as written (capitals before small letters); movements alike keep
    // the order they were read in.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.dateNum != b.dateNum) return a.dateNum < b.dateNum;
        return a.label < b.label;
    });

    const bool lines = detail == Detail::Lines;
    const auto row = [lines](const QString& date, const QString& label, const QString& quantity, const QString& unitPrice,
                             const QString& debit, const QString& credit, const QString& balance) {
        return lines ? QStringList{date, label, quantity, unitPrice, debit, credit, balance}
                     : QStringList{date, label, debit, credit, balance};
    };
    RowTone balanceTone = BALANCE_TONE;
    balanceTone.accentColumns = accentOn({DS_LABEL, lines ? int(DS_BALANCE) : int(CS_BALANCE)});

    Amount running = head->opening, totalDebit, totalCredit;
    form.list.append(row(QString(), BALANCE_INDENT + QStringLiteral("ANCIEN SOLDE ..."), QString(), QString(), QString(), QString(),
                         formatAmount(running)),
                     balanceTone);
    for (const Entry& entry : entries) {
        running += entry.debit - entry.credit;
        totalDebit += entry.debit;
        totalCredit += entry.credit;
        form.list.append(row(entry.date, entry.label, positiveOrEmpty(entry.quantity), positiveOrEmpty(entry.unitPrice),
                             formatAmount(entry.debit), formatAmount(entry.credit), formatAmount(running)));
    }
    if (!running.isValid() || !totalDebit.isValid() || !totalCredit.isValid()) {
        form.list.clear();
        env.dialogs.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
        return;
    }
    form.list.append(row(QString(), BALANCE_INDENT + QStringLiteral("NOUVEAU SOLDE ..."), QString(), QString(),
                         formatAmount(totalDebit), formatAmount(totalCredit), formatAmount(running)),
                     balanceTone);
    setColumnAlignment(form.list, 0, ALIGN_CENTRE);
    for (int column = lines ? int(DS_QUANTITY) : int(CS_DEBIT); column < form.list.rows.front().size(); ++column)
        setColumnAlignment(form.list, column, ALIGN_RIGHT);
    form.newBalance = formatAmount(running);
    form.progress = STATEMENT_PROGRESS_MAXIMUM;
}

} // namespace

void buildDetailedStatement(Env& env, StatementForm& form) { buildStatement(env, form, Detail::Lines); }

void buildCumulativeStatement(Env& env, StatementForm& form) { buildStatement(env, form, Detail::Documents); }

void buildGlobalBalances(Env& env, GlobalBalancesForm& form)
{
    form.list.clear();
    form.progress = 0;
    // The components of every balance in one statement, each summed through the client-supplier
    // indexes of its table; the document rows that carry no amount (the lines) add nothing.
    const QueryResult rows = env.store.queryChecked(
        DB_CF, QStringLiteral("SELECT c.CF, c.Si, "
                              "(SELECT sum(ht - remise - ver) FROM fBL WHERE CodeCF = c.CodeCF AND (ht <> 0 OR ver <> 0 OR remise <> 0)), "
                              "(SELECT sum(ht - remise - ver) FROM fBr WHERE CodeCF = c.CodeCF AND (ht <> 0 OR ver <> 0 OR remise <> 0)), "
                              "(SELECT sum(Mnt) FROM fVerR WHERE CodeCF = c.CodeCF), "
                              "(SELECT sum(Mnt) FROM fVerE WHERE CodeCF = c.CodeCF) "
                              "FROM fCF c ORDER BY c.CF"));
    if (!rows.ok) return;

    std::array<Amount, 6> totals{};
    bool tooLarge = false;
    for (const QStringList& row : rows.rows) {
        const Amount opening = storedAmount(row[1]);
        const Amount receivable = storedAmount(row[2]);
        const Amount payable = storedAmount(row[3]);
        const Amount received = storedAmount(row[4]);
        const Amount issued = storedAmount(row[5]);
        const Amount balance = opening + receivable + issued - payable - received;
        if (!balance.isValid()) {
            tooLarge = true;
            continue;
        }
        const bool listed = balance.isZero() ? !form.debtorsOnly && form.showZero : (balance > Amount()) == form.debtorsOnly;
        if (!listed) continue;
        const std::array<Amount, 6> figures{opening, receivable, payable, received, issued, balance};
        QStringList line{row[0]};
        for (size_t i = 0; i < figures.size(); ++i) {
            line.append(formatAmount(figures[i]));
            totals[i] += figures[i];
        }
        form.list.append(line);
    }
    if (tooLarge || std::any_of(totals.begin(), totals.end(), [](Amount total) { return !total.isValid(); })) {
        form.list.clear();
        env.dialogs.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
        return;
    }
    QStringList totalLine{QStringLiteral("      T O T A U X ...")};
    for (Amount total : totals) totalLine.append(formatAmount(total));
    form.list.append(totalLine, RowTone{-1, 0xE1FBEE});
    setColumnAlignment(form.list, GB_NAME, ALIGN_CENTRE);
    for (int column = GB_OPENING; column <= GB_BALANCE; ++column) setColumnAlignment(form.list, column, ALIGN_RIGHT);
    form.progress = GLOBAL_BALANCES_PROGRESS_MAXIMUM;
}
