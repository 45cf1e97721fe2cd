// The cash and bank positions: which movements count where, and a position that cannot be
// computed is never shown as a figure.
#include "treasury/positions.h"
#include "treasury_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class PositionTest : public TreasuryFixture {};

struct Figures {
    qint64 opening, receipts, expenses, balance;
};

void expectPosition(const TreasuryPosition& position, const Figures& expected, const char* which)
{
    SCOPED_TRACE(which);
    EXPECT_TRUE(position.ok);
    EXPECT_EQ(position.opening, Amount::fromCents(expected.opening));
    EXPECT_EQ(position.receipts, Amount::fromCents(expected.receipts));
    EXPECT_EQ(position.expenses, Amount::fromCents(expected.expenses));
    EXPECT_EQ(position.balance, Amount::fromCents(expected.balance));
}

TEST_F(PositionTest, EmptyBooksWithoutOpeningBalancesAreAtZero)
{
    expectPosition(computeCashBalance(env), {0, 0, 0, 0}, "cash");
    expectPosition(computeBankBalance(env), {0, 0, 0, 0}, "bank");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PositionTest, ExactlyEspeceCountsInTheCashCreditNowhereAndEveryOtherModeInTheBank)
{
    setOpeningBalances(5000, 100000);
    addOperation(DB_CAISSE, 1, 100000, 0, u"VENTE COMPTOIR"_s);
    addOperation(DB_CAISSE, 2, 0, 12000, u"CAFE"_s);
    addOperation(DB_BANK, 1, 200000, 0, u"REMISE CHEQUES"_s);
    addOperation(DB_BANK, 2, 0, 50000, u"AGIOS"_s);
    // Deliveries: cash, cash without payment, credit with a payment, cheque, no mode at all.
    addSummary(DB_BL, 1, 1, 90000, 0, 30000, u"ESPECE"_s);
    addSummary(DB_BL, 2, 1, 90000, 0, 0, u"ESPECE"_s);
    addSummary(DB_BL, 3, 1, 90000, 0, 5000, u"A TERME"_s);
    addSummary(DB_BL, 4, 1, 90000, 0, 70000, u"CHEQUE N° 5"_s);
    addSummary(DB_BL, 5, 1, 90000, 0, 1000, QString());
    // Receptions: cash, transfer.
    addSummary(DB_BR, 1, 2, 90000, 0, 40000, u"ESPECE"_s);
    addSummary(DB_BR, 2, 2, 90000, 0, 25000, u"VIREMENT N° 3"_s);
    // Payments: only the exact text ESPECE is cash; ESPECES (with an S) and A TERME count in the bank.
    addPayment("fVerR", 1, 1, 20000, u"ESPECE"_s);
    addPayment("fVerR", 2, 1, 9000, u"ESPECES"_s);
    addPayment("fVerR", 3, 1, 11000, u"CHEQUE N° 12"_s);
    addPayment("fVerE", 1, 2, 8000, u"ESPECE"_s);
    addPayment("fVerE", 2, 2, 3000, u"A TERME"_s);

    expectPosition(computeCashBalance(env), {5000, 100000 + 30000 + 20000, 12000 + 40000 + 8000, 95000}, "cash");
    expectPosition(computeBankBalance(env),
                   {100000, 200000 + 70000 + 1000 + 9000 + 11000, 50000 + 25000 + 3000, 313000}, "bank");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PositionTest, AFailedStatementOrAFigureBeyondTheBoundIsNoPosition)
{
    exec(DB_BANK, u"drop table fbank"_s);
    EXPECT_FALSE(computeBankBalance(env).ok);
    ASSERT_EQ(dialogs.shown.size(), 2u); // receipts and expenses: each failed statement is reported
    EXPECT_EQ(dialogs.shown[0].title, u"Erreur"_s);
    EXPECT_TRUE(computeCashBalance(env).ok);

    setOpeningBalances(Amount::LIMIT, 0);
    addOperation(DB_CAISSE, 1, 100, 0, u"VENTE"_s);
    const TreasuryPosition cash = computeCashBalance(env);
    EXPECT_FALSE(cash.ok);
    EXPECT_FALSE(cash.balance.isValid());
}

} // namespace
