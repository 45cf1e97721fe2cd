// The Store: opening in order, the checked statements, bound values and the transaction guard.
#include <QDir>
#include <QFile>

#include "data_fixture.h"
#include "store/data_folder.h"

using StoreTest = DataFixture;

TEST_F(StoreTest, AnyTextIsStoredAndReadBackUnchanged)
{
    const QString awkward = QStringLiteral("L'ÉTOILE \"DU\" SUD; -- À ÇA; DROP TABLE fCF");
    exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Si,typecf) values (?,?,?,?)"), {7, awkward, QStringLiteral("0"), QStringLiteral("C")});
    EXPECT_EQ(rows(DB_CF, QStringLiteral("select CF from fCF where CF=?"), {awkward}), Rows{{awkward}});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StoreTest, WholeNumberColumnsCompareAndSumAsNumbers)
{
    for (const char* qte : {"1250", "050", "00", ""})
        exec(DB_BR, QStringLiteral("insert into fBr (Numdoc,CodeProd,Qte) values (?,?,?)"), {QStringLiteral("10"), QStringLiteral("3"), QString::fromLatin1(qte)});
    exec(DB_BR, QStringLiteral("insert into fBr (Numdoc,CodeProd,Qte) values (?,?,?)"), {QStringLiteral("9"), QStringLiteral("3"), QStringLiteral("5")});
    EXPECT_EQ(store.scalar(DB_BR, QStringLiteral("SELECT max(numdoc) FROM fBr")), QStringLiteral("10"));
    // "050" and "00" become numbers; the empty text counts as zero (and makes the sum real).
    EXPECT_EQ(store.scalar(DB_BR, QStringLiteral("select sum(qte) from fbr where codeprod=?"), {QStringLiteral("3")}), QStringLiteral("1305.0"));
    EXPECT_EQ(store.scalar(DB_BR, QStringLiteral("SELECT max(numdoc) FROM fBr where numdoc=?"), {QStringLiteral("11")}), QString());
}

TEST_F(StoreTest, AFailingStatementShowsTheErrorBoxWithTheStatement)
{
    const QString sql = QStringLiteral("SELECT * FROM nowhere where x=?");
    const QueryResult result = store.queryChecked(DB_BC, sql, {1});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.isEmpty());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Erreur"));
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("no such table: nowhere    Db=21 query$= ") + sql);

    EXPECT_FALSE(store.updateChecked(DB_PARAM, QStringLiteral("Delete FROM fprod")));
    EXPECT_EQ(dialogs.shown.back().text, QStringLiteral("no such table: fprod    Db=30 query$= Delete FROM fprod"));
}

TEST_F(StoreTest, AGuardedOperationThatFailsLeavesEveryAttachedFileAsItWas)
{
    exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,Prod) values (1,'AVANT')"));
    {
        Transaction guard(store, DB_PROD);
        ASSERT_TRUE(guard.isActive());
        exec(DB_PROD, QStringLiteral("update fprod set Prod='APRES'"));
        exec(DB_FAM, QStringLiteral("insert into ffam (fam) values ('NOUVELLE')"));
        exec(DB_BL, QStringLiteral("insert into fBL (Numdoc,CodeProd) values (1,1)"));
        // A nested guard is a savepoint: its own rollback keeps the outer writes.
        {
            Transaction inner(store, DB_CF);
            exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF) values (1,'X')"));
        }
        EXPECT_FALSE(store.updateChecked(DB_BR, QStringLiteral("insert into fBr (nosuchcolumn) values (1)")));
        // the guard goes out of scope without commit
    }
    store.closeAll();
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Prod from fprod")), Rows{{QStringLiteral("AVANT")}});
    EXPECT_TRUE(rows(DB_FAM, QStringLiteral("select * from ffam")).empty());
    EXPECT_TRUE(rows(DB_BL, QStringLiteral("select * from fBL")).empty());
    EXPECT_TRUE(rows(DB_CF, QStringLiteral("select * from fCF")).empty());
}

TEST_F(StoreTest, ACommittedOperationReachesEveryFile)
{
    {
        Transaction guard(store, DB_FAM);
        exec(DB_FAM, QStringLiteral("insert into ffam (fam) values ('A')"));
        exec(DB_BC, QStringLiteral("insert into fbc (Numdoc) values (4)"));
        ASSERT_TRUE(guard.commit());
    }
    store.closeAll();
    ASSERT_TRUE(store.openDatabases(folder()).isEmpty());
    EXPECT_EQ(rows(DB_FAM, QStringLiteral("select fam from ffam")), Rows{{QStringLiteral("A")}});
    EXPECT_EQ(rows(DB_BC, QStringLiteral("select Numdoc from fbc")), Rows{{QStringLiteral("4")}});
}

TEST_F(StoreTest, OpeningStopsAtTheFirstMissingFileAndCreatesNothing)
{
    store.closeAll();
    const QString data = folder() + QStringLiteral("/Data/");
    ASSERT_TRUE(QFile::remove(data + QStringLiteral("Um.db")));
    ASSERT_TRUE(QFile::remove(data + QStringLiteral("bc.db")));
    EXPECT_EQ(store.openDatabases(folder()), QDir::toNativeSeparators(QStringLiteral("Data/Um.db")));
    EXPECT_FALSE(store.isOpen());
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("Um.db")));

    ASSERT_TRUE(createDataFolder(folder()).ok()); // puts back Um.db and bc.db only
    ASSERT_TRUE(QFile::remove(data + QStringLiteral("bc.db")));
    // An attached file is opened with mode=rw: a missing one is reported, not created.
    EXPECT_EQ(store.openDatabases(folder()), QDir::toNativeSeparators(QStringLiteral("Data/bc.db")));
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("bc.db")));
}

TEST_F(StoreTest, AFileThatIsNotADatabaseCannotBeOpened)
{
    store.closeAll();
    QFile file(folder() + QStringLiteral("/Data/caisse.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(4096, 'z'));
    file.close();
    EXPECT_EQ(store.openDatabases(folder()), QDir::toNativeSeparators(QStringLiteral("Data/caisse.db")));
}

TEST_F(StoreTest, APreparedStatementRunsWithEachSetOfValues)
{
    PreparedStatement insert = store.prepare(DB_FAM, QStringLiteral("insert into ffam (fam) values (?)"));
    ASSERT_TRUE(insert.isValid());
    for (const char* family : {"A", "B \"C\""}) EXPECT_TRUE(insert.run({QString::fromUtf8(family)}));
    EXPECT_EQ(rows(DB_FAM, QStringLiteral("select fam from ffam order by fam")),
              Rows({{QStringLiteral("A")}, {QStringLiteral("B \"C\"")}}));
    EXPECT_TRUE(dialogs.shown.empty());

    exec(DB_FAM, QStringLiteral("CREATE TRIGGER fam.refuse BEFORE INSERT ON ffam WHEN NEW.fam='X' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    EXPECT_FALSE(insert.run({QStringLiteral("X")}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("refused    Db=1 query$= insert into ffam (fam) values (?)"));

    PreparedStatement broken = store.prepare(DB_FAM, QStringLiteral("insert into nowhere values (?)"));
    EXPECT_FALSE(broken.isValid());
    EXPECT_FALSE(broken.run({1}));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}
