#include "utilities/year_end_closing.h"

#include <algorithm>
#include <vector>

#include <QDir>

#include "common/env.h"
#include "common/values.h"
#include "shell/session.h"
#include "stock/stock.h"
#include "treasury/balances.h"
#include "treasury/positions.h"
#include "utilities/data_copies.h"
#include "utilities/file_initialisation.h"
#include "utilities/whole_store_transaction.h"

namespace {

// Where the bar stands after each step.
constexpr int ARCHIVED = 150;
constexpr int BALANCES_CARRIED = 400;
constexpr int STOCK_CARRIED = 750;
constexpr int CASH_CARRIED = 770;
constexpr int BANK_CARRIED = 790;

// One row's value for next year, found by its rowid.
struct Carried {
    qint64 rowid;
    Amount value;
};

// The opening values of the next year, every one computed before anything is written.
struct OpeningValues {
    std::vector<Carried> balances; // fCF.Si
    std::vector<Carried> stocks;   // fprod.Qi
    Amount cash;
    Amount bank;
};

// Each client-supplier's balance as the program shows it everywhere, each product's stock as
// the stock window shows it.
bool computeOpeningValues(Env& env, Progress& progress, OpeningValues& values)
{
    progress.setStatus(QStringLiteral("Mise à jour des soldes clients - fournisseurs..."));
    const QueryResult clients = env.store.queryChecked(DB_CF, QStringLiteral("select rowid, CodeCF, Si from fCF"));
    if (!clients.ok) return false;
    for (const QStringList& row : clients.rows) {
        const std::optional<Amount> balance = computeBalanceOfCode(env, row[1], row[2]);
        if (!balance) return false;
        values.balances.push_back({row[0].toLongLong(), *balance});
        progress.setWithin(ARCHIVED, BALANCES_CARRIED, static_cast<qint64>(values.balances.size()), clients.size());
    }
    progress.setStatus(QStringLiteral("Mise à jour du stock..."));
    const QueryResult products = env.store.queryChecked(DB_PROD, QStringLiteral("select rowid, Codeprod, Qi from fprod"));
    if (!products.ok) return false;
    for (const QStringList& row : products.rows) {
        const StockQuantity stock = computeStock(env, row[1], row[2]);
        if (!stock.ok) return false;
        values.stocks.push_back({row[0].toLongLong(), stock.value});
        progress.setWithin(BALANCES_CARRIED, STOCK_CARRIED, static_cast<qint64>(values.stocks.size()), products.size());
    }
    progress.setStatus(QStringLiteral("Mise à jour du solde caisse..."));
    const TreasuryPosition cash = computeCashBalance(env);
    progress.set(CASH_CARRIED);
    progress.setStatus(QStringLiteral("Mise à jour du solde banque..."));
    const TreasuryPosition bank = computeBankBalance(env);
    progress.set(BANK_CARRIED);
    values.cash = cash.balance;
    values.bank = bank.balance;
    return cash.ok && bank.ok;
}

bool writeCarried(Store& store, DbNumber db, const QString& sql, const std::vector<Carried>& carried)
{
    PreparedStatement update = store.prepare(db, sql);
    for (const Carried& row : carried)
        if (!update.run({row.value.cents(), row.rowid})) return false;
    return update.isValid();
}

// The opening values in place of the old ones (the positions whatever their sign), then the
// movements of the closed year emptied, so that no balance counts them twice.
bool writeNextYear(Env& env, const OpeningValues& values)
{
    Store& store = env.store;
    if (!writeCarried(store, DB_CF, QStringLiteral("update fCF set Si=? where rowid=?"), values.balances)) return false;
    if (!writeCarried(store, DB_PROD, QStringLiteral("update fprod set Qi=? where rowid=?"), values.stocks)) return false;
    const QueryResult sitres = store.queryChecked(DB_SITRES, QStringLiteral("select 1 from fSitres limit 1"));
    if (!sitres.ok) return false;
    const QString openingBalances = sitres.isEmpty() ? QStringLiteral("insert into fSitres (sicaisse,sibank) values (?,?)")
                                                     : QStringLiteral("update fSitres set sicaisse=?, sibank=?");
    if (!store.updateChecked(DB_SITRES, openingBalances, {values.cash.cents(), values.bank.cents()})) return false;
    for (const TableOfFile& table : movementTables())
        if (!store.updateChecked(table.db, QStringLiteral("Delete FROM ") + table.name)) return false;
    return true;
}

} // namespace

int closingYear(Env& env)
{
    // Only whole numbers of a plausible range: a DateNum stored as text says nothing.
    qint64 latest = -1;
    for (const TableOfFile& table : movementTables()) {
        const QString max = env.store.scalar(
            table.db, QStringLiteral("select max(DateNum) from %1 where DateNum between 0 and 253402214400").arg(table.name));
        if (!max.isEmpty()) latest = std::max(latest, integerValue(max));
    }
    const QDate day = dateFromDateNum(latest);
    return day.isValid() ? day.year() : env.clock.today().year();
}

bool closeFinancialYear(Env& env, ClosingForm& form)
{
    const int year = closingYear(env);
    if (!env.dialogs.askYesNo(
            QStringLiteral("ATTENTION !"),
            QStringLiteral("Vous allez clôturer l'exercice %1 : le stock final deviendra le stock initial, les soldes des "
                           "clients-fournisseurs, de la caisse et de la banque deviendront les soldes initiaux, et tous "
                           "les mouvements de l'exercice (réceptions, livraisons, factures, BRS, versements, opérations de "
                           "caisse et de banque) seront supprimés. Il est recommandé de faire d'abord une sauvegarde. "
                           "Voulez-vous clôturer l'exercice maintenant ?")
                .arg(year)))
        return false;

    Progress& progress = form.progress;
    const auto fail = [&](const QString& reason) {
        progress.set(0);
        progress.setStatus(QString());
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("La clôture de l'exercice n'a pas été faite : ") + reason);
        return false;
    };
    const QString unchanged = QStringLiteral(". Aucune donnée n'a été modifiée.");

    // The archive first, checked: without it nothing is changed.
    progress.set(1);
    progress.setStatus(QStringLiteral("Sauvegarde de l'exercice en cours..."));
    const QString root = env.store.folder();
    const QString archive = freeName(root, QStringLiteral("Varkel") + QString::number(year));
    const int files = static_cast<int>(databaseFiles().size());
    const QString failure = makeCheckedCopy(env.store, QDir(root).filePath(archive), QStringLiteral("data"),
                                            [&](int copied) { progress.setWithin(1, ARCHIVED, copied, files); });
    if (!failure.isEmpty()) return fail(QStringLiteral("la copie d'archive a échoué, ") + failure + unchanged);
    progress.set(ARCHIVED);

    OpeningValues values;
    if (!computeOpeningValues(env, progress, values))
        return fail(QStringLiteral("les soldes de l'exercice n'ont pas pu être calculés") + unchanged);

    progress.setStatus(QStringLiteral("Suppression des mouvements de l'exercice..."));
    auto outcome = WholeStoreTransaction::Outcome::NothingCommitted;
    {
        WholeStoreTransaction transaction(env.store);
        if (transaction.isActive() && writeNextYear(env, values)) outcome = transaction.commit();
    }
    if (outcome == WholeStoreTransaction::Outcome::PartlyCommitted) {
        // The documents were written, the cash or bank book was not: everything goes back
        // to the archive.
        const QString putBack = StagedData(env.store, QDir(root).filePath(archive + QStringLiteral("/data"))).putInPlace(env.store);
        if (!putBack.isEmpty())
            return fail(QStringLiteral("l'enregistrement a échoué et les données n'ont pas pu être remises en place (%1). "
                                       "Elles sont gardées dans le dossier %2.")
                            .arg(putBack, archive));
    }
    if (outcome != WholeStoreTransaction::Outcome::Committed)
        return fail(QStringLiteral("l'enregistrement a échoué") + unchanged);

    progress.set(CLOSING_PROGRESS_END);
    progress.setStatus(QString());
    env.dialogs.message(QStringLiteral("Terminé"),
                        QStringLiteral("Clôture terminée ! \nL'exercice %1 est archivé dans le dossier %2. Le programme va "
                                       "s'arrêter : le nouvel exercice commencera au prochain démarrage.")
                            .arg(year)
                            .arg(archive));
    shutdownAndExit(env);
    return true;
}
