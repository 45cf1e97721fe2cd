// The invoice and proforma tabs of the stock window: their keys, Return steps and controls reach
// the invoice operations, and the proforma's pick list follows what is typed.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>

#include "stock/invoice_tab.h"
#include "stock/proforma_tab.h"
#include "stock_window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class SalesDocumentTabsTest : public StockWindowTest {
protected:
    SalesDocumentTabsTest() { addProduct(2, u"CIMENTERIE"_s, u"CIMENT BLANC"_s, u"KG"_s, 0, 2000, 2500); }

    static void clickRow(QTreeWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(row)).center());
    }
    static void clickEntry(QListWidget* list, const QString& entry)
    {
        const QList<QListWidgetItem*> found = list->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << qUtf8Printable(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    }
    static QStringList entries(const QListWidget* list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) texts.append(list->item(row)->text());
        return texts;
    }
    Rows invoiceLines() { return rows(DB_FACV, u"select CodeProd,CodeCF,Um,Qte,Pu,Mnt from facv where CodeProd<>9999 order by CodeProd"_s); }
};

TEST_F(SalesDocumentTabsTest, TheInvoiceKeysReturnStepsAndControlsReachTheInvoiceOperations)
{
    open(StockWindow::TAB_RECEPTION);
    selectTab(StockWindow::TAB_INVOICE);
    InvoiceTab* invoice = window.invoiceTab();
    // Selecting the tab starts an invoice and fills the name lists (no supplier among clients).
    EXPECT_EQ(invoice->number->text(), u"1"_s);
    EXPECT_EQ(invoice->client->count(), 1);
    EXPECT_EQ(invoice->client->itemText(0), u"BATIR PLUS"_s);
    EXPECT_EQ(invoice->product->count(), 2);
    EXPECT_EQ(invoice->paymentMode->text(), u"ESPECE"_s);
    EXPECT_TRUE(invoice->cashOption->isChecked());
    EXPECT_EQ(invoice->vatLabel->text(), u"TVA (19%):"_s);

    // The client's details come with its name; Return goes on to the line (the address is known).
    focus(invoice->client);
    QTest::keyClicks(invoice->client->lineEdit(), u"batir plus"_s);
    EXPECT_EQ(invoice->client->currentText(), u"BATIR PLUS"_s);
    EXPECT_EQ(invoice->address->text(), u"x"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(invoice->product));

    // Return along the line: the sale price is proposed, Return in "P.U. :" validates.
    QTest::keyClicks(invoice->product->lineEdit(), u"CIMENT 50KG"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(invoice->unitPrice->text(), u"980.00"_s);
    EXPECT_TRUE(hasFocus(invoice->quantity));
    QTest::keyClicks(invoice->quantity, u"10"_s);
    EXPECT_EQ(invoice->amount->text(), u"9 800.00"_s); // "Montant:" follows what is typed
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(invoice->unitPrice));
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(invoice->product)); // on to the next line
    EXPECT_EQ(invoice->product->currentText(), QString());
    EXPECT_EQ(invoice->amount->text(), QString());

    // F5 validates the next one.
    QTest::keyClicks(invoice->product->lineEdit(), u"CIMENT BLANC"_s);
    invoice->quantity->setText(u"100"_s);
    invoice->unitPrice->setText(u"25"_s);
    press(Qt::Key_F5);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(hasFocus(invoice->product));
    EXPECT_EQ(invoiceLines(), Rows({{u"1"_s, u"2"_s, u"SAC"_s, u"1000"_s, u"98000"_s, u"980000"_s},
                                    {u"2"_s, u"2"_s, u"KG"_s, u"10000"_s, u"2500"_s, u"250000"_s}}));
    ASSERT_EQ(invoice->lines->topLevelItemCount(), 2);
    EXPECT_EQ(invoice->lines->topLevelItem(1)->text(5), u"2 500.00"_s);
    // HT 12 300.00, VAT 19 %, cash stamp 1 % of HT + VAT.
    EXPECT_EQ(invoice->totalHt->text(), u"12 300.00  "_s);
    EXPECT_EQ(invoice->vat->text(), u"2 337.00  "_s);
    EXPECT_EQ(invoice->stamp->text(), u"146.37  "_s);
    EXPECT_EQ(invoice->totalTtc->text(), u"14 783.37  "_s);

    // Return in the rate edit: the typed rate computes the totals and becomes the rate of both tabs.
    focus(invoice->vatRate);
    invoice->vatRate->selectAll();
    QTest::keyClicks(invoice->vatRate, u"10"_s);
    press(Qt::Key_Return);
    EXPECT_EQ(invoice->vatLabel->text(), u"TVA (10%) :"_s);
    EXPECT_EQ(invoice->vat->text(), u"1 230.00  "_s);
    EXPECT_EQ(env.state.currentVatRate, u"10"_s);

    // A cheque has no stamp; F12 stores the totals shown.
    QTest::mouseClick(invoice->chequeOption, Qt::LeftButton);
    EXPECT_EQ(invoice->paymentMode->text(), u"Chèque n°"_s);
    EXPECT_EQ(invoice->stamp->text(), u"0.00  "_s);
    press(Qt::Key_F12);
    EXPECT_EQ(rows(DB_FACV, u"select ht,taux,tva,timbre,ttc,modep from facv where CodeProd=9999"_s),
              Rows({{u"1230000"_s, u"10"_s, u"123000"_s, u"0"_s, u"1353000"_s, u"Chèque n°"_s}}));

    // A line clicked in the list comes back into the line fields; Alt+Delete deletes it.
    clickRow(invoice->lines, 1);
    EXPECT_EQ(invoice->product->currentText(), u"CIMENT BLANC"_s);
    EXPECT_EQ(invoice->quantity->text(), u"100.00"_s);
    EXPECT_EQ(invoice->unitPrice->text(), u"25.00"_s);
    press(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(invoiceLines(), Rows({{u"1"_s, u"2"_s, u"SAC"_s, u"1000"_s, u"98000"_s, u"980000"_s}}));
    EXPECT_EQ(invoice->lines->topLevelItemCount(), 1);
    EXPECT_EQ(invoice->totalHt->text(), u"9 800.00  "_s);
    EXPECT_TRUE(dialogs.shown.empty());

    // F3 cancels the invoice once confirmed; F6 then proposes its number again.
    dialogs.answers.push_back(Dialogs::Answer::Yes);
    press(Qt::Key_F3);
    EXPECT_EQ(shown(), std::vector<ShownBox>({{u"yesno"_s, u"Confirmation"_s, u"Etes-vous sûr de vouloir annuler cette facture?"_s}}));
    EXPECT_TRUE(rows(DB_FACV, u"select * from facv"_s).empty());
    EXPECT_EQ(invoice->lines->topLevelItemCount(), 0);
    EXPECT_EQ(invoice->client->currentText(), QString());
    EXPECT_EQ(invoice->totalHt->text(), QString());
    invoice->number->clear();
    press(Qt::Key_F6);
    EXPECT_EQ(invoice->number->text(), u"1"_s);
    EXPECT_EQ(invoice->vatRate->text(), u"10"_s);
}

TEST_F(SalesDocumentTabsTest, TypingInTheProformaFillsThePickListAndAClickTakesTheEntry)
{
    addClientSupplier(3, u"BATIMENTS DU SUD"_s, 0, u"C"_s);
    addClientSupplier(4, u"Batisseurs reunis"_s, 0, u"C"_s); // stored in small letters: never offered
    addClientSupplier(5, u"BATIMAT IMPORT"_s, 0, u"F"_s);    // a supplier: never offered
    addClientSupplier(6, u"BATICOM"_s, 0, u"X"_s);           // client and supplier
    addClientSupplier(7, u"ALPHA BAT"_s, 0, u"C"_s);
    open(StockWindow::TAB_RECEPTION);
    selectTab(StockWindow::TAB_PROFORMA);
    ProformaTab* proforma = window.proformaTab();
    EXPECT_EQ(proforma->number->text(), u"1"_s);

    focus(proforma->client);
    QTest::keyClicks(proforma->client, u"bat"_s);
    EXPECT_EQ(proforma->client->text(), u"BAT"_s);
    EXPECT_EQ(entries(proforma->pickList), QStringList({u"BATICOM"_s, u"BATIMENTS DU SUD"_s, u"BATIR PLUS"_s}));
    QTest::keyClicks(proforma->client, u"ir"_s);
    EXPECT_EQ(entries(proforma->pickList), QStringList({u"BATIR PLUS"_s}));

    clickEntry(proforma->pickList, u"BATIR PLUS"_s);
    EXPECT_EQ(proforma->client->text(), u"BATIR PLUS"_s);
    EXPECT_EQ(proforma->address->text(), u"x"_s);
    EXPECT_EQ(proforma->rc->text(), u"x"_s);
    EXPECT_TRUE(hasFocus(proforma->designation)); // the address is known

    QTest::keyClicks(proforma->designation, u"ciment"_s);
    EXPECT_EQ(entries(proforma->pickList), QStringList({u"CIMENT 50KG"_s, u"CIMENT BLANC"_s}));
    clickEntry(proforma->pickList, u"CIMENT BLANC"_s);
    EXPECT_EQ(proforma->designation->text(), u"CIMENT BLANC"_s);
    EXPECT_EQ(proforma->unitPrice->text(), u"25.00"_s);
    EXPECT_TRUE(hasFocus(proforma->quantity));
    // Showing the chosen entry is no typing: the list stays as it was.
    EXPECT_EQ(entries(proforma->pickList), QStringList({u"CIMENT 50KG"_s, u"CIMENT BLANC"_s}));

    QTest::keyClicks(proforma->quantity, u"4"_s);
    press(Qt::Key_F5);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_FACP, u"select CodeProd,CodeCF,Um,Qte,Pu,Mnt from facp where CodeProd<>9999"_s),
              Rows({{u"2"_s, u"2"_s, u"KG"_s, u"400"_s, u"2500"_s, u"10000"_s}}));
    EXPECT_TRUE(rows(DB_FACV, u"select * from facv"_s).empty());
    EXPECT_TRUE(hasFocus(proforma->designation));

    // Return on an entry of the list takes it as a click does.
    QTest::keyClicks(proforma->designation, u"ciment 5"_s);
    ASSERT_EQ(entries(proforma->pickList), QStringList({u"CIMENT 50KG"_s}));
    proforma->pickList->setCurrentRow(0);
    focus(proforma->pickList);
    press(Qt::Key_Return);
    EXPECT_EQ(proforma->designation->text(), u"CIMENT 50KG"_s);
    EXPECT_EQ(proforma->unitPrice->text(), u"980.00"_s);
    EXPECT_TRUE(hasFocus(proforma->quantity));
}

} // namespace
