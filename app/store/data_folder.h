#pragma once
// Creation of a Data folder holding the nineteen database files with their empty tables.
// Used by the makedata tool, the build's staging step and the tests' temporary folders.

#include <QString>
#include <QStringList>

#include "store/store.h"

// The statements that create a file's tables and indexes; empty for the five files that hold
// no table (Um, camion, chauf, mat, obs).
QString schemaSql(DbNumber db);
// The tables of a file, in creation order.
QStringList schemaTables(DbNumber db);

struct DataFolderReport {
    QStringList created;  // relative paths of the files made now
    QStringList existing; // relative paths left untouched because they were already there
    QString error;        // set when a file could not be made; nothing half-made is left
    bool ok() const { return error.isEmpty(); }
};

// Makes FOLDER/Data and every database file that does not exist yet. An existing file is never
// opened for writing nor replaced: it is listed in `existing`.
DataFolderReport createDataFolder(const QString& folder);
