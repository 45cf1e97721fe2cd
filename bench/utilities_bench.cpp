// Times the utilities on a Data folder holding years of documents: a backup, the general check,
// a restore and the year-end closing, with how far the closing's progress bar moved.
//   utilities_bench [FOLDER]
// FOLDER is a folder made by `makedata FOLDER --scale N`; its Data is copied first, so the
// closing never touches it. Without FOLDER, 100000 documents are generated the same way.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/env.h"
#include "scale_data.h"
#include "store/data_folder.h"
#include "utilities/backups.h"
#include "utilities/general_check.h"
#include "utilities/year_end_closing.h"

namespace {

using Timer = std::chrono::steady_clock;

double secondsSince(Timer::time_point start) { return std::chrono::duration<double>(Timer::now() - start).count(); }

// The processor time this program used since `start`: on a machine shared with other work it
// says what the operation costs, whatever the wait for a processor.
double cpuSecondsSince(std::clock_t start) { return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC; }

// Runs an operation and prints its time.
void timed(const char* what, const std::function<QString()>& operation)
{
    const Timer::time_point start = Timer::now();
    const std::clock_t cpu = std::clock();
    const QString more = operation();
    std::printf("%-17s %6.2f s  (processor %5.2f s)%s\n", what, secondsSince(start), cpuSecondsSince(cpu), qUtf8Printable(more));
}

// Says yes to every question and prints every message.
class YesDialogs final : public Dialogs {
public:
    void message(const QString& title, const QString& text) override
    {
        std::printf("  [%s] %s\n", qUtf8Printable(title), qUtf8Printable(QString(text).replace(u'\n', u' ')));
    }
    bool askYesNo(const QString&, const QString&) override { return true; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Yes; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString chooseFolder(const QString&) override { return {}; }
};

struct FixedDay final : Clock {
    QDate today() const override { return {2026, 3, 14}; }
    QTime now() const override { return {9, 5}; }
};

bool copyData(const QString& from, const QString& to)
{
    if (!QDir().mkpath(QDir(to).filePath(QStringLiteral("Data")))) return false;
    for (const DatabaseFile& file : databaseFiles()) {
        const QString name = QStringLiteral("Data/") + QString::fromLatin1(file.fileName);
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name))) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    YesDialogs dialogs;
    Store store(dialogs);
    FixedDay clock;
    Env env(store, dialogs, clock);
    env.exitProcess = [](int) {};

    if (argc > 1) {
        if (!copyData(QString::fromLocal8Bit(argv[1]), dir.path()) || !store.openDatabases(dir.path()).isEmpty()) return 1;
    } else {
        if (!createDataFolder(dir.path()).ok() || !store.openDatabases(dir.path()).isEmpty()) return 1;
        if (!addScaleData(env, 100000)) return 1;
    }
    std::printf("%s document rows, %s products, %s clients-suppliers\n",
                qUtf8Printable(QString::number(store.scalar(DB_BR, QStringLiteral("select count(*) from fBr")).toLongLong()
                                               + store.scalar(DB_BL, QStringLiteral("select count(*) from fBL")).toLongLong())),
                qUtf8Printable(store.scalar(DB_PROD, QStringLiteral("select count(*) from fprod"))),
                qUtf8Printable(store.scalar(DB_CF, QStringLiteral("select count(*) from fCF"))));

    BackupForm backups;
    backups.today = clock.today();
    timed("backup", [&] {
        backupDatabase(env, backups);
        return QString();
    });

    GeneralCheckForm check;
    timed("general check", [&] {
        runGeneralCheck(env, check);
        return QStringLiteral("  %1 lines").arg(check.results.size());
    });

    timed("restore", [&] {
        chooseBackupFolder(backups, 0);
        restoreBackup(env, backups);
        return QString();
    });

    ClosingForm closing;
    int moves = 0;
    double longest = 0;
    Timer::time_point lastMove = Timer::now();
    closing.progress.onChange = [&] {
        ++moves;
        longest = std::max(longest, secondsSince(lastMove));
        lastMove = Timer::now();
    };
    bool closed = false;
    timed("year-end closing", [&] {
        closed = closeFinancialYear(env, closing);
        return QStringLiteral("  %1; the bar moved %2 times, at most %3 s apart")
            .arg(closed ? QStringLiteral("closed") : QStringLiteral("NOT closed"))
            .arg(moves)
            .arg(longest, 0, 'f', 2);
    });
    return closed ? 0 : 1;
}
