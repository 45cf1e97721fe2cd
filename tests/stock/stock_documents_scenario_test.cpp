// One walk through the stock documents as a user types them: a reception of two lines paid by
// cheque, then a delivery to a new client paid partly in cash; then every stored row, the
// stocks, the balances and what navigating back to each document shows.
#include "common/values.h"
#include "stock/stock.h"
#include "stock_fixture.h"
#include "treasury/balances.h"

using namespace Qt::StringLiterals;

namespace {

using ScenarioTest = StockFixture;

// Picks a product as the user does: the box changes, then Return in it.
void chooseProduct(Env& env, ReceptionForm& form, const QString& product)
{
    form.product = product;
    receptionProductChanged(env, form);
    showReceptionProduct(env, form);
}

void chooseProduct(Env& env, DeliveryForm& form, const QString& product)
{
    form.product = product;
    deliveryProductChanged(env, form);
    showDeliveryProduct(env, form);
}

TEST_F(ScenarioTest, AReceptionPaidByChequeThenADeliveryPaidPartlyInCash)
{
    addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 0, 85000, 98000, 93000);
    addClientSupplier(1, u"SARL ATLAS"_s, -500000, u"F"_s);
    env.params.modepBr = u"A TERME"_s;
    env.params.modepBl = u"A TERME"_s;
    const QString day = u"14/03/2026"_s;
    const QString dayNum = toDateNumText(day);

    // Reception: an existing product, then a new one.
    ReceptionForm reception;
    newReception(env, reception);
    reception.partner = u"SARL ATLAS"_s;
    showReceptionSupplierBalance(env, reception);
    EXPECT_EQ(reception.oldBalance, u"-5 000.00"_s);
    reception.driver = u"SAID"_s;
    chooseProduct(env, reception, u"CIMENT 50KG"_s);
    EXPECT_EQ(reception.unit, u"SAC"_s);
    EXPECT_EQ(reception.unitPrice, u"850.00"_s);
    reception.quantity = u"100"_s;
    validateReceptionLine(env, reception);
    chooseProduct(env, reception, u"FER À BÉTON Ø12"_s); // not a product yet: nothing is filled
    reception.family = u"FER"_s;
    reception.unit = u"BARRE"_s;
    reception.quantity = u"50"_s;
    reception.unitPrice = u"1100.50"_s;
    reception.salePrice = u"1300"_s;
    validateReceptionLine(env, reception);
    setReceptionPaymentOption(env, reception, PaymentOption::Cheque);
    reception.paymentMode += u" 0012345"_s;
    computeReceptionTotals(env, reception); // ENREGISTRER LE BON DE RECEPTION
    saveReceptionSummary(env, reception);
    EXPECT_EQ(reception.totalHt, u"140 025.00"_s);
    EXPECT_EQ(reception.payment, u"140 025.00"_s);
    EXPECT_EQ(reception.newBalance, u"-5 000.00"_s);

    // Delivery to a client typed for the first time.
    DeliveryForm delivery;
    newDelivery(env, delivery);
    delivery.partner = u"QUINCAILLERIE NOUVELLE"_s;
    showDeliveryClientBalance(env, delivery);
    EXPECT_EQ(delivery.oldBalance, u"0.00"_s);
    delivery.truck = u"00123-115-16"_s;
    delivery.driver = u"KARIM"_s;
    chooseProduct(env, delivery, u"CIMENT 50KG"_s);
    EXPECT_EQ(delivery.unitPrice, u"980.00"_s);
    EXPECT_EQ(delivery.stock, u"100"_s);
    delivery.quantity = u"30"_s;
    validateDeliveryLine(env, delivery);
    chooseProduct(env, delivery, u"FER À BÉTON Ø12"_s);
    EXPECT_EQ(delivery.unitPrice, u"1300.00"_s);
    delivery.quantity = u"10"_s;
    validateDeliveryLine(env, delivery);
    setDeliveryPaymentOption(env, delivery, PaymentOption::Espece);
    EXPECT_EQ(delivery.payment, u"42 400.00"_s);
    delivery.payment = u"20000"_s; // Return in VERSEMENT
    computeDeliveryTotals(env, delivery);
    saveDeliverySummary(env, delivery);
    delivery.discount = u"400"_s; // Return in REMISE
    computeDeliveryTotals(env, delivery);
    saveDeliverySummary(env, delivery);
    EXPECT_EQ(delivery.newBalance, u"22 000.00"_s);
    EXPECT_TRUE(dialogs.shown.empty());

    // Every stored row, every column.
    EXPECT_EQ(rows(DB_BR, u"select * from fBr order by frais"_s),
              Rows({{u"1"_s, day, dayNum, u"1"_s, u"1"_s, u"SAC"_s, u"10000"_s, u"85000"_s, u"8500000"_s, u"0"_s, u"1"_s, u"0"_s,
                     u"0"_s, u""_s, u""_s, u"SAID"_s, u"0"_s, u"0"_s, u"0"_s},
                    {u"1"_s, day, dayNum, u"1"_s, u"2"_s, u"BARRE"_s, u"5000"_s, u"110050"_s, u"5502500"_s, u"0"_s, u"2"_s,
                     u"0"_s, u"0"_s, u""_s, u""_s, u"SAID"_s, u"0"_s, u"0"_s, u"0"_s},
                    {u"1"_s, day, dayNum, u"1"_s, u"9999"_s, u""_s, u""_s, u""_s, u"0"_s, u"14002500"_s, u"99"_s, u"0"_s,
                     u"14002500"_s, u"Chèque n° 0012345"_s, u""_s, u"SAID"_s, u"14002500"_s, u"-500000"_s, u"-500000"_s}}));
    EXPECT_EQ(rows(DB_BL, u"select * from fBL order by frais"_s),
              Rows({{u"1"_s, day, dayNum, u"2"_s, u"1"_s, u"SAC"_s, u"3000"_s, u"98000"_s, u"2940000"_s, u"0"_s, u"1"_s, u"0"_s,
                     u"0"_s, u""_s, u""_s, u"KARIM"_s, u"0"_s, u"0"_s, u"0"_s},
                    {u"1"_s, day, dayNum, u"2"_s, u"2"_s, u"BARRE"_s, u"1000"_s, u"130000"_s, u"1300000"_s, u"0"_s, u"2"_s,
                     u"0"_s, u"0"_s, u""_s, u""_s, u"KARIM"_s, u"0"_s, u"0"_s, u"0"_s},
                    {u"1"_s, day, dayNum, u"2"_s, u"9999"_s, u""_s, u""_s, u""_s, u"0"_s, u"4240000"_s, u"99"_s, u"40000"_s,
                     u"4200000"_s, u"ESPECE"_s, u"00123-115-16"_s, u"KARIM"_s, u"2000000"_s, u"0"_s, u"2200000"_s}}));
    EXPECT_EQ(rows(DB_PROD, u"select * from fprod order by codeprod"_s),
              Rows({{u"1"_s, u"CIMENTERIE"_s, u""_s, u"CIMENT 50KG"_s, u"SAC"_s, u"0"_s, u"85000"_s, u"98000"_s, u"98000"_s},
                    {u"2"_s, u"FER"_s, u""_s, u"FER À BÉTON Ø12"_s, u"BARRE"_s, u"0"_s, u"110050"_s, u"130000"_s, u"130000"_s}}));
    EXPECT_EQ(rows(DB_CF, u"select CodeCF,CF,Si,typecf from fCF order by CodeCF"_s),
              Rows({{u"1"_s, u"SARL ATLAS"_s, u"-500000"_s, u"F"_s}, {u"2"_s, u"QUINCAILLERIE NOUVELLE"_s, u"0"_s, u"C"_s}}));

    // Stocks and balances.
    EXPECT_EQ(computeStock(env, u"1"_s, u"0"_s).value.cents(), 7000);
    EXPECT_EQ(computeStock(env, u"2"_s, u"0"_s).value.cents(), 4000);
    EXPECT_EQ(computeClientSupplierBalance(env, u"SARL ATLAS"_s).text, u"-5 000.00"_s);
    EXPECT_EQ(computeClientSupplierBalance(env, u"QUINCAILLERIE NOUVELLE"_s).text, u"22 000.00"_s);

    // Back to each document.
    newReception(env, reception);
    EXPECT_EQ(reception.number, u"2"_s);
    previousReception(env, reception);
    EXPECT_EQ(reception.number, u"1"_s);
    EXPECT_EQ(reception.date, day);
    EXPECT_EQ(reception.partner, u"SARL ATLAS"_s);
    EXPECT_EQ(reception.lines.rows, Rows({{u"1"_s, u"CIMENT 50KG"_s, u"SAC"_s, u"100.00"_s, u"850.00"_s, u"85 000.00"_s},
                                          {u"2"_s, u"FER À BÉTON Ø12"_s, u"BARRE"_s, u"50.00"_s, u"1 100.50"_s, u"55 025.00"_s}}));
    EXPECT_EQ(reception.lineCount, u"2"_s);
    EXPECT_EQ(reception.totalHt, u"140 025.00"_s);
    EXPECT_EQ(reception.payment, u"140 025.00"_s);
    EXPECT_EQ(reception.discount, u"0.00"_s);
    EXPECT_EQ(reception.oldBalance, u"-5 000.00"_s);
    EXPECT_EQ(reception.newBalance, u"-5 000.00"_s);
    EXPECT_EQ(reception.paymentMode, u"Chèque n° 0012345"_s);
    EXPECT_EQ(reception.option, PaymentOption::Cheque);
    EXPECT_EQ(reception.driver, u"SAID"_s);

    newDelivery(env, delivery);
    previousDelivery(env, delivery);
    EXPECT_EQ(delivery.number, u"1"_s);
    EXPECT_EQ(delivery.partner, u"QUINCAILLERIE NOUVELLE"_s);
    EXPECT_EQ(delivery.lines.rows, Rows({{u"1"_s, u"CIMENT 50KG"_s, u"SAC"_s, u"30.00"_s, u"980.00"_s, u"29 400.00"_s},
                                         {u"2"_s, u"FER À BÉTON Ø12"_s, u"BARRE"_s, u"10.00"_s, u"1 300.00"_s, u"13 000.00"_s}}));
    EXPECT_EQ(delivery.totalHt, u"42 400.00"_s);
    EXPECT_EQ(delivery.payment, u"20 000.00"_s);
    EXPECT_EQ(delivery.discount, u"400.00"_s);
    EXPECT_EQ(delivery.oldBalance, u"0.00"_s);
    EXPECT_EQ(delivery.newBalance, u"22 000.00"_s);
    EXPECT_EQ(delivery.paymentMode, u"ESPECE"_s);
    EXPECT_EQ(delivery.option, PaymentOption::Espece);
    EXPECT_EQ(delivery.truck, u"00123-115-16"_s);
    EXPECT_EQ(delivery.driver, u"KARIM"_s);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
