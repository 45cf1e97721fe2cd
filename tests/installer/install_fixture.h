#pragma once
// A temporary machine for the installer: a home folder (HOME points to it, no XDG settings), and
// a working folder holding DataFile (a program, its icon and a Data folder of empty tables), the
// way the build stages it.

#include <map>
#include <optional>

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "installer/installation.h"
#include "recording_dialogs.h"
#include "store/data_folder.h"

// Every file under a folder, by its path relative to it, with its content.
using FolderContents = std::map<QString, QByteArray>;

inline FolderContents contentsOf(const QString& folder)
{
    FolderContents contents;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qUtf8Printable(path);
        contents[QDir(folder).relativeFilePath(path)] = file.readAll();
    }
    return contents;
}

inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qUtf8Printable(path);
    file.write(content);
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstallFixture : public ::testing::Test {
protected:
    InstallFixture()
    {
        QDir(root.path()).mkpath(QStringLiteral("home"));
        qputenv("HOME", home().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        writeFile(source(PROGRAM_NAME), "program, first version");
        QFile::setPermissions(source(PROGRAM_NAME), QFile::permissions(source(PROGRAM_NAME)) | QFile::ExeOwner);
        writeFile(source(ICON_FILE_NAME), "icon");
        const DataFolderReport report = createDataFolder(source(QString()));
        EXPECT_TRUE(report.ok()) << qUtf8Printable(report.error);
    }
    ~InstallFixture() override
    {
        restore("HOME", savedHome);
        restore("XDG_CONFIG_HOME", savedConfig);
        restore("XDG_DATA_HOME", savedData);
    }

    QString path(const QString& relative) const { return QDir(root.path()).filePath(relative); }
    QString home() const { return path(QStringLiteral("home")); }
    QString work() const { return path(QStringLiteral("work")); }
    QString source(const QString& relative) const { return QDir(work()).filePath(QStringLiteral("DataFile/") + relative); }
    QString desktopLauncher() const { return QDir(home()).filePath(QStringLiteral("Desktop/Varkel_v20.desktop")); }
    QString menuLauncher() const
    {
        return QDir(home()).filePath(QStringLiteral(".local/share/applications/Varkel_v20.desktop"));
    }

    QTemporaryDir root;
    RecordingDialogs dialogs;

private:
    static std::optional<QByteArray> saved(const char* name)
    {
        return qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    }
    static void restore(const char* name, const std::optional<QByteArray>& value)
    {
        if (value) qputenv(name, *value);
        else qunsetenv(name);
    }
    const std::optional<QByteArray> savedHome = saved("HOME"), savedConfig = saved("XDG_CONFIG_HOME"),
                                    savedData = saved("XDG_DATA_HOME");
};
