// The stock window's dispatch: which keys act on which tab, the Return chain of the reception
// tab, the initialisation of a selected tab, F2 on each document tab, and closing.
#include <functional>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/invoice_tab.h"
#include "stock/proforma_tab.h"
#include "stock/regularisation_tab.h"
#include "stock/note_tab.h"
#include "stock/purchase_order_tab.h"
#include "stock/stock_window.h"
#include "stock_window_fixture.h"
#include "widgets/functional_window.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(StockWindowTest, EachTabHasItsKeysAndOnlyThose)
{
    const int documentTabs[] = {StockWindow::TAB_RECEPTION, StockWindow::TAB_DELIVERY, StockWindow::TAB_INVOICE,
                                StockWindow::TAB_PROFORMA, StockWindow::TAB_REGULARISATION, StockWindow::TAB_PURCHASE_ORDER};
    for (int tab : documentTabs) EXPECT_FALSE(window.handlesKey(tab, EV_F8)) << tab;
    for (int tab : {StockWindow::TAB_JOURNAL_PURCHASE_COST, StockWindow::TAB_JOURNAL_SALE_PRICE, StockWindow::TAB_STOCK_CARD})
        for (int event : {EV_F3, EV_F5, EV_F6, EV_F12, EV_ALT_DELETE}) EXPECT_FALSE(window.handlesKey(tab, event)) << tab << " " << event;
    // F2 prints on the four document tabs whose forms exist, the proforma's included.
    for (int tab : {StockWindow::TAB_RECEPTION, StockWindow::TAB_DELIVERY, StockWindow::TAB_INVOICE, StockWindow::TAB_PROFORMA})
        for (int event : {EV_F2, EV_F3, EV_F5, EV_F6, EV_F12, EV_ALT_DELETE})
            EXPECT_TRUE(window.handlesKey(tab, event)) << tab << " " << event;
    EXPECT_FALSE(window.handlesKey(StockWindow::TAB_REGULARISATION, EV_F2));
    for (int tab = 0; tab < StockWindow::TAB_COUNT; ++tab)
        for (int event : {EV_F1, EV_F4, EV_ESCAPE}) EXPECT_FALSE(window.handlesKey(tab, event));
}

TEST_F(StockWindowTest, FunctionKeysReachTheOperationsOfTheCurrentTab)
{
    open(StockWindow::TAB_RECEPTION);
    focus(reception->number);
    press(Qt::Key_F6);
    EXPECT_EQ(reception->number->text(), u"1"_s);
    EXPECT_EQ(reception->paymentMode->text(), u"A TERME"_s);
    EXPECT_TRUE(reception->creditOption->isChecked());

    // F8 is nothing on a document tab.
    reception->number->setText(u"7"_s);
    press(Qt::Key_F8);
    EXPECT_EQ(reception->number->text(), u"7"_s);
    EXPECT_TRUE(dialogs.shown.empty());

    press(Qt::Key_Delete, Qt::AltModifier);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Sélectionnez la ligne à supprimer !")});
    press(Qt::Key_F5);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Prix unitaire incorrect !")});

    // The same keys on the delivery tab act on the delivery.
    selectTab(StockWindow::TAB_DELIVERY);
    focus(window.deliveryTab()->quantity);
    press(Qt::Key_F5);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Prix unitaire incorrect !")});
    EXPECT_EQ(reception->number->text(), u"7"_s);
}

TEST_F(StockWindowTest, ReturnWalksTheReceptionLineFromSupplierToValidation)
{
    open(StockWindow::TAB_RECEPTION);
    press(Qt::Key_F6);
    focus(reception->partner);
    QTest::keyClicks(reception->partner->lineEdit(), u"sarl atlas"_s);
    EXPECT_EQ(reception->partner->currentText(), u"SARL ATLAS"_s); // typed in capitals
    EXPECT_EQ(reception->oldBalance->text(), u"-1 000.00"_s);       // shown as soon as the name is there
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(reception->product));
    EXPECT_EQ(reception->newBalance->text(), u"-1 000.00"_s); // the totals were computed

    QTest::keyClicks(reception->product->lineEdit(), u"CIMENT 50KG"_s);
    EXPECT_EQ(reception->unit->text(), u"SAC"_s);
    EXPECT_EQ(reception->unitPrice->text(), u"850.00"_s);
    EXPECT_EQ(reception->stock->text(), u"10"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(reception->quantity));
    QTest::keyClicks(reception->quantity, u"4"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(reception->unitPrice));
    EXPECT_EQ(reception->amount->text(), u"3 400.00"_s); // shown as the line is typed
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(reception->product)); // validated; ready for the next line

    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_BR, u"select frais,CodeProd,Um,Qte,Pu from fBr order by frais"_s),
              Rows({{u"1"_s, u"1"_s, u"SAC"_s, u"400"_s, u"85000"_s}, {u"99"_s, u"9999"_s, u""_s, u""_s, u""_s}}));
    ASSERT_EQ(reception->lines->topLevelItemCount(), 1);
    EXPECT_EQ(reception->lines->topLevelItem(0)->text(5), u"3 400.00"_s);
    EXPECT_EQ(reception->lineCount->text(), u"1"_s);
    EXPECT_EQ(reception->product->currentText(), QString());
    EXPECT_EQ(reception->newBalance->text(), u"-4 400.00"_s);
}

TEST_F(StockWindowTest, TheLineListThePaymentOptionsAndTheSaveButtonReachTheirOperations)
{
    open(StockWindow::TAB_RECEPTION);
    press(Qt::Key_F6);
    reception->partner->setEditText(u"SARL ATLAS"_s);
    reception->product->setEditText(u"CIMENT 50KG"_s);
    reception->quantity->setText(u"2"_s);
    QTest::mouseClick(reception->validateButton, Qt::LeftButton);
    ASSERT_EQ(reception->lines->topLevelItemCount(), 1);

    reception->lines->setCurrentItem(reception->lines->topLevelItem(0));
    EXPECT_EQ(reception->lineNumber->text(), u"1"_s);
    EXPECT_EQ(reception->quantity->text(), u"2.00"_s);
    EXPECT_EQ(reception->product->currentText(), u"CIMENT 50KG"_s);

    QTest::mouseClick(reception->cashOption, Qt::LeftButton);
    EXPECT_EQ(reception->paymentMode->text(), u"ESPECE"_s);
    EXPECT_EQ(reception->payment->text(), u"1 700.00"_s);
    QTest::mouseClick(reception->saveButton, Qt::LeftButton);
    EXPECT_EQ(rows(DB_BR, u"select modep,ver from fBr where codeprod=9999"_s), Rows({{u"ESPECE"_s, u"170000"_s}}));

    QTest::mouseClick(reception->initialiseButton, Qt::LeftButton);
    EXPECT_EQ(reception->lineNumber->text(), QString());
    EXPECT_EQ(reception->quantity->text(), QString());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(StockWindowTest, ReturnOnTheOtherTabsFollowsTheirEntryOrder)
{
    open(StockWindow::TAB_REGULARISATION);
    RegularisationTab* brs = window.regularisationTab();
    // An entry of 0.50 has no whole unit: it counts as no entry, so the exit quantity comes next.
    for (const auto& [entered, next] : {std::pair{u"0.50"_s, brs->takenOut}, std::pair{u"2"_s, brs->reason}}) {
        focus(brs->entered);
        brs->entered->setText(entered);
        press(Qt::Key_Return);
        EXPECT_TRUE(hasFocus(next)) << qUtf8Printable(entered);
    }

    selectTab(StockWindow::TAB_PURCHASE_ORDER);
    PurchaseOrderTab* order = window.purchaseOrderTab();
    focus(order->supplier);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(order->product));
}

TEST_F(StockWindowTest, OpeningOnATabPreparesItAsSelectingItDoes)
{
    open(StockWindow::TAB_RECEPTION);
    EXPECT_EQ(reception->number->text(), u"1"_s);
    EXPECT_EQ(env.state.lastNewReceptionNumber, 1);
    EXPECT_EQ(reception->partner->itemText(0), u"SARL ATLAS"_s);
    EXPECT_EQ(reception->product->itemText(0), u"CIMENT 50KG"_s);
    EXPECT_EQ(reception->paymentMode->text(), u"A TERME"_s);
    EXPECT_TRUE(reception->creditOption->isChecked());
    EXPECT_TRUE(hasFocus(reception->partner));

    selectTab(StockWindow::TAB_DELIVERY);
    EXPECT_EQ(env.state.stockTabIndex, StockWindow::TAB_DELIVERY);
    DeliveryTab* delivery = window.deliveryTab();
    EXPECT_EQ(delivery->number->text(), u"1"_s);
    EXPECT_EQ(env.state.lastNewDeliveryNumber, 1);
    EXPECT_EQ(delivery->partner->count(), 1); // clients only
    EXPECT_EQ(delivery->partner->itemText(0), u"BATIR PLUS"_s);
    EXPECT_EQ(delivery->partner->currentText(), QString());
    EXPECT_TRUE(hasFocus(delivery->partner));

    selectTab(StockWindow::TAB_INVOICE);
    EXPECT_EQ(window.invoiceTab()->product->count(), 1);
    EXPECT_TRUE(hasFocus(window.invoiceTab()->client));

    selectTab(StockWindow::TAB_RECEPTION);
    EXPECT_EQ(reception->number->text(), u"1"_s);
    EXPECT_EQ(env.state.stockTabIndex, StockWindow::TAB_RECEPTION);
}

// A reception typed with the keyboard alone right after the window opened from the menu: the
// document takes the default payment mode and is not recorded as paid.
TEST_F(StockWindowTest, AReceptionTypedRightAfterOpeningRecordsNoPaymentNobodyTyped)
{
    open(StockWindow::TAB_RECEPTION);
    QTest::keyClicks(reception->partner->lineEdit(), u"sarl atlas"_s);
    press(Qt::Key_Return);
    QTest::keyClicks(reception->product->lineEdit(), u"CIMENT 50KG"_s);
    press(Qt::Key_Return);
    QTest::keyClicks(reception->quantity, u"3"_s);
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_BR, u"select Numdoc,modep,ver,ht from fBr where codeprod=9999"_s),
              Rows({{u"1"_s, u"A TERME"_s, u"0"_s, u"255000"_s}}));
    EXPECT_EQ(reception->payment->text(), u"0.00"_s);
}

// Changing the product of a line in the product box replaces what the previous product had
// shown; a designation that is no product leaves none of it, so Return never sells at it.
TEST_F(StockWindowTest, AnotherProductInTheBoxReplacesThePreviousProductsPriceAndStock)
{
    addProduct(2, u"PEINTURE"_s, u"VERNIS 1L"_s, u"U"_s, 500, 5000, 7500);
    open(StockWindow::TAB_DELIVERY);
    DeliveryTab* delivery = window.deliveryTab();
    // Picked from the boxes' lists (typing opens their lists of matches, which the offscreen
    // platform does not give the focus back from).
    delivery->partner->setEditText(u"BATIR PLUS"_s);
    press(Qt::Key_Return);
    delivery->product->setEditText(u"CIMENT 50KG"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(delivery->quantity));
    EXPECT_EQ(delivery->unitPrice->text(), u"980.00"_s);
    EXPECT_EQ(delivery->stock->text(), u"10"_s);

    delivery->product->setEditText(u"CIMENT"_s); // no such product
    for (QLineEdit* field : {delivery->unitPrice, delivery->family, delivery->salePrice}) EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(delivery->stock->text(), QString());
    EXPECT_EQ(delivery->purchasePrice->text(), QString());

    delivery->product->setEditText(u"VERNIS 1L"_s);
    focus(delivery->product);
    press(Qt::Key_Return);
    EXPECT_EQ(delivery->unitPrice->text(), u"75.00"_s);
    EXPECT_EQ(delivery->stock->text(), u"5"_s);
    EXPECT_TRUE(hasFocus(delivery->quantity));
    QTest::keyClicks(delivery->quantity, u"2"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(delivery->unitPrice));
    press(Qt::Key_Return);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(rows(DB_BL, u"select CodeProd,Qte,Pu,Mnt from fBL where codeprod<>9999"_s),
              Rows({{u"2"_s, u"200"_s, u"7500"_s, u"15000"_s}}));
}

// F2 prints what is stored: a payment chosen on screen is saved first. Leaving a document with
// such a change (another tab, closing the window) asks whether to save it.
TEST_F(StockWindowTest, APaymentChangedOnScreenIsSavedBeforePrintingOrOfferedWhenLeaving)
{
    open(StockWindow::TAB_RECEPTION);
    reception->partner->setEditText(u"SARL ATLAS"_s);
    press(Qt::Key_Return);
    reception->product->setEditText(u"CIMENT 50KG"_s);
    press(Qt::Key_Return);
    QTest::keyClicks(reception->quantity, u"2"_s);
    press(Qt::Key_Return);
    press(Qt::Key_Return);
    const QString summary = u"select modep,ver,remise from fBr where codeprod=9999"_s;
    ASSERT_EQ(rows(DB_BR, summary), Rows({{u"A TERME"_s, u"0"_s, u"0"_s}}));

    QTest::mouseClick(reception->cashOption, Qt::LeftButton);
    EXPECT_EQ(reception->payment->text(), u"1 700.00"_s);
    press(Qt::Key_F2);
    EXPECT_EQ(rows(DB_BR, summary), Rows({{u"ESPECE"_s, u"170000"_s, u"0"_s}}));
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_TRUE(printers.last().hasText(u"Versement:"_s)); // printed only for a payment
    EXPECT_TRUE(dialogs.shown.empty()); // nothing to ask: what is printed is stored

    // A discount typed, then another tab: the question, and Yes saves.
    reception->discount->setText(u"100"_s);
    dialogs.answers = {Dialogs::Answer::Yes};
    selectTab(StockWindow::TAB_DELIVERY);
    const ShownBox question{u"yesno"_s, u"Confirmation"_s, u"Enregistrer les modifications du document ?"_s};
    EXPECT_EQ(shown(), std::vector<ShownBox>{question});
    EXPECT_EQ(rows(DB_BR, summary), Rows({{u"ESPECE"_s, u"170000"_s, u"10000"_s}}));

    // Back on it, another change and the window closed: No leaves the stored summary alone.
    selectTab(StockWindow::TAB_RECEPTION);
    focus(reception->number);
    reception->number->setText(u"1"_s);
    press(Qt::Key_Return); // loads reception 1
    QTest::mouseClick(reception->creditOption, Qt::LeftButton);
    dialogs.answers = {Dialogs::Answer::No};
    window.close();
    EXPECT_EQ(shown(), std::vector<ShownBox>{question});
    EXPECT_EQ(rows(DB_BR, summary), Rows({{u"ESPECE"_s, u"170000"_s, u"10000"_s}}));
}

TEST_F(StockWindowTest, F2PrintsTheDocumentOfEachTabAndRefusesAnEmptyOne)
{
    InvoiceTab* invoice = window.invoiceTab();
    ProformaTab* proforma = window.proformaTab();
    DeliveryTab* delivery = window.deliveryTab();
    struct Case {
        int tab;
        QLineEdit* number;
        const char* emptyMessage; // F2 on a form whose number was emptied
        std::function<void()> typeLine;
        std::vector<QString> printed; // texts of the printed form
    };
    const auto noteLine = [](NoteTab* tab, const QString& partner) {
        return [tab, partner] {
            tab->partner->setEditText(partner);
            tab->product->setEditText(u"CIMENT 50KG"_s);
            tab->quantity->setText(u"2"_s);
            tab->unitPrice->setText(u"980"_s);
        };
    };
    const Case cases[] = {
        {StockWindow::TAB_RECEPTION, reception->number, "Il n'y a rien à imprimer ! ", noteLine(reception, u"SARL ATLAS"_s),
         {u"BON DE RECEPTION N° 1"_s, u"SARL ATLAS"_s, u"CIMENT 50KG"_s, u"SAC"_s}},
        {StockWindow::TAB_DELIVERY, delivery->number, "N° de BL incorrect !", noteLine(delivery, u"BATIR PLUS"_s),
         // The client's address and the product's code are read from the tables.
         {u"BON DE LIVRAISON N° 1"_s, u"BATIR PLUS x"_s, u"CIMENT 50KG"_s, u"MODE DE PAYEMENT:"_s}},
        {StockWindow::TAB_INVOICE, invoice->number, "N° de facture incorrect !",
         [&] {
             invoice->client->setEditText(u"BATIR PLUS"_s);
             invoice->product->setEditText(u"CIMENT 50KG"_s);
             invoice->quantity->setText(u"2"_s);
             invoice->unitPrice->setText(u"980"_s);
         },
         {u"FACTURE N° 1"_s, u"BATIR PLUS  -  x"_s, u"CIMENT 50KG"_s,
          u"Deux Mille Trois Cent Cinquante Cinq Dinars 72 Cts"_s}},
        {StockWindow::TAB_PROFORMA, proforma->number, "N° de facture incorrect !",
         [&] {
             proforma->client->setText(u"BATIR PLUS"_s);
             proforma->designation->setText(u"CIMENT 50KG"_s);
             proforma->quantity->setText(u"2"_s);
             proforma->unitPrice->setText(u"980"_s);
         },
         {u"FACTURE PROFORMA N° 1"_s, u"BATIR PLUS"_s, u"CIMENT 50KG"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        printers.jobs.clear();
        printers.asked = 0;
        open(c.tab);
        focus(c.number);
        press(Qt::Key_F2);
        EXPECT_EQ(shown(), std::vector<ShownBox>{error("Il n'y a rien à imprimer ! ")});
        c.number->clear();
        press(Qt::Key_F2);
        EXPECT_EQ(shown(), std::vector<ShownBox>{error(c.emptyMessage)});
        EXPECT_EQ(printers.asked, 0);

        press(Qt::Key_F6);
        c.typeLine();
        press(Qt::Key_F5);
        ASSERT_EQ(shown(), std::vector<ShownBox>{});
        press(Qt::Key_F2);
        EXPECT_TRUE(dialogs.shown.empty());
        ASSERT_EQ(printers.jobs.size(), 1u);
        for (const QString& text : c.printed) EXPECT_TRUE(printers.last().hasText(text)) << qUtf8Printable(text);

        // A cancelled print dialog prints nothing and says nothing.
        printers.cancel = true;
        press(Qt::Key_F2);
        printers.cancel = false;
        EXPECT_EQ(printers.asked, 2);
        EXPECT_EQ(printers.jobs.size(), 1u);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(StockWindowTest, TheFermerTabAndTheCloseButtonsCloseTheWindow)
{
    open(StockWindow::TAB_DELIVERY);
    selectTab(StockWindow::TAB_COUNT); // " FERMER"
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.tabs()->tabText(StockWindow::TAB_COUNT), u" FERMER"_s);

    open(StockWindow::TAB_RECEPTION);
    QTest::mouseClick(reception->closeButton, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
