#include <memory>

#include "install_fixture.h"
#include "installer/desktop_launcher.h"
#include "store/store.h"

namespace {

TEST(NormaliseInstallFolder, EndsWithTheProgramNameOnce)
{
    const struct {
        const char* typed;
        const char* folder;
    } cases[] = {
        {"/home/ali/apps", "/home/ali/apps/Varkel_v20"},
        {"/home/ali/apps/", "/home/ali/apps/Varkel_v20"},
        {"/home/ali/apps//", "/home/ali/apps/Varkel_v20"},
        {"/home/ali/Varkel_v20", "/home/ali/Varkel_v20"},
        {"/home/ali/Varkel_v20/", "/home/ali/Varkel_v20"},
        {"/opt/MonVarkel_v20", "/opt/MonVarkel_v20"},
        {"/opt/varkel_v20", "/opt/varkel_v20/Varkel_v20"},
        {"/", "/Varkel_v20"},
        {"apps", "apps/Varkel_v20"},
        {"", "/Varkel_v20"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliseInstallFolder(QString::fromUtf8(c.typed)), QString::fromUtf8(c.folder)) << c.typed;
}

TEST(DesktopEntry, QuotesTheProgramSoThatAnyFolderNameStartsIt)
{
    const struct {
        const char* folder;
        const char* exec;
        const char* path;
    } cases[] = {
        {"/home/ali/Varkel_v20", R"(Exec="/home/ali/Varkel_v20/Varkel_v20")", "Path=/home/ali/Varkel_v20"},
        {"/home/ali/Mes logiciels/Varkel_v20", R"(Exec="/home/ali/Mes logiciels/Varkel_v20/Varkel_v20")",
         "Path=/home/ali/Mes logiciels/Varkel_v20"},
        // Shell characters are escaped inside the quotes, and that escape's backslash escaped again.
        {R"(/srv/a "b" $c `d`/Varkel_v20)", R"(Exec="/srv/a \\"b\\" \\$c \\`d\\`/Varkel_v20/Varkel_v20")",
         R"(Path=/srv/a "b" $c `d`/Varkel_v20)"},
        {R"(/srv/50% \x/Varkel_v20)", R"(Exec="/srv/50%% \\\\x/Varkel_v20/Varkel_v20")", R"(Path=/srv/50% \\x/Varkel_v20)"},
    };
    for (const auto& c : cases) {
        const QStringList lines = desktopEntry(QString::fromUtf8(c.folder)).split(u'\n');
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.exec))) << c.folder << "\n" << qUtf8Printable(lines.join(u'\n'));
        EXPECT_TRUE(lines.contains(QString::fromUtf8(c.path))) << c.folder;
    }
}

class Install : public InstallFixture {
protected:
    InstallOutcome run(const QString& folderText)
    {
        return install(dialogs, folderText, work(), [this](int percent, const QString& status) {
            percents.push_back(percent);
            statuses << status;
        });
    }

    const QString destination = path(QStringLiteral("Mes logiciels/Varkel_v20"));
    std::vector<int> percents;
    QStringList statuses;
};

const ShownBox FINISHED{QStringLiteral("message"), QString(), QStringLiteral("Installation terminée!")};

TEST_F(Install, CopiesDataFileRecordsTheFolderAndWritesBothLaunchers)
{
    writeFile(QDir(work()).filePath(PATH_FILE_NAME), "/an/older/place\n");

    EXPECT_EQ(run(path(QStringLiteral("Mes logiciels"))), InstallOutcome::Installed);

    EXPECT_EQ(dialogs.shown, std::vector<ShownBox>{FINISHED});
    const FolderContents staged = contentsOf(source(QString()));
    EXPECT_EQ(staged.size(), 21u); // the program, its icon and the nineteen database files
    EXPECT_EQ(contentsOf(destination), staged);
    EXPECT_TRUE(QFileInfo(QDir(destination).filePath(PROGRAM_NAME)).isExecutable());
    EXPECT_EQ(readFile(QDir(work()).filePath(PATH_FILE_NAME)), (destination + u'\n').toUtf8());

    for (const QString& launcher : {desktopLauncher(), menuLauncher()}) {
        ASSERT_TRUE(QFileInfo(launcher).isExecutable()) << qUtf8Printable(launcher);
        const QStringList lines = QString::fromUtf8(readFile(launcher)).split(u'\n');
        EXPECT_EQ(lines.front(), QStringLiteral("[Desktop Entry]"));
        for (const QString& line :
             {QStringLiteral("Type=Application"), QStringLiteral("Name=Varkel_v20"),
              QStringLiteral("Exec=\"") + QDir(destination).filePath(PROGRAM_NAME) + u'"',
              QStringLiteral("Path=") + destination, QStringLiteral("Icon=") + QDir(destination).filePath(ICON_FILE_NAME)})
            EXPECT_TRUE(lines.contains(line)) << qUtf8Printable(line) << " in " << qUtf8Printable(launcher);
    }

    // The bar only moves forward, from the first check to the end, and names the files it copies.
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.front(), 1);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(statuses.contains(QStringLiteral("Copie du fichier prod.db")));
    EXPECT_TRUE(statuses.contains(QStringLiteral("Copie du fichier Varkel_v20")));
}

TEST_F(Install, AgainIntoTheSameFolderReplacesTheProgramAndKeepsTheData)
{
    ASSERT_EQ(run(destination), InstallOutcome::Installed);
    dialogs.takeShown();
    const QString prodDb = QDir(destination).filePath(QStringLiteral("Data/prod.db"));
    const QString bankDb = QDir(destination).filePath(QStringLiteral("Data/bank.db"));
    writeFile(prodDb, "the business's products");
    QFile::remove(bankDb);
    writeFile(source(PROGRAM_NAME), "program, second version");
    writeFile(source(QStringLiteral("Data/prod.db-journal")), "the journal of the staged prod.db");
    // A program left read-only is replaced all the same.
    const QString program = QDir(destination).filePath(PROGRAM_NAME);
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);

    dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_EQ(run(destination + u'/'), InstallOutcome::Installed);

    EXPECT_EQ(dialogs.shown,
              (std::vector<ShownBox>{{QStringLiteral("yesnocancel"), QStringLiteral("Dossier existant"),
                                      QStringLiteral("ATTENTION, le dossier (") + destination
                                          + QStringLiteral(") existe, s'il contient des fichiers ils seront écrasés. "
                                                           "Les fichiers de données de son dossier Data sont "
                                                           "conservés. Voulez-vous continuer?")},
                                     FINISHED}));
    EXPECT_EQ(readFile(prodDb), "the business's products");
    EXPECT_FALSE(QFileInfo::exists(prodDb + QStringLiteral("-journal")));
    EXPECT_EQ(readFile(bankDb), readFile(source(QStringLiteral("Data/bank.db")))) << "a missing file is supplied";
    EXPECT_EQ(readFile(program), "program, second version");
    EXPECT_TRUE(QFileInfo(program).isExecutable());
}

TEST_F(Install, AnythingButYesToTheExistingFolderTouchesNothing)
{
    ASSERT_EQ(run(destination), InstallOutcome::Installed);
    writeFile(source(PROGRAM_NAME), "program, second version");
    for (const Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        dialogs.takeShown();
        percents.clear();
        const FolderContents before = contentsOf(root.path());

        dialogs.answers = {answer};
        EXPECT_EQ(run(destination), InstallOutcome::Cancelled);

        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Dossier existant"));
        EXPECT_EQ(contentsOf(root.path()), before);
        EXPECT_TRUE(percents.empty()) << "the window stays as it was";
    }
}

TEST_F(Install, AFailureIsReportedAndNothingIsRecorded)
{
    writeFile(path(QStringLiteral("a file")), "in the way");
    std::unique_ptr<Store> programOnDataFile;
    const struct {
        const char* name;
        std::function<void()> setUp;
        QString folder;
        QString reason;
    } cases[] = {
        {"folder that cannot be made", [] {}, path(QStringLiteral("a file/apps")),
         QStringLiteral("impossible de créer le dossier ") + path(QStringLiteral("a file/apps/Varkel_v20"))},
        {"file that cannot be written",
         [&] { QDir().mkpath(QDir(destination).filePath(PROGRAM_NAME + QStringLiteral("/in the way"))); }, destination,
         QStringLiteral("impossible d'écrire ") + QDir(destination).filePath(PROGRAM_NAME)},
        {"program open on DataFile",
         [&] {
             programOnDataFile = std::make_unique<Store>(dialogs);
             ASSERT_EQ(programOnDataFile->lockDataFolder(source(QString())), FolderLock::Taken);
         },
         path(QStringLiteral("elsewhere")),
         QStringLiteral("le logiciel est ouvert sur ") + source(QString()).chopped(1)},
        {"destination inside DataFile", [] {}, source(QStringLiteral("Data")),
         QStringLiteral("le dossier d'installation ne peut pas être dans ") + source(QString()).chopped(1)},
        {"nothing to install", [&] { QDir(source(QString())).removeRecursively(); }, path(QStringLiteral("elsewhere")),
         QStringLiteral("le dossier ") + QDir(work()).filePath(QStringLiteral("DataFile")) + QStringLiteral(" est introuvable")},
    };
    for (const auto& c : cases) {
        dialogs.takeShown();
        c.setUp();
        dialogs.answers = {Dialogs::Answer::Yes};

        EXPECT_EQ(run(c.folder), InstallOutcome::Failed) << c.name;

        ASSERT_FALSE(dialogs.shown.empty()) << c.name;
        const ShownBox failure = dialogs.shown.back();
        EXPECT_EQ(failure.title, QStringLiteral("Erreur")) << c.name;
        EXPECT_TRUE(failure.text.startsWith(QStringLiteral("L'installation a échoué : ") + c.reason))
            << c.name << ": " << qUtf8Printable(failure.text);
        EXPECT_EQ(std::count(dialogs.shown.begin(), dialogs.shown.end(), FINISHED), 0) << c.name;
        EXPECT_FALSE(QFileInfo::exists(QDir(work()).filePath(PATH_FILE_NAME))) << c.name;
        EXPECT_FALSE(QFileInfo::exists(desktopLauncher())) << c.name;
    }
}

TEST_F(Install, ALauncherThatCannotBeWrittenIsToldAndTheInstallationEnds)
{
    writeFile(QDir(home()).filePath(QStringLiteral("Desktop")), "a file where the desktop folder should be");

    EXPECT_EQ(run(destination), InstallOutcome::Installed);

    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Erreur"),
                                                     QStringLiteral("Le raccourci n'a pas pu être créé")},
                                                    FINISHED}));
    EXPECT_TRUE(QFileInfo(menuLauncher()).isExecutable());
    EXPECT_EQ(readFile(QDir(work()).filePath(PATH_FILE_NAME)), (destination + u'\n').toUtf8());
}

TEST_F(Install, TheLauncherGoesToTheDesktopTheUserChose)
{
    writeFile(QDir(home()).filePath(QStringLiteral(".config/user-dirs.dirs")), "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");

    EXPECT_EQ(run(destination), InstallOutcome::Installed);

    EXPECT_TRUE(QFileInfo(QDir(home()).filePath(QStringLiteral("Bureau/Varkel_v20.desktop"))).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(desktopLauncher()));
}

TEST_F(Install, TypedFoldersAreTakenFromHomeOrTheWorkingFolder)
{
    const struct {
        QString typed;
        QString folder;
    } cases[] = {
        {QStringLiteral("  ~/apps "), QDir(home()).filePath(QStringLiteral("apps/Varkel_v20"))},
        {QStringLiteral("apps"), QDir(work()).filePath(QStringLiteral("apps/Varkel_v20"))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.typed), InstallOutcome::Installed) << qUtf8Printable(c.typed);
        EXPECT_TRUE(QFileInfo(QDir(c.folder).filePath(PROGRAM_NAME)).isExecutable()) << qUtf8Printable(c.folder);
        EXPECT_EQ(readFile(QDir(work()).filePath(PATH_FILE_NAME)), (c.folder + u'\n').toUtf8());
    }

    dialogs.takeShown();
    EXPECT_EQ(run(QStringLiteral("  ")), InstallOutcome::Cancelled);
    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Erreur"),
                                                     QStringLiteral("Indiquez le dossier d'installation.")}}));
}

} // namespace
