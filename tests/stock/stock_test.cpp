// A product's stock, the product lookups of the reception and delivery tabs, the combo lists.
#include "stock/stock.h"
#include "stock_fixture.h"

namespace {

class StockTest : public StockFixture {
protected:
    StockTest()
    {
        addProduct(1, QStringLiteral("CIMENTERIE"), QStringLiteral("CIMENT 50KG"), QStringLiteral("sac"), 1000, 85000, 98000, 93000);
        addProduct(2, QStringLiteral("PEINTURE"), QStringLiteral("VERNIS 1L"), QStringLiteral("U"), 0, 5, 50);
    }
    void addRow(DbNumber db, const char* table, int number, const QString& code, const QString& quantity)
    {
        exec(db, QStringLiteral("insert into %1 (Numdoc,CodeProd,Qte) values (?,?,?)").arg(QLatin1String(table)), {number, code, quantity});
    }
};

TEST_F(StockTest, StockIsTheInitialQuantityPlusEntriesMinusExitsOfThatProductOnly)
{
    addRow(DB_BR, "fBr", 1, QStringLiteral("1"), QStringLiteral("500"));
    addRow(DB_BR, "fBr", 1, QStringLiteral("9999"), QString()); // a summary row: never a movement
    addRow(DB_BR, "fBr", 2, QStringLiteral("2"), QStringLiteral("700"));
    addRow(DB_BL, "fBL", 1, QStringLiteral("1"), QStringLiteral("225"));
    exec(DB_BRS, QStringLiteral("insert into fbrs (Numdoc,codeProd,qe,qs) values (1,1,100,0), (2,1,0,50)"));

    const StockQuantity stock = computeStock(env, QStringLiteral("1"), QStringLiteral("1000"));
    EXPECT_EQ(stock.value.cents(), 1000 + 500 - 225 + 100 - 50);
    EXPECT_EQ(stock.text, QStringLiteral("1325"));
    EXPECT_EQ(stock.display, QStringLiteral("13"));
    // No movement: the initial quantity; a Qi of 0 shows nothing.
    EXPECT_EQ(computeStock(env, QStringLiteral("3"), QStringLiteral("0")).display, QString());
    // A delivery equal to a reception leaves the stock unchanged.
    addRow(DB_BL, "fBL", 2, QStringLiteral("2"), QStringLiteral("700"));
    EXPECT_EQ(computeStock(env, QStringLiteral("2"), QStringLiteral("0")).value, Amount());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(StockDisplayText, ShowsWholeUnitsCut)
{
    const std::pair<const char*, const char*> cases[] = {
        {"15000", "150"}, {"15099", "150"}, {"1275", "12"}, {"50", ""}, {"0", ""}, {"-300", "-3"}, {"-5000", "-50"}, {"-50", "-"},
    };
    for (const auto& [stock, shown] : cases) EXPECT_EQ(stockDisplayText(QString::fromLatin1(stock)), QString::fromLatin1(shown)) << stock;
}

TEST_F(StockTest, ProductsAreFoundByExactDesignationAndByCode)
{
    EXPECT_EQ(productCodeByName(env, QStringLiteral("VERNIS 1L")), QStringLiteral("2"));
    EXPECT_EQ(productCodeByName(env, QStringLiteral("vernis 1l")), QString());
    EXPECT_EQ(productNameByCode(env, QStringLiteral("1")).designation, QStringLiteral("CIMENT 50KG"));
    EXPECT_EQ(productNameByCode(env, QStringLiteral("77")).designation, QString());
}

TEST_F(StockTest, CombosListTheirKindOfClientSupplierInNameOrder)
{
    addClientSupplier(1, QStringLiteral("ZED"), 0, QStringLiteral("C"));
    addClientSupplier(2, QStringLiteral("BETA"), 0, QStringLiteral("F"));
    addClientSupplier(3, QStringLiteral("ALPHA"), 0, QStringLiteral("X"));
    exec(DB_FAM, QStringLiteral("insert into ffam (fam) values ('PEINTURE'), ('CIMENTERIE')"));
    EXPECT_EQ(fillClientCombo(env), QStringList({QStringLiteral("ALPHA"), QStringLiteral("ZED")}));
    EXPECT_EQ(fillSupplierCombo(env), QStringList({QStringLiteral("ALPHA"), QStringLiteral("BETA")}));
    EXPECT_EQ(fillClientSupplierCombo(env), QStringList({QStringLiteral("ALPHA"), QStringLiteral("BETA"), QStringLiteral("ZED")}));
    EXPECT_EQ(fillProductCombo(env), QStringList({QStringLiteral("CIMENT 50KG"), QStringLiteral("VERNIS 1L")}));
    EXPECT_EQ(fillStockJournalFamilyCombo(env), QStringList({QStringLiteral("CIMENTERIE"), QStringLiteral("PEINTURE")}));
}

TEST_F(StockTest, ReturnInTheProductBoxProposesAPriceOnlyIntoAnEmptyUnitPrice)
{
    ReceptionForm reception;
    reception.product = QStringLiteral("CIMENT 50KG");
    showReceptionProduct(env, reception);
    EXPECT_EQ(reception.family, QStringLiteral("CIMENTERIE"));
    EXPECT_EQ(reception.purchasePrice, QStringLiteral("850.00"));
    EXPECT_EQ(reception.salePrice, QStringLiteral("980.00"));
    EXPECT_EQ(reception.unitPrice, QStringLiteral("850.00")); // the purchase price
    EXPECT_EQ(reception.stock, QStringLiteral("10"));
    EXPECT_EQ(reception.current.code, QStringLiteral("1"));
    EXPECT_EQ(reception.current.unit, QStringLiteral("SAC"));
    EXPECT_EQ(reception.unit, QStringLiteral("U")); // the unit field is the change handler's

    DeliveryForm delivery;
    delivery.product = QStringLiteral("CIMENT 50KG");
    showDeliveryProduct(env, delivery);
    EXPECT_EQ(delivery.unitPrice, QStringLiteral("980.00")); // the sale price Pvd, not Pvg
    delivery.unitPrice = QStringLiteral("1000");
    showDeliveryProduct(env, delivery);
    EXPECT_EQ(delivery.unitPrice, QStringLiteral("1000"));
}

// Changing the product of a line takes away what the previous product had put in the line, so
// that Return never sells at another product's price; what the user typed stays.
TEST_F(StockTest, AnotherProductOrNoneReplacesWhatThePreviousProductShowed)
{
    DeliveryForm delivery;
    delivery.product = QStringLiteral("CIMENT 50KG");
    showDeliveryProduct(env, delivery);
    ASSERT_EQ(delivery.unitPrice, QStringLiteral("980.00"));

    delivery.product = QStringLiteral("VERNIS 1L");
    showDeliveryProduct(env, delivery);
    EXPECT_EQ(delivery.unitPrice, QStringLiteral("0.50")); // its own sale price
    EXPECT_EQ(delivery.family, QStringLiteral("PEINTURE"));
    EXPECT_EQ(delivery.current.code, QStringLiteral("2"));

    // A designation that is no product leaves nothing of the previous one.
    delivery.product = QStringLiteral("CIMENT 50");
    showDeliveryProduct(env, delivery);
    for (const QString* field : {&delivery.unitPrice, &delivery.family, &delivery.salePrice, &delivery.purchasePrice,
                                 &delivery.stock, &delivery.current.code})
        EXPECT_EQ(*field, QString());

    // A price the user typed is his, whatever the product.
    delivery.product = QStringLiteral("CIMENT 50KG");
    showDeliveryProduct(env, delivery);
    delivery.unitPrice = QStringLiteral("1 000.00");
    delivery.product = QStringLiteral("VERNIS 1L");
    deliveryProductChanged(env, delivery);
    EXPECT_EQ(delivery.unitPrice, QStringLiteral("1 000.00"));
    EXPECT_EQ(delivery.family, QStringLiteral("PEINTURE"));
}

TEST_F(StockTest, AChangeOfTheProductBoxShowsGroupedPricesAndTheUnit)
{
    exec(DB_PROD, QStringLiteral("update fprod set pa=123456 where codeprod=1"));
    ReceptionForm reception;
    reception.product = QStringLiteral("CIMENT 50KG");
    receptionProductChanged(env, reception);
    EXPECT_EQ(reception.purchasePrice, QStringLiteral("1 234.56"));
    EXPECT_EQ(reception.unitPrice, QStringLiteral("1234.56")); // typed over as it stands
    EXPECT_EQ(reception.unit, QStringLiteral("SAC"));

    DeliveryForm delivery;
    delivery.unitPrice = QStringLiteral("10");
    delivery.product = QStringLiteral("CIMENT 50KG");
    deliveryProductChanged(env, delivery);
    EXPECT_EQ(delivery.salePrice, QStringLiteral("980.00"));
    EXPECT_EQ(delivery.unitPrice, QStringLiteral("10"));
    EXPECT_EQ(delivery.unit, QStringLiteral("SAC"));
    EXPECT_EQ(delivery.stock, QStringLiteral("10"));
}

} // namespace
