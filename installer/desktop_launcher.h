#pragma once
// The launchers of the installed program: a freedesktop entry "Varkel_v20.desktop" on the user's
// desktop and in the applications menu.

#include <QString>

struct LauncherFolders {
    QString desktop;      // the XDG desktop folder, ~/Desktop when none is set
    QString applications; // the applications menu's folder (~/.local/share/applications)
};

// Where the launchers go for the user running the installer.
LauncherFolders launcherFolders();

// The launcher's text: it starts the program of installFolder with that folder as its working
// folder, under the icon staged beside it.
QString desktopEntry(const QString& installFolder);

// Writes the launcher, executable, into both folders (made when missing); false when either
// could not be written.
bool writeLaunchers(const QString& installFolder, const LauncherFolders& folders);
