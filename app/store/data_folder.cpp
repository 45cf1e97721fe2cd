#include "store/data_folder.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QString schemaSql(DbNumber db)
{
    const QString base = QFileInfo(QString::fromLatin1(databaseFile(db).fileName)).baseName();
    QFile file(QStringLiteral(":/schema/") + base + QStringLiteral(".sql"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList schemaTables(DbNumber db)
{
    QStringList tables;
    static const QRegularExpression createTable(QStringLiteral("CREATE TABLE (\\w+)"));
    for (auto it = createTable.globalMatch(schemaSql(db)); it.hasNext();) tables.append(it.next().captured(1));
    return tables;
}

namespace {

// Builds the file under a temporary name and renames it at the end, so that an interrupted
// run leaves no half-made database behind.
QString createDatabaseFile(const QString& path, const QString& sql)
{
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    sqlite3* db = nullptr;
    QString error;
    if (sqlite3_open_v2(partial.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        const QString script = QStringLiteral("BEGIN; ") + sql + QStringLiteral("\nCOMMIT;");
        char* message = nullptr;
        if (sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
            error = QString::fromUtf8(message);
            sqlite3_free(message);
        }
    }
    sqlite3_close_v2(db);
    if (error.isEmpty() && !QFile::rename(partial, path)) error = QStringLiteral("cannot rename ") + partial;
    if (!error.isEmpty()) QFile::remove(partial);
    return error;
}

} // namespace

DataFolderReport createDataFolder(const QString& folder)
{
    DataFolderReport report;
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("Data"))) {
        report.error = QStringLiteral("cannot create ") + dir.absoluteFilePath(QStringLiteral("Data"));
        return report;
    }
    for (const DatabaseFile& file : databaseFiles()) {
        const QString path = dir.absoluteFilePath(QStringLiteral("Data/") + QString::fromLatin1(file.fileName));
        if (QFileInfo::exists(path)) {
            report.existing.append(relativePath(file.number));
            continue;
        }
        const QString error = createDatabaseFile(path, schemaSql(file.number));
        if (!error.isEmpty()) {
            report.error = relativePath(file.number) + QStringLiteral(": ") + error;
            return report;
        }
        report.created.append(relativePath(file.number));
    }
    return report;
}
