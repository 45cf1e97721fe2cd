#include "utilities/backups.h"

#include <algorithm>

#include <QDir>

#include "common/env.h"
#include "common/values.h"
#include "utilities/data_copies.h"

namespace {

const QString TO_RESTORE_PREFIX = QStringLiteral("avant-restauration-");

// Newest first: year, then month, then day.
int dateKey(const QString& backupName)
{
    return static_cast<int>(integerValue(backupName.right(4)) * 10000 + integerValue(backupName.mid(2, 2)) * 100
                            + integerValue(backupName.left(2)));
}

// The restored files bring their own parameters, and the numbers the windows proposed so far
// belong to the data that was replaced.
void startOverOnRestoredData(Env& env)
{
    env.state = ProgramState{};
    env.setParameters(withDocumentDefaults(loadParameters(env.store)));
}

} // namespace

QString backupFolderName(const QDate& day) { return day.toString(QStringLiteral("ddMMyyyy")); }

QString initialisationCopyName(const QDate& day) { return day.toString(QStringLiteral("ddMMyy")); }

bool isBackupFolderName(const QString& name, int currentYear)
{
    if (name.size() < 4) return false;
    const QString day = name.left(2);
    const QString month = name.mid(2, 2);
    const QString year = name.right(4);
    if (!isNumericText(day) || !isNumericText(month) || !isNumericText(year)) return false;
    const qint64 d = integerValue(day);
    const qint64 m = integerValue(month);
    const qint64 y = integerValue(year);
    return d >= 1 && d <= 31 && m >= 1 && m <= 12 && y >= 2016 && y <= currentYear;
}

void listBackups(Env& env, BackupForm& form)
{
    QStringList names;
    for (const QString& name : QDir(backupsFolder(env.store)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (isBackupFolderName(name, form.today.year())) names.append(name);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return dateKey(a) != dateKey(b) ? dateKey(a) > dateKey(b) : a < b;
    });
    form.backups.clear();
    for (const QString& name : names) form.backups.append({name, QString()});
    const bool any = !form.backups.isEmpty();
    form.warning1 = any ? QStringLiteral("ATTENTION, VOUS ALLEZ SUPPRIMER LA BASE ACTUELLE, ELLE SERA REMPLACEE PAR CELLE "
                                         "QUE VOUS ALLEZ RESTAURER.")
                        : QString();
    form.warning2 = any ? QStringLiteral("IL EST RECOMMANDE DE FAIRE D'ABORD UNE SAUVEGARDE AVANT DE LANCER LA RESTAURATION.")
                        : QString();
}

void backupDatabase(Env& env, BackupForm& form)
{
    const QString destination = QDir(backupsFolder(env.store)).filePath(backupFolderName(form.today));
    const QString failure = makeCheckedCopy(env.store, destination);
    listBackups(env, form);
    if (!failure.isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("La sauvegarde a échoué : ") + failure);
        return;
    }
    env.dialogs.message(QStringLiteral("Terminé"), QStringLiteral("Sauvegarde terminée ! "));
}

void chooseBackupFolder(BackupForm& form, int row)
{
    if (row < 0 || row >= form.backups.size()) return;
    const QString name = form.backups.rows[static_cast<size_t>(row)].value(0);
    if (name.isEmpty() || !isBackupFolderName(name, form.today.year())) return;
    form.backups.selected = row;
    form.chosenFolder = name;
    form.canRestore = true;
}

void restoreBackup(Env& env, BackupForm& form)
{
    if (form.chosenFolder.isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("Sélectionnez le dossier à restaurer ! "));
        return;
    }
    if (form.backups.isEmpty()) {
        env.dialogs.message(QStringLiteral("Infos"), QStringLiteral("Il n'y a aucune sauvegarde à restaurer ! "));
        return;
    }
    if (!env.dialogs.askYesNo(QStringLiteral("ATTENTION !"),
                              QStringLiteral("Vous êtes sur le point de supprimer entièrement vos données. Si vous n'avez pas "
                                             "encore sauvegardé votre travail actuel, c'est le moment de le faire. Etes-vous "
                                             "sûr de vouloir restaurer MAINTENANT la sauvegarde sélectionnée?")))
        return;
    if (!isBackupFolderName(form.chosenFolder, form.today.year())) return;

    const auto fail = [&env](const QString& reason) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("La restauration a échoué : ") + reason
                                                          + QStringLiteral(". Vos données sont restées telles qu'elles étaient."));
    };
    const QString backups = backupsFolder(env.store);
    StagedData restored(env.store, QDir(backups).filePath(form.chosenFolder));
    if (!restored.failure().isEmpty()) {
        fail(QStringLiteral("la sauvegarde %1 ne peut pas être restaurée, %2").arg(form.chosenFolder, restored.failure()));
        return;
    }
    // The files replaced are kept whole, never offered for a restore.
    const QString keptName = freeName(backups, TO_RESTORE_PREFIX + backupFolderName(form.today));
    const QString failure = restored.putInPlace(env.store, QDir(backups).filePath(keptName));
    if (!failure.isEmpty()) {
        fail(failure);
        return;
    }
    startOverOnRestoredData(env);
    listBackups(env, form);
    env.dialogs.message(QStringLiteral("Terminé"),
                        QStringLiteral("La base de données a été restaurée avec succès ! \nLes données remplacées sont "
                                       "gardées dans le dossier sauvegardes/%1.")
                            .arg(keptName));
}

CopyMade backupBeforeInitialisation(Env& env, const QDate& today)
{
    const QString backups = backupsFolder(env.store);
    CopyMade copy;
    copy.name = freeName(backups, initialisationCopyName(today));
    copy.failure = makeCheckedCopy(env.store, QDir(backups).filePath(copy.name));
    return copy;
}
