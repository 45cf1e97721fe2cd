#pragma once
// Backup and restore of the whole Data folder. A backup is the folder "sauvegardes/ddmmyyyy"
// beside "Data" holding a checked copy of the nineteen database files; a restore puts such a
// copy back in place of the data the program works on, which then goes on with it at once.

#include <QDate>
#include <QString>

#include "common/list_view.h"

struct Env;

// What the backup and restore tabs show.
struct BackupForm {
    QDate today; // read once when the window opens: it names the backups and bounds their years
    // The valid backup folders, newest first: the backup tab's list and the restore list.
    ListView backups;
    QString chosenFolder;  // "Dossier à restaurer >>"
    bool canRestore = false; // "Restaurer" is enabled once a folder is chosen
    QString warning1, warning2; // the red lines of the restore tab, shown while there is a backup
};

// ddmmyyyy: the name of the day's backup.
QString backupFolderName(const QDate& day);
// ddmmyy: the copy made before an initialisation of files (never offered for a restore).
QString initialisationCopyName(const QDate& day);
// Day 1-31 in the first two characters, month 1-12 in the next two and a year from 2016 to
// `currentYear` in the last four, each part numeric.
bool isBackupFolderName(const QString& name, int currentYear);

// Fills the two lists with the valid backup folders and sets the warning lines.
void listBackups(Env& env, BackupForm& form);
// "Sauvegarder": a checked copy of the data into the day's folder; a second backup of the day
// replaces the first only once complete. Says how it went and lists the backups again.
void backupDatabase(Env& env, BackupForm& form);
// A row picked in the restore list: a valid folder becomes the folder to restore.
void chooseBackupFolder(BackupForm& form, int row);
// "Restaurer": after the question, checks the chosen backup, puts it in place of the current
// data and opens it; the replaced files are kept in "sauvegardes" (named in the final message,
// never offered for a restore). When anything fails the data is left or put back as it was,
// and the user is told.
void restoreBackup(Env& env, BackupForm& form);

struct CopyMade {
    QString name;    // the folder's name in "sauvegardes"
    QString failure; // why it could not be made; empty when it was
};
// The copy made before an initialisation of files, in "sauvegardes/ddmmyy" (ddmmyy-2 ... when
// the day already has one, so that an earlier copy is never overwritten).
CopyMade backupBeforeInitialisation(Env& env, const QDate& today);
