// Start-up before the first window and the one way out: the Data folder's lock, the files, the
// parameters, shutdownAndExit.
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QThread>

#include "data_fixture.h"
#include "shell/session.h"

namespace {

// Every file of the Data folder with its size, time and content, to prove nothing was written.
QStringList snapshot(const QString& folder)
{
    QStringList files;
    for (QDirIterator it(folder + QStringLiteral("/Data"), QDir::Files | QDir::Hidden); it.hasNext();) {
        const QFileInfo info(it.next());
        QFile file(info.filePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        files.append(info.fileName() + u' ' + QString::number(info.size()) + u' '
                     + QString::number(info.lastModified().toMSecsSinceEpoch()) + u' '
                     + QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()));
    }
    files.sort();
    return files;
}

QString lockPath(const QString& folder) { return QDir(folder).filePath(QStringLiteral("Data/varkel.lock")); }

// Waits until the process holds the folder's lock.
bool waitForLock(const QString& folder, qint64 pid)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        qint64 owner = 0;
        QString host, application;
        if (QLockFile(lockPath(folder)).getLockInfo(&owner, &host, &application) && owner == pid) return true;
        QThread::msleep(50);
    }
    return false;
}

const ShownBox ALREADY_OPEN{QStringLiteral("message"), QStringLiteral("Info"),
                            QStringLiteral("Varkel 2020 est déjà ouvert sur ce dossier de données ! Fermez-le avant de "
                                           "le relancer.")};

} // namespace

class SessionTest : public DataFixture {
protected:
    SessionTest() { store.closeAll(); }
};

TEST_F(SessionTest, StartsWithTheParametersAndKeepsTheFolderUntilTheEnd)
{
    // A parameters row written by an earlier run.
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    exec(DB_PARAM, QStringLiteral("insert into FParam values (?,?,?,?,?,?,?)"),
         {QStringLiteral("abc"), QStringLiteral("v1"), QStringLiteral("7.5"), QStringLiteral("2"), QStringLiteral("ESPECE"),
          QStringLiteral("CHEQUE"), QStringLiteral("A TERME")});
    store.closeAll();

    ASSERT_TRUE(startSession(env, folder()));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(env.params.accessCode, QStringLiteral("abc"));
    EXPECT_EQ(env.params.modepBl, QStringLiteral("CHEQUE"));
    EXPECT_EQ(env.state.currentVatRate, QStringLiteral("7.5"));

    // While it runs, nobody else gets the folder.
    RecordingDialogs otherDialogs;
    Store other(otherDialogs);
    EXPECT_EQ(other.lockDataFolder(folder()), FolderLock::HeldByAnotherProgram);

    shutdownAndExit(env);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(QFile::exists(lockPath(folder())));
    EXPECT_EQ(other.lockDataFolder(folder()), FolderLock::Taken);
}

TEST_F(SessionTest, ANewFolderLetsTheEmptyCodeInAndGivesTheDocumentsTheirDefaults)
{
    ASSERT_TRUE(startSession(env, folder()));
    EXPECT_EQ(env.params.accessCode, QString());
    EXPECT_EQ(env.params.mpVer, QString());
    // Without a parameters row an invoice would carry no VAT and a document no payment mode.
    EXPECT_EQ(env.state.currentVatRate, QStringLiteral("19"));
    EXPECT_EQ(QStringList({env.params.modelbl, env.params.modepBr, env.params.modepBl, env.params.modepFac}),
              QStringList({QStringLiteral("1"), QStringLiteral("A TERME"), QStringLiteral("A TERME"), QStringLiteral("A TERME")}));
    shutdownAndExit(env);
}

TEST_F(SessionTest, AFolderWithoutDataSaysItsFirstFileCannotBeOpened)
{
    ASSERT_TRUE(QDir(folder() + QStringLiteral("/Data")).removeRecursively());
    EXPECT_FALSE(startSession(env, folder()));
    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Info"),
                                                     QStringLiteral("Ouverture ") + QDir::toNativeSeparators(QStringLiteral("Data/prod.db"))
                                                         + QStringLiteral(" impossible!")}}));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(QDir(folder() + QStringLiteral("/Data")).exists());
}

// The program itself holds the folder while its access window waits; a second start is refused
// and writes nothing; once the first is killed, its leftover lock no longer counts.
TEST_F(SessionTest, ASecondProgramIsRefusedUntilTheFirstDies)
{
    QProcess first;
    first.setWorkingDirectory(folder());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(VARKEL_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitForLock(folder(), first.processId()));

    const QStringList before = snapshot(folder());
    EXPECT_FALSE(startSession(env, folder()));
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{ALREADY_OPEN});
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_FALSE(store.isOpen());
    EXPECT_EQ(snapshot(folder()), before);
    EXPECT_EQ(first.state(), QProcess::Running); // its lock was left alone

    first.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(first.waitForFinished());
    EXPECT_EQ(first.exitStatus(), QProcess::CrashExit);
    EXPECT_TRUE(QFile::exists(lockPath(folder())));

    EXPECT_TRUE(startSession(env, folder()));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(store.isOpen());
}
