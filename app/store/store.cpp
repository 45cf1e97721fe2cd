#include "store/store.h"

#include <sqlite3.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QUrl>

#include <utility>

#include "common/dialogs.h"

namespace {

const std::array<DatabaseFile, 19> FILES{{
    {DB_PROD, "prod.db", true},
    {DB_FAM, "fam.db", true},
    {DB_CF, "CF.db", true},
    {DB_BL, "bl.db", true},
    {DB_BR, "br.db", true},
    {DB_UM, "Um.db", false},
    {DB_FACV, "facv.db", true},
    {DB_FACP, "facp.db", true},
    {DB_VER, "ver.db", true},
    {DB_CAISSE, "caisse.db", false},
    {DB_BANK, "bank.db", false},
    {DB_SITRES, "sitres.db", true},
    {DB_BRS, "brs.db", true},
    {DB_CAMION, "camion.db", false},
    {DB_CHAUF, "chauf.db", false},
    {DB_MAT, "mat.db", false},
    {DB_BC, "bc.db", true},
    {DB_OBS, "obs.db", false},
    {DB_PARAM, "Param.db", false},
}};

// The schema name of a file on its connection: "main" for the main file of a connection,
// the file's base name for an attached one.
QString schemaName(const DatabaseFile& file)
{
    if (!file.documentsConnection || file.number == DB_PROD) return QStringLiteral("main");
    return QFileInfo(QString::fromLatin1(file.fileName)).baseName().toLower();
}

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// Binds the values to the statement's "?" in order: whole numbers as integers, NULL as NULL,
// anything else as its text.
bool bindValues(sqlite3_stmt* stmt, const QVariantList& args)
{
    for (int i = 0; i < args.size(); ++i) {
        const QVariant& value = args[i];
        const int index = i + 1;
        int rc;
        if (value.isNull()) {
            rc = sqlite3_bind_null(stmt, index);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
                   || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::Bool) {
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(stmt, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK) return false;
    }
    return true;
}

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        rc_ = sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return rc_ == SQLITE_OK && stmt_ != nullptr; }
    sqlite3_stmt* get() const { return stmt_; }

    bool bind(const QVariantList& args) { return bindValues(stmt_, args); }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int rc_ = SQLITE_ERROR;
};

} // namespace

const std::array<DatabaseFile, 19>& databaseFiles() { return FILES; }

const DatabaseFile& databaseFile(DbNumber db)
{
    for (const DatabaseFile& file : FILES)
        if (file.number == db) return file;
    Q_ASSERT_X(false, "databaseFile", "unknown database number");
    return FILES[0];
}

QString relativePath(DbNumber db)
{
    return QDir::toNativeSeparators(QStringLiteral("Data/") + QString::fromLatin1(databaseFile(db).fileName));
}

QString lockFileRelativePath() { return QDir::toNativeSeparators(QStringLiteral("Data/varkel.lock")); }

Store::Store(Dialogs& dialogs) : dialogs_(dialogs) {}

Store::~Store()
{
    closeAll();
    unlockDataFolder();
}

FolderLock Store::lockDataFolder(const QString& folder)
{
    unlockDataFolder();
    auto lock = std::make_unique<QLockFile>(QDir(folder).absoluteFilePath(lockFileRelativePath()));
    // Held for the whole run, so never stale by age: only a dead owner frees it.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return FolderLock::Taken;
    }
    return lock->error() == QLockFile::LockFailedError ? FolderLock::HeldByAnotherProgram : FolderLock::CannotBeWritten;
}

void Store::unlockDataFolder() { lock_.reset(); }

QString Store::openDatabases(const QString& folder)
{
    closeAll();
    folder_ = folder;
    for (const DatabaseFile& file : FILES) {
        if (!openOne(file)) {
            closeAll();
            return relativePath(file.number);
        }
    }
    return {};
}

bool Store::openOne(const DatabaseFile& file)
{
    const QString path = QDir(folder_).absoluteFilePath(QStringLiteral("Data/") + QString::fromLatin1(file.fileName));
    const QString schema = schemaName(file);
    sqlite3* db = nullptr;
    if (schema == u"main") {
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX;
        if (sqlite3_open_v2(QDir::toNativeSeparators(path).toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close_v2(db);
            return false;
        }
        sqlite3_busy_timeout(db, 5000);
        connections_.push_back(db);
    } else {
        db = byNumber_[DB_PROD];
        // A plain ATTACH would create a missing file: the URI's mode=rw makes it fail instead.
        const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=rw");
        Statement attach(db, QStringLiteral("ATTACH DATABASE ? AS ") + schema);
        if (!attach.prepared() || !attach.bind({uri}) || sqlite3_step(attach.get()) != SQLITE_DONE) return false;
    }
    const QByteArray name = schema.toUtf8();
    // A write-protected file would open read-only and fail at every save: refuse it now.
    if (sqlite3_db_readonly(db, name.constData()) != 0) return false;
    // Reading the schema proves the file is a database; then the rollback journal, flushed to
    // disk at every commit (WAL would be atomic per file only).
    const QString setup = QStringLiteral("SELECT count(*) FROM %1.sqlite_master; PRAGMA %1.journal_mode=DELETE; "
                                         "PRAGMA %1.synchronous=FULL;")
                              .arg(schema);
    if (sqlite3_exec(db, setup.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) return false;
    byNumber_[file.number] = db;
    return true;
}

void Store::closeAll()
{
    for (sqlite3* db : connections_) sqlite3_close_v2(db);
    connections_.clear();
    byNumber_.fill(nullptr);
}

sqlite3* Store::connection(DbNumber db) const { return byNumber_[static_cast<size_t>(db)]; }

void Store::reportFailure(DbNumber db, const QString& sql, const QString& message)
{
    dialogs_.message(QStringLiteral("Erreur"),
                     message + QStringLiteral("    Db=") + QString::number(db) + QStringLiteral(" query$= ") + sql);
}

QueryResult Store::queryChecked(DbNumber db, const QString& sql, const QVariantList& args)
{
    QueryResult result;
    sqlite3* conn = connection(db);
    if (conn == nullptr) {
        reportFailure(db, sql, QStringLiteral("database not open"));
        return result;
    }
    Statement statement(conn, sql);
    if (!statement.prepared() || !statement.bind(args)) {
        reportFailure(db, sql, engineMessage(conn));
        return result;
    }
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        const int columns = sqlite3_column_count(statement.get());
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement.get(), c));
            row.append(text ? QString::fromUtf8(text, sqlite3_column_bytes(statement.get(), c)) : QString());
        }
        result.rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) {
        reportFailure(db, sql, engineMessage(conn));
        result.rows.clear();
        return result;
    }
    result.ok = true;
    return result;
}

bool Store::updateChecked(DbNumber db, const QString& sql, const QVariantList& args)
{
    // The same run as a query: a statement that changes data simply returns no row.
    return queryChecked(db, sql, args).ok;
}

PreparedStatement Store::prepare(DbNumber db, const QString& sql)
{
    PreparedStatement prepared(*this, db, sql);
    sqlite3* conn = connection(db);
    const QByteArray utf8 = sql.toUtf8();
    if (conn == nullptr) {
        reportFailure(db, sql, QStringLiteral("database not open"));
    } else if (sqlite3_prepare_v2(conn, utf8.constData(), static_cast<int>(utf8.size()), &prepared.stmt_, nullptr) != SQLITE_OK) {
        reportFailure(db, sql, engineMessage(conn));
        sqlite3_finalize(prepared.stmt_);
        prepared.stmt_ = nullptr;
    }
    return prepared;
}

PreparedStatement::PreparedStatement(Store& store, DbNumber db, const QString& sql) : store_(&store), db_(db), sql_(sql) {}

PreparedStatement::PreparedStatement(PreparedStatement&& other) noexcept
    : store_(other.store_), db_(other.db_), sql_(std::move(other.sql_)), stmt_(std::exchange(other.stmt_, nullptr))
{
}

PreparedStatement::~PreparedStatement() { sqlite3_finalize(stmt_); }

bool PreparedStatement::run(const QVariantList& args)
{
    if (stmt_ == nullptr) return false;
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    int rc = bindValues(stmt_, args) ? SQLITE_ROW : SQLITE_ERROR;
    while (rc == SQLITE_ROW) rc = sqlite3_step(stmt_);
    if (rc != SQLITE_DONE) {
        store_->reportFailure(db_, sql_, engineMessage(store_->connection(db_)));
        return false;
    }
    return true;
}

QString Store::scalar(DbNumber db, const QString& sql, const QVariantList& args)
{
    return queryChecked(db, sql, args).first();
}

std::optional<Amount> Store::amountScalar(DbNumber db, const QString& sql, const QVariantList& args)
{
    const QueryResult result = queryChecked(db, sql, args);
    if (!result.ok) return std::nullopt;
    const Amount amount = result.amount(0, 0);
    if (!amount.isValid()) {
        dialogs_.message(QStringLiteral("Erreur"), AMOUNT_TOO_LARGE);
        return std::nullopt;
    }
    return amount;
}

std::optional<qint64> Store::integerScalar(DbNumber db, const QString& sql, const QVariantList& args)
{
    const QueryResult result = queryChecked(db, sql, args);
    if (!result.ok) return std::nullopt;
    const QString text = result.first();
    if (text.isEmpty()) return 0;
    bool isWhole = false;
    const qint64 value = text.toLongLong(&isWhole);
    if (!isWhole) {
        reportFailure(db, sql, QStringLiteral("valeur non entière: ") + text);
        return std::nullopt;
    }
    return value;
}

Transaction::Transaction(Store& store, DbNumber db) : store_(store), db_(db)
{
    sqlite3* conn = store_.connection(db_);
    if (conn == nullptr) return;
    if (sqlite3_get_autocommit(conn) == 0) savepoint_ = QStringLiteral("guard") + QString::number(store_.nextSavepoint());
    // IMMEDIATE takes the write lock at once, so the operation cannot fail half-way on it.
    active_ = run(savepoint_.isEmpty() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT ") + savepoint_);
}

Transaction::~Transaction()
{
    if (active_) rollback();
}

bool Transaction::run(const QString& sql) { return store_.updateChecked(db_, sql); }

bool Transaction::commit()
{
    if (!active_) return false;
    const bool ok = run(savepoint_.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + savepoint_);
    if (!ok) {
        rollback();
        return false;
    }
    active_ = false;
    return true;
}

void Transaction::rollback()
{
    active_ = false;
    sqlite3* conn = store_.connection(db_);
    if (conn == nullptr) return;
    if (savepoint_.isEmpty()) {
        // After a failed COMMIT the engine may already have rolled back: nothing left to undo.
        if (sqlite3_get_autocommit(conn) == 0) sqlite3_exec(conn, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const QByteArray sql = (QStringLiteral("ROLLBACK TO ") + savepoint_ + QStringLiteral("; RELEASE ") + savepoint_).toUtf8();
        sqlite3_exec(conn, sql.constData(), nullptr, nullptr, nullptr);
    }
}
