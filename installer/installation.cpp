#include "installer/installation.h"

#include <vector>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include "common/dialogs.h"
#include "installer/desktop_launcher.h"
#include "store/store.h"

namespace {

const QString DATA_FOLDER_PREFIX = QStringLiteral("Data/");

// Where the bar stands before and after the copy; the copy fills the space between by bytes.
constexpr int COPY_START_PERCENT = 5;
constexpr int COPY_END_PERCENT = 90;

struct FileCopy {
    QString source;
    QString target;
};

struct CopyPlan {
    QStringList folders; // to make
    std::vector<FileCopy> files;
    qint64 bytes = 0;
};

// Whether a file of the source's Data folder is copied: never over a file the destination holds
// (it is the business's data), nor the rollback journal of a database the destination holds (it
// would be played back into the wrong file), nor a lock file.
bool copiesDataFile(const QString& relative, const QString& target)
{
    if (relative == QDir::fromNativeSeparators(lockFileRelativePath()) || QFileInfo::exists(target)) return false;
    const QString journal = QStringLiteral("-journal");
    return !(target.endsWith(journal) && QFileInfo::exists(target.chopped(journal.size())));
}

// Every folder and file of the source, with its place in the destination.
CopyPlan planCopy(const QString& source, const QString& destination)
{
    CopyPlan plan;
    plan.folders << destination;
    const QDir from(source), to(destination);
    // Files and folders only: a pipe or a device would never end reading.
    QDirIterator entries(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString relative = from.relativeFilePath(entry.filePath());
        const QString target = to.filePath(relative);
        if (entry.isDir()) {
            plan.folders << target;
            continue;
        }
        if (relative.startsWith(DATA_FOLDER_PREFIX) && !copiesDataFile(relative, target)) continue;
        plan.files.push_back({entry.filePath(), target});
        plan.bytes += entry.size();
    }
    return plan;
}

// The nearest folder of the path that exists, for asking its disk how much room is left.
QString existingAncestor(QString path)
{
    while (!QFileInfo(path).isDir()) {
        const QString parent = QFileInfo(path).path();
        if (parent == path) break;
        path = parent;
    }
    return path;
}

QString megabytes(qint64 bytes) { return QString::number((bytes + 1048575) / 1048576); }

// Empty when the disk holding the destination has room for the copy, else the reason.
QString roomProblem(const QString& destination, qint64 bytes)
{
    const QStorageInfo disk(existingAncestor(destination));
    if (!disk.isValid() || disk.bytesAvailable() < 0 || disk.bytesAvailable() >= bytes) return {};
    return QStringLiteral("espace disque insuffisant (%1 Mo nécessaires, %2 Mo disponibles)")
        .arg(megabytes(bytes), megabytes(disk.bytesAvailable()));
}

// Copies one file through a temporary file renamed over the target, so the target is always
// either the old file or the whole new one. Empty on success, else the reason.
QString copyFile(const FileCopy& file, const std::function<void(qint64)>& copied)
{
    QFile in(file.source);
    const auto readFailure = [&] {
        return QStringLiteral("impossible de lire %1 (%2)").arg(QDir::toNativeSeparators(file.source), in.errorString());
    };
    if (!in.open(QIODevice::ReadOnly)) return readFailure();
    // A read-only file is replaced like any other.
    const QFileInfo existing(file.target);
    if (existing.isFile() && !existing.isWritable())
        QFile::setPermissions(file.target, existing.permissions() | QFile::WriteOwner);
    QSaveFile out(file.target);
    const auto writeFailure = [&](const QString& why) {
        return QStringLiteral("impossible d'écrire %1 (%2)").arg(QDir::toNativeSeparators(file.target), why);
    };
    if (!out.open(QIODevice::WriteOnly)) return writeFailure(out.errorString());
    for (QByteArray chunk = in.read(1 << 20); !chunk.isEmpty(); chunk = in.read(1 << 20)) {
        if (out.write(chunk) != chunk.size()) return writeFailure(out.errorString());
        copied(chunk.size());
    }
    if (in.error() != QFileDevice::NoError) return readFailure();
    if (!out.commit()) return writeFailure(out.errorString());
    // The program stays executable.
    if (!QFile::setPermissions(file.target, in.permissions())) return writeFailure(QStringLiteral("droits d'accès"));
    return {};
}

// Makes the folders and copies the files, telling the progress by bytes. Empty on success.
QString copyFolder(const CopyPlan& plan, const InstallProgress& progress)
{
    for (const QString& folder : plan.folders)
        if (!QDir().mkpath(folder))
            return QStringLiteral("impossible de créer le dossier %1").arg(QDir::toNativeSeparators(folder));
    qint64 done = 0;
    const auto percent = [&] {
        return COPY_START_PERCENT
               + int((COPY_END_PERCENT - COPY_START_PERCENT) * done / qMax<qint64>(plan.bytes, 1));
    };
    for (const FileCopy& file : plan.files) {
        const QString status = QStringLiteral("Copie du fichier ") + QFileInfo(file.source).fileName();
        progress(percent(), status);
        const QString problem = copyFile(file, [&](qint64 bytes) {
            done += bytes;
            progress(percent(), status);
        });
        if (!problem.isEmpty()) return problem;
    }
    return {};
}

// Records the destination in PathFile.txt beside the installer. Empty on success.
QString writePathFile(const QString& workingFolder, const QString& destination)
{
    QSaveFile file(QDir(workingFolder).filePath(PATH_FILE_NAME));
    const QByteArray line = (destination + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(line) != line.size() || !file.commit())
        return QStringLiteral("impossible d'écrire %1 (%2)")
            .arg(QDir::toNativeSeparators(file.fileName()), file.errorString());
    return {};
}

// The destination as an absolute folder: "~" is the home folder, a relative path starts at the
// working folder.
QString destinationFolder(const QString& folderText, const QString& workingFolder)
{
    QString path = normaliseInstallFolder(folderText.trimmed());
    if (path == u'~' || path.startsWith(QStringLiteral("~/"))) path = QDir::homePath() + path.mid(1);
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path)));
}

// Empty when the folder to install holds the program and the destination lies outside it, else
// the reason.
QString sourceProblem(const QString& source, const QString& destination)
{
    if (!QFileInfo(source).isDir())
        return QStringLiteral("le dossier %1 est introuvable").arg(QDir::toNativeSeparators(source));
    if (!QFileInfo(QDir(source).filePath(PROGRAM_NAME)).isFile())
        return QStringLiteral("le programme %1 est introuvable dans %2")
            .arg(PROGRAM_NAME, QDir::toNativeSeparators(source));
    if (QDir::fromNativeSeparators(destination).startsWith(QDir::cleanPath(source) + u'/'))
        return QStringLiteral("le dossier d'installation ne peut pas être dans %1").arg(QDir::toNativeSeparators(source));
    return {};
}

InstallOutcome failed(Dialogs& dialogs, const QString& reason)
{
    dialogs.message(QStringLiteral("Erreur"), QStringLiteral("L'installation a échoué : ") + reason);
    return InstallOutcome::Failed;
}

} // namespace

QString normaliseInstallFolder(const QString& path)
{
    const QChar separator = QDir::separator();
    QString folder = path;
    while (folder.size() > 1 && folder.endsWith(separator)) folder.chop(1);
    if (folder.endsWith(PROGRAM_NAME)) return folder;
    if (!folder.endsWith(separator)) folder += separator;
    return folder + PROGRAM_NAME;
}

QString defaultInstallFolder() { return normaliseInstallFolder(QDir::toNativeSeparators(QDir::homePath())); }

InstallOutcome install(Dialogs& dialogs, const QString& folderText, const QString& workingFolder,
                       const InstallProgress& progress)
{
    if (folderText.trimmed().isEmpty()) {
        dialogs.message(QStringLiteral("Erreur"), QStringLiteral("Indiquez le dossier d'installation."));
        return InstallOutcome::Cancelled;
    }
    const QString destination = destinationFolder(folderText, workingFolder);
    const QString source = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(SOURCE_FOLDER_NAME));
    if (const QString problem = sourceProblem(source, destination); !problem.isEmpty()) return failed(dialogs, problem);
    // Held until the copy is over: no database file is copied while a program writes it. A source
    // that cannot be written (a read-only disk) cannot be in use either.
    Store sourceLock(dialogs);
    if (sourceLock.lockDataFolder(source) == FolderLock::HeldByAnotherProgram)
        return failed(dialogs, QStringLiteral("le logiciel est ouvert sur %1, fermez-le avant d'installer")
                                   .arg(QDir::toNativeSeparators(source)));

    if (QFileInfo(destination).isDir()
        && dialogs.askYesNoCancel(QStringLiteral("Dossier existant"),
                                  QStringLiteral("ATTENTION, le dossier (%1) existe, s'il contient des fichiers ils "
                                                 "seront écrasés. Les fichiers de données de son dossier Data sont "
                                                 "conservés. Voulez-vous continuer?")
                                      .arg(destination))
               != Dialogs::Answer::Yes)
        return InstallOutcome::Cancelled;

    progress(1, QStringLiteral("Vérification de l'espace disque disponible ..."));
    const CopyPlan plan = planCopy(source, destination);
    if (const QString problem = roomProblem(destination, plan.bytes); !problem.isEmpty())
        return failed(dialogs, problem);

    progress(COPY_START_PERCENT, QStringLiteral("Installation en cours..."));
    if (const QString problem = copyFolder(plan, progress); !problem.isEmpty()) return failed(dialogs, problem);

    progress(COPY_END_PERCENT + 2, QStringLiteral("Mise à jour des fichiers de configuration.."));
    if (const QString problem = writePathFile(workingFolder, destination); !problem.isEmpty())
        return failed(dialogs, problem);

    progress(COPY_END_PERCENT + 5, QStringLiteral("Création des icônes.."));
    if (!writeLaunchers(destination, launcherFolders()))
        dialogs.message(QStringLiteral("Erreur"), QStringLiteral("Le raccourci n'a pas pu être créé"));

    progress(100, QString());
    dialogs.message(QString(), QStringLiteral("Installation terminée!"));
    return InstallOutcome::Installed;
}
