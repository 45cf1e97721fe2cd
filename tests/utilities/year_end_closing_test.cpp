// The year-end closing: the question, the checked archive that comes first, the values carried
// into the next year (the balances and stocks the program shows, the cash and bank positions
// whatever their sign), the emptied movements, and the failures that leave the data as it was.
#include "stock/stock.h"
#include "treasury/balances.h"
#include "treasury/positions.h"
#include "utilities/data_copies.h"
#include "utilities/file_initialisation.h"
#include "utilities/year_end_closing.h"
#include "utilities_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class ClosingTest : public UtilitiesFixture {
protected:
    ClosingTest()
    {
        addClientSupplier(1, u"BOUTIQUE NOUR"_s, 100000, u"C"_s);  // si 1 000.00
        addClientSupplier(2, u"SARL ATLAS"_s, -20000, u"F"_s);
        addClientSupplier(5, u"DEPOT SUD"_s, 0, u"X"_s);           // codes 3 and 4 do not exist
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000); // Qi 10
        addProduct(2, u"CIMENTERIE"_s, u"CIMENT 25KG"_s, u"SAC"_s, 0, 45000, 52000);
        addNote(u"fBr"_s, 1, 2, 1, 5000, 425000, 100000, u"ESPECE"_s, u"05/06/2025"_s);   // 50 received
        addNote(u"fBL"_s, 1, 1, 1, 3500, 400000, 0, u"A TERME"_s, u"20/11/2025"_s);       // 35 delivered, 4 000 owed
        addNote(u"fBL"_s, 2, 5, 2, 100, 52000, 52000, u"CHEQUE"_s, u"21/11/2025"_s);
        addPayment(u"fVerE"_s, 1, 2, 30000, u"ESPECE"_s, u"01/07/2025"_s);
        exec(DB_BRS, u"insert into fbrs (Numdoc,DateDoc,DateNum,codeProd,qe,qs) values (1,'02/12/2025',?,2,0,200)"_s,
             {toDateNum(u"02/12/2025"_s)});
        addTreasuryOperation(DB_CAISSE, 1, 0, 900000, u"03/12/2025"_s);
        addTreasuryOperation(DB_BANK, 1, 250000, 0, u"04/12/2025"_s);
        exec(DB_SITRES, u"insert into fSitres (sicaisse,sibank) values (-50000, 10000)"_s);
        exec(DB_BC, u"insert into fbc (Numdoc,CodeCF,CodeProd) values (1,2,1)"_s);
        form.progress.onChange = [this] { progress.push_back(form.progress.value); };
    }
    // The store is closed once the program has ended: open it again to look.
    void reopen()
    {
        if (!store.isOpen()) {
            ASSERT_EQ(store.openDatabases(folder()), QString());
        }
    }
    std::vector<ShownBox> boxes() { return dialogs.takeShown(); }

    ClosingForm form;
    std::vector<int> progress;
};

TEST_F(ClosingTest, TheYearIsThatOfTheLatestMovementOrThisYear)
{
    EXPECT_EQ(closingYear(env), 2025);
    exec(DB_CAISSE, u"insert into fcaisse (NumOp,DateOp,DateNum) values (2,'02/01/2026',?)"_s, {toDateNum(u"02/01/2026"_s)});
    exec(DB_BL, u"update fBL set DateNum='inconnue' where Numdoc=2"_s); // not a date
    EXPECT_EQ(closingYear(env), 2026);
    for (const char* table : {"fBr", "fBL", "fVerE", "fbrs", "fcaisse", "fbank"}) {
        const QString name = QString::fromLatin1(table);
        const DbNumber db = name == u"fBr"     ? DB_BR
                            : name == u"fBL"   ? DB_BL
                            : name == u"fVerE" ? DB_VER
                            : name == u"fbrs"  ? DB_BRS
                            : name == u"fcaisse" ? DB_CAISSE
                                                 : DB_BANK;
        exec(db, u"delete from "_s + name);
    }
    clock.day = QDate(2027, 2, 1);
    EXPECT_EQ(closingYear(env), 2027);
}

TEST_F(ClosingTest, NoToTheQuestionChangesNothing)
{
    const Rows before = everything();
    EXPECT_FALSE(closeFinancialYear(env, form));
    const std::vector<ShownBox> shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, u"yesno"_s);
    EXPECT_EQ(shown[0].title, u"ATTENTION !"_s);
    EXPECT_TRUE(shown[0].text.startsWith(u"Vous allez clôturer l'exercice 2025 : "_s));
    EXPECT_TRUE(shown[0].text.contains(u"Il est recommandé de faire d'abord une sauvegarde."_s));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entries(folder()), QStringList{u"Data"_s});
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(ClosingTest, TheBalancesStocksAndPositionsShownBecomeNextYearsOpeningValues)
{
    // What the program shows before the closing.
    Rows shownBalances;
    for (const QString& name : {u"BOUTIQUE NOUR"_s, u"SARL ATLAS"_s, u"DEPOT SUD"_s})
        shownBalances.push_back({QString::number(computeClientSupplierBalance(env, name).balance.cents())});
    Rows shownStocks;
    for (const QStringList& p : rows(DB_PROD, u"select Codeprod, Qi from fprod order by Codeprod"_s))
        shownStocks.push_back({computeStock(env, p[0], p[1]).text});
    const qint64 cash = computeCashBalance(env).balance.cents();
    const qint64 bank = computeBankBalance(env).balance.cents();
    const Rows before = everything();

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_TRUE(closeFinancialYear(env, form));
    const std::vector<ShownBox> shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], box("Terminé", u"Clôture terminée ! \nL'exercice 2025 est archivé dans le dossier Varkel2025. Le "
                                       "programme va s'arrêter : le nouvel exercice commencera au prochain démarrage."_s));
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    reopen();

    // si 1 000 + deliveries 4 000 = 5 000; the stock 10 + 50 - 35 = 25.
    EXPECT_EQ(rows(DB_CF, u"select CodeCF, Si from fCF order by CodeCF"_s),
              (Rows{{u"1"_s, u"500000"_s}, {u"2"_s, u"-315000"_s}, {u"5"_s, u"0"_s}}));
    EXPECT_EQ(rows(DB_CF, u"select Si from fCF order by CodeCF"_s), shownBalances);
    EXPECT_EQ(rows(DB_PROD, u"select Qi from fprod order by Codeprod"_s), (Rows{{u"2500"_s}, {u"-300"_s}}));
    EXPECT_EQ(rows(DB_PROD, u"select Qi from fprod order by Codeprod"_s), shownStocks);
    // -500 - 1 000 (reception paid in cash) - 300 (payment issued) - 9 000 = -10 800, stored though negative.
    EXPECT_EQ(cash, -1080000);
    EXPECT_EQ(bank, 10000 + 52000 + 250000);
    EXPECT_EQ(rows(DB_SITRES, u"select sicaisse, sibank from fSitres"_s),
              (Rows{{QString::number(cash), QString::number(bank)}}));
    // The movements are gone, so that nothing counts twice; the purchase orders stay.
    for (const TableOfFile& table : movementTables())
        EXPECT_EQ(rows(table.db, u"select count(*) from "_s + table.name), Rows{{u"0"_s}}) << table.name.toStdString();
    EXPECT_EQ(rows(DB_BC, u"select count(*) from fbc"_s), Rows{{u"1"_s}});
    EXPECT_EQ(computeClientSupplierBalance(env, u"BOUTIQUE NOUR"_s).balance.cents(), 500000);
    EXPECT_EQ(computeCashBalance(env).balance.cents(), cash);

    // The archive holds the data as it was before.
    EXPECT_EQ(entries(folder()), (QStringList{u"Data"_s, u"Varkel2025"_s}));
    const QString archive = path(u"Varkel2025/data"_s);
    EXPECT_EQ(checkDataCopy(archive), QString());
    store.closeAll();
    QTemporaryDir other;
    ASSERT_TRUE(QDir().rename(archive, QDir(other.path()).filePath(u"Data"_s)));
    ASSERT_EQ(store.openDatabases(other.path()), QString());
    EXPECT_EQ(everything(), before);

    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_GT(progress.size(), 10u);
    EXPECT_EQ(progress.back(), CLOSING_PROGRESS_END);
}

TEST_F(ClosingTest, AnEarlierArchiveOfTheYearIsNeverOverwritten)
{
    ASSERT_TRUE(QDir().mkpath(path(u"Varkel2025/data"_s)));
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_TRUE(closeFinancialYear(env, form));
    EXPECT_EQ(entries(folder()), (QStringList{u"Data"_s, u"Varkel2025"_s, u"Varkel2025-2"_s}));
    EXPECT_TRUE(entries(path(u"Varkel2025/data"_s)).isEmpty());
    EXPECT_EQ(checkDataCopy(path(u"Varkel2025-2/data"_s)), QString());
}

TEST_F(ClosingTest, WithoutItsArchiveNothingChanges)
{
    const Rows before = everything();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    {
        FullDisk full;
        EXPECT_FALSE(closeFinancialYear(env, form));
    }
    const std::vector<ShownBox> shown = boxes();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, u"Erreur"_s);
    EXPECT_TRUE(shown[1].text.startsWith(u"La clôture de l'exercice n'a pas été faite : la copie d'archive a échoué, "_s))
        << shown[1].text.toStdString();
    EXPECT_TRUE(shown[1].text.endsWith(u"Aucune donnée n'a été modifiée."_s));
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entries(folder()), QStringList{u"Data"_s});
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_EQ(form.progress.value, 0);
}

// A failure while the bank book is emptied (its own connection, written last) undoes the
// balances and the documents already written.
TEST_F(ClosingTest, AFailureHalfWayChangesNothing)
{
    exec(DB_BANK, u"create trigger keep before delete on fbank begin select raise(abort, 'panne simulée'); end"_s);
    const Rows before = everything();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_FALSE(closeFinancialYear(env, form));
    const std::vector<ShownBox> shown = boxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[1].text.startsWith(u"panne simulée"_s));
    EXPECT_EQ(shown[2], error("La clôture de l'exercice n'a pas été faite : l'enregistrement a échoué. Aucune donnée "
                              "n'a été modifiée."));
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(exitCodes.empty());
}

// The documents are committed, then the bank book refuses its commit: the data comes back
// from the archive, exactly as before.
TEST_F(ClosingTest, ACommitThatFailsAfterAnotherPutsTheArchiveBack)
{
    exec(DB_BANK, u"PRAGMA foreign_keys=ON"_s);
    exec(DB_BANK, u"create table parent (id integer primary key)"_s);
    exec(DB_BANK, u"create table child (p integer references parent(id) deferrable initially deferred)"_s);
    exec(DB_BANK, u"create trigger orphan after delete on fbank begin insert into child values (42); end"_s);
    const Rows before = everything();
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    EXPECT_FALSE(closeFinancialYear(env, form));
    const std::vector<ShownBox> shown = boxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[1].text.contains(u"FOREIGN KEY"_s)) << shown[1].text.toStdString();
    EXPECT_EQ(shown[2], error("La clôture de l'exercice n'a pas été faite : l'enregistrement a échoué. Aucune donnée "
                              "n'a été modifiée."));
    EXPECT_TRUE(store.isOpen());
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(entries(folder()), (QStringList{u"Data"_s, u"Varkel2025"_s}));
    EXPECT_TRUE(exitCodes.empty());
}

} // namespace
