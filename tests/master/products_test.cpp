// The product table: numbering, on-the-fly creation, the checks and writes of the product tab,
// and the refusal to delete a product that a document uses.
#include "data_fixture.h"
#include "master/products.h"

namespace {

const QString ERREUR = QStringLiteral("Erreur");

class ProductsTest : public DataFixture {
protected:
    void addProduct(int code, const QString& family, const QString& designation)
    {
        exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,'',?,'U',0,100,200,150)"),
             {code, family, designation});
    }
    Rows products() { return rows(DB_PROD, QStringLiteral("select Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg from fprod order by Codeprod")); }
    static QStringList designations(const ProductForm& form)
    {
        QStringList names;
        for (const QStringList& row : form.list.rows) names.append(row[PRODUCT_DESIGNATION]);
        return names;
    }

    ProductForm form;
};

TEST_F(ProductsTest, CodesStartAtOneAndNeverTakeTheSummaryCode)
{
    EXPECT_EQ(nextProductCode(env), QStringLiteral("1"));
    EXPECT_EQ(createProductFromDocument(env, QStringLiteral("FER"), QStringLiteral("ROND Ø8"), QStringLiteral("BARRE"),
                                        Amount::fromCents(200), Amount::fromCents(400), Amount::fromCents(300)),
              QStringLiteral("1"));
    EXPECT_EQ(products(), (Rows{{"1", "FER", "", "ROND Ø8", "BARRE", "0", "200", "400", "300"}}));

    addProduct(9998, QStringLiteral("FER"), QStringLiteral("AVANT LE RÉSUMÉ"));
    EXPECT_EQ(nextProductCode(env), QStringLiteral("10000"));
    EXPECT_EQ(createProductFromDocument(env, {}, QStringLiteral("APRÈS"), {}, {}, {}, {}), QStringLiteral("10000"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProductsTest, AFamilyIsAddedOnceEvenWhenEmpty)
{
    for (const QString& family : {QStringLiteral("PEINTURE"), QStringLiteral("PEINTURE"), QString(), QString()})
        EXPECT_TRUE(addFamilyIfNew(env, family));
    EXPECT_EQ(rows(DB_FAM, QStringLiteral("select fam from ffam order by fam")), (Rows{{""}, {"PEINTURE"}}));
}

TEST_F(ProductsTest, TheFirstProductSavedWithoutCodeGetsCodeOneAndItsAmountsInHundredths)
{
    loadProductTab(env, form);
    form.family = QStringLiteral("PEINTURE");
    form.designation = QStringLiteral("VERNIS 1L");
    form.unit = QStringLiteral("POT");
    form.initialQuantity = QStringLiteral("0.5");
    form.retailPrice = QStringLiteral("12,5");
    form.wholesalePrice = QStringLiteral("1 000.25");
    saveProduct(env, form);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(products(), (Rows{{"1", "PEINTURE", "", "VERNIS 1L", "POT", "50", "0", "1250", "100025"}}));
    EXPECT_EQ(rows(DB_FAM, QStringLiteral("select fam from ffam")), Rows{{"PEINTURE"}});
    ASSERT_EQ(form.list.size(), 1);
    EXPECT_EQ(form.list.rows[0], (QStringList{"1", "PEINTURE", "VERNIS 1L", "POT", "0.50", "0.00", "12.50", "1 000.25"}));
    // The form is emptied for the next product; the initialisation button brings the unit back.
    EXPECT_EQ(form.code, QString());
    EXPECT_EQ(form.designation, QString());
    EXPECT_EQ(form.unit, QString());
    clearProductFields(form);
    EXPECT_EQ(form.unit, QStringLiteral("POT"));

    // Saving again without a code takes the next one.
    form.designation = QStringLiteral("VERNIS 5L");
    saveProduct(env, form);
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Codeprod from fprod where Prod='VERNIS 5L'")), Rows{{"2"}});
    EXPECT_EQ(form.list.size(), 2);
}

struct RefusedProduct {
    const char* designation;
    const char* quantity;
    const char* purchasePrice;
    const char* retailPrice;
    const char* wholesalePrice;
    const char* message;
};

TEST_F(ProductsTest, AWrongFieldIsRefusedAndNothingIsWritten)
{
    const RefusedProduct cases[] = {
        {"", "", "", "", "", "La désignation du produit est incorrecte !"},
        {"   ", "", "", "", "", "La désignation du produit est incorrecte !"},
        {"CLOU", "1", "", "", "", "Le prix d'achat est obligatoire !"},
        {"CLOU", "12,75", "  ", "", "", "Le prix d'achat est obligatoire !"},
        {"CLOU", "DIX", "100", "", "", "Quantité initiale incorrecte !"},
        {"CLOU", "1.2.3", "100", "", "", "Quantité initiale incorrecte !"},
        {"CLOU", "1", "12a", "", "", "Prix d'achat incorrect !"},
        {"CLOU", "", "", "1O0", "", "Prix de vente incorrect !"},
        {"CLOU", "", "", "", "+5", "Prix de vente incorrect !"},
    };
    for (const RefusedProduct& c : cases) {
        SCOPED_TRACE(c.message);
        ProductForm typed;
        typed.designation = QString::fromUtf8(c.designation);
        typed.initialQuantity = QString::fromUtf8(c.quantity);
        typed.purchasePrice = QString::fromUtf8(c.purchasePrice);
        typed.retailPrice = QString::fromUtf8(c.retailPrice);
        typed.wholesalePrice = QString::fromUtf8(c.wholesalePrice);
        ProductForm after = typed;
        saveProduct(env, after);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", ERREUR, QString::fromUtf8(c.message)}}));
        EXPECT_TRUE(products().empty());
        // The user corrects what was typed: only the code label was filled in.
        EXPECT_EQ(after.code, QStringLiteral("1"));
        EXPECT_EQ(after.designation, typed.designation);
        EXPECT_EQ(after.initialQuantity, typed.initialQuantity);
        EXPECT_EQ(after.retailPrice, typed.retailPrice);
    }
    // A quantity below one unit needs no purchase price; nor does a negative one.
    for (const char* quantity : {"0.5", ",99", "-3"}) {
        ProductForm typed;
        typed.designation = QString::fromUtf8(quantity);
        typed.initialQuantity = QString::fromUtf8(quantity);
        saveProduct(env, typed);
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Qi,Pa from fprod order by Codeprod")), (Rows{{"50", "0"}, {"99", "0"}, {"-300", "0"}}));
}

TEST_F(ProductsTest, SavingAnExistingCodeUpdatesTheProductAndItsRowInPlace)
{
    addProduct(1, QStringLiteral("FER"), QStringLiteral("B"));
    addProduct(2, QStringLiteral("FER"), QStringLiteral("A"));
    loadProductTab(env, form);
    ASSERT_EQ(designations(form), (QStringList{"A", "B"}));

    selectProductRow(form, 1);
    EXPECT_EQ(form.code, QStringLiteral("1"));
    EXPECT_EQ(form.purchasePrice, QStringLiteral("1.00"));
    EXPECT_EQ(form.focus, ProductField::InitialQuantity);
    form.family = QStringLiteral("QUINCAILLERIE");
    form.designation = QStringLiteral("B BIS");
    form.initialQuantity = QStringLiteral("1 500");
    saveProduct(env, form);

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(products(), (Rows{{"1", "QUINCAILLERIE", "", "B BIS", "U", "150000", "100", "200", "150"},
                                {"2", "FER", "", "A", "U", "0", "100", "200", "150"}}));
    EXPECT_EQ(form.list.size(), 2);
    EXPECT_EQ(form.list.rows[1], (QStringList{"1", "QUINCAILLERIE", "B BIS", "U", "1 500.00", "1.00", "2.00", "1.50"}));
    EXPECT_EQ(rows(DB_FAM, QStringLiteral("select fam from ffam")), Rows{{"QUINCAILLERIE"}});
    // The boxes offer the new designation and family at once.
    EXPECT_EQ(form.designations, (QStringList{"A", "B", "B BIS"}));
    EXPECT_TRUE(form.families.contains(QStringLiteral("QUINCAILLERIE")));
}

TEST_F(ProductsTest, AProductIsNotSavedWhenItsFamilyCannotBe)
{
    exec(DB_FAM, QStringLiteral("drop table ffam"));
    form.designation = QStringLiteral("SEUL");
    saveProduct(env, form);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(QStringLiteral("no such table: ffam")));
    EXPECT_TRUE(products().empty());
    EXPECT_TRUE(form.list.isEmpty());
    EXPECT_EQ(form.designation, QStringLiteral("SEUL"));
}

struct ProductUse {
    DbNumber db;
    const char* table;
    const char* codeColumn;
    const char* message;
};

TEST_F(ProductsTest, AProductUsedInAStockDocumentIsNotDeletedAndTheFirstDocumentIsNamed)
{
    // In the order they are searched.
    const ProductUse uses[] = {
        {DB_BR, "fBr", "CodeProd",
         "Ce produit est utilisé au niveau des réceptions. Impossible de le supprimer de la table. Voir bon de réception N°: 42"},
        {DB_BL, "fBL", "CodeProd",
         "Ce produit est utilisé au niveau des livraisons. Impossible de le supprimer de la table. Voir bon de livraison N°: 42"},
        {DB_FACV, "facv", "CodeProd",
         "Ce produit est utilisé au niveau des factures. Impossible de le supprimer de la table. Voir facture N°: 42"},
        {DB_BRS, "fbrs", "codeProd",
         "Ce produit est utilisé au niveau des BRS. Impossible de le supprimer de la table. Voir BRS N°: 42"},
        // A quoted or ordered product is held back as well: those documents would lose their lines.
        {DB_FACP, "facp", "CodeProd",
         "Ce produit est utilisé au niveau des factures. Impossible de le supprimer de la table. Voir facture proforma N°: 42"},
        {DB_BC, "fbc", "CodeProd",
         "Ce produit est utilisé au niveau des bons de commande. Impossible de le supprimer de la table. Voir bon de commande N°: 42"},
    };
    addProduct(5, QStringLiteral("FER"), QStringLiteral("ROND"));
    addProduct(6, QStringLiteral("FER"), QStringLiteral("CARRE"));
    for (const ProductUse& use : uses)
        for (int numdoc : {42, 43})
            exec(use.db, QStringLiteral("insert into %1 (Numdoc,%2) values (?,?)").arg(QLatin1String(use.table), QLatin1String(use.codeColumn)),
                 {numdoc, numdoc == 42 ? 5 : 6});
    for (const ProductUse& use : uses) {
        SCOPED_TRACE(use.table);
        form.code = QStringLiteral("5");
        deleteProduct(env, form);
        EXPECT_EQ(dialogs.takeShown(),
                  (std::vector<ShownBox>{{"message", QStringLiteral("Produit utilisé"), QString::fromUtf8(use.message)}}));
        EXPECT_EQ(products().size(), 2u);
        EXPECT_EQ(form.code, QStringLiteral("5"));
        exec(use.db, QStringLiteral("delete from %1 where Numdoc=42").arg(QLatin1String(use.table)));
    }
}

TEST_F(ProductsTest, DeletingAsksAndOnlyYesDeletes)
{
    addProduct(3, QStringLiteral("FER"), QStringLiteral("A"));
    addProduct(4, QStringLiteral("FER"), QStringLiteral("B"));
    loadProductTab(env, form);
    const ShownBox question{"yesnocancel", QStringLiteral("Suppression d'un produit"),
                            QStringLiteral("Etes-vous sûr de vouloir supprimer ce produit?")};

    for (Dialogs::Answer answer : {Dialogs::Answer::No, Dialogs::Answer::Cancel}) {
        selectProductRow(form, 0);
        dialogs.answers = {answer};
        deleteProduct(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{question});
        EXPECT_EQ(products().size(), 2u);
        EXPECT_EQ(form.list.size(), 2);
        EXPECT_EQ(form.code, QStringLiteral("3"));
    }
    dialogs.answers = {Dialogs::Answer::Yes};
    deleteProduct(env, form);
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{question});
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Codeprod from fprod")), Rows{{"4"}});
    ASSERT_EQ(form.list.size(), 1);
    EXPECT_EQ(form.list.rows[0][PRODUCT_CODE], QStringLiteral("4"));
    EXPECT_EQ(form.code, QString());

    // The same code again, or no code at all: nothing to delete.
    for (const QString& code : {QStringLiteral("3"), QString()}) {
        form.code = code;
        deleteProduct(env, form);
        EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{"message", QStringLiteral("Erreur inattendue"),
                                                                 QStringLiteral("Code produit introuvable dans la table des produits!")}}));
    }
}

TEST_F(ProductsTest, TheTabLoadsInDesignationOrderAndSortsOnRequest)
{
    addProduct(2, QStringLiteral("PLOMBERIE"), QStringLiteral("COUDE"));
    addProduct(1, QStringLiteral("FER"), QStringLiteral("ROND"));
    addProduct(3, QStringLiteral("FER"), QStringLiteral("FIL"));
    exec(DB_FAM, QStringLiteral("insert into ffam (fam) values ('PLOMBERIE'),('FER')"));
    form.sort = ProductSort::None;
    loadProductTab(env, form);
    EXPECT_EQ(form.sort, ProductSort::Designation);
    EXPECT_EQ(designations(form), (QStringList{"COUDE", "FIL", "ROND"}));
    EXPECT_EQ(form.designations, (QStringList{"COUDE", "FIL", "ROND"}));
    EXPECT_EQ(form.families, (QStringList{"FER", "PLOMBERIE"}));
    EXPECT_EQ(form.list.alignment, (QList<int>{ALIGN_CENTRE, ALIGN_CENTRE, ALIGN_LEFT, ALIGN_CENTRE, ALIGN_RIGHT,
                                               ALIGN_RIGHT, ALIGN_RIGHT, ALIGN_RIGHT}));

    form.sort = ProductSort::Code;
    sortProductList(env, form);
    EXPECT_EQ(designations(form), (QStringList{"ROND", "COUDE", "FIL"}));
    form.sort = ProductSort::Family;
    sortProductList(env, form);
    EXPECT_EQ(designations(form), (QStringList{"FIL", "ROND", "COUDE"}));
    // With no option ticked the list stays as it is, even after a change in the table.
    addProduct(4, QStringLiteral("FER"), QStringLiteral("AAA"));
    form.sort = ProductSort::None;
    sortProductList(env, form);
    EXPECT_EQ(designations(form), (QStringList{"FIL", "ROND", "COUDE"}));
}

TEST_F(ProductsTest, NewPickAndReturnMoveThroughTheForm)
{
    addProduct(7, QStringLiteral("FER"), QStringLiteral("ROND"));
    form.designation = QStringLiteral("RESTE");
    form.unit = QStringLiteral("KG");
    newProduct(env, form);
    EXPECT_EQ(form.code, QStringLiteral("8"));
    EXPECT_EQ(form.designation, QString());
    EXPECT_EQ(form.unit, QString());
    EXPECT_EQ(form.focus, ProductField::Family);

    pickProductDesignation(env, form, QStringLiteral("INCONNU"));
    EXPECT_EQ(form.code, QStringLiteral("8"));
    pickProductDesignation(env, form, QStringLiteral("ROND"));
    EXPECT_EQ(form.code, QStringLiteral("7"));
    EXPECT_EQ(form.family, QStringLiteral("FER"));
    EXPECT_EQ(form.retailPrice, QStringLiteral("2.00"));

    const ProductField chain[] = {ProductField::Family, ProductField::Designation, ProductField::Unit,
                                  ProductField::InitialQuantity, ProductField::PurchasePrice,
                                  ProductField::RetailPrice, ProductField::WholesalePrice};
    for (size_t i = 0; i + 1 < std::size(chain); ++i) {
        productReturnPressed(env, form, chain[i]);
        EXPECT_EQ(form.focus, chain[i + 1]);
    }
    form.initialQuantity = QStringLiteral("3");
    productReturnPressed(env, form, ProductField::WholesalePrice);
    EXPECT_EQ(rows(DB_PROD, QStringLiteral("select Codeprod,Qi,Pa from fprod")), (Rows{{"7", "300", "100"}}));
}

TEST_F(ProductsTest, ADesignationWithQuotesAndAccentsIsSavedListedFoundAndDeleted)
{
    const QString awkward = QStringLiteral("PEINTURE \"L'ÉTÉ\" À L'EAU; -- Ø");
    form.family = QStringLiteral("L'ÉCLAT \"PRO\"");
    form.designation = awkward;
    saveProduct(env, form);
    ASSERT_TRUE(dialogs.shown.empty());

    ProductForm reopened;
    loadProductTab(env, reopened);
    EXPECT_EQ(reopened.designations, QStringList{awkward});
    EXPECT_EQ(reopened.families, QStringList{QStringLiteral("L'ÉCLAT \"PRO\"")});
    pickProductDesignation(env, reopened, awkward);
    EXPECT_EQ(reopened.code, QStringLiteral("1"));
    EXPECT_EQ(reopened.family, QStringLiteral("L'ÉCLAT \"PRO\""));

    dialogs.answers = {Dialogs::Answer::Yes};
    deleteProduct(env, reopened);
    EXPECT_TRUE(products().empty());
    EXPECT_TRUE(reopened.list.isEmpty());
}

} // namespace
