// The demo and scale data sets keep the documents' rules: every summary row matches its lines
// and its balances follow from each other.
#include "demo_data.h"
#include "scale_data.h"
#include "stock_fixture.h"
#include "treasury/balances.h"

using namespace Qt::StringLiterals;

namespace {

using GeneratedDataTest = StockFixture;

// Documents whose summary total differs from the sum of their lines, or whose line numbers
// are not 1..n.
Rows inconsistentDocuments(Store& store, DbNumber db, const QString& table)
{
    return rows(store, db,
                u"select s.numdoc from %1 s where s.codeprod=9999 and ("
                "s.ht <> (select total(l.mnt) from %1 l where l.numdoc=s.numdoc and l.codeprod<>9999) or "
                "(select max(l.frais) from %1 l where l.numdoc=s.numdoc and l.codeprod<>9999) <> "
                "(select count(*) from %1 l where l.numdoc=s.numdoc and l.codeprod<>9999))"_s.arg(table));
}

TEST_F(GeneratedDataTest, TheDemoDocumentsAreTypedThroughTheOperations)
{
    ASSERT_TRUE(addDemoData(env));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_BR, u"select count(*) from fBr where codeprod=9999"_s), Rows({{u"3"_s}}));
    EXPECT_EQ(rows(DB_BL, u"select count(*) from fBL where codeprod=9999"_s), Rows({{u"3"_s}}));
    EXPECT_TRUE(inconsistentDocuments(store, DB_BR, u"fBr"_s).empty());
    EXPECT_TRUE(inconsistentDocuments(store, DB_BL, u"fBL"_s).empty());
    // The client of the first delivery paid 50 000.00 of 156 400.00, on top of his opening 3 500.00.
    EXPECT_EQ(computeClientSupplierBalance(env, u"ENTREPRISE BATIR PLUS"_s).text, u"109 900.00"_s);
}

TEST_F(GeneratedDataTest, TheScaleDataKeepsTheDocumentsRules)
{
    ScaleDataSize size;
    ASSERT_TRUE(addScaleData(env, 400, &size));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(size.documents, 400);
    EXPECT_EQ(size.payments, 40);
    EXPECT_EQ(rows(DB_BR, u"select count(distinct numdoc), count(*) from fBr"_s),
              Rows({{u"200"_s, QString::number(200 + rows(DB_BR, u"select count(*) from fBr where codeprod<>9999"_s)[0][0].toInt())}}));
    EXPECT_EQ(rows(DB_BL, u"select count(distinct numdoc) from fBL"_s), Rows({{u"200"_s}}));
    EXPECT_EQ(size.lines, rows(DB_BR, u"select count(*) from fBr where codeprod<>9999"_s)[0][0].toLongLong()
                              + rows(DB_BL, u"select count(*) from fBL where codeprod<>9999"_s)[0][0].toLongLong());
    EXPECT_TRUE(inconsistentDocuments(store, DB_BR, u"fBr"_s).empty());
    EXPECT_TRUE(inconsistentDocuments(store, DB_BL, u"fBL"_s).empty());
    // Each summary's new balance is its old one moved by the document.
    EXPECT_EQ(rows(DB_BL, u"select count(*) from fBL where codeprod=9999 and newsolde <> lastsolde + ht - ver - remise"_s),
              Rows({{u"0"_s}}));
    EXPECT_EQ(rows(DB_BR, u"select count(*) from fBr where codeprod=9999 and newsolde <> lastsolde - ht + ver + remise"_s),
              Rows({{u"0"_s}}));
    // Documents span six years.
    EXPECT_EQ(rows(DB_BL, u"select min(substr(DateDoc,7)), max(substr(DateDoc,7)) from fBL"_s), Rows({{u"2020"_s, u"2025"_s}}));
}

} // namespace
