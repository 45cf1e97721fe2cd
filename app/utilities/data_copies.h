#pragma once
// Copies of the Data folder: backups, the copy made before an initialisation, the year's
// archive, and the data put back by a restore. A live database file is never copied byte by
// byte: each file goes through SQLite's online backup into a folder of its own, every copy is
// checked (all nineteen files, each passing the integrity check), and only a complete, checked
// copy is renamed to its final name. The lock file of the Data folder is never copied.
//
// Every function returns an empty text on success, otherwise the reason of the failure in
// French, ready to follow "La sauvegarde a échoué : " and the like.

#include <functional>
#include <QString>
#include <QTemporaryDir>

class Store;

// The folder beside "Data" that holds the backups ("sauvegardes").
QString backupsFolder(const Store& store);

// Copies one database file with the online backup (the source may be open elsewhere).
QString copyDatabaseFile(const QString& source, const QString& destination);
// The first fault SQLite's integrity check finds in a database file ("" when it is sound).
QString checkDatabaseFile(const QString& path);
// Checks a copy of the Data folder: the nineteen files present and each of them sound.
QString checkDataCopy(const QString& folder);

// Makes a checked copy of every database file of the open store in DESTINATION/INNER (INNER
// empty: in DESTINATION itself). The copy is built in a temporary folder beside DESTINATION
// and renamed into place once checked; an earlier DESTINATION is replaced only then, and stays
// as it was when anything fails. `fileDone` hears how many files are copied and checked so far.
QString makeCheckedCopy(const Store& store, const QString& destination, const QString& inner = {},
                        const std::function<void(int)>& fileDone = {});

// NAME if PARENT holds nothing of that name, else NAME-2, NAME-3 ...: a copy never overwrites
// another.
QString freeName(const QString& parent, const QString& name);

// The database files of a backup or an archive, copied beside the Data folder and checked,
// ready to take the place of the store's files.
class StagedData {
public:
    StagedData(const Store& store, const QString& source);
    StagedData(const StagedData&) = delete;
    StagedData& operator=(const StagedData&) = delete;

    // Why the source cannot be put in place (a file missing or damaged...); "" when it can.
    const QString& failure() const { return failure_; }

    // Closes every connection of the store, puts the staged files in place of the Data files
    // and opens them again. When a step fails the previous files are put back and opened
    // again, so the store never works on a mixture of both. The replaced files, closed whole,
    // are moved into the folder `keptAs` when one is named (it must not exist yet).
    QString putInPlace(Store& store, const QString& keptAs = {});

private:
    QTemporaryDir dir_;
    QString failure_;
};
