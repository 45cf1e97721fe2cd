#include "utilities/data_copies.h"

#include <sqlite3.h>

#include <optional>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/store.h"

namespace {

QString fileNameOf(const DatabaseFile& file) { return QString::fromLatin1(file.fileName); }

QString shown(const QString& path) { return QDir::toNativeSeparators(QDir::cleanPath(path)); }

// A connection of its own on one file, closed when it goes.
class Connection {
public:
    Connection(const QString& path, int flags)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) failure_ = message();
    }
    ~Connection() { sqlite3_close_v2(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* get() const { return db_; }
    bool isOpen() const { return failure_.isEmpty(); }
    const QString& failure() const { return failure_; }
    QString message() const { return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory"); }

private:
    sqlite3* db_ = nullptr;
    QString failure_;
};

// Names the first of the nineteen files that FOLDER lacks.
QString missingFile(const QString& folder)
{
    for (const DatabaseFile& file : databaseFiles())
        if (!QFileInfo(QDir(folder).filePath(fileNameOf(file))).isFile())
            return QStringLiteral("le fichier %1 manque").arg(fileNameOf(file));
    return {};
}

QString damaged(const QString& name, const QString& fault)
{
    return QStringLiteral("le fichier %1 est endommagé (%2)").arg(name, fault);
}

// Copies the nineteen files of SOURCE into DESTINATION, each checked as soon as it is made;
// `fileDone` hears how many are done. A file the source lacks is named before anything is copied.
QString copyAndCheck(const QString& source, const QString& destination, const std::function<void(int)>& fileDone)
{
    const QString missing = missingFile(source);
    if (!missing.isEmpty()) return missing;
    int done = 0;
    for (const DatabaseFile& file : databaseFiles()) {
        const QString name = fileNameOf(file);
        const QString copy = QDir(destination).filePath(name);
        const QString failure = copyDatabaseFile(QDir(source).filePath(name), copy);
        if (!failure.isEmpty()) return failure;
        const QString fault = checkDatabaseFile(copy);
        if (!fault.isEmpty()) return damaged(name, fault);
        if (fileDone) fileDone(++done);
    }
    return {};
}

// Folders made by QTemporaryDir are for their owner alone; a backup is an ordinary folder.
void makeOrdinaryFolder(const QString& path)
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                    | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                    | QFileDevice::ExeOther);
}

// Renames the finished copy to DESTINATION; an earlier DESTINATION is set aside first and
// removed only once the new one is in place.
QString moveIntoPlace(QTemporaryDir& staging, const QString& destination)
{
    const QFileInfo target(destination);
    const QString parent = target.absolutePath();
    QString aside;
    if (target.exists()) {
        aside = QDir(parent).filePath(freeName(parent, QStringLiteral(".") + target.fileName() + QStringLiteral(".ancienne")));
        if (!QDir().rename(destination, aside)) return QStringLiteral("impossible de remplacer %1").arg(shown(destination));
    }
    if (!QDir().rename(staging.path(), destination)) {
        if (!aside.isEmpty()) QDir().rename(aside, destination);
        return QStringLiteral("impossible de nommer la copie %1").arg(shown(destination));
    }
    staging.setAutoRemove(false);
    makeOrdinaryFolder(destination);
    if (!aside.isEmpty()) QDir(aside).removeRecursively();
    return {};
}

} // namespace

QString backupsFolder(const Store& store) { return QDir(store.folder()).filePath(QStringLiteral("sauvegardes")); }

QString copyDatabaseFile(const QString& source, const QString& destination)
{
    const QString name = QFileInfo(source).fileName();
    if (!QFileInfo(source).isFile()) return QStringLiteral("le fichier %1 manque").arg(name);
    const Connection from(source, SQLITE_OPEN_READONLY);
    if (!from.isOpen()) return name + QStringLiteral(" : ") + from.failure();
    const Connection to(destination, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!to.isOpen()) return name + QStringLiteral(" : ") + to.failure();
    // A new file in a folder of its own needs no journal: an interrupted copy is thrown away
    // whole. The file is still flushed to the disk before it is called done.
    sqlite3_exec(to.get(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(to.get(), "main", from.get(), "main");
    if (backup == nullptr) return name + QStringLiteral(" : ") + to.message();
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        return name + QStringLiteral(" : ") + (finished != SQLITE_OK ? to.message() : QString::fromUtf8(sqlite3_errstr(stepped)));
    return {};
}

QString checkDatabaseFile(const QString& path)
{
    const Connection db(path, SQLITE_OPEN_READONLY);
    if (!db.isOpen()) return db.failure();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db.get(), "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK) return db.message();
    QString fault;
    if (sqlite3_step(statement) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        const QString verdict = QString::fromUtf8(text ? text : "");
        if (verdict != u"ok") fault = verdict;
    } else {
        fault = db.message();
    }
    sqlite3_finalize(statement);
    return fault;
}

QString checkDataCopy(const QString& folder)
{
    const QString missing = missingFile(folder);
    if (!missing.isEmpty()) return missing;
    for (const DatabaseFile& file : databaseFiles()) {
        const QString fault = checkDatabaseFile(QDir(folder).filePath(fileNameOf(file)));
        if (!fault.isEmpty()) return damaged(fileNameOf(file), fault);
    }
    return {};
}

QString makeCheckedCopy(const Store& store, const QString& destination, const QString& inner,
                        const std::function<void(int)>& fileDone)
{
    const QString parent = QFileInfo(destination).absolutePath();
    if (!QDir().mkpath(parent)) return QStringLiteral("impossible de créer le dossier %1").arg(shown(parent));
    QTemporaryDir staging(QDir(parent).filePath(QStringLiteral(".copie-XXXXXX")));
    if (!staging.isValid()) return QStringLiteral("impossible d'écrire dans le dossier %1").arg(shown(parent));
    const QString files = inner.isEmpty() ? staging.path() : QDir(staging.path()).filePath(inner);
    if (!QDir().mkpath(files)) return QStringLiteral("impossible d'écrire dans le dossier %1").arg(shown(parent));
    const QString failure = copyAndCheck(QDir(store.folder()).filePath(QStringLiteral("Data")), files, fileDone);
    if (!failure.isEmpty()) return failure;
    if (!inner.isEmpty()) makeOrdinaryFolder(files);
    return moveIntoPlace(staging, destination);
}

QString freeName(const QString& parent, const QString& name)
{
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? name : name + QStringLiteral("-") + QString::number(n);
        const QFileInfo entry(QDir(parent).filePath(candidate));
        if (!entry.exists() && !entry.isSymLink()) return candidate;
    }
}

StagedData::StagedData(const Store& store, const QString& source)
    : dir_(QDir(store.folder()).filePath(QStringLiteral(".restauration-XXXXXX")))
{
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("impossible d'écrire dans le dossier %1").arg(shown(store.folder()));
        return;
    }
    failure_ = copyAndCheck(source, dir_.path(), {});
}

QString StagedData::putInPlace(Store& store, const QString& keptAs)
{
    if (!failure_.isEmpty()) return failure_;
    const QString root = store.folder();
    const QDir data(QDir(root).filePath(QStringLiteral("Data")));
    // The replaced files go to the folder they are kept in, or wait beside the Data folder
    // until the new ones are open.
    std::optional<QTemporaryDir> temporary;
    QString aside = keptAs;
    if (keptAs.isEmpty()) {
        temporary.emplace(QDir(root).filePath(QStringLiteral(".remplacees-XXXXXX")));
        if (!temporary->isValid()) return QStringLiteral("impossible d'écrire dans le dossier %1").arg(shown(root));
        aside = temporary->path();
    } else if (QFileInfo::exists(keptAs) || !QDir().mkpath(keptAs)) {
        return QStringLiteral("impossible de créer le dossier %1").arg(shown(keptAs));
    }

    struct Move {
        QString from, to;
    };
    std::vector<Move> done;
    QString failure;
    const auto move = [&](const QString& from, const QString& to) {
        if (QFile::rename(from, to)) {
            done.push_back({from, to});
            return true;
        }
        failure = QStringLiteral("impossible de déplacer %1").arg(shown(from));
        return false;
    };

    store.closeAll();
    for (const DatabaseFile& file : databaseFiles()) {
        const QString name = fileNameOf(file);
        const QString current = data.filePath(name);
        // A journal left beside a file belongs to it alone: it must never meet the new one.
        const QString journal = current + QStringLiteral("-journal");
        if (QFileInfo::exists(journal) && !move(journal, QDir(aside).filePath(name + QStringLiteral("-journal")))) break;
        if (QFileInfo::exists(current) && !move(current, QDir(aside).filePath(name))) break;
        if (!move(QDir(dir_.path()).filePath(name), current)) break;
    }
    if (failure.isEmpty()) {
        const QString notOpened = store.openDatabases(root);
        if (notOpened.isEmpty()) {
            if (!keptAs.isEmpty()) makeOrdinaryFolder(keptAs);
            return {};
        }
        failure = QStringLiteral("ouverture de %1 impossible").arg(notOpened);
    }
    // Back as it was, in the reverse order.
    store.closeAll();
    for (auto it = done.rbegin(); it != done.rend(); ++it) QFile::rename(it->to, it->from);
    if (!keptAs.isEmpty()) QDir().rmdir(keptAs); // empty once every file is back
    store.openDatabases(root);
    return failure;
}
