#include "utilities/file_initialisation.h"

#include <algorithm>
#include <iterator>

#include <QDir>

#include "common/env.h"
#include "utilities/backups.h"
#include "utilities/data_copies.h"
#include "utilities/whole_store_transaction.h"

namespace {

struct EmptiedTable {
    FileGroup group;
    DbNumber db;
    const char* table;
    const char* database;  // "BASE DE DONNEES"
    const char* emptied;   // "FICHIER" once emptied
    const char* wasEmpty;  // "FICHIER" when it already was empty
};

// In the order they are emptied.
const EmptiedTable TABLES[] = {
    {FileGroup::Receptions, DB_BR, "fBr", "RECEPTION", "Fichier réceptions", "Fichier réceptions"},
    {FileGroup::Deliveries, DB_BL, "fBL", "LIVRAISON", "Fichier livraisons", "Fichier livraisons"},
    {FileGroup::Invoices, DB_FACV, "facv", "FACTURATION", "Factures ventes", "Factures ventes"},
    {FileGroup::Invoices, DB_FACP, "facp", "FACTURATION", "Factures proformas", "Factures proformas"},
    {FileGroup::Regularisations, DB_BRS, "fbrs", "B. R. S.", "B. R. S.", "B. R. S."},
    {FileGroup::Payments, DB_VER, "fVerR", "VERSEMENT", "Versements reçus Clients fournisseurs", "Versements reçus"},
    {FileGroup::Payments, DB_VER, "fVerE", "VERSEMENT", "Versements émis Clients fournisseurs", "Versements émis"},
    {FileGroup::CashOperations, DB_CAISSE, "fcaisse", "TRESORERIE", "Opérations de caisse", "Opérations de caisse"},
    {FileGroup::BankOperations, DB_BANK, "fbank", "TRESORERIE", "Opérations bancaires", "Opérations bancaires"},
    {FileGroup::Products, DB_PROD, "fprod", "TABLES", "Table des produits", "Table des produits"},
    {FileGroup::ClientsSuppliers, DB_CF, "fCF", "TABLES", "Table des Clients fournisseurs", "Table des Clients fournisseurs"},
};

const RowTone ALREADY_EMPTY{0xFC0503, -1};
constexpr int COPY_DONE = 100; // where the bar stands once the copy is made

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A master table takes along the tables whose rows name its codes, once the user agrees.
struct Cascade {
    FileGroup master;
    const char* question;
    FileGroup along[4];
};
const Cascade CASCADES[] = {
    {FileGroup::ClientsSuppliers,
     "Si vous supprimez la table des Clients-fournisseurs, tous les autres fichiers utilisant des clients ou des "
     "fournisseurs seront automatiquement supprimés. Etes-vous sûr de vouloir supprimer la table des Clients "
     "fournisseurs et toutes les ventes et les versements?",
     {FileGroup::Receptions, FileGroup::Deliveries, FileGroup::Payments, FileGroup::Invoices}},
    {FileGroup::Products,
     "Si vous supprimez la table des produits, tous les autres fichiers utilisant des produits seront "
     "automatiquement supprimés. Etes-vous sûr de vouloir supprimer la table des produits ainsi que les réceptions "
     "et les ventes ?",
     {FileGroup::Deliveries, FileGroup::Receptions, FileGroup::Invoices, FileGroup::Regularisations}},
};

// Empties the checked tables, writing one result line each; false as soon as a statement failed.
bool emptyCheckedTables(Env& env, InitialisationForm& form)
{
    int done = 0;
    for (const EmptiedTable& table : TABLES) {
        ++done;
        if (!form.isChecked(table.group)) continue;
        const QString name = text(table.table);
        const QueryResult any = env.store.queryChecked(table.db, QStringLiteral("select 1 from %1 limit 1").arg(name));
        if (!any.ok) return false;
        if (any.isEmpty()) {
            form.results.append({text(table.database), text(table.wasEmpty), QStringLiteral("Fichier déjà initialisé")},
                                ALREADY_EMPTY);
        } else {
            if (!env.store.updateChecked(table.db, QStringLiteral("Delete FROM %1").arg(name))) return false;
            form.results.append({text(table.database), text(table.emptied), QStringLiteral("Fichier initialisé avec succès")});
        }
        form.progress.setWithin(COPY_DONE, INITIALISATION_PROGRESS_END, done, std::size(TABLES));
    }
    return true;
}

} // namespace

std::vector<TableOfFile> movementTables()
{
    std::vector<TableOfFile> tables;
    for (const EmptiedTable& table : TABLES)
        if (table.group != FileGroup::Products && table.group != FileGroup::ClientsSuppliers)
            tables.push_back({table.db, text(table.table)});
    return tables;
}

QString fileGroupCaption(FileGroup group)
{
    static const char* const CAPTIONS[FILE_GROUP_COUNT] = {
        "RECEPTIONS", "LIVRAISONS", "FACTURES", "B. R. S.", "VERSEMENTS", "OPERATIONS DE CAISSE", "OPERATIONS BANCAIRES",
        "TABLE DES PRODUITS", "TABLE DES CLIENTS-FOURNISSEURS"};
    return text(CAPTIONS[static_cast<int>(group)]);
}

void selectAllFiles(InitialisationForm& form) { form.checked.fill(true); }

void initialiseFiles(Env& env, InitialisationForm& form)
{
    const QString error = QStringLiteral("Erreur");
    form.results.clear();
    // An empty code never opens the way to emptying tables, even where none was ever set.
    const QString password = form.password.trimmed();
    if (password.isEmpty() || password != env.params.accessCode) {
        env.dialogs.message(error, QStringLiteral("Mot de passe incorrect !"));
        return;
    }
    if (std::find(form.checked.begin(), form.checked.end(), true) == form.checked.end()) {
        env.dialogs.message(error, QStringLiteral("Sélectionnez les fichiers à initialiser !"));
        return;
    }
    // Every question first: a No leaves the boxes as the user checked them.
    for (const Cascade& cascade : CASCADES)
        if (form.isChecked(cascade.master) && !env.dialogs.askYesNo(QStringLiteral("ATTENTION"), text(cascade.question)))
            return;
    for (const Cascade& cascade : CASCADES)
        if (form.isChecked(cascade.master))
            for (FileGroup group : cascade.along) form.isChecked(group) = true;

    form.progress.set(1);
    const CopyMade copy = backupBeforeInitialisation(env, form.today);
    if (!copy.failure.isEmpty()) {
        form.progress.set(0);
        env.dialogs.message(error, QStringLiteral("L'initialisation n'a pas été faite : la copie des données a échoué, %1. "
                                                  "Aucun fichier n'a été vidé.")
                                       .arg(copy.failure));
        return;
    }
    form.progress.set(COPY_DONE);

    WholeStoreTransaction::Outcome outcome = WholeStoreTransaction::Outcome::NothingCommitted;
    {
        WholeStoreTransaction transaction(env.store);
        if (transaction.isActive() && emptyCheckedTables(env, form)) outcome = transaction.commit();
    }
    QString putBack;
    if (outcome == WholeStoreTransaction::Outcome::PartlyCommitted)
        putBack = StagedData(env.store, QDir(backupsFolder(env.store)).filePath(copy.name)).putInPlace(env.store);
    if (outcome != WholeStoreTransaction::Outcome::Committed) {
        form.results.clear();
        form.progress.set(0);
        env.dialogs.message(error, putBack.isEmpty()
                                       ? QStringLiteral("L'initialisation a échoué : aucun fichier n'a été vidé.")
                                       : QStringLiteral("L'initialisation a échoué et les données n'ont pas pu être remises "
                                                        "en place (%1). Elles sont gardées dans le dossier sauvegardes/%2.")
                                             .arg(putBack, copy.name));
        return;
    }
    form.progress.set(INITIALISATION_PROGRESS_END);
    env.dialogs.message(QStringLiteral("Terminé"), QStringLiteral("Initialisation terminée ! \nLes données d'avant "
                                                                 "l'initialisation sont gardées dans le dossier sauvegardes/%1.")
                                                       .arg(copy.name));
    form.progress.set(0);
}
