#pragma once
// The initialisation of files: empties the chosen tables, the movements at the start of a new
// year or the master tables to start from nothing. Protected by the software access code; a
// master table takes the tables that use it along; a checked copy of the data is made first;
// the emptying is all or nothing.

#include <array>
#include <vector>
#include <QDate>
#include <QString>

#include "common/list_view.h"
#include "store/store.h"
#include "utilities/progress.h"

struct Env;

// The check boxes, in the order their tables are emptied.
enum class FileGroup {
    Receptions,       // "RECEPTIONS"
    Deliveries,       // "LIVRAISONS"
    Invoices,         // "FACTURES": sales invoices, then proformas
    Regularisations,  // "B. R. S."
    Payments,         // "VERSEMENTS": received, then issued
    CashOperations,   // "OPERATIONS DE CAISSE"
    BankOperations,   // "OPERATIONS BANCAIRES"
    Products,         // "TABLE DES PRODUITS"
    ClientsSuppliers, // "TABLE DES CLIENTS-FOURNISSEURS"
};
inline constexpr int FILE_GROUP_COUNT = 9;

struct TableOfFile {
    DbNumber db;
    QString name;
};
// The tables of the movements (every group but the two master tables), in the order they are
// emptied: the year-end closing empties them too.
std::vector<TableOfFile> movementTables();

// The caption of a group's check box.
QString fileGroupCaption(FileGroup group);

inline constexpr int INITIALISATION_PROGRESS_END = 300;

struct InitialisationForm {
    QDate today; // names the copy made first
    std::array<bool, FILE_GROUP_COUNT> checked{};
    QString password; // "MOT DE PASSE >>"
    // "BASE DE DONNEES", "FICHIER", "OBSERVATIONS"; a table that was already empty is in red.
    ListView results;
    Progress progress;

    bool& isChecked(FileGroup group) { return checked[static_cast<size_t>(group)]; }
};

// "SELECTIONNER TOUT": checks the nine boxes.
void selectAllFiles(InitialisationForm& form);
// "Initialiser".
void initialiseFiles(Env& env, InitialisationForm& form);
