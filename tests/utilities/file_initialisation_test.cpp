// The initialisation of files: the password, the choice, the cascades of the master tables, the
// result lines, the copy made first and the emptying that is all or nothing.
#include "utilities/backups.h"
#include "utilities/data_copies.h"
#include "utilities/file_initialisation.h"
#include "utilities_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString EMPTIED = u"Fichier initialisé avec succès"_s;
const QString WAS_EMPTY = u"Fichier déjà initialisé"_s;
const QString DONE = u"Initialisation terminée ! \nLes données d'avant l'initialisation sont gardées dans le dossier sauvegardes/140326."_s;

class InitialisationTest : public UtilitiesFixture {
protected:
    InitialisationTest()
    {
        env.params.accessCode = u"780925"_s;
        form.today = clock.day;
        form.password = u"780925"_s;
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000);
        addClientSupplier(1, u"SARL ATLAS"_s, 0, u"X"_s);
        addNote(u"fBr"_s, 1, 1, 1, 1000, 85000, 0, u"A TERME"_s);
        addNote(u"fBL"_s, 1, 1, 1, 500, 49000, 0, u"A TERME"_s);
        exec(DB_FACV, u"insert into facv (Numdoc,CodeCF,CodeProd) values (1,1,1)"_s);
        exec(DB_BRS, u"insert into fbrs (Numdoc,codeProd,qe,qs) values (1,1,100,0)"_s);
        addPayment(u"fVerR"_s, 1, 1, 1000, u"ESPECE"_s);
        addPayment(u"fVerE"_s, 1, 1, 2000, u"ESPECE"_s);
        addTreasuryOperation(DB_CAISSE, 1, 5000, 0);
        addTreasuryOperation(DB_BANK, 1, 0, 3000);
        exec(DB_BC, u"insert into fbc (Numdoc,CodeCF,CodeProd) values (1,1,1)"_s);
    }
    void check(std::initializer_list<FileGroup> groups)
    {
        for (FileGroup group : groups) form.isChecked(group) = true;
    }
    // The tables that still hold rows, among those an initialisation may empty.
    QStringList tablesWithRows()
    {
        const std::pair<DbNumber, const char*> tables[] = {
            {DB_BR, "fBr"},     {DB_BL, "fBL"},       {DB_FACV, "facv"},   {DB_FACP, "facp"}, {DB_BRS, "fbrs"},
            {DB_VER, "fVerR"},  {DB_VER, "fVerE"},    {DB_CAISSE, "fcaisse"}, {DB_BANK, "fbank"},
            {DB_PROD, "fprod"}, {DB_CF, "fCF"},       {DB_BC, "fbc"}};
        QStringList names;
        for (const auto& [db, table] : tables)
            if (!rows(db, u"select 1 from %1 limit 1"_s.arg(QString::fromLatin1(table))).empty())
                names.append(QString::fromLatin1(table));
        return names;
    }

    InitialisationForm form;
};

TEST_F(InitialisationTest, AWrongOrEmptyPasswordEmptiesNothingAndCopiesNothing)
{
    check({FileGroup::Receptions});
    for (const QString& typed : {u"123"_s, QString(), u"  "_s, u"780925x"_s}) {
        form.password = typed;
        initialiseFiles(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error("Mot de passe incorrect !")}) << typed.toStdString();
    }
    // Where no access code was ever set, an empty password still opens nothing.
    env.params.accessCode.clear();
    form.password.clear();
    initialiseFiles(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error("Mot de passe incorrect !")});
    EXPECT_EQ(tablesWithRows().size(), 11); // all but the proformas
    EXPECT_FALSE(QFileInfo::exists(backups()));
}

TEST_F(InitialisationTest, NothingCheckedIsRefused)
{
    form.password = u"  780925 "_s; // blanks around the code are removed
    initialiseFiles(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error("Sélectionnez les fichiers à initialiser !")});
}

TEST_F(InitialisationTest, TheMovementTablesAreEmptiedWithTheirResultLinesAfterACheckedCopy)
{
    check({FileGroup::Receptions, FileGroup::Invoices, FileGroup::Payments, FileGroup::CashOperations,
           FileGroup::BankOperations});
    std::vector<int> progress;
    form.progress.onChange = [&] { progress.push_back(form.progress.value); };
    initialiseFiles(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{box("Terminé", DONE)});
    EXPECT_EQ(form.results.rows, (Rows{{u"RECEPTION"_s, u"Fichier réceptions"_s, EMPTIED},
                                       {u"FACTURATION"_s, u"Factures ventes"_s, EMPTIED},
                                       {u"FACTURATION"_s, u"Factures proformas"_s, WAS_EMPTY},
                                       {u"VERSEMENT"_s, u"Versements reçus Clients fournisseurs"_s, EMPTIED},
                                       {u"VERSEMENT"_s, u"Versements émis Clients fournisseurs"_s, EMPTIED},
                                       {u"TRESORERIE"_s, u"Opérations de caisse"_s, EMPTIED},
                                       {u"TRESORERIE"_s, u"Opérations bancaires"_s, EMPTIED}}));
    EXPECT_EQ(form.results.toneOf(2).text, 0xFC0503); // the table that already was empty, in red
    EXPECT_EQ(form.results.toneOf(1), RowTone{});
    EXPECT_EQ(tablesWithRows(), (QStringList{u"fBL"_s, u"fbrs"_s, u"fprod"_s, u"fCF"_s, u"fbc"_s}));
    // The copy made first holds what was emptied; it is never offered for a restore.
    EXPECT_EQ(entries(backups()), QStringList{u"140326"_s});
    EXPECT_EQ(checkDataCopy(QDir(backups()).filePath(u"140326"_s)), QString());
    EXPECT_FALSE(isBackupFolderName(u"140326"_s, 2026));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 1);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end() - 1));
    EXPECT_EQ(progress[progress.size() - 2], INITIALISATION_PROGRESS_END);
    EXPECT_EQ(progress.back(), 0);

    // A second initialisation the same day keeps the first copy; the emptied tables say so.
    form.results.clear();
    initialiseFiles(env, form);
    EXPECT_EQ(entries(backups()), (QStringList{u"140326"_s, u"140326-2"_s}));
    for (const QStringList& row : form.results.rows) EXPECT_EQ(row[2], WAS_EMPTY);
    EXPECT_EQ(form.results.rows[3][1], u"Versements reçus"_s);
    EXPECT_EQ(form.results.rows[4][1], u"Versements émis"_s);
}

TEST_F(InitialisationTest, AMasterTableTakesAlongTheTablesThatUseItOnceTheUserAgrees)
{
    const struct {
        FileGroup master;
        const char* question;
        QStringList left; // tables still holding rows afterwards
        QStringList emptied;
    } cases[] = {
        {FileGroup::ClientsSuppliers,
         "Si vous supprimez la table des Clients-fournisseurs, tous les autres fichiers utilisant des clients ou des "
         "fournisseurs seront automatiquement supprimés. Etes-vous sûr de vouloir supprimer la table des Clients "
         "fournisseurs et toutes les ventes et les versements?",
         {u"fbrs"_s, u"fcaisse"_s, u"fbank"_s, u"fprod"_s, u"fbc"_s},
         {u"Fichier réceptions"_s, u"Fichier livraisons"_s, u"Factures ventes"_s, u"Factures proformas"_s,
          u"Versements reçus Clients fournisseurs"_s, u"Versements émis Clients fournisseurs"_s,
          u"Table des Clients fournisseurs"_s}},
        {FileGroup::Products,
         "Si vous supprimez la table des produits, tous les autres fichiers utilisant des produits seront "
         "automatiquement supprimés. Etes-vous sûr de vouloir supprimer la table des produits ainsi que les réceptions "
         "et les ventes ?",
         {u"fVerR"_s, u"fVerE"_s, u"fcaisse"_s, u"fbank"_s, u"fCF"_s, u"fbc"_s},
         {u"Fichier réceptions"_s, u"Fichier livraisons"_s, u"Factures ventes"_s, u"Factures proformas"_s,
          u"B. R. S."_s, u"Table des produits"_s}},
    };
    for (const auto& c : cases) {
        form.checked.fill(false);
        form.isChecked(c.master) = true;
        const Rows before = everything();
        // No: nothing is copied, nothing emptied, the boxes stay as the user left them.
        initialiseFiles(env, form);
        EXPECT_EQ(dialogs.takeShown(),
                  (std::vector<ShownBox>{{u"yesno"_s, u"ATTENTION"_s, QString::fromUtf8(c.question)}}));
        EXPECT_EQ(everything(), before);
        EXPECT_EQ(std::count(form.checked.begin(), form.checked.end(), true), 1);
        EXPECT_FALSE(QFileInfo::exists(backups()));

        dialogs.answers.push_back(Dialogs::Answer::Yes);
        initialiseFiles(env, form);
        EXPECT_EQ(tablesWithRows(), c.left);
        QStringList emptied;
        for (const QStringList& row : form.results.rows) emptied.append(row[1]);
        EXPECT_EQ(emptied, c.emptied);
        EXPECT_EQ(std::count(form.checked.begin(), form.checked.end(), true), 5);
        // Back to the full data for the next case.
        EXPECT_EQ(StagedData(store, QDir(backups()).filePath(u"140326"_s)).putInPlace(store), QString());
        QDir(backups()).removeRecursively();
        dialogs.takeShown();
    }
}

TEST_F(InitialisationTest, WithoutItsCopyNothingIsEmptied)
{
    QFile blocker(backups()); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    check({FileGroup::Receptions});
    const Rows before = everything();
    initialiseFiles(env, form);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(u"L'initialisation n'a pas été faite : la copie des données a échoué, "_s))
        << shown[0].text.toStdString();
    EXPECT_TRUE(shown[0].text.endsWith(u"Aucun fichier n'a été vidé."_s));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(form.progress.value, 0);
}

// A failure on the last table (the client-supplier table refuses to be emptied) undoes the
// tables emptied before it, the cash and bank books included.
TEST_F(InitialisationTest, AFailureHalfWayEmptiesNothing)
{
    exec(DB_CF, u"create trigger cf.keep before delete on fCF begin select raise(abort, 'panne simulée'); end"_s);
    selectAllFiles(form);
    dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    const Rows before = everything();
    initialiseFiles(env, form);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[2].title, u"Erreur"_s); // the statement's own box
    EXPECT_TRUE(shown[2].text.startsWith(u"panne simulée"_s));
    EXPECT_EQ(shown[3], error("L'initialisation a échoué : aucun fichier n'a été vidé."));
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(form.results.isEmpty());
}

// The receptions and the cash book are committed, then the bank book refuses its commit: the
// data comes back from the copy made first, exactly as before.
TEST_F(InitialisationTest, ACommitThatFailsAfterAnotherPutsTheCopyBack)
{
    exec(DB_BANK, u"PRAGMA foreign_keys=ON"_s);
    exec(DB_BANK, u"create table parent (id integer primary key)"_s);
    exec(DB_BANK, u"create table child (p integer references parent(id) deferrable initially deferred)"_s);
    exec(DB_BANK, u"create trigger orphan after delete on fbank begin insert into child values (42); end"_s);
    check({FileGroup::Receptions, FileGroup::CashOperations, FileGroup::BankOperations});
    const Rows before = everything();
    initialiseFiles(env, form);
    const std::vector<ShownBox> shown = dialogs.takeShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].text.contains(u"FOREIGN KEY"_s)) << shown[0].text.toStdString();
    EXPECT_EQ(shown[1], error("L'initialisation a échoué : aucun fichier n'a été vidé."));
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(form.results.isEmpty());
}

} // namespace
