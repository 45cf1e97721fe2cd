// Receptions: numbering, line validation, totals and payment, summary row, deletion with
// renumbering, cancel, navigation and load.
#include "common/values.h"
#include "stock/stock.h"
#include "stock_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QString TODAY = u"14/03/2026"_s;

class ReceptionTest : public StockFixture {
protected:
    ReceptionTest()
    {
        addProduct(1, u"CIMENTERIE"_s, u"CIMENT 50KG"_s, u"SAC"_s, 1000, 85000, 98000, 93000);
        addClientSupplier(1, u"SARL ATLAS"_s, -100000, u"F"_s);
        env.params.modepBr = u"A TERME"_s;
        newReception(env, form);
        form.partner = u"SARL ATLAS"_s;
    }
    // Validates a line of a product of the table, or of a new one.
    void validate(const QString& product, const QString& quantity, const QString& unitPrice)
    {
        typeLine(form, product, quantity, unitPrice);
        validateReceptionLine(env, form);
    }
    Rows lines(const QString& columns = u"frais,CodeProd,Qte,Pu,Mnt"_s)
    {
        return rows(DB_BR, u"select "_s + columns + u" from fBr where codeprod<>9999 order by numdoc,frais"_s);
    }
    Rows summary(const QString& columns) { return rows(DB_BR, u"select "_s + columns + u" from fBr where codeprod=9999 order by numdoc"_s); }
    QStringList column(int index) const
    {
        QStringList cells;
        for (const QStringList& row : form.lines.rows) cells.append(row[index]);
        return cells;
    }

    ReceptionForm form;
};

TEST_F(ReceptionTest, TheFirstReceptionIsNumberOneAndItsFirstLineWritesLineOneAndTheSummary)
{
    env.params.modepBr = u"ESPECE"_s;
    newReception(env, form);
    EXPECT_EQ(form.number, u"1"_s);
    EXPECT_EQ(env.state.lastNewReceptionNumber, 1);
    EXPECT_EQ(form.date, TODAY);
    EXPECT_EQ(form.paymentMode, u"ESPECE"_s);
    EXPECT_EQ(form.option, PaymentOption::Espece);

    form.partner = u"SARL ATLAS"_s;
    form.unit = u"SAC"_s;
    form.salePrice = u"980"_s;
    form.driver = u"ALI"_s;
    validate(u"CIMENT 50KG"_s, u"10"_s, u"850"_s);
    EXPECT_TRUE(dialogs.shown.empty());

    const QString dateNum = toDateNumText(TODAY);
    EXPECT_EQ(rows(DB_BR, u"select * from fBr order by frais"_s),
              Rows({{u"1"_s, TODAY, dateNum, u"1"_s, u"1"_s, u"SAC"_s, u"1000"_s, u"85000"_s, u"850000"_s, u"0"_s, u"1"_s,
                     u"0"_s, u"0"_s, u""_s, u""_s, u"ALI"_s, u"0"_s, u"0"_s, u"0"_s},
                    {u"1"_s, TODAY, dateNum, u"1"_s, u"9999"_s, u""_s, u""_s, u""_s, u"0"_s, u"850000"_s, u"99"_s, u"0"_s,
                     u"850000"_s, u"ESPECE"_s, u""_s, u"ALI"_s, u"850000"_s, u"0"_s, u"0"_s}}));
    // The line sets the product's purchase price and both sale prices.
    EXPECT_EQ(rows(DB_PROD, u"select pa,pvd,pvg from fprod where codeprod=1"_s), Rows({{u"85000"_s, u"98000"_s, u"98000"_s}}));

    EXPECT_EQ(form.lines.rows, Rows({{u"1"_s, u"CIMENT 50KG"_s, u"SAC"_s, u"10.00"_s, u"850.00"_s, u"8 500.00"_s}}));
    EXPECT_EQ(form.lineCount, u"1"_s);
    EXPECT_EQ(form.totalHt, u"8 500.00"_s);
    EXPECT_EQ(form.payment, u"8 500.00"_s);
    EXPECT_EQ(form.newBalance, u"0.00"_s);
    EXPECT_EQ(form.product, QString());
    EXPECT_EQ(form.quantity, QString());
    EXPECT_EQ(form.unitPrice, QString());
    EXPECT_EQ(computeStock(env, u"1"_s, u"1000"_s).display, u"20"_s);
}

TEST_F(ReceptionTest, ARefusedLineShowsItsMessageAndWritesNothing)
{
    struct Case {
        const char* field;
        QString ReceptionForm::*member;
        QString value;
        const char* message;
    };
    const Case cases[] = {
        {"unit price", &NoteForm::unitPrice, u"abc"_s, "Prix unitaire incorrect !"},
        {"unit price", &NoteForm::unitPrice, u"-1"_s, "Prix unitaire incorrect !"},
        {"unit price", &NoteForm::unitPrice, u"-0.50"_s, "Prix unitaire incorrect !"},
        {"date", &NoteForm::date, u"01/01/2013"_s, "Date incorrecte !"},
        {"date", &NoteForm::date, u"31/02/2026"_s, "Date incorrecte !"}, // passes the form check, is no real day
        {"supplier", &NoteForm::partner, QString(), "Nom de fournisseur incorrect !"},
        {"designation", &NoteForm::product, QString(), "Désignation du produit incorrecte !"},
        {"quantity", &NoteForm::quantity, u"0"_s, "Quantité incorrecte !"},
        {"quantity", &NoteForm::quantity, QString(), "Quantité incorrecte !"},
        {"quantity", &NoteForm::quantity, u"-2"_s, "Quantité incorrecte !"},
        {"quantity", &NoteForm::quantity, u"1.2.3"_s, "Quantité incorrecte !"},
    };
    for (const Case& c : cases) {
        ReceptionForm attempt = form;
        typeLine(attempt, u"PRODUIT NOUVEAU"_s, u"2"_s, u"10"_s);
        attempt.partner = u"FOURNISSEUR NOUVEAU"_s;
        attempt.*c.member = c.value;
        validateReceptionLine(env, attempt);
        EXPECT_EQ(shown(), std::vector<ShownBox>{error(c.message)}) << c.field << " " << qUtf8Printable(c.value);
    }
    EXPECT_TRUE(lines(u"*"_s).empty());
    EXPECT_EQ(rows(DB_CF, u"select count(*) from fCF"_s), Rows({{u"1"_s}}));
    EXPECT_EQ(rows(DB_PROD, u"select count(*) from fprod"_s), Rows({{u"1"_s}}));
}

TEST_F(ReceptionTest, ANewSupplierAndANewProductAreCreatedWithTheLine)
{
    form.partner = u"ETS NOUVEAU"_s;
    form.family = u"PEINTURE"_s;
    form.unit = QString();
    // A unit price of 0 is accepted; an empty sale price sets both sale prices to zero.
    validate(u"VERNIS 1L"_s, u"4"_s, u"0"_s);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_CF, u"select * from fCF where CF='ETS NOUVEAU'"_s),
              Rows({{u"2"_s, u"ETS NOUVEAU"_s, u"x"_s, u"x"_s, u"x"_s, u"x"_s, u"x"_s, u"x"_s, u"0"_s, u"F"_s}}));
    EXPECT_EQ(rows(DB_PROD, u"select * from fprod where prod='VERNIS 1L'"_s),
              Rows({{u"2"_s, u"PEINTURE"_s, u""_s, u"VERNIS 1L"_s, u"U"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}}));
    EXPECT_EQ(rows(DB_FAM, u"select fam from ffam"_s), Rows({{u"PEINTURE"_s}}));
    EXPECT_EQ(lines(u"CodeCF,CodeProd,Um,Qte,Pu,Mnt"_s), Rows({{u"2"_s, u"2"_s, u"U"_s, u"400"_s, u"0"_s, u"0"_s}}));
}

TEST_F(ReceptionTest, LineAmountsAreCutToTheHundredthAndBelowOneHundredthAreZero)
{
    validate(u"CIMENT 50KG"_s, u"3"_s, u"0.33"_s);
    validate(u"CIMENT 50KG"_s, u"0.01"_s, u"0.50"_s);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(lines(u"frais,Qte,Pu,Mnt"_s), Rows({{u"1"_s, u"300"_s, u"33"_s, u"99"_s}, {u"2"_s, u"1"_s, u"50"_s, u"0"_s}}));
    EXPECT_EQ(column(COL_AMOUNT), QStringList({u"0.99"_s, u"0.00"_s}));
    EXPECT_EQ(form.totalHt, u"0.99"_s);
    EXPECT_EQ(summary(u"ht"_s), Rows({{u"99"_s}}));
}

TEST_F(ReceptionTest, PaymentOptionsAndAPaymentThatFollowsTheTotal)
{
    form.oldBalance = u"-1 000.00"_s;
    form.option = PaymentOption::Espece;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"1500.50"_s);
    // ESPECE without a typed payment pays the total, hundredths included.
    EXPECT_EQ(form.payment, u"1 500.50"_s);
    EXPECT_EQ(form.newBalance, u"-1 000.00"_s);
    EXPECT_EQ(summary(u"ver,lastsolde,newsolde"_s), Rows({{u"150050"_s, u"-100000"_s, u"-100000"_s}}));

    setReceptionPaymentOption(env, form, PaymentOption::Cheque);
    EXPECT_EQ(form.paymentMode, u"Chèque n°"_s);
    EXPECT_EQ(form.payment, u"1 500.50"_s);

    setReceptionPaymentOption(env, form, PaymentOption::ATerme);
    EXPECT_EQ(form.paymentMode, u"A TERME"_s);
    EXPECT_EQ(form.payment, u"0.00"_s);
    form.discount = u"100"_s;
    computeReceptionTotals(env, form);
    EXPECT_EQ(form.newBalance, u"-2 400.50"_s); // a discount counts like a payment

    // A payment the user typed is his: 0.50 stays 0.50.
    setReceptionPaymentOption(env, form, PaymentOption::Virement);
    EXPECT_EQ(form.paymentMode, u"Virement n°"_s);
    form.payment = u"0.50"_s;
    computeReceptionTotals(env, form);
    EXPECT_EQ(form.payment, u"0.50"_s);
    saveReceptionSummary(env, form);
    EXPECT_EQ(summary(u"modep,ver,remise,newsolde"_s), Rows({{u"Virement n°"_s, u"50"_s, u"10000"_s, u"-240000"_s}}));
    EXPECT_TRUE(dialogs.shown.empty());
}

// A payment filled in by the program follows the total as lines come and go; one typed by the
// user is kept; a negative payment or discount is refused.
TEST_F(ReceptionTest, AFilledInPaymentFollowsEveryLineAndATypedOneStays)
{
    setReceptionPaymentOption(env, form, PaymentOption::Espece);
    for (const QString& product : {u"A"_s, u"B"_s, u"C"_s}) validate(product, u"1"_s, u"10"_s);
    EXPECT_EQ(summary(u"modep,ht,ver"_s), Rows({{u"ESPECE"_s, u"3000"_s, u"3000"_s}}));
    selectReceptionListRow(env, form, 1);
    deleteReceptionLine(env, form);
    EXPECT_EQ(summary(u"ht,ver"_s), Rows({{u"2000"_s, u"2000"_s}}));

    form.payment = u"15"_s;
    validate(u"D"_s, u"1"_s, u"10"_s);
    EXPECT_EQ(summary(u"ht,ver"_s), Rows({{u"3000"_s, u"1500"_s}}));
    EXPECT_TRUE(dialogs.shown.empty());

    for (QString ReceptionForm::*field : {&ReceptionForm::payment, &ReceptionForm::discount}) {
        const ReceptionForm before = form;
        form.*field = u"-5"_s;
        computeReceptionTotals(env, form);
        saveReceptionSummary(env, form);
        EXPECT_EQ(shown(), std::vector<ShownBox>{error("Montant incorrect !")});
        EXPECT_EQ(summary(u"ht,ver,remise"_s), Rows({{u"3000"_s, u"1500"_s, u"0"_s}}));
        form = before;
    }
}

TEST_F(ReceptionTest, DeletingLineTwoOfThreeRenumbersTheTableAndTheList)
{
    for (const QString& product : {u"A"_s, u"B"_s, u"C"_s}) validate(product, u"1"_s, u"10"_s);
    selectReceptionListRow(env, form, 1);
    EXPECT_EQ(form.lineNumber, u"2"_s);
    EXPECT_EQ(form.product, u"B"_s);
    deleteReceptionLine(env, form);
    EXPECT_TRUE(dialogs.shown.empty());

    EXPECT_EQ(lines(u"frais,CodeProd,Qte"_s), Rows({{u"1"_s, u"2"_s, u"100"_s}, {u"2"_s, u"4"_s, u"100"_s}}));
    EXPECT_EQ(column(COL_LINE), QStringList({u"1"_s, u"2"_s}));
    EXPECT_EQ(column(COL_DESIGNATION), QStringList({u"A"_s, u"C"_s}));
    EXPECT_EQ(form.lineCount, u"2"_s);
    EXPECT_EQ(form.lineNumber, QString());
    EXPECT_EQ(summary(u"ht"_s), Rows({{u"2000"_s}}));
    EXPECT_EQ(computeStock(env, u"3"_s, u"0"_s).value, Amount()); // B left the stock at once

    // The next line follows the renumbered ones.
    validate(u"D"_s, u"1"_s, u"10"_s);
    EXPECT_EQ(column(COL_LINE), QStringList({u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(lines(u"frais"_s), Rows({{u"1"_s}, {u"2"_s}, {u"3"_s}}));
}

TEST_F(ReceptionTest, DeletingTheOnlyLineRemovesTheSummaryAndEmptiesTheFormButKeepsTheNumber)
{
    validate(u"CIMENT 50KG"_s, u"2"_s, u"850"_s);
    selectReceptionListRow(env, form, 0);
    deleteReceptionLine(env, form);
    EXPECT_TRUE(rows(DB_BR, u"select * from fBr"_s).empty());
    EXPECT_TRUE(form.lines.isEmpty());
    EXPECT_EQ(form.partner, QString());
    EXPECT_EQ(form.totalHt, QString());
    EXPECT_EQ(form.lineCount, u"0"_s);
    EXPECT_EQ(form.number, u"1"_s);
}

TEST_F(ReceptionTest, DeletingWithoutAPickedLineOrALineThatIsGoneIsRefused)
{
    validate(u"CIMENT 50KG"_s, u"2"_s, u"850"_s);
    deleteReceptionLine(env, form);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Sélectionnez la ligne à supprimer !")});
    form.lineNumber = u"5"_s;
    deleteReceptionLine(env, form);
    EXPECT_EQ(shown(), std::vector<ShownBox>({{u"message"_s, u"Erreur inattendue"_s, u"La ligne à supprimer n'a pas pu être localisée !"_s}}));
    EXPECT_EQ(lines(u"frais"_s), Rows({{u"1"_s}}));
}

TEST_F(ReceptionTest, AFailureWhileRenumberingLeavesTheLinesAsTheyWere)
{
    for (const QString& product : {u"A"_s, u"B"_s, u"C"_s}) validate(product, u"1"_s, u"10"_s);
    const Rows before = rows(DB_BR, u"select * from fBr order by frais"_s);
    exec(DB_BR, u"CREATE TRIGGER br.refuse_renumbering BEFORE UPDATE OF frais ON fBr WHEN NEW.frais=2 "
                "BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s);
    selectReceptionListRow(env, form, 0);
    deleteReceptionLine(env, form);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(u"disk full"_s)) << qUtf8Printable(dialogs.shown[0].text);
    EXPECT_EQ(rows(DB_BR, u"select * from fBr order by frais"_s), before);
    EXPECT_EQ(column(COL_DESIGNATION), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    EXPECT_EQ(form.lineCount, u"3"_s);
}

TEST_F(ReceptionTest, CancellingAsksFirstAndKeepsTheNumberForANewStart)
{
    validate(u"CIMENT 50KG"_s, u"2"_s, u"850"_s);
    cancelReception(env, form);
    EXPECT_EQ(shown(), std::vector<ShownBox>({{u"yesno"_s, u"Confirmation"_s, u"Etes-vous sûr de vouloir annuler cette réception ?"_s}}));
    EXPECT_EQ(lines(u"frais"_s), Rows({{u"1"_s}}));
    EXPECT_EQ(form.lines.size(), 1);

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    cancelReception(env, form);
    EXPECT_TRUE(rows(DB_BR, u"select * from fBr"_s).empty());
    EXPECT_TRUE(form.lines.isEmpty());
    EXPECT_EQ(form.lineCount, u"0"_s);
    EXPECT_EQ(form.number, u"1"_s);

    form.partner = u"SARL ATLAS"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"850"_s);
    EXPECT_EQ(rows(DB_BR, u"select distinct numdoc from fBr"_s), Rows({{u"1"_s}}));
}

TEST_F(ReceptionTest, ModifyingAPickedLineRewritesItInsteadOfAddingOne)
{
    validate(u"CIMENT 50KG"_s, u"2"_s, u"850"_s);
    selectReceptionListRow(env, form, 0);
    EXPECT_EQ(form.quantity, u"2.00"_s);
    EXPECT_EQ(form.unitPrice, u"850.00"_s);
    form.quantity = u"5"_s;
    validateReceptionLine(env, form);
    EXPECT_EQ(lines(u"frais,Qte,Mnt"_s), Rows({{u"1"_s, u"500"_s, u"425000"_s}}));
    EXPECT_EQ(form.lines.rows, Rows({{u"1"_s, u"CIMENT 50KG"_s, u"U"_s, u"5.00"_s, u"850.00"_s, u"4 250.00"_s}}));
    EXPECT_EQ(form.lineNumber, QString());
}

TEST_F(ReceptionTest, ANewDateOrSupplierReachesEveryRowOfTheDocument)
{
    addClientSupplier(2, u"ETS BENALI"_s, 0, u"F"_s);
    validate(u"CIMENT 50KG"_s, u"1"_s, u"850"_s);
    form.date = u"02/03/2026"_s;
    form.partner = u"ETS BENALI"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"850"_s);
    EXPECT_EQ(rows(DB_BR, u"select distinct DateDoc,DateNum,CodeCF from fBr"_s),
              Rows({{u"02/03/2026"_s, toDateNumText(u"02/03/2026"_s), u"2"_s}}));
}

TEST_F(ReceptionTest, TruckAndDriverAreSavedWithTheSummaryAndReloadedAsLastTyped)
{
    form.truck = u"12345-116-09"_s;
    form.driver = u"ALI"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"850"_s);
    EXPECT_EQ(summary(u"camion,chauf"_s), Rows({{u"12345-116-09"_s, u"ALI"_s}}));
    form.driver = u"OMAR"_s;
    computeReceptionTotals(env, form);
    saveReceptionSummary(env, form);

    ReceptionForm loaded;
    loaded.number = u"1"_s;
    loadReception(env, loaded);
    EXPECT_EQ(loaded.truck, u"12345-116-09"_s);
    EXPECT_EQ(loaded.driver, u"OMAR"_s);
}

TEST_F(ReceptionTest, AncienSoldeIsTheSupplierBalanceWithoutThisDocument)
{
    showReceptionSupplierBalance(env, form);
    EXPECT_EQ(form.oldBalance, u"-1 000.00"_s);
    validate(u"CIMENT 50KG"_s, u"10"_s, u"850"_s); // A TERME: the supplier is owed 8 500.00 more
    EXPECT_EQ(form.newBalance, u"-9 500.00"_s);
    // Choosing the supplier again on this document does not count it twice...
    showReceptionSupplierBalance(env, form);
    EXPECT_EQ(form.oldBalance, u"-1 000.00"_s);
    // ...while the next document starts from the new balance.
    newReception(env, form);
    form.partner = u"SARL ATLAS"_s;
    showReceptionSupplierBalance(env, form);
    EXPECT_EQ(form.oldBalance, u"-9 500.00"_s);
    // A name not yet in the table has no movement.
    form.partner = u"PERSONNE"_s;
    showReceptionSupplierBalance(env, form);
    EXPECT_EQ(form.oldBalance, u"0.00"_s);
}

TEST_F(ReceptionTest, SavingADocumentWithoutLinesWritesNothing)
{
    form.partner = u"PERSONNE"_s;
    computeReceptionTotals(env, form);
    saveReceptionSummary(env, form);
    EXPECT_TRUE(rows(DB_BR, u"select * from fBr"_s).empty());
    EXPECT_EQ(rows(DB_CF, u"select count(*) from fCF"_s), Rows({{u"1"_s}}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ReceptionTest, NavigationLoadsEachNumberUpToTheLastProposedOne)
{
    form.driver = u"ALI"_s;
    validate(u"CIMENT 50KG"_s, u"2"_s, u"850"_s);
    setReceptionPaymentOption(env, form, PaymentOption::Cheque);
    form.paymentMode = u"Chèque n° 4471"_s;
    saveReceptionSummary(env, form);
    newReception(env, form); // 2
    form.partner = u"SARL ATLAS"_s;
    validate(u"CIMENT 50KG"_s, u"1"_s, u"850"_s);
    newReception(env, form); // 3, no row yet
    EXPECT_EQ(env.state.lastNewReceptionNumber, 3);

    nextReception(env, form);
    EXPECT_EQ(form.number, u"3"_s); // the last proposed number
    previousReception(env, form);
    EXPECT_EQ(form.number, u"2"_s);
    EXPECT_EQ(column(COL_QUANTITY), QStringList({u"1.00"_s}));
    previousReception(env, form);
    EXPECT_EQ(form.number, u"1"_s);
    EXPECT_EQ(form.partner, u"SARL ATLAS"_s);
    EXPECT_EQ(form.lines.rows, Rows({{u"1"_s, u"CIMENT 50KG"_s, u"U"_s, u"2.00"_s, u"850.00"_s, u"1 700.00"_s}}));
    EXPECT_EQ(form.totalHt, u"1 700.00"_s);
    EXPECT_EQ(form.payment, u"1 700.00"_s);
    EXPECT_EQ(form.oldBalance, u"0.00"_s);
    EXPECT_EQ(form.newBalance, u"0.00"_s);
    EXPECT_EQ(form.paymentMode, u"Chèque n° 4471"_s);
    EXPECT_EQ(form.option, PaymentOption::Cheque);
    EXPECT_EQ(form.driver, u"ALI"_s);
    EXPECT_EQ(form.lineCount, u"1"_s);
    previousReception(env, form);
    EXPECT_EQ(form.number, u"1"_s);

    nextReception(env, form);
    nextReception(env, form);
    EXPECT_EQ(form.number, u"3"_s);
    EXPECT_TRUE(form.lines.isEmpty());
    nextReception(env, form);
    EXPECT_EQ(form.number, u"3"_s);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
