// Deliveries: what differs from receptions (client creation, no product creation, the stock
// check with the picked line's quantity, the balance direction).
#include "stock/stock.h"
#include "stock_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class DeliveryTest : public StockFixture {
protected:
    DeliveryTest()
    {
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000, 93000); // 10 in stock
        addProduct(2, u"PEINTURE"_s, u"VERNIS 1L"_s, u"U"_s, 300, 5000, 7500);                 // 3 in stock
        addClientSupplier(1, u"ENTREPRISE BATIR"_s, 0, u"C"_s);
        env.params.modepBl = u"A TERME"_s;
        newDelivery(env, form);
        form.partner = u"ENTREPRISE BATIR"_s;
    }
    void validate(const QString& product, const QString& quantity, const QString& unitPrice = u"980"_s)
    {
        typeLine(form, product, quantity, unitPrice);
        validateDeliveryLine(env, form);
    }
    Rows lines() { return rows(DB_BL, u"select frais,CodeProd,Qte from fBL where codeprod<>9999 order by frais"_s); }
    qint64 stock(const char* code, const char* initial)
    {
        return computeStock(env, QString::fromLatin1(code), QString::fromLatin1(initial)).value.cents();
    }

    DeliveryForm form;
};

TEST_F(DeliveryTest, ADeliveryOfExactlyTheStockIsAcceptedAndOneHundredthMoreIsNot)
{
    form.partner = u"CLIENT NOUVEAU"_s;
    validate(u"CIMENT 50KG"_s, u"10.01"_s);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Cette quantité n'est pas disponible !")});
    EXPECT_TRUE(rows(DB_BL, u"select * from fBL"_s).empty());
    EXPECT_EQ(rows(DB_CF, u"select count(*) from fCF"_s), Rows({{u"1"_s}})); // a refused line creates nobody

    validate(u"CIMENT 50KG"_s, u"10"_s);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(lines(), Rows({{u"1"_s, u"1"_s, u"1000"_s}}));
    EXPECT_EQ(stock("1", "1000"), 0);
    // The new name became a client.
    EXPECT_EQ(rows(DB_CF, u"select CodeCF,typecf from fCF where CF='CLIENT NOUVEAU'"_s), Rows({{u"2"_s, u"C"_s}}));
    // A delivery changes no product price.
    EXPECT_EQ(rows(DB_PROD, u"select pa,pvd,pvg from fprod where codeprod=1"_s), Rows({{u"85000"_s, u"98000"_s, u"93000"_s}}));
}

TEST_F(DeliveryTest, TheFiveToSevenUnitsModificationWithAStockOfThree)
{
    exec(DB_PROD, u"update fprod set Qi=800 where codeprod=1"_s);
    validate(u"CIMENT 50KG"_s, u"5"_s); // stock 8 -> 3

    // A payment option chosen in between forgets the picked line's quantity: 3 < 7.
    selectDeliveryListRow(env, form, 0);
    EXPECT_EQ(form.selectedLineQuantity, Amount::fromUnits(5));
    setDeliveryPaymentOption(env, form, PaymentOption::Cheque);
    form.quantity = u"7"_s;
    validateDeliveryLine(env, form);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Cette quantité n'est pas disponible !")});

    // Picked and changed at once: the line's own 5 come back, 3 + 5 >= 7.
    selectDeliveryListRow(env, form, 0);
    form.quantity = u"7"_s;
    validateDeliveryLine(env, form);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(lines(), Rows({{u"1"_s, u"1"_s, u"700"_s}}));
    EXPECT_EQ(form.selectedLineQuantity, Amount());
    EXPECT_EQ(stock("1", "800"), 100);
}

TEST_F(DeliveryTest, APickedLineGivesItsQuantityBackToItsOwnProductOnly)
{
    validate(u"CIMENT 50KG"_s, u"6"_s); // 4 left
    selectDeliveryListRow(env, form, 0);
    form.product = u"VERNIS 1L"_s; // 3 in stock
    form.quantity = u"5"_s;
    validateDeliveryLine(env, form);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Cette quantité n'est pas disponible !")});
    EXPECT_EQ(lines(), Rows({{u"1"_s, u"1"_s, u"600"_s}}));
}

TEST_F(DeliveryTest, AnUnknownProductIsRefusedAndNeverCreated)
{
    validate(u"CIMENT 25KG"_s, u"1"_s);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Ce produit n'existe pas !")});
    EXPECT_EQ(rows(DB_PROD, u"select count(*) from fprod"_s), Rows({{u"2"_s}}));
    EXPECT_TRUE(rows(DB_BL, u"select * from fBL"_s).empty());
}

TEST_F(DeliveryTest, ADeliveryRaisesTheClientBalanceAndPaymentsAndDiscountsLowerIt)
{
    form.oldBalance = u"500.00"_s;
    form.discount = u"10"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"100"_s);
    EXPECT_EQ(form.payment, u"0.00"_s); // A TERME
    EXPECT_EQ(form.newBalance, u"590.00"_s);
    setDeliveryPaymentOption(env, form, PaymentOption::Espece);
    EXPECT_EQ(form.payment, u"100.00"_s);
    EXPECT_EQ(form.newBalance, u"490.00"_s);
    EXPECT_EQ(rows(DB_BL, u"select ht,remise,ver,lastsolde,newsolde from fBL where codeprod=9999"_s),
              Rows({{u"10000"_s, u"1000"_s, u"0"_s, u"50000"_s, u"59000"_s}})); // saved at the line, not by the option
}

TEST_F(DeliveryTest, NewDeliveryTakesTheDefaultModeAndForgetsAPickedLine)
{
    env.params.modepBl = u"VIREMENT BANCAIRE"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s);
    selectDeliveryListRow(env, form, 0);
    newDelivery(env, form);
    EXPECT_EQ(form.number, u"2"_s);
    EXPECT_EQ(env.state.lastNewDeliveryNumber, 2);
    EXPECT_EQ(form.option, PaymentOption::Virement);
    EXPECT_EQ(form.selectedLineQuantity, Amount());
    EXPECT_TRUE(form.lines.isEmpty());
}

} // namespace
