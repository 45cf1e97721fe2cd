#include "journals/document_journals.h"

#include "common/amount.h"
#include "common/env.h"
#include "common/period.h"

namespace {

struct JournalTable {
    DbNumber db;
    QString table;
    // Which lines are listed besides the period and the filters.
    QString lines;
};

JournalTable tableOf(DocumentJournal journal)
{
    switch (journal) {
    case DocumentJournal::Receptions: return {DB_BR, QStringLiteral("fBr"), QStringLiteral("d.Mnt > 0")};
    case DocumentJournal::Deliveries: return {DB_BL, QStringLiteral("fBL"), QStringLiteral("d.CodeProd <> 9999")};
    case DocumentJournal::Invoices: return {DB_FACV, QStringLiteral("facv"), QStringLiteral("d.Mnt > 0")};
    }
    return {};
}

const RowTone TOTAL_TONE{-1, 0xCDCDCD, accentOn({DJ_UNIT_PRICE, DJ_AMOUNT}), 0xB2CBF1};

} // namespace

int documentJournalProgressMaximum(DocumentJournal journal) { return journal == DocumentJournal::Invoices ? 300 : 800; }

void showDocumentJournal(Env& env, DocumentJournal journal, DocumentJournalForm& form)
{
    form.list.clear();
    form.progress = 0;
    const std::optional<Period> period = checkPeriod(env.dialogs, form.from, form.to, PeriodMessages::TrailingBlank);
    if (!period) return;

    // One pass over the period's lines (the DateNum index), each with its product and its
    // client-supplier found through their code indexes; the first row of a code counts.
    const JournalTable source = tableOf(journal);
    QString sql = QStringLiteral(
                      "SELECT d.DateDoc, d.Numdoc, ifnull(p.Prod, '%2'), d.Qte, d.Pu, d.Mnt, ifnull(c.CF, '%2') "
                      "FROM %1 d "
                      "LEFT JOIN fprod p ON p.rowid = (SELECT rowid FROM fprod WHERE Codeprod = d.CodeProd LIMIT 1) "
                      "LEFT JOIN fCF c ON c.rowid = (SELECT rowid FROM fCF WHERE CodeCF = d.CodeCF LIMIT 1) "
                      "WHERE d.DateNum >= ? AND d.DateNum <= ? AND d.CodeProd <> 9999 AND %3")
                      .arg(source.table, UNKNOWN_NAME, source.lines);
    QVariantList args{period->start, period->end};
    if (!form.name.isEmpty()) {
        sql += QStringLiteral(" AND c.CF = ?");
        args.append(form.name);
    }
    if (!form.family.isEmpty()) {
        sql += QStringLiteral(" AND p.fam = ?");
        args.append(form.family);
    }
    sql += QStringLiteral(" ORDER BY d.DateNum, d.Numdoc, d.rowid");
    const QueryResult lines = env.store.queryChecked(source.db, sql, args);
    if (!lines.ok) return;

    Amount total;
    for (const QStringList& line : lines.rows) {
        const Amount amount = storedAmount(line[5]);
        total += amount;
        form.list.append({line[0], line[1], line[2], formatAmount(storedAmount(line[3])), formatAmount(storedAmount(line[4])),
                          formatAmount(amount), line[6]});
    }
    if (!total.isValid()) {
        form.list.clear();
        env.dialogs.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
        return;
    }
    form.progress = documentJournalProgressMaximum(journal);
    form.list.append({QString(), QString(), QString(), QString(), QStringLiteral("TOTAL HT    "), formatAmount(total), QString()},
                     TOTAL_TONE);
    for (int column : {DJ_DATE, DJ_NUMBER, DJ_DESIGNATION, DJ_NAME}) setColumnAlignment(form.list, column, ALIGN_CENTRE);
    for (int column : {DJ_QUANTITY, DJ_UNIT_PRICE, DJ_AMOUNT}) setColumnAlignment(form.list, column, ALIGN_RIGHT);
}

QStringList documentJournalNames(Env& env, DocumentJournal journal)
{
    const JournalTable source = tableOf(journal);
    const QueryResult names = env.store.queryChecked(
        source.db, QStringLiteral("SELECT CF FROM fCF WHERE EXISTS (SELECT 1 FROM %1 d WHERE d.CodeCF = fCF.CodeCF) ORDER BY CF").arg(source.table));
    QStringList list;
    for (const QStringList& row : names.rows) list.append(row[0]);
    return list;
}
