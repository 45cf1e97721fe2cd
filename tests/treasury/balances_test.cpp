// A client-supplier's balance: positive when he owes the business, negative when it owes him.
#include "common/values.h"
#include "data_fixture.h"
#include "treasury/balances.h"

using namespace Qt::StringLiterals;

namespace {

class BalanceTest : public DataFixture {
protected:
    void addClientSupplier(int code, const QString& name, const QString& openingBalance)
    {
        exec(DB_CF, u"insert into fCF (CodeCF,CF,Si,typecf) values (?,?,?,'X')"_s, {code, name, openingBalance});
    }
    // A document's line row (zeros) and summary row, dated.
    void addDocument(DbNumber db, const char* table, int code, qint64 ht, qint64 discount, qint64 paid, const QString& date = u"10/03/2026"_s)
    {
        const QString sql = u"insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Qte,Mnt,ht,frais,remise,ver) "
                            "values (1,?,?,?,?,?,?,?,?,?,?)"_s.arg(QLatin1String(table));
        exec(db, sql, {date, toDateNum(date), code, 5, 100, ht, 0, 1, 0, 0});
        exec(db, sql, {date, toDateNum(date), code, 9999, QString(), 0, ht, 99, discount, paid});
    }
    void addPayment(const char* table, int code, qint64 amount, const QString& date = u"10/03/2026"_s)
    {
        exec(DB_VER, u"insert into %1 (numdoc,DateDoc,DateNum,CodeCF,Mnt,Modep) values (1,?,?,?,?,'ESPECE')"_s.arg(QLatin1String(table)),
             {date, toDateNum(date), code, amount});
    }
};

TEST_F(BalanceTest, DeliveriesAndPaymentsIssuedRaiseItReceptionsAndPaymentsReceivedLowerIt)
{
    addClientSupplier(1, u"CLIENT"_s, u"100000"_s);
    addDocument(DB_BL, "fBL", 1, 500000, 20000, 100000);
    addPayment("fVerR", 1, 200000);
    const ClientSupplierBalance client = computeClientSupplierBalance(env, u"CLIENT"_s);
    EXPECT_TRUE(client.found);
    EXPECT_EQ(client.code, u"1"_s);
    EXPECT_EQ(client.balance.cents(), 280000); // 1 000 + 3 800 - 2 000
    EXPECT_EQ(client.text, u"2 800.00"_s);

    addClientSupplier(2, u"FOURNISSEUR"_s, u"0"_s);
    addDocument(DB_BR, "fBr", 2, 400000, 0, 0);
    addPayment("fVerE", 2, 150000);
    EXPECT_EQ(computeClientSupplierBalance(env, u"FOURNISSEUR"_s).text, u"-2 500.00"_s);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BalanceTest, WithoutMovementsItIsTheOpeningBalanceAndAnUnknownNameHasNone)
{
    addClientSupplier(1, u"A"_s, u"-4500"_s);
    addClientSupplier(2, u"B"_s, QString());
    EXPECT_EQ(computeClientSupplierBalance(env, u"A"_s).text, u"-45.00"_s);
    const ClientSupplierBalance empty = computeClientSupplierBalance(env, u"B"_s);
    EXPECT_TRUE(empty.found);
    EXPECT_EQ(empty.balance, Amount());
    EXPECT_FALSE(computeClientSupplierBalance(env, u"C"_s).found);
    EXPECT_FALSE(computeClientSupplierBalance(env, QString()).found);
}

TEST_F(BalanceTest, TheBalanceBeforeADateLeavesThatDayOut)
{
    addClientSupplier(1, u"CLIENT"_s, u"0"_s);
    addDocument(DB_BL, "fBL", 1, 10000, 0, 0, u"09/03/2026"_s);
    addPayment("fVerR", 1, 3000, u"09/03/2026"_s);
    addPayment("fVerE", 1, 500, u"10/03/2026"_s);
    addDocument(DB_BR, "fBr", 1, 70000, 0, 0, u"10/03/2026"_s);
    const BalanceBefore before = computeBalanceBefore(env, u"1"_s, u"2000"_s, toDateNum(u"10/03/2026"_s));
    EXPECT_EQ(before.balance.cents(), 2000 + 10000 - 3000);
    EXPECT_EQ(before.text, u"90.00"_s);
    EXPECT_EQ(computeBalanceBefore(env, u"1"_s, u"0"_s, toDateNum(u"11/03/2026"_s)).balance.cents(), 10000 - 3000 + 500 - 70000);
}

} // namespace
