#pragma once
// The nineteen database files of the Data folder, opened once at start-up and kept open.
// Every statement names its database number and runs through queryChecked or updateChecked:
// values are always bound parameters ("?"), so any text is stored exactly as typed, and a
// failure shows the "Erreur" box with the engine's message, the number and the statement.

#include <array>
#include <memory>
#include <vector>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "common/amount.h"

struct sqlite3;
struct sqlite3_stmt;
class Dialogs;
class PreparedStatement;
class QLockFile;

enum DbNumber : int {
    DB_PROD = 0,
    DB_FAM = 1,
    DB_CF = 3,
    DB_BL = 4,
    DB_BR = 5,
    DB_UM = 7,
    DB_FACV = 8,
    DB_FACP = 9,
    DB_VER = 10,
    DB_CAISSE = 12,
    DB_BANK = 13,
    DB_SITRES = 14,
    DB_BRS = 15,
    DB_CAMION = 16,
    DB_CHAUF = 17,
    DB_MAT = 18,
    DB_BC = 21,
    DB_OBS = 25,
    DB_PARAM = 30,
};

// CodeProd of the one summary row of a reception, delivery, invoice or proforma.
inline const QString SUMMARY_CODE = QStringLiteral("9999");

struct DatabaseFile {
    DbNumber number;
    const char* fileName; // inside Data/
    // The files that operations write together share one connection (prod.db is its main
    // file, the others are attached), so that such an operation commits or fails as a whole.
    bool documentsConnection;
};

// The nineteen files in their opening order.
const std::array<DatabaseFile, 19>& databaseFiles();
const DatabaseFile& databaseFile(DbNumber db);
// "Data/prod.db" with the platform's separator, as the messages show it.
QString relativePath(DbNumber db);
// The lock file that keeps a Data folder to one program at a time, beside the database files.
QString lockFileRelativePath();

enum class FolderLock { Taken, HeldByAnotherProgram, CannotBeWritten };

struct QueryResult {
    bool ok = false;
    std::vector<QStringList> rows; // every column as text; NULL reads as ""

    bool isEmpty() const { return rows.empty(); }
    int size() const { return static_cast<int>(rows.size()); }
    // The text of a cell, "" when the row or column does not exist.
    QString cell(int row, int column) const
    {
        if (row < 0 || row >= size() || column < 0 || column >= rows[row].size()) return {};
        return rows[row][column];
    }
    QString first(int column = 0) const { return cell(0, column); }
    // A cell holding a whole number of hundredths (NULL or "" read as 0.00); not valid when it
    // holds anything else (see storedAmount).
    Amount amount(int row, int column) const { return storedAmount(cell(row, column)); }
};

class Store {
public:
    explicit Store(Dialogs& dialogs);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // One program at a time on a Data folder: takes FOLDER/Data's lock file, which stays held
    // until unlockDataFolder() or the end of the process. A lock left by a program that died
    // (killed, crashed) no longer counts. Nothing is written in the folder but the lock file.
    FolderLock lockDataFolder(const QString& folder);
    void unlockDataFolder();

    // Opens FOLDER/Data/<file> for every file in the fixed order, read-write, never creating
    // one. Stops at the first file that cannot be opened (missing, read-only or not a database)
    // and returns its relative path; returns an empty text when all nineteen are open.
    QString openDatabases(const QString& folder);
    void closeAll();
    bool isOpen() const { return !connections_.empty(); }
    QString folder() const { return folder_; }

    // Runs a statement that returns rows. On failure shows the "Erreur" box and returns a
    // result with ok false and no rows.
    QueryResult queryChecked(DbNumber db, const QString& sql, const QVariantList& args = {});
    // Runs a statement that changes data; false (after the "Erreur" box) when it failed.
    bool updateChecked(DbNumber db, const QString& sql, const QVariantList& args = {});
    // The first column of the first row ("" when there is none): max(...), sum(...).
    QString scalar(DbNumber db, const QString& sql, const QVariantList& args = {});
    // A sum of amounts (or one stored amount): 0.00 for no row or NULL. Nothing when the
    // statement failed (its "Erreur" box is shown) or the value is not a whole number of
    // hundredths within the bound ("Montant trop élevé !"): the caller stops.
    std::optional<Amount> amountScalar(DbNumber db, const QString& sql, const QVariantList& args = {});
    // A whole number such as max(numdoc): 0 for no row or NULL. Nothing when the statement
    // failed or the value is not a whole number: the caller stops, it never counts from 0.
    std::optional<qint64> integerScalar(DbNumber db, const QString& sql, const QVariantList& args = {});
    // A statement that changes data, prepared once to be run with many sets of values (bulk
    // writes). A statement that does not prepare shows the "Erreur" box and never runs.
    PreparedStatement prepare(DbNumber db, const QString& sql);

    // The connection that serves a database number (shared by the attached files).
    sqlite3* connection(DbNumber db) const;
    Dialogs& dialogs() { return dialogs_; }
    // Shows the "Erreur" box of a failed statement.
    void reportFailure(DbNumber db, const QString& sql, const QString& engineMessage);

private:
    friend class Transaction;
    bool openOne(const DatabaseFile& file);
    int nextSavepoint() { return ++savepointCounter_; }

    Dialogs& dialogs_;
    QString folder_;
    std::vector<sqlite3*> connections_;   // owned
    std::array<sqlite3*, 31> byNumber_{}; // database number -> connection
    std::unique_ptr<QLockFile> lock_;
    int savepointCounter_ = 0;
};

class PreparedStatement {
public:
    PreparedStatement(PreparedStatement&& other) noexcept;
    PreparedStatement& operator=(PreparedStatement&&) = delete;
    ~PreparedStatement();

    bool isValid() const { return stmt_ != nullptr; }
    // Runs the statement with these values; false (after the "Erreur" box) when it failed.
    bool run(const QVariantList& args);

private:
    friend class Store;
    PreparedStatement(Store& store, DbNumber db, const QString& sql);

    Store* store_;
    DbNumber db_;
    QString sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Groups the writes of one operation: rolls back on destruction unless commit() succeeded,
// and rolls back when the COMMIT itself fails. Inside another transaction on the same
// connection it becomes a savepoint, so guarded operations can call each other.
class Transaction {
public:
    Transaction(Store& store, DbNumber db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isActive() const { return active_; }
    bool commit();

private:
    bool run(const QString& sql);
    void rollback();

    Store& store_;
    DbNumber db_;
    QString savepoint_; // empty for a top-level transaction
    bool active_ = false;
};
