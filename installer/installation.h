#pragma once
// What the installer does, without its window: the destination folder, the copy of DataFile,
// PathFile.txt and the launchers. The window only shows the progress and the boxes.

#include <functional>
#include <QString>

class Dialogs;

// The program's name: the installed folder, the program file and its launchers are named after it.
inline const QString PROGRAM_NAME = QStringLiteral("Varkel_v20");
// The folder beside the installer that holds what gets installed.
inline const QString SOURCE_FOLDER_NAME = QStringLiteral("DataFile");
// The file beside the installer that records the last destination folder.
inline const QString PATH_FILE_NAME = QStringLiteral("PathFile.txt");
// The application icon, staged beside the program.
inline const QString ICON_FILE_NAME = PROGRAM_NAME + QStringLiteral(".png");

// The destination always ends with the program's name: it is appended (after a separator) unless
// the path already ends with it. Trailing separators are dropped first.
QString normaliseInstallFolder(const QString& path);

// The folder proposed when the installer opens: the user's home folder + the program's name.
QString defaultInstallFolder();

// Told the percentage done (0 to 100) and what is being done, as the installation goes.
using InstallProgress = std::function<void(int percent, const QString& status)>;

enum class InstallOutcome {
    Installed, // everything copied and recorded; a launcher may still have failed (its box said so)
    Cancelled, // no folder given, or "Dossier existant" not answered Yes: nothing was touched
    Failed,    // a check, copy or write failed; the reason was shown
};

// Installs workingFolder/DataFile into the folder the user typed (normalised; a relative path is
// taken from the working folder, "~" is the home folder), writes workingFolder/PathFile.txt and
// the launchers. Database files already in the destination's Data folder are kept.
InstallOutcome install(Dialogs& dialogs, const QString& folderText, const QString& workingFolder,
                       const InstallProgress& progress);
