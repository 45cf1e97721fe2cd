#include "utilities/general_check.h"

#include <functional>
#include <limits>

#include <QDir>

#include "common/env.h"
#include "common/values.h"
#include "utilities/data_copies.h"

namespace {

const QString TO_CORRECT = QStringLiteral("A corriger");
constexpr int STAGE = 1000; // each of the eight stages moves the bar by this much
constexpr int SLICE = 5000; // rows read at a time

class Check {
public:
    Check(Env& env, GeneralCheckForm& form) : env_(env), form_(form) {}

    // Starts stage `index` (0 to 7) with its status line.
    void stage(int index, const QString& status)
    {
        stage_ = index;
        form_.progress.setStatus(status);
        form_.progress.set(1 + index * STAGE);
    }

    // `done` of `total` items of the current stage.
    void advance(qint64 done, qint64 total) { form_.progress.setWithin(1 + stage_ * STAGE, (stage_ + 1) * STAGE, done, total); }

    void fault(const QString& where, const QString& message, const QString& value = {}, const QString& action = TO_CORRECT)
    {
        form_.results.append({where, message + value, action});
    }
    // One line when `value` is not a number.
    void numeric(const QString& where, const QString& value, const QString& message)
    {
        if (!isNumericText(value)) fault(where, message, value);
    }

    // Calls `check` with the columns of every row of a table that may hold a fault. `sound`
    // is an SQL condition true only of rows where every check passes (whole numbers stored as
    // integers, dates in their exact form...): those are left in the engine, so years of
    // documents are walked in a moment; the checks themselves judge every other row. Rows are
    // read in slices by rowid, never the whole table at once. A failed read has shown the
    // "Erreur" box; the check goes on with the next table.
    void forEachRow(DbNumber db, const QString& table, const QString& columns, const QString& sound,
                    const std::function<void(const QStringList&)>& check)
    {
        const qint64 last = integerValue(env_.store.scalar(db, QStringLiteral("select max(rowid) from ") + table));
        const QString sql = QStringLiteral("select rowid, %1 from %2 where rowid>? and not coalesce((%3), 0) "
                                           "order by rowid limit %4")
                                .arg(columns, table, sound)
                                .arg(SLICE);
        qint64 after = std::numeric_limits<qint64>::min();
        for (;;) {
            const QueryResult slice = env_.store.queryChecked(db, sql, {after});
            if (!slice.ok) return;
            for (const QStringList& row : slice.rows) {
                after = row.value(0).toLongLong();
                check(row.mid(1));
            }
            if (slice.size() < SLICE) break;
            advance(after, last);
        }
        advance(1, 1);
    }

    Env& env() { return env_; }

private:
    Env& env_;
    GeneralCheckForm& form_;
    int stage_ = 0;
};

void checkFiles(Check& check)
{
    const Store& store = check.env().store;
    const qint64 count = static_cast<qint64>(databaseFiles().size());
    qint64 done = 0;
    for (const DatabaseFile& file : databaseFiles()) {
        const QString fault =
            checkDatabaseFile(QDir(store.folder()).filePath(QStringLiteral("Data/") + QString::fromLatin1(file.fileName)));
        if (!fault.isEmpty())
            check.fault(relativePath(file.number), QStringLiteral("Fichier endommagé !  ===>> "), fault, QStringLiteral("A restaurer"));
        check.advance(++done, count);
    }
}

// SQL conditions of values that surely pass the checks.
QString wholeNumbers(std::initializer_list<const char*> columns)
{
    QStringList tests;
    for (const char* column : columns) tests.append(QStringLiteral("typeof(%1)='integer'").arg(QString::fromLatin1(column)));
    return tests.join(QStringLiteral(" and "));
}
QString filled(const char* column) { return QStringLiteral("length(%1)>0").arg(QString::fromLatin1(column)); }
// dd/mm/yyyy with a day, a month and a year the date check accepts.
QString validDate(const char* column)
{
    return QStringLiteral("%1 glob '[0-3][0-9]/[01][0-9]/[0-9][0-9][0-9][0-9]' and substr(%1,1,2) between '01' and '31' "
                          "and substr(%1,4,2) between '01' and '12' and substr(%1,7,4)>='2014'")
        .arg(QString::fromLatin1(column));
}

void checkProducts(Check& check)
{
    const QString where = QStringLiteral("table des produits");
    const QString sound = wholeNumbers({"Codeprod", "Qi", "Pa", "Pvd", "Pvg"}) + QStringLiteral(" and ") + filled("Prod");
    check.forEachRow(DB_PROD, QStringLiteral("fprod"), QStringLiteral("Codeprod, Prod, Qi, Pa, Pvd, Pvg"), sound, [&](const QStringList& p) {
        check.numeric(where, p[0], QStringLiteral("Code produit incorrect ! ===>> "));
        if (p[1].isEmpty()) check.fault(where, QStringLiteral("Produit incorrect ! ===>> "));
        check.numeric(where, p[2], QStringLiteral("Quantité initiale incorrecte ! ===>> "));
        check.numeric(where, p[3], QStringLiteral("Prix d'achat incorrect !  ===>> "));
        check.numeric(where, p[4], QStringLiteral("Prix de vente détail incorrect ! ===>> "));
        check.numeric(where, p[5], QStringLiteral("Prix de vente gros incorrect !  ===>> "));
    });
}

void checkClientsSuppliers(Check& check)
{
    const QString where = QStringLiteral("table des clients fournisseurs");
    const QString sound = wholeNumbers({"CodeCF", "Si"}) + QStringLiteral(" and ") + filled("CF");
    check.forEachRow(DB_CF, QStringLiteral("fCF"), QStringLiteral("CodeCF, CF, Si"), sound, [&](const QStringList& c) {
        check.numeric(where, c[0], QStringLiteral("Code client-fournisseur incorrect !  ===>> "));
        if (c[1].isEmpty()) check.fault(where, QStringLiteral("Nom du client-fournisseur incorrect !  ===>> "));
        check.numeric(where, c[2], QStringLiteral("Solde initial incorrect !  ===>> "));
    });
}

// Receptions and deliveries: every row's number, dates and codes; a line's quantity, price and
// amount; the totals row's total and payment mode.
void checkNotes(Check& check, DbNumber db, const QString& table, const QString& label, const QString& numberMessage)
{
    const QString sound = wholeNumbers({"Numdoc", "DateNum", "CodeCF", "CodeProd"}) + QStringLiteral(" and ") + validDate("DateDoc")
                          + QStringLiteral(" and (case when CodeProd=9999 then ") + wholeNumbers({"ht"})
                          + QStringLiteral(" and ") + filled("modep") + QStringLiteral(" else ")
                          + wholeNumbers({"Qte", "Pu", "Mnt"}) + QStringLiteral(" end)");
    check.forEachRow(db, table, QStringLiteral("Numdoc, DateDoc, DateNum, CodeCF, CodeProd, Qte, Pu, Mnt, ht, modep"), sound,
                     [&](const QStringList& r) {
                         const QString where = label + r[0];
                         check.numeric(where, r[0], numberMessage);
                         if (!isValidDate(r[1])) check.fault(where, QStringLiteral("Date incorrecte !  ===>> "), r[1]);
                         check.numeric(where, r[2], QStringLiteral("Date (num) incorrecte !  ===>> "));
                         check.numeric(where, r[3], QStringLiteral("Code fournisseur incorrect !  ===>> "));
                         check.numeric(where, r[4], QStringLiteral("Code produit incorrect !  ===>> "));
                         if (r[4] != SUMMARY_CODE) {
                             check.numeric(where, r[5], QStringLiteral("Quantité incorrecte !  ===>> "));
                             check.numeric(where, r[6], QStringLiteral("Prix unitaire incorrect !  ===>> "));
                             check.numeric(where, r[7], QStringLiteral("Montant incorrect !  ===>> "));
                         } else {
                             check.numeric(where, r[8], QStringLiteral("Total HT incorrect !  ===>> "));
                             if (r[9].isEmpty()) check.fault(where, QStringLiteral("Mode de payement incorrect !  ===>> "));
                         }
                     });
}

void checkPayments(Check& check, const QString& table, const QString& label, const QString& numberMessage,
                   const QString& codeMessage)
{
    const QString sound = wholeNumbers({"numdoc", "CodeCF", "Mnt"}) + QStringLiteral(" and ") + validDate("DateDoc")
                          + QStringLiteral(" and ") + filled("Modep");
    check.forEachRow(DB_VER, table, QStringLiteral("numdoc, DateDoc, CodeCF, Mnt, Modep"), sound, [&](const QStringList& v) {
        const QString where = label + v[0];
        check.numeric(where, v[0], numberMessage);
        if (!isValidDate(v[1])) check.fault(where, QStringLiteral("Date incorrecte !  ===>> "), v[1]);
        check.numeric(where, v[2], codeMessage);
        check.numeric(where, v[3], QStringLiteral("Montant incorrect !  ===>> "));
        if (v[4].isEmpty()) check.fault(where, QStringLiteral("Mode de payement incorrect !  ===>> "));
    });
}

// A document is its lines and one totals row: lines without it, or a totals row left alone,
// give wrong balances and journals.
void checkDocumentRows(Check& check)
{
    struct Documents {
        DbNumber db;
        const char* table;
        const char* label;
    };
    const Documents documents[] = {
        {DB_BR, "fBr", "Réception n°"},
        {DB_BL, "fBL", "Livraison n°"},
        {DB_FACV, "facv", "Facture n°"},
        {DB_FACP, "facp", "Facture proforma n°"},
    };
    // One pass over each table's document index: how many totals rows and lines each has.
    const QString counted = QStringLiteral("select Numdoc, total(CodeProd=?), total(CodeProd<>?) from %1 group by Numdoc "
                                           "having total(CodeProd=?)=0 or total(CodeProd<>?)=0 order by Numdoc");
    int done = 0;
    for (const Documents& d : documents) {
        const QString label = QString::fromUtf8(d.label);
        const QueryResult found = check.env().store.queryChecked(d.db, counted.arg(QString::fromLatin1(d.table)),
                                                                 {SUMMARY_CODE, SUMMARY_CODE, SUMMARY_CODE, SUMMARY_CODE});
        for (const QStringList& row : found.rows)
            check.fault(label + row.value(0), integerValue(row.value(1)) == 0 ? QStringLiteral("Ligne de totaux manquante !")
                                                                              : QStringLiteral("Totaux sans aucune ligne de produit !"));
        check.advance(++done, std::size(documents));
    }
}

} // namespace

void runGeneralCheck(Env& env, GeneralCheckForm& form)
{
    form.results.clear();
    form.progress.set(0);
    Check check(env, form);
    check.stage(0, QStringLiteral("Contrôle des fichiers..."));
    checkFiles(check);
    check.stage(1, QStringLiteral("Contrôle table des produits..."));
    checkProducts(check);
    check.stage(2, QStringLiteral("Contrôle table des clients-fournisseurs..."));
    checkClientsSuppliers(check);
    check.stage(3, QStringLiteral("Contrôle des réceptions..."));
    checkNotes(check, DB_BR, QStringLiteral("fBr"), QStringLiteral("Réception n°"),
               QStringLiteral("N° du bon de réception incorrect !  ===>> "));
    check.stage(4, QStringLiteral("Contrôle des livraisons..."));
    checkNotes(check, DB_BL, QStringLiteral("fBL"), QStringLiteral("Livraison n°"),
               QStringLiteral("N° du bon de Livraison incorrect !  ===>> "));
    check.stage(5, QStringLiteral("Contrôle des versements reçus..."));
    checkPayments(check, QStringLiteral("fVerR"), QStringLiteral("Versement reçu n°"),
                  QStringLiteral("N° du bon de versement incorrect !  ===>> "), QStringLiteral("Code client incorrect !  ===>> "));
    check.stage(6, QStringLiteral("Contrôle des versements émis..."));
    checkPayments(check, QStringLiteral("fVerE"), QStringLiteral("Versement émis n°"),
                  QStringLiteral("N° du bon de versement émis incorrect !  ===>> "),
                  QStringLiteral("Code fournisseur incorrect !  ===>> "));
    check.stage(7, QStringLiteral("Contrôle des bons..."));
    checkDocumentRows(check);
    form.progress.set(GENERAL_CHECK_PROGRESS_END);
    form.progress.setStatus(QStringLiteral("Contrôle terminé..."));
}
