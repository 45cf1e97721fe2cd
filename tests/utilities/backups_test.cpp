// Backups and restores: names, the list, the checked copy in the dated folder, the restore that
// the program uses at once, and the failures that leave the data and earlier backups as they were.
#include "common/values.h"
#include "utilities/backups.h"
#include "utilities/data_copies.h"
#include "utilities_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString DONE = u"Sauvegarde terminée ! "_s;

class BackupTest : public UtilitiesFixture {
protected:
    BackupTest()
    {
        form.today = clock.day; // 14/03/2026
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000);
        addClientSupplier(1, u"SARL ATLAS"_s, 0, u"F"_s);
        listBackups(env, form);
    }
    void makeFolder(const QString& name) { ASSERT_TRUE(QDir().mkpath(QDir(backups()).filePath(name))); }
    QStringList listed() const
    {
        QStringList names;
        for (const QStringList& row : form.backups.rows) names.append(row.value(0));
        return names;
    }
    // Picks a backup in the restore list and answers the question.
    void restore(const QString& name, Dialogs::Answer answer)
    {
        chooseBackupFolder(form, static_cast<int>(listed().indexOf(name)));
        dialogs.answers.push_back(answer);
        restoreBackup(env, form);
    }
    Rows receptions() { return rows(DB_BR, u"select Numdoc, CodeProd, Qte from fBr order by rowid"_s); }

    BackupForm form;
};

TEST(BackupNames, DayMonthAndYearWithinTheirBounds)
{
    EXPECT_EQ(backupFolderName(QDate(2025, 1, 7)), u"07012025"_s);
    EXPECT_EQ(initialisationCopyName(QDate(2025, 1, 7)), u"070125"_s);
    const struct {
        const char* name;
        bool valid;
    } cases[] = {
        {"07012025", true},  {"31122016", true}, {"01012026", true},
        {"07132025", false}, // month 13
        {"00012025", false}, {"32012025", false}, {"07002025", false},
        {"01012015", false}, // before 2016
        {"01012027", false}, // after this year
        {"070125", false},   // the copy made before an initialisation
        {"ab012025", false}, {"07-12025", false}, {"avant-restauration-14032026", false}, {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isBackupFolderName(QString::fromUtf8(c.name), 2026), c.valid) << c.name;
}

TEST_F(BackupTest, TheListHoldsTheValidFoldersNewestFirstAndTheWarningsWhileItIsNotEmpty)
{
    EXPECT_TRUE(form.backups.isEmpty());
    EXPECT_TRUE(form.warning1.isEmpty());
    EXPECT_TRUE(form.warning2.isEmpty());
    for (const char* name : {"01022024", "15012025", "31122023", "07132025", "01012015", "01012027", "140326"})
        makeFolder(QString::fromLatin1(name));
    QFile file(QDir(backups()).filePath(u"02022024"_s)); // a file, not a folder
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    listBackups(env, form);
    EXPECT_EQ(listed(), (QStringList{u"15012025"_s, u"01022024"_s, u"31122023"_s}));
    EXPECT_EQ(form.warning1, u"ATTENTION, VOUS ALLEZ SUPPRIMER LA BASE ACTUELLE, ELLE SERA REMPLACEE PAR CELLE QUE VOUS ALLEZ RESTAURER."_s);
    EXPECT_EQ(form.warning2, u"IL EST RECOMMANDE DE FAIRE D'ABORD UNE SAUVEGARDE AVANT DE LANCER LA RESTAURATION."_s);
}

TEST_F(BackupTest, TheFirstBackupMakesTheFolderOfTheDayWithACheckedCopyAndIsListedAtOnce)
{
    backupDatabase(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{box("Terminé", DONE)});
    const QString day = QDir(backups()).filePath(u"14032026"_s);
    EXPECT_EQ(entries(backups()), QStringList{u"14032026"_s}); // nothing half-made left beside it
    EXPECT_EQ(entries(day).size(), 19);                        // the lock file stays out
    EXPECT_FALSE(entries(day).contains(u"varkel.lock"_s));
    EXPECT_EQ(checkDataCopy(day), QString());
    EXPECT_EQ(listed(), QStringList{u"14032026"_s});
    EXPECT_FALSE(form.warning1.isEmpty());
}

TEST_F(BackupTest, ASecondBackupOfTheDayReplacesTheFirstOnceComplete)
{
    backupDatabase(env, form);
    addProduct(2, u"CIMENTERIE"_s, u"CIMENT 25KG"_s, u"SAC"_s, 0, 45000, 52000);
    backupDatabase(env, form);
    EXPECT_EQ(entries(backups()), QStringList{u"14032026"_s});
    // The copy holds the second product.
    QTemporaryDir other;
    ASSERT_TRUE(QDir().rename(QDir(backups()).filePath(u"14032026"_s), QDir(other.path()).filePath(u"Data"_s)));
    Store copy(dialogs);
    ASSERT_EQ(copy.openDatabases(other.path()), QString());
    EXPECT_EQ(::rows(copy, DB_PROD, u"select Codeprod from fprod order by Codeprod"_s), (Rows{{u"1"_s}, {u"2"_s}}));
}

TEST_F(BackupTest, ABackupThatCannotBeWrittenSaysWhyAndLeavesTheEarlierBackupIntact)
{
    backupDatabase(env, form);
    dialogs.takeShown();
    const QString day = QDir(backups()).filePath(u"14032026"_s);
    const QStringList before = entries(day);
    addProduct(2, u"CIMENTERIE"_s, u"CIMENT 25KG"_s, u"SAC"_s, 0, 45000, 52000);
    const Rows data = everything();
    {
        FullDisk full;
        backupDatabase(env, form);
    }
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u"Erreur"_s);
    EXPECT_TRUE(shown[0].text.startsWith(u"La sauvegarde a échoué : "_s)) << shown[0].text.toStdString();
    EXPECT_EQ(entries(backups()), QStringList{u"14032026"_s});
    EXPECT_EQ(entries(day), before);
    EXPECT_EQ(checkDataCopy(day), QString());
    EXPECT_EQ(everything(), data);
}

TEST_F(BackupTest, ABackupFolderThatCannotBeMadeSaysWhy)
{
    QFile blocker(backups()); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    backupDatabase(env, form);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(u"La sauvegarde a échoué : impossible d'écrire dans le dossier "_s)
                || shown[0].text.startsWith(u"La sauvegarde a échoué : impossible de créer le dossier "_s))
        << shown[0].text.toStdString();
}

TEST_F(BackupTest, RestoreIsRefusedUntilAFolderIsChosenAndNoChangesNothing)
{
    EXPECT_FALSE(form.canRestore);
    restoreBackup(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{box("Erreur", u"Sélectionnez le dossier à restaurer ! "_s)});

    makeFolder(u"15012025"_s);
    makeFolder(u"07132025"_s);
    listBackups(env, form);
    chooseBackupFolder(form, 5); // no such row
    EXPECT_FALSE(form.canRestore);
    const Rows data = everything();
    restore(u"15012025"_s, Dialogs::Answer::No);
    EXPECT_TRUE(form.canRestore);
    EXPECT_EQ(form.chosenFolder, u"15012025"_s);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, u"yesno"_s);
    EXPECT_EQ(dialogs.shown[0].title, u"ATTENTION !"_s);
    EXPECT_EQ(everything(), data);
    EXPECT_EQ(entries(backups()), (QStringList{u"07132025"_s, u"15012025"_s}));
}

// A reception saved before the backup is back after the restore and one saved after it is
// gone, in what the operations read next, without starting the program again.
TEST_F(BackupTest, ARestorePutsTheBackupInPlaceAndTheOperationsUseItAtOnce)
{
    exec(DB_PARAM, u"insert into FParam values ('1','2','19','1','ESPECE','ESPECE','ESPECE')"_s);
    ReceptionForm reception;
    newReception(env, reception);
    reception.partner = u"SARL ATLAS"_s;
    typeLine(reception, u"CIMENT 50KG"_s, u"10"_s, u"850"_s);
    validateReceptionLine(env, reception);
    backupDatabase(env, form);

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    cancelReception(env, reception);
    ASSERT_TRUE(receptions().empty());
    exec(DB_PARAM, u"update FParam set TauxTva='7'"_s);
    addNote(u"fBr"_s, 2, 1, 1, 500, 4000, 0, u"A TERME"_s);
    env.state.lastNewReceptionNumber = 2;
    dialogs.takeShown();

    restore(u"14032026"_s, Dialogs::Answer::Yes);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], box("Terminé", u"La base de données a été restaurée avec succès ! \nLes données remplacées sont "
                                       "gardées dans le dossier sauvegardes/avant-restauration-14032026."_s));
    EXPECT_EQ(receptions(), (Rows{{u"1"_s, u"1"_s, u"1000"_s}, {u"1"_s, u"9999"_s, QString()}}));
    ReceptionForm shownAgain;
    shownAgain.number = u"1"_s;
    loadReception(env, shownAgain);
    EXPECT_EQ(shownAgain.partner, u"SARL ATLAS"_s);
    EXPECT_EQ(shownAgain.lines.size(), 1);
    EXPECT_EQ(env.params.tauxTva, u"19"_s); // the parameters of the restored files
    EXPECT_EQ(env.state.lastNewReceptionNumber, 0);

    // The replaced data is kept aside, and never offered for a restore.
    const QString kept = QDir(backups()).filePath(u"avant-restauration-14032026"_s);
    EXPECT_EQ(checkDataCopy(kept), QString());
    EXPECT_EQ(listed(), QStringList{u"14032026"_s});
    EXPECT_EQ(entries(backups()), (QStringList{u"14032026"_s, u"avant-restauration-14032026"_s}));
    EXPECT_EQ(entries(path(u"Data"_s)).filter(u".db"_s).size(), 19);
    EXPECT_EQ(entries(folder()), (QStringList{u"Data"_s, u"sauvegardes"_s}));
}

TEST_F(BackupTest, ABackupWithAMissingOrDamagedFileIsNotRestoredAndTheDataStaysAsItWas)
{
    {
        Transaction products(store, DB_PROD);
        for (int i = 0; i < 200; ++i) addProduct(10 + i, u"FAMILLE"_s, u"PRODUIT %1"_s.arg(i), u"U"_s, 100, 100, 200);
        ASSERT_TRUE(products.commit());
    }
    backupDatabase(env, form);
    QDir().rename(QDir(backups()).filePath(u"14032026"_s), QDir(backups()).filePath(u"13032026"_s));
    backupDatabase(env, form);
    QDir().rename(QDir(backups()).filePath(u"14032026"_s), QDir(backups()).filePath(u"12032026"_s));
    QFile::remove(QDir(backups()).filePath(u"13032026/bank.db"_s));
    damage(QDir(backups()).filePath(u"12032026/prod.db"_s));
    listBackups(env, form);
    addProduct(300, u"FAMILLE"_s, u"APRES"_s, u"U"_s, 100, 100, 200);
    const Rows data = everything();
    dialogs.takeShown();

    restore(u"13032026"_s, Dialogs::Answer::Yes);
    std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], box("Erreur", u"La restauration a échoué : la sauvegarde 13032026 ne peut pas être restaurée, le "
                                      "fichier bank.db manque. Vos données sont restées telles qu'elles étaient."_s));
    restore(u"12032026"_s, Dialogs::Answer::Yes);
    shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[1].text.startsWith(u"La restauration a échoué : la sauvegarde 12032026 ne peut pas être "
                                         "restaurée, le fichier prod.db est endommagé"_s))
        << shown[1].text.toStdString();
    EXPECT_EQ(everything(), data);
    EXPECT_EQ(entries(backups()), (QStringList{u"12032026"_s, u"13032026"_s})); // no copy of the data was needed
    EXPECT_EQ(entries(folder()), (QStringList{u"Data"_s, u"sauvegardes"_s}));
}

} // namespace
