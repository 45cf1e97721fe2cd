// Sales invoices and proformas: one implementation, so every shared behaviour runs on both
// kinds through their own named operations.
#include <functional>

#include "common/amount_in_words.h"
#include "common/values.h"
#include "data_fixture.h"
#include "stock/invoices.h"

namespace {

using Operation = void (*)(Env&, InvoiceForm&);
using RowOperation = void (*)(Env&, InvoiceForm&, int);

// One document kind: its table and the operations its tab calls.
struct Kind {
    const char* name;
    InvoiceKind kind;
    const char* table;
    DbNumber db;
    qint64 ProgramState::*lastNewNumber;
    Operation newDocument, load, previous, next, validate, deleteLine, save, compute, cancel, showProduct, showClient;
    RowOperation selectRow;
};

const Kind INVOICE{"Invoice",         InvoiceKind::Invoice, "facv",
                   DB_FACV,           &ProgramState::lastNewInvoiceNumber,
                   newInvoice,        loadInvoice,          showPreviousInvoice,
                   showNextInvoice,   validateInvoiceLine,  deleteInvoiceLine,
                   saveInvoice,       computeInvoiceTotals, cancelInvoice,
                   showInvoiceProduct, showInvoiceClient,   selectInvoiceListRow};
const Kind PROFORMA{"Proforma",         InvoiceKind::Proforma, "facp",
                    DB_FACP,            &ProgramState::lastNewProformaNumber,
                    newProforma,        loadProforma,          showPreviousProforma,
                    showNextProforma,   validateProformaLine,  deleteProformaLine,
                    saveProforma,       computeProformaTotals, cancelProforma,
                    showProformaProduct, showProformaClient,   selectProformaListRow};

void PrintTo(const Kind& kind, std::ostream* os) { *os << kind.name; }

const Kind& otherKind(const Kind& kind) { return kind.kind == InvoiceKind::Invoice ? PROFORMA : INVOICE; }

QString operator""_q(const char* text, size_t) { return QString::fromUtf8(text); }

ShownBox error(const QString& text) { return {"message"_q, "Erreur"_q, text}; }

// A few products and clients-suppliers, some names stored in capitals and some not.
class InvoiceFixture : public DataFixture {
protected:
    InvoiceFixture()
    {
        LoadedParameters parameters;
        parameters.tauxTva = "19"_q;
        parameters.modepFac = "A TERME"_q;
        env.setParameters(parameters);
        for (const QVariantList& product : {
                 QVariantList{1, "CIMENTS"_q, "CIMENT 50KG"_q, "SAC"_q, 85000},
                 QVariantList{2, "FER"_q, "FER A BETON 12"_q, "BARRE"_q, 100000},
                 QVariantList{3, "CIMENTS"_q, "CIMENT BLANC"_q, "SAC"_q, 120000},
                 QVariantList{4, "CIMENTS"_q, "Ciment gris"_q, "SAC"_q, 90000},
             })
            exec(DB_PROD, "insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,'',?,?,0,0,?,0)"_q, product);
        for (const QVariantList& client : {
                 QVariantList{1, "SARL ATLAS"_q, "12 RUE DES PINS"_q, "RC1"_q, "C"_q},
                 QVariantList{2, "DUPONT"_q, ""_q, ""_q, "C"_q},
                 QVariantList{3, "DUPUIS"_q, "5 AV DE LA GARE"_q, "RC3"_q, "X"_q},
                 QVariantList{4, "Dupré"_q, ""_q, ""_q, "C"_q},
                 QVariantList{5, "DUPIN FOURNITURES"_q, ""_q, ""_q, "F"_q},
             })
            exec(DB_CF, "insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,'',?,'','','','0',?)"_q, client);
    }
};

class InvoiceTest : public InvoiceFixture, public ::testing::WithParamInterface<Kind> {
protected:

    const Kind& kind() const { return GetParam(); }
    // A statement on the kind's table, "%1" standing for it.
    QString onTable(const char* sql) const { return QString::fromLatin1(sql).arg(QString::fromLatin1(kind().table)); }
    Rows documentRows(const char* sql, const QVariantList& args = {}) { return rows(kind().db, onTable(sql), args); }
    Rows summaryRow(const QString& number = "1"_q)
    {
        return documentRows("select ht,taux,tva,timbre,ttc,modep from %1 where numdoc=? and codeprod=9999", {number});
    }

    // A new document of the kind for SARL ATLAS, dated 14/03/2026.
    InvoiceForm newForm()
    {
        InvoiceForm form(kind().kind);
        form.date = "14/03/2026"_q;
        kind().newDocument(env, form);
        form.client = "SARL ATLAS"_q;
        kind().showClient(env, form);
        return form;
    }
    void addLine(InvoiceForm& form, const QString& designation, const QString& quantity, const QString& unitPrice)
    {
        form.designation = designation;
        form.quantity = quantity;
        form.unitPrice = unitPrice;
        kind().validate(env, form);
    }
    // Lines totalling 12 500.00: 10 x 850.00 + 4 x 1 000.00.
    InvoiceForm exampleInvoice()
    {
        InvoiceForm form = newForm();
        addLine(form, "CIMENT 50KG"_q, "10"_q, "850"_q);
        addLine(form, "FER A BETON 12"_q, "4"_q, "1 000.00"_q);
        return form;
    }
    QStringList totals(const InvoiceForm& form) const { return {form.totalHt, form.totalVat, form.stamp, form.totalTtc}; }
};

std::string kindName(const ::testing::TestParamInfo<Kind>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(BothKinds, InvoiceTest, ::testing::Values(INVOICE, PROFORMA), kindName);

TEST_P(InvoiceTest, CashInvoiceOfTheExampleHasVatStampTotalAndWords)
{
    InvoiceForm form = exampleInvoice();
    chooseInvoicePaymentOption(env, form, PaymentOption::Espece);

    EXPECT_EQ(form.paymentMode, "ESPECE"_q);
    EXPECT_EQ(totals(form), QStringList({"12 500.00  "_q, "2 375.00  "_q, "148.75  "_q, "15 023.75  "_q}));
    EXPECT_EQ(form.amountInWords, "Quinze Mille Vingt Trois Dinars 75 Cts"_q);
    kind().save(env, form);
    EXPECT_EQ(summaryRow(), Rows({{"1250000"_q, "19"_q, "237500"_q, "14875"_q, "1502375"_q, "ESPECE"_q}}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(InvoiceTest, OnlyCashPaymentCarriesTheStamp)
{
    const struct {
        PaymentOption option;
        const char* mode;
    } others[] = {{PaymentOption::ATerme, "A TERME"}, {PaymentOption::Cheque, "Chèque n°"}, {PaymentOption::Virement, "Virement n°"}};
    InvoiceForm form = exampleInvoice();
    for (const auto& other : others) {
        chooseInvoicePaymentOption(env, form, PaymentOption::Espece);
        kind().save(env, form);
        chooseInvoicePaymentOption(env, form, other.option);
        EXPECT_EQ(form.paymentMode, QString::fromUtf8(other.mode));
        EXPECT_EQ(totals(form), QStringList({"12 500.00  "_q, "2 375.00  "_q, "0.00  "_q, "14 875.00  "_q}));
        // The stored totals follow at the next save.
        EXPECT_EQ(summaryRow()[0][3], "14875"_q);
        kind().save(env, form);
        EXPECT_EQ(summaryRow(), Rows({{"1250000"_q, "19"_q, "237500"_q, "0"_q, "1487500"_q, QString::fromUtf8(other.mode)}}));
    }
}

TEST(InvoiceTotals, StampIsOnePercentCutAndCappedAtTwoThousandFiveHundred)
{
    const struct {
        qint64 ht, rate; // the rate in hundredths of a percent
        bool cash;
        qint64 vat, stamp, ttc;
    } cases[] = {
        {1250000, 1900, true, 237500, 14875, 1502375},
        {1250000, 1900, false, 237500, 0, 1487500},
        {99, 1900, true, 18, 1, 118},                     // 18.81 cut to 18, 1.17 cut to 1
        {25000000, 2000, true, 5000000, 250000, 30250000}, // 3 000.00 capped
        {25000000, 0, true, 0, 250000, 25250000},          // exactly the cap
        {25000100, 0, true, 0, 250000, 25250100},
        {20000000000, 1900, false, 3800000000, 0, 23800000000}, // beyond 32 bits
        {1000000, 550, false, 55000, 0, 1055000},               // 5.5 % as typed, not 5 %
    };
    for (const auto& c : cases) {
        const InvoiceTotals t = invoiceTotals(Amount::fromCents(c.ht), Amount::fromCents(c.rate), c.cash);
        EXPECT_EQ(t.vat.cents(), c.vat) << c.ht;
        EXPECT_EQ(t.stamp.cents(), c.stamp) << c.ht;
        EXPECT_EQ(t.ttc.cents(), c.ttc) << c.ht;
    }
}

TEST_P(InvoiceTest, CashStampStopsAtTwoThousandFiveHundred)
{
    InvoiceForm form = newForm();
    form.vatRate = "20"_q;
    applyInvoiceVatRate(env, form);
    chooseInvoicePaymentOption(env, form, PaymentOption::Espece);
    addLine(form, "CIMENT 50KG"_q, "250"_q, "1000"_q); // HT 250 000.00 + VAT 50 000.00
    EXPECT_EQ(totals(form), QStringList({"250 000.00  "_q, "50 000.00  "_q, "2 500.00  "_q, "302 500.00  "_q}));
    EXPECT_EQ(summaryRow()[0][3], "250000"_q);
}

TEST_P(InvoiceTest, VatBeyondThirtyTwoBitsIsShownAndStoredWhole)
{
    InvoiceForm form = newForm();
    addLine(form, "CIMENT 50KG"_q, "2000"_q, "100000"_q); // HT 200 000 000.00
    EXPECT_EQ(form.totalVat, "38 000 000.00  "_q);
    EXPECT_EQ(form.totalTtc, "238 000 000.00  "_q);
    EXPECT_EQ(summaryRow(), Rows({{"20000000000"_q, "19"_q, "3800000000"_q, "0"_q, "23800000000"_q, "A TERME"_q}}));
}

TEST_P(InvoiceTest, TheTypedRateChargesAsTypedIsStoredAsTypedAndSharedByBothTabs)
{
    InvoiceForm form = exampleInvoice();
    form.vatRate = "5.5"_q;
    applyInvoiceVatRate(env, form);
    EXPECT_EQ(form.vatLabel, "TVA (5.5%) :"_q);
    EXPECT_EQ(form.totalVat, "687.50  "_q); // 5.5 % of 12 500.00, not 5 %
    kind().save(env, form);
    EXPECT_EQ(summaryRow()[0][1], "5.5"_q);
    EXPECT_EQ(summaryRow()[0][2], "68750"_q);

    // A rate that is no percentage is refused and changes nothing.
    for (const QString& wrong : {"-1"_q, "100.01"_q, "19%"_q, ""_q}) {
        form.vatRate = wrong;
        applyInvoiceVatRate(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error("Valeur de taux incorrecte ! ")}) << qUtf8Printable(wrong);
        EXPECT_EQ(form.vatLabel, "TVA (5.5%) :"_q);
        EXPECT_EQ(env.state.currentVatRate, "5.5"_q);
    }
    form.vatRate = "5.5"_q;

    InvoiceForm other(otherKind(kind()).kind);
    otherKind(kind()).newDocument(env, other);
    EXPECT_EQ(other.vatRate, "5.5"_q);
    EXPECT_EQ(other.vatLabel, "TVA (5.5%):"_q);
}

TEST_P(InvoiceTest, ALineWithABadFieldIsRefusedAndWritesNothing)
{
    const struct {
        std::function<void(InvoiceForm&)> spoil;
        const char* message;
    } cases[] = {
        {[](InvoiceForm& f) { f.number.clear(); }, "N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !"},
        {[](InvoiceForm& f) { f.number = "0"_q; }, "N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !"},
        {[](InvoiceForm& f) { f.number = "A12"_q; }, "N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !"},
        {[](InvoiceForm& f) { f.date = "14/03/2013"_q; }, "Date incorrecte !"},
        {[](InvoiceForm& f) { f.date = "31/04/2026"_q; }, "Date incorrecte !"}, // no such day
        {[](InvoiceForm& f) { f.client.clear(); }, "Nom de Client incorrect !"},
        {[](InvoiceForm& f) { f.designation.clear(); }, "Désignation du produit incorrecte !"},
        {[](InvoiceForm& f) { f.quantity = "0"_q; }, "Quantité incorrecte !"},
        {[](InvoiceForm& f) { f.quantity = "2x"_q; }, "Quantité incorrecte !"},
        {[](InvoiceForm& f) { f.unitPrice = "-0,75"_q; }, "Prix unitaire incorrect !"},
        {[](InvoiceForm& f) { f.unitPrice.clear(); }, "Prix unitaire incorrect !"},
        // Beyond 999 999 999 999.99, typed or computed, nothing is stored.
        {[](InvoiceForm& f) { f.unitPrice = "1000000000000"_q; }, "Montant trop élevé !"},
        {[](InvoiceForm& f) { f.quantity = "1000000"_q; f.unitPrice = "1000000"_q; }, "Montant trop élevé !"},
    };
    for (const auto& c : cases) {
        InvoiceForm form = newForm();
        form.client = "CLIENT NEUF"_q;
        form.designation = "CIMENT 50KG"_q;
        form.quantity = "1"_q;
        form.unitPrice = "1"_q;
        c.spoil(form);
        kind().validate(env, form);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error(QString::fromUtf8(c.message))});
        EXPECT_TRUE(documentRows("select * from %1").empty()) << c.message;
        EXPECT_TRUE(rows(DB_CF, "select * from fCF where CF='CLIENT NEUF'"_q).empty()) << c.message;
    }
}

TEST_P(InvoiceTest, ValidatingTheSameProductAgainReplacesItsLine)
{
    InvoiceForm form = newForm();
    form.designation = "FER A BETON 12"_q;
    kind().showProduct(env, form); // a lookup of another product must not lend its unit
    addLine(form, "CIMENT 50KG"_q, "10"_q, "850"_q);
    form.number = "1,0"_q; // taken as the whole number it stands for
    addLine(form, "CIMENT 50KG"_q, "3"_q, "900"_q);
    EXPECT_EQ(form.number, "1"_q);

    EXPECT_EQ(documentRows("select CodeProd,Um,Qte,Pu,Mnt from %1 where numdoc=1 and codeprod<>9999"),
              Rows({{"1"_q, "SAC"_q, "300"_q, "90000"_q, "270000"_q}}));
    EXPECT_EQ(form.lines.rows, Rows({{"1"_q, "CIMENT 50KG"_q, "SAC"_q, "3.00"_q, "900.00"_q, "2 700.00"_q}}));
    EXPECT_EQ(form.totalHt, "2 700.00  "_q);
    EXPECT_EQ(summaryRow()[0][0], "270000"_q);
    // The line fields are ready for the next product.
    EXPECT_EQ(QStringList({form.designation, form.quantity, form.unitPrice}), QStringList({""_q, ""_q, ""_q}));
    EXPECT_EQ(form.focus, InvoiceField::Designation);
}

TEST_P(InvoiceTest, DeletingLinesUpdatesTheSummaryAndTheLastOneRemovesTheDocument)
{
    InvoiceForm form = exampleInvoice();
    kind().selectRow(env, form, 0);
    EXPECT_EQ(QStringList({form.designation, form.quantity, form.unitPrice}), QStringList({"CIMENT 50KG"_q, "10.00"_q, "850.00"_q}));
    kind().deleteLine(env, form);
    EXPECT_EQ(form.lines.size(), 1);
    EXPECT_EQ(summaryRow()[0][0], "400000"_q);
    EXPECT_EQ(form.totalHt, "4 000.00  "_q);

    kind().selectRow(env, form, 0);
    kind().deleteLine(env, form);
    EXPECT_TRUE(documentRows("select * from %1").empty());
    EXPECT_TRUE(form.lines.isEmpty());
    EXPECT_EQ(QStringList({form.client, form.address, form.totalHt, form.totalTtc}), QStringList({""_q, ""_q, ""_q, ""_q}));
    EXPECT_EQ(form.amountInWords, QString());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(InvoiceTest, ValidationWritesTheTypedClientDetailsIntoTheClientTable)
{
    InvoiceForm form = newForm();
    EXPECT_EQ(QStringList({form.address, form.rc}), QStringList({"12 RUE DES PINS"_q, "RC1"_q}));
    form.address = "3 PLACE NEUVE"_q;
    form.mf = "MF9"_q;
    form.art = "ART9"_q;
    form.nis = "NIS9"_q;
    addLine(form, "CIMENT 50KG"_q, "1"_q, "850"_q);
    EXPECT_EQ(rows(DB_CF, "select Ad,Rc,Mf,Art,Nis,typecf from fCF where CodeCF=1"_q),
              Rows({{"3 PLACE NEUVE"_q, "RC1"_q, "MF9"_q, "ART9"_q, "NIS9"_q, "C"_q}}));

    // An unknown name becomes a client with the next code, no telephone and no opening balance.
    form.client = "L'ETOILE \"SUD\""_q;
    form.rc = "RC7"_q;
    addLine(form, "FER A BETON 12"_q, "1"_q, "1000"_q);
    EXPECT_EQ(rows(DB_CF, "select CodeCF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf from fCF where CF=?"_q, {form.client}),
              Rows({{"6"_q, "3 PLACE NEUVE"_q, ""_q, "RC7"_q, "MF9"_q, "ART9"_q, "NIS9"_q, "0"_q, "C"_q}}));
    // Every row of the document now carries the new client.
    EXPECT_EQ(documentRows("select distinct CodeCF from %1"), Rows({{"6"_q}}));
}

TEST_P(InvoiceTest, AnUnknownProductStopsTheLineButTheClientIsRecorded)
{
    InvoiceForm form = newForm();
    form.client = "CLIENT NEUF"_q;
    addLine(form, "PRODUIT FANTOME"_q, "1"_q, "100"_q);
    EXPECT_EQ(dialogs.shown, std::vector<ShownBox>{error("Ce produit n'existe pas dans la table !"_q)});
    EXPECT_EQ(rows(DB_CF, "select CodeCF,typecf from fCF where CF='CLIENT NEUF'"_q), Rows({{"6"_q, "C"_q}}));
    EXPECT_TRUE(documentRows("select * from %1").empty());
    EXPECT_EQ(form.designation, "PRODUIT FANTOME"_q);
}

TEST_P(InvoiceTest, AWriteThatFailsLeavesTablesAndFormAsBefore)
{
    InvoiceForm form = exampleInvoice();
    const Rows documentBefore = documentRows("select * from %1 order by rowid");
    const Rows clientsBefore = rows(DB_CF, "select * from fCF order by CodeCF"_q);
    exec(kind().db, onTable("create temp trigger refuse_summary before update on %1 when new.codeprod=9999 "
                            "begin select raise(abort, 'refused'); end"));

    // The client update and the new line come before the summary, which fails.
    form.address = "AUTRE ADRESSE"_q;
    const InvoiceForm formBefore = form;
    addLine(form, "CIMENT BLANC"_q, "2"_q, "1200"_q);

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("refused"_q));
    EXPECT_EQ(documentRows("select * from %1 order by rowid"), documentBefore);
    EXPECT_EQ(rows(DB_CF, "select * from fCF order by CodeCF"_q), clientsBefore);
    EXPECT_EQ(form.lines.rows, formBefore.lines.rows);
    EXPECT_EQ(totals(form), totals(formBefore));
    EXPECT_EQ(form.designation, "CIMENT BLANC"_q);

    // Deleting a line fails the same way and keeps it.
    kind().selectRow(env, form, 0);
    kind().deleteLine(env, form);
    EXPECT_EQ(documentRows("select * from %1 order by rowid"), documentBefore);
    EXPECT_EQ(form.lines.size(), 2);
}

TEST_P(InvoiceTest, AnEmptyPaymentModeRefusesTheLineInsteadOfLeavingItWithoutSummary)
{
    InvoiceForm form = newForm();
    form.paymentMode.clear();
    addLine(form, "CIMENT 50KG"_q, "1"_q, "850"_q);
    EXPECT_EQ(dialogs.shown, std::vector<ShownBox>{error("Indiquez le mode de payement !"_q)});
    EXPECT_TRUE(documentRows("select * from %1").empty());
    EXPECT_TRUE(form.lines.isEmpty());
}

TEST_P(InvoiceTest, SavingChecksTheHeaderAndWritesNoSummaryWithoutLines)
{
    InvoiceForm form = exampleInvoice();
    const struct {
        std::function<void(InvoiceForm&)> spoil;
        const char* message;
    } cases[] = {
        {[](InvoiceForm& f) { f.number = "-3"_q; }, "N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer automatiquement un nouveau N° !"},
        {[](InvoiceForm& f) { f.date = "30/02/2026"_q; }, "Date incorrecte !"},
        {[](InvoiceForm& f) { f.client.clear(); }, "Sélectionnez (ou saisissez) un Client !"},
        {[](InvoiceForm& f) { f.paymentMode.clear(); }, "Indiquez le mode de payement !"},
    };
    const Rows before = documentRows("select * from %1 order by rowid");
    for (const auto& c : cases) {
        InvoiceForm spoilt = form;
        c.spoil(spoilt);
        kind().save(env, spoilt);
        EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{error(QString::fromUtf8(c.message))});
        EXPECT_EQ(documentRows("select * from %1 order by rowid"), before) << c.message;
    }

    // A date and client changed in the header reach every row.
    form.date = "20/03/2026"_q;
    form.client = "DUPONT"_q;
    kind().save(env, form);
    EXPECT_EQ(documentRows("select distinct DateDoc,DateNum,CodeCF from %1"),
              Rows({{"20/03/2026"_q, QString::number(toDateNum("20/03/2026"_q)), "2"_q}}));

    // F12 on a document without lines records the client but creates no document.
    InvoiceForm empty = newForm();
    empty.client = "CLIENT SANS LIGNE"_q;
    kind().save(env, empty);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(documentRows("select * from %1 where numdoc=2").empty());
    EXPECT_EQ(rows(DB_CF, "select count(*) from fCF where CF='CLIENT SANS LIGNE'"_q), Rows({{"1"_q}}));
}

TEST_P(InvoiceTest, NewProposesTheNextNumberAndTheDefaultsAndNavigationStopsThere)
{
    env.params.modepFac = "ESPECE"_q;
    InvoiceForm form(kind().kind);
    kind().next(env, form); // nothing before the first New
    EXPECT_EQ(form.number, QString());

    form = exampleInvoice();
    EXPECT_EQ(form.number, "1"_q);
    EXPECT_EQ(form.paymentMode, "ESPECE"_q);
    EXPECT_EQ(form.paymentOption, PaymentOption::Espece);
    EXPECT_EQ(form.date, "14/03/2026"_q);
    kind().newDocument(env, form);
    EXPECT_EQ(form.number, "2"_q);
    EXPECT_EQ(env.state.*kind().lastNewNumber, 2);
    EXPECT_TRUE(form.lines.isEmpty());
    EXPECT_EQ(form.client, QString());
    // Nothing is written before a line: New again proposes the same number.
    kind().newDocument(env, form);
    EXPECT_EQ(form.number, "2"_q);

    kind().previous(env, form);
    EXPECT_EQ(form.number, "1"_q);
    EXPECT_EQ(form.lines.size(), 2);
    kind().previous(env, form); // not below 1
    EXPECT_EQ(form.number, "1"_q);
    kind().next(env, form);
    EXPECT_EQ(form.number, "2"_q);
    EXPECT_TRUE(form.lines.isEmpty());
    kind().next(env, form); // not beyond the last proposed number
    EXPECT_EQ(form.number, "2"_q);
}

TEST_P(InvoiceTest, LoadingShowsTheStoredDocument)
{
    InvoiceForm saved = exampleInvoice();
    saved.vatRate = "7"_q;
    applyInvoiceVatRate(env, saved);
    chooseInvoicePaymentOption(env, saved, PaymentOption::Cheque);
    saved.paymentMode = "Chèque n° 4711"_q;
    kind().save(env, saved);

    InvoiceForm form(kind().kind);
    form.number = "1"_q;
    form.paymentOption = PaymentOption::Espece;
    kind().load(env, form);
    EXPECT_EQ(form.date, "14/03/2026"_q);
    EXPECT_EQ(QStringList({form.client, form.address, form.rc}), QStringList({"SARL ATLAS"_q, "12 RUE DES PINS"_q, "RC1"_q}));
    EXPECT_EQ(form.lines.rows, saved.lines.rows);
    EXPECT_EQ(form.lines.alignment, QList<int>({ALIGN_CENTRE, ALIGN_LEFT, ALIGN_CENTRE, ALIGN_RIGHT, ALIGN_RIGHT, ALIGN_RIGHT}));
    EXPECT_EQ(form.vatRate, "7"_q);
    EXPECT_EQ(form.vatLabel, "TVA (7%) :"_q);
    EXPECT_EQ(totals(form), QStringList({"12 500.00  "_q, "875.00  "_q, "0.00  "_q, "13 375.00  "_q}));
    EXPECT_EQ(form.paymentMode, "Chèque n° 4711"_q);
    EXPECT_EQ(form.paymentOption, PaymentOption::Cheque);
    EXPECT_EQ(form.amountInWords, amountInWords("13 375.00"_q));

    // The other kind's table knows nothing of it: the two may share a number.
    InvoiceForm other(otherKind(kind()).kind);
    other.number = "1"_q;
    otherKind(kind()).load(env, other);
    EXPECT_TRUE(other.lines.isEmpty());
    EXPECT_EQ(other.client, QString());
}

TEST_P(InvoiceTest, AnInvoiceAndAProformaMayCarryTheSameNumber)
{
    InvoiceForm first = exampleInvoice();
    InvoiceForm other(otherKind(kind()).kind);
    other.date = "15/03/2026"_q;
    otherKind(kind()).newDocument(env, other);
    EXPECT_EQ(other.number, "1"_q);
    other.client = "DUPONT"_q;
    other.designation = "CIMENT BLANC"_q;
    other.quantity = "1"_q;
    other.unitPrice = "1200"_q;
    otherKind(kind()).validate(env, other);

    EXPECT_EQ(documentRows("select count(*) from %1 where numdoc=1"), Rows({{"3"_q}}));
    EXPECT_EQ(rows(otherKind(kind()).db, QStringLiteral("select CodeProd,CodeCF from %1 where numdoc=1 order by rowid")
                                               .arg(QString::fromLatin1(otherKind(kind()).table))),
              Rows({{"3"_q, "2"_q}, {"9999"_q, "2"_q}}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(InvoiceTest, CancelAsksFirstAndRemovesTheWholeDocument)
{
    InvoiceForm form = exampleInvoice();
    kind().cancel(env, form); // answered No
    const ShownBox question{"yesno"_q, "Confirmation"_q, "Etes-vous sûr de vouloir annuler cette facture?"_q};
    EXPECT_EQ(dialogs.takeShown(), std::vector<ShownBox>{question});
    EXPECT_EQ(documentRows("select count(*) from %1"), Rows({{"3"_q}}));

    dialogs.answers.push_back(Dialogs::Answer::Yes);
    kind().cancel(env, form);
    EXPECT_TRUE(documentRows("select * from %1").empty());
    EXPECT_TRUE(form.lines.isEmpty());
    EXPECT_EQ(form.totalTtc, QString());

    dialogs.takeShown();
    kind().cancel(env, form); // nothing left: no question
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(InvoiceTest, ReturnMovesAlongTheFieldsAndValidatesAtTheUnitPrice)
{
    InvoiceForm form(kind().kind);
    form.date = "14/03/2026"_q;
    kind().newDocument(env, form);

    form.client = "SARL ATLAS"_q;
    invoiceReturnPressed(env, form, InvoiceField::Client);
    EXPECT_EQ(form.address, "12 RUE DES PINS"_q);
    EXPECT_EQ(form.focus, InvoiceField::Designation);
    form.client = "DUPONT"_q; // known, without address
    invoiceReturnPressed(env, form, InvoiceField::Client);
    EXPECT_EQ(form.focus, InvoiceField::Address);
    const std::pair<InvoiceField, InvoiceField> moves[] = {
        {InvoiceField::Address, InvoiceField::Rc}, {InvoiceField::Rc, InvoiceField::Mf},
        {InvoiceField::Mf, InvoiceField::Art},     {InvoiceField::Art, InvoiceField::Nis},
        {InvoiceField::Nis, InvoiceField::Designation}, {InvoiceField::Quantity, InvoiceField::UnitPrice}};
    for (const auto& [from, to] : moves) {
        invoiceReturnPressed(env, form, from);
        EXPECT_EQ(form.focus, to);
    }

    form.designation = "FER A BETON 12"_q;
    invoiceReturnPressed(env, form, InvoiceField::Designation);
    EXPECT_EQ(form.unitPrice, "1 000.00"_q);
    EXPECT_EQ(form.currentProduct.code, "2"_q);
    EXPECT_EQ(form.currentProduct.unit, "BARRE"_q);
    EXPECT_EQ(form.focus, InvoiceField::Quantity);

    form.quantity = "2"_q;
    invoiceReturnPressed(env, form, InvoiceField::UnitPrice);
    EXPECT_EQ(form.lines.rows, Rows({{"2"_q, "FER A BETON 12"_q, "BARRE"_q, "2.00"_q, "1 000.00"_q, "2 000.00"_q}}));
    EXPECT_EQ(form.focus, InvoiceField::Designation);

    form.vatRate = "9"_q;
    invoiceReturnPressed(env, form, InvoiceField::VatRate);
    EXPECT_EQ(form.vatLabel, "TVA (9%) :"_q);
    EXPECT_EQ(form.totalVat, "180.00  "_q);
    EXPECT_EQ(env.state.currentVatRate, "9"_q);
    EXPECT_TRUE(dialogs.shown.empty());
}

using InvoiceProductBoxTest = InvoiceFixture;

TEST_F(InvoiceProductBoxTest, AChangeKeepsTheProductAndLeavesTheTypedPrice)
{
    InvoiceForm form(InvoiceKind::Invoice);
    form.designation = "CIMENT BLANC"_q;
    form.unitPrice = "1 150.00"_q;
    keepInvoiceProduct(env, form);
    EXPECT_EQ(form.currentProduct.code, "3"_q);
    EXPECT_EQ(form.currentProduct.unit, "SAC"_q);
    EXPECT_EQ(form.unitPrice, "1 150.00"_q);
}

using ProformaPickListTest = InvoiceFixture;

TEST_F(ProformaPickListTest, ListsOnlyCapitalNamesThatBeginWithTheTypedTextNeverSuppliers)
{
    InvoiceForm form(InvoiceKind::Proforma);
    form.client = "dup"_q;
    filterClientPickList(env, form);
    EXPECT_EQ(form.client, "DUP"_q);
    EXPECT_EQ(form.pickList, QStringList({"DUPONT"_q, "DUPUIS"_q})); // not Dupré, not the supplier
    EXPECT_EQ(form.pickListMode, PickListMode::Clients);

    form.client.clear();
    filterClientPickList(env, form); // an empty text leaves the list
    EXPECT_EQ(form.pickList, QStringList({"DUPONT"_q, "DUPUIS"_q}));

    form.client = "dupui"_q;
    filterClientPickList(env, form);
    choosePickListEntry(env, form, 0);
    EXPECT_EQ(form.client, "DUPUIS"_q);
    EXPECT_EQ(form.address, "5 AV DE LA GARE"_q);
    EXPECT_EQ(form.focus, InvoiceField::Designation);

    form.designation = "ciment"_q;
    filterProductPickList(env, form);
    EXPECT_EQ(form.pickList, QStringList({"CIMENT 50KG"_q, "CIMENT BLANC"_q}));
    EXPECT_EQ(form.pickListMode, PickListMode::Products);
    choosePickListEntry(env, form, 1);
    EXPECT_EQ(form.designation, "CIMENT BLANC"_q);
    EXPECT_EQ(form.unitPrice, "1 200.00"_q);
    EXPECT_EQ(form.focus, InvoiceField::Quantity);

    form.client = "DUPONT"_q; // an empty address is asked for next
    filterClientPickList(env, form);
    choosePickListEntry(env, form, 0);
    EXPECT_EQ(form.focus, InvoiceField::Address);
}

} // namespace
