#include "installer/desktop_launcher.h"

#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

#include "installer/installation.h"

namespace {

// A string value of a desktop entry: backslashes, line ends and tabs escaped.
QString escapedValue(const QString& text)
{
    QString value;
    for (const QChar c : text) {
        if (c == u'\\') value += QStringLiteral("\\\\");
        else if (c == u'\n') value += QStringLiteral("\\n");
        else if (c == u'\r') value += QStringLiteral("\\r");
        else if (c == u'\t') value += QStringLiteral("\\t");
        else value += c;
    }
    return value;
}

// One argument of an Exec line: quoted, so that spaces and shell characters in the folder's name
// stay part of it, and percent signs doubled so that none reads as a field code.
QString execArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        if (c == u'%') quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    // The quoting is read after the string's own escapes are undone, so it is escaped again.
    return escapedValue(quoted);
}

bool writeExecutableFile(const QString& folder, const QString& name, const QByteArray& content)
{
    if (!QDir().mkpath(folder)) return false;
    QSaveFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) return false;
    // Desktops start only launchers their owner may execute.
    return QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                      | QFile::ExeOther);
}

} // namespace

LauncherFolders launcherFolders()
{
    return {QStandardPaths::writableLocation(QStandardPaths::DesktopLocation),
            QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)};
}

QString desktopEntry(const QString& installFolder)
{
    const QDir folder(installFolder);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Comment=Logiciel de gestion commerciale\n"
                          "Exec=%2\n"
                          "Path=%3\n"
                          "Icon=%4\n"
                          "Terminal=false\n"
                          "Categories=Office;Finance;\n")
        .arg(PROGRAM_NAME, execArgument(folder.filePath(PROGRAM_NAME)), escapedValue(installFolder),
             escapedValue(folder.filePath(ICON_FILE_NAME)));
}

bool writeLaunchers(const QString& installFolder, const LauncherFolders& folders)
{
    const QByteArray content = desktopEntry(installFolder).toUtf8();
    const QString name = PROGRAM_NAME + QStringLiteral(".desktop");
    // Both are tried: a desktop that cannot be written still leaves the menu's launcher.
    const bool onDesktop = writeExecutableFile(folders.desktop, name, content);
    const bool inMenu = writeExecutableFile(folders.applications, name, content);
    return onDesktop && inMenu;
}
