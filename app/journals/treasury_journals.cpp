#include "journals/treasury_journals.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/amount.h"
#include "common/env.h"
#include "common/period.h"
#include "common/values.h"
#include "treasury/positions.h"

namespace {

// Which rows count in a book: the document payments and the payments of its modes, and its own
// operations. The conditions are those of the positions.
struct BookRules {
    QString documentsPaid;  // on fBL and fBr
    QString paymentsMade;   // on fVerR and fVerE
    DbNumber ownDb;
    QString ownTable;
    QString ownText;        // the operation's motive or bank references
    QString openingColumn;  // in fSitres
};

const BookRules& rulesOf(TreasuryBook book)
{
    static const BookRules cash{QStringLiteral("ver>0 AND modep='ESPECE'"), QStringLiteral("Modep='ESPECE'"), DB_CAISSE,
                                QStringLiteral("fcaisse"), QStringLiteral("obs"), QStringLiteral("sicaisse")};
    // A document paid with an empty mode counts in the bank, a payment without a mode nowhere.
    static const BookRules bank{QStringLiteral("ver>0 AND modep<>'ESPECE' AND modep<>'A TERME'"),
                                QStringLiteral("Modep<>'ESPECE'"), DB_BANK, QStringLiteral("fbank"), QStringLiteral("ref"),
                                QStringLiteral("sibank")};
    return book == TreasuryBook::Cash ? cash : bank;
}

struct Movement {
    QString date;
    qint64 dateNum = 0;
    QString label;
    Amount receipt, expense;
};

// The client-supplier's name of a row of `table`, "inconnu" when it no longer exists.
QString nameOfRow(const QString& table)
{
    return QStringLiteral("ifnull((SELECT CF FROM fCF WHERE fCF.CodeCF = %1.CodeCF LIMIT 1), '%2')").arg(table, UNKNOWN_NAME);
}

// The payments of documents and the payments received and issued that count in the book over the
// period, in one statement: kind, date, DateNum, number, mode, amount, name.
std::optional<std::vector<QStringList>> paymentsOfPeriod(Env& env, const BookRules& rules, const Period& period)
{
    const QString documents = QStringLiteral(
        "SELECT '%1', DateDoc, DateNum, Numdoc, modep, ver, '' FROM %2 WHERE %3 AND DateNum >= ? AND DateNum <= ?");
    const QString payments = QStringLiteral(
        "SELECT '%1', DateDoc, DateNum, numdoc, Modep, Mnt, %4 FROM %2 WHERE %3 AND DateNum >= ? AND DateNum <= ?");
    const QString sql = documents.arg(QStringLiteral("BL"), QStringLiteral("fBL"), rules.documentsPaid) + QStringLiteral(" UNION ALL ")
                        + documents.arg(QStringLiteral("BR"), QStringLiteral("fBr"), rules.documentsPaid) + QStringLiteral(" UNION ALL ")
                        + payments.arg(QStringLiteral("VR"), QStringLiteral("fVerR"), rules.paymentsMade, nameOfRow(QStringLiteral("fVerR")))
                        + QStringLiteral(" UNION ALL ")
                        + payments.arg(QStringLiteral("VE"), QStringLiteral("fVerE"), rules.paymentsMade, nameOfRow(QStringLiteral("fVerE")));
    const QueryResult rows = env.store.queryChecked(
        DB_BL, sql, {period.start, period.end, period.start, period.end, period.start, period.end, period.start, period.end});
    if (!rows.ok) return std::nullopt;
    return rows.rows;
}

QString paymentLabel(TreasuryBook book, const QString& kind, const QStringList& row)
{
    const QString& number = row[3];
    const QString& mode = row[4];
    const QString& name = row[6];
    if (book == TreasuryBook::Cash) {
        if (kind == u"BL") return QStringLiteral("REGT ESPECE LIVRAISON N° ") + number;
        if (kind == u"BR") return QStringLiteral("REGT ESPECE RECEPTION N° ") + number;
        return (kind == u"VR" ? QStringLiteral("Versement reçu N°: ") : QStringLiteral("Versement émis N°: ")) + number
               + QStringLiteral(" - ") + name;
    }
    if (kind == u"BL" || kind == u"BR") {
        const QString regulation = (kind == u"BL" ? QStringLiteral("REGT LIVRAISON N° ") : QStringLiteral("REGT RECEPTION N° ")) + number;
        return mode.isEmpty() ? regulation : mode + QStringLiteral(" - ") + regulation;
    }
    return QStringLiteral("Versement N°: ") + number + QStringLiteral(" - ") + mode + QStringLiteral(" - ") + name;
}

// The balance of the book before the first day of the period: its opening balance and every
// movement dated before.
std::optional<Amount> balanceBefore(Env& env, const BookRules& rules, qint64 start)
{
    const QString sums = QStringLiteral(
                             "SELECT (SELECT %1 FROM fSitres LIMIT 1), "
                             "(SELECT sum(ver) FROM fBL WHERE %2 AND DateNum < ?), (SELECT sum(ver) FROM fBr WHERE %2 AND DateNum < ?), "
                             "(SELECT sum(Mnt) FROM fVerR WHERE %3 AND DateNum < ?), (SELECT sum(Mnt) FROM fVerE WHERE %3 AND DateNum < ?)")
                             .arg(rules.openingColumn, rules.documentsPaid, rules.paymentsMade);
    const QueryResult documents = env.store.queryChecked(DB_SITRES, sums, {start, start, start, start});
    if (!documents.ok) return std::nullopt;
    const QueryResult own = env.store.queryChecked(
        rules.ownDb,
        QStringLiteral("SELECT (SELECT sum(rec) FROM %1 WHERE rec > 0 AND DateNum < ?), (SELECT sum(dep) FROM %1 WHERE dep > 0 AND DateNum < ?)")
            .arg(rules.ownTable),
        {start, start});
    if (!own.ok) return std::nullopt;
    const auto cell = [](const QueryResult& result, int column) { return storedAmount(result.first(column)); };
    return cell(documents, 0) + cell(documents, 1) - cell(documents, 2) + cell(documents, 3) - cell(documents, 4)
           + cell(own, 0) - cell(own, 1);
}

// The book's own operations of the period (receipts and expenses as the position counts them).
std::optional<std::vector<Movement>> operationsOfPeriod(Env& env, TreasuryBook book, const BookRules& rules, const Period& period)
{
    const QueryResult rows = env.store.queryChecked(
        rules.ownDb,
        QStringLiteral("SELECT DateOp, DateNum, NumOp, %2, rec, dep FROM %1 WHERE DateNum >= ? AND DateNum <= ?")
            .arg(rules.ownTable, rules.ownText),
        {period.start, period.end});
    if (!rows.ok) return std::nullopt;
    std::vector<Movement> movements;
    for (const QStringList& row : rows.rows) {
        const QString label = book == TreasuryBook::Cash ? row[3] + QStringLiteral("  N° de caisse : ") + row[2]
                                                         : row[3] + QStringLiteral("  N°Op. bank:") + row[2];
        const Amount receipt = storedAmount(row[4]);
        const Amount expense = storedAmount(row[5]);
        movements.push_back({row[0], row[1].toLongLong(), label, receipt > Amount() ? receipt : Amount(),
                             expense > Amount() ? expense : Amount()});
    }
    return movements;
}

// A total beyond the amounts the program handles: nothing is listed.
void refuseTooLarge(Env& env, ListView& list)
{
    list.clear();
    env.dialogs.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
}

void showPosition(const TreasuryPosition& position, TreasuryJournalForm& form)
{
    const auto shown = [&position](Amount amount) { return position.ok ? formatAmount(amount) : QString(); };
    form.openingBalance = shown(position.opening);
    form.totalReceipts = shown(position.receipts);
    form.totalExpenses = shown(position.expenses);
    form.finalBalance = shown(position.balance);
}

void refreshPosition(Env& env, TreasuryBook book, TreasuryJournalForm& form)
{
    showPosition(book == TreasuryBook::Cash ? computeCashBalance(env) : computeBankBalance(env), form);
}

void showTreasuryJournal(Env& env, TreasuryBook book, TreasuryJournalForm& form)
{
    form.list.clear();
    form.progress = 0;
    const std::optional<Period> period = checkPeriod(env.dialogs, form.from, form.to, PeriodMessages::TrailingBlank);
    if (!period) return;
    const BookRules& rules = rulesOf(book);
    const std::optional<Amount> opening = balanceBefore(env, rules, period->start);
    if (!opening) return;
    std::optional<std::vector<Movement>> movements = operationsOfPeriod(env, book, rules, *period);
    if (!movements) return;
    const std::optional<std::vector<QStringList>> payments = paymentsOfPeriod(env, rules, *period);
    if (!payments) return;
    for (const QStringList& row : *payments) {
        const QString& kind = row[0];
        const Amount amount = storedAmount(row[5]);
        const bool comesIn = kind == u"BL" || kind == u"VR";
        movements->push_back({row[1], row[2].toLongLong(), paymentLabel(book, kind, row), comesIn ? amount : Amount(),
                              comesIn ? Amount() : amount});
    }
    // By day, then by label; movements alike keep the order they were read in.
    std::stable_sort(movements->begin(), movements->end(), [](const Movement& a, const Movement& b) {
        if (a.dateNum != b.dateNum) return a.dateNum < b.dateNum;
        return a.label < b.label;
    });

    Amount running = *opening;
    form.list.append({QString(), QStringLiteral("ANCIEN SOLDE..."), QString(), QString(), formatAmount(running)});
    for (const Movement& movement : *movements) {
        running += movement.receipt - movement.expense;
        form.list.append({movement.date, movement.label, formatAmount(movement.receipt), formatAmount(movement.expense),
                          formatAmount(running)});
    }
    if (!running.isValid()) return refuseTooLarge(env, form.list);
    form.list.tones.resize(form.list.rows.size());
    form.list.tones.back() = RowTone{-1, -1, accentOn({TJ_BALANCE}), 0xB2CBF1};
    setColumnAlignment(form.list, TJ_DATE, ALIGN_CENTRE);
    setColumnAlignment(form.list, TJ_LABEL, ALIGN_CENTRE);
    for (int column : {TJ_RECEIPT, TJ_EXPENSE, TJ_BALANCE}) setColumnAlignment(form.list, column, ALIGN_RIGHT);
    form.progress = TREASURY_JOURNAL_PROGRESS_MAXIMUM;
    refreshPosition(env, book, form);
}

} // namespace

void showCashJournal(Env& env, TreasuryJournalForm& form) { showTreasuryJournal(env, TreasuryBook::Cash, form); }

void showBankJournal(Env& env, TreasuryJournalForm& form) { showTreasuryJournal(env, TreasuryBook::Bank, form); }

void refreshJournalCashFields(Env& env, TreasuryJournalForm& form) { refreshPosition(env, TreasuryBook::Cash, form); }

void refreshJournalBankFields(Env& env, TreasuryJournalForm& form) { refreshPosition(env, TreasuryBook::Bank, form); }

void showCashPaymentJournal(Env& env, CashPaymentJournalForm& form)
{
    form.list.clear();
    form.progress = 0;
    const std::optional<Period> period = checkPeriod(env.dialogs, form.from, form.to, PeriodMessages::TrailingBlank);
    if (!period) return;
    // Kind, whether the cash came in, date, DateNum, number, name, document total (none for a
    // payment), amount paid.
    const QString documents = QStringLiteral(
        "SELECT '%1', %2, DateDoc, DateNum, Numdoc, %4, ht - remise, ver FROM %3 "
        "WHERE ver>0 AND modep='ESPECE' AND DateNum >= ? AND DateNum <= ?");
    const QString payments = QStringLiteral(
        "SELECT 'RV', %1, DateDoc, DateNum, numdoc, %3, NULL, Mnt FROM %2 WHERE Modep='ESPECE' AND DateNum >= ? AND DateNum <= ?");
    const QString sql = documents.arg(QStringLiteral("BL"), QStringLiteral("1"), QStringLiteral("fBL"), nameOfRow(QStringLiteral("fBL")))
                        + QStringLiteral(" UNION ALL ")
                        + documents.arg(QStringLiteral("BR"), QStringLiteral("0"), QStringLiteral("fBr"), nameOfRow(QStringLiteral("fBr")))
                        + QStringLiteral(" UNION ALL ") + payments.arg(QStringLiteral("1"), QStringLiteral("fVerR"), nameOfRow(QStringLiteral("fVerR")))
                        + QStringLiteral(" UNION ALL ") + payments.arg(QStringLiteral("0"), QStringLiteral("fVerE"), nameOfRow(QStringLiteral("fVerE")));
    QueryResult rows = env.store.queryChecked(
        DB_BL, sql, {period->start, period->end, period->start, period->end, period->start, period->end, period->start, period->end});
    if (!rows.ok) return;
    // By day, kind and number; entries alike keep the order they were read in.
    std::stable_sort(rows.rows.begin(), rows.rows.end(), [](const QStringList& a, const QStringList& b) {
        const qint64 dayA = a[3].toLongLong(), dayB = b[3].toLongLong();
        if (dayA != dayB) return dayA < dayB;
        if (a[0] != b[0]) return a[0] < b[0];
        return a[4].toLongLong() < b[4].toLongLong();
    });

    Amount documentsTotal, receivedTotal, paidOutTotal;
    for (const QStringList& row : rows.rows) {
        const Amount documentTotal = storedAmount(row[6]);
        const Amount amount = storedAmount(row[7]);
        const bool cameIn = row[1] == u"1";
        const Amount received = cameIn ? amount : Amount();
        const Amount paidOut = cameIn ? Amount() : amount;
        documentsTotal += documentTotal;
        receivedTotal += received;
        paidOutTotal += paidOut;
        form.list.append({row[2], row[0] + QStringLiteral("N°") + row[4] + QStringLiteral(" (") + row[5] + QStringLiteral(" )"),
                          formatAmount(documentTotal), formatAmount(received), formatAmount(paidOut)});
    }
    if (!documentsTotal.isValid() || !receivedTotal.isValid() || !paidOutTotal.isValid()) return refuseTooLarge(env, form.list);
    form.list.append({QString(), QStringLiteral(" T O T A L ..."), formatAmount(documentsTotal), formatAmount(receivedTotal),
                      formatAmount(paidOutTotal)},
                     RowTone{-1, -1, accentOn({CP_LABEL, CP_DOCUMENT_TOTAL, CP_RECEIVED, CP_PAID_OUT}), 0xB2CBF1});
    setColumnAlignment(form.list, CP_DATE, ALIGN_CENTRE);
    for (int column : {CP_DOCUMENT_TOTAL, CP_RECEIVED, CP_PAID_OUT}) setColumnAlignment(form.list, column, ALIGN_RIGHT);
    form.progress = TREASURY_JOURNAL_PROGRESS_MAXIMUM;
}
