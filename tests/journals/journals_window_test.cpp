// The journals window's dispatch: opening on a tab prepares it, F8 and F2 reach the journal of
// the current tab (and only those keys), Return walks the period and filters, the buttons, FERMER.
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "journals/journal_tabs.h"
#include "journals/journals_window.h"
#include "ledger_fixture.h"
#include "recording_canvas.h"
#include "widgets/list_table.h"

using namespace Qt::StringLiterals;

namespace {

class JournalsWindowTest : public LedgerFixture {
protected:
    JournalsWindowTest()
    {
        clock.day = QDate(2026, 3, 14);
        addProduct(1, u"LIANTS"_s, u"CIMENT 50KG"_s);
        addClientSupplier(1, u"SARL ATLAS"_s);
        addClientSupplier(2, u"ETS BENALI"_s);
        exec(DB_FAM, u"insert into ffam (fam) values ('LIANTS'), ('BRIQUES')"_s);
        addLine(DB_BR, 1, u"02/03/2026"_s, 1, 1, 1000, 85000, 850000);
        addLine(DB_BL, 1, u"03/03/2026"_s, 2, 1, 200, 95000, 190000);
        addSummary(DB_BL, 1, u"03/03/2026"_s, 2, 190000, 0, 100000, u"ESPECE"_s);
        addLine(DB_FACV, 1, u"04/03/2026"_s, 2, 1, 100, 95000, 95000);
        addCashOperation(1, u"05/03/2026"_s, 0, 20000, u"LOYER"_s);
        addBankOperation(1, u"06/03/2026"_s, 300000, 0, u"VIREMENT RECU"_s);
        setOpeningBalances(50000, 0);
        window.setPrinterChoice(&printers);
    }
    void open(int tab)
    {
        window.showOnTab(tab);
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void press(int key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    }
    JournalTab* tab(int index) const { return static_cast<JournalTab*>(window.tabs()->widget(index)); }
    bool hasFocus(QWidget* widget) const
    {
        QWidget* focused = QApplication::focusWidget();
        return focused && (focused == widget || widget->isAncestorOf(focused));
    }

    RecordingPrinterChoice printers;
    JournalsWindow window{env};
};

TEST_F(JournalsWindowTest, OnlyF2AndF8ActAndOnEveryJournal)
{
    for (int index = 0; index < JournalsWindow::TAB_COUNT; ++index) {
        EXPECT_TRUE(window.handlesKey(index, EV_F2)) << index;
        EXPECT_TRUE(window.handlesKey(index, EV_F8)) << index;
        for (int event : {EV_F1, EV_F3, EV_F4, EV_F5, EV_F6, EV_F12, EV_ALT_DELETE, EV_ESCAPE})
            EXPECT_FALSE(window.handlesKey(index, event)) << index << " " << event;
    }
}

TEST_F(JournalsWindowTest, EachTabOpensOnTheMonthSoFarWithItsListsAndTheFocusOnItsPeriod)
{
    for (int index = 0; index < JournalsWindow::TAB_COUNT; ++index) {
        JournalsWindow fresh(env);
        fresh.showOnTab(index);
        fresh.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fresh));
        auto* shownTab = static_cast<JournalTab*>(fresh.tabs()->currentWidget());
        EXPECT_EQ(datePickerText(shownTab->from), u"01/03/2026"_s) << index;
        EXPECT_EQ(datePickerText(shownTab->to), u"14/03/2026"_s) << index;
        EXPECT_EQ(QApplication::focusWidget(), shownTab->from) << index;
        EXPECT_TRUE(shownTab->list->rows().isEmpty()) << index;
    }
    open(JournalsWindow::TAB_DELIVERIES);
    DocumentJournalTab* deliveries = window.documentTab(DocumentJournal::Deliveries);
    ASSERT_EQ(deliveries->name->count(), 1);
    EXPECT_EQ(deliveries->name->itemText(0), u"ETS BENALI"_s);
    EXPECT_EQ(deliveries->family->count(), 2);
    EXPECT_TRUE(deliveries->name->currentText().isEmpty());

    // The cash tab shows the position at once: 500 - 200 + 1 000 received with the delivery.
    window.tabs()->setCurrentIndex(JournalsWindow::TAB_CASH);
    EXPECT_EQ(window.cashTab()->openingBalance->text(), u"500.00"_s);
    EXPECT_EQ(window.cashTab()->finalBalance->text(), u"1 300.00"_s);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(JournalsWindowTest, F8ShowsAndF2PrintsTheJournalOfTheCurrentTab)
{
    const struct {
        int tab;
        int rows;
        const char* title;
    } journals[] = {
        {JournalsWindow::TAB_RECEPTIONS, 2, "JOURNAL DES RECEPTIONS"},
        {JournalsWindow::TAB_DELIVERIES, 2, "JOURNAL DES LIVRAISONS"},
        {JournalsWindow::TAB_INVOICES, 2, "JOURNAL DES FACTURES"},
        {JournalsWindow::TAB_CASH, 3, "JOURNAL DE CAISSE"},
        {JournalsWindow::TAB_BANK, 2, "JOURNAL DE BANQUE"},
        {JournalsWindow::TAB_CASH_PAYMENTS, 2, "JOURNAL DES VERSEMENTS ESPECE"},
    };
    open(JournalsWindow::TAB_RECEPTIONS);
    for (const auto& journal : journals) {
        window.tabs()->setCurrentIndex(journal.tab);
        press(Qt::Key_F8);
        EXPECT_EQ(tab(journal.tab)->list->rows().size(), journal.rows) << journal.title;
        EXPECT_EQ(tab(journal.tab)->progress->value(), tab(journal.tab)->progress->maximum()) << journal.title;
        press(Qt::Key_F2);
        ASSERT_FALSE(printers.jobs.empty());
        EXPECT_TRUE(printers.last().hasText(QString::fromUtf8(journal.title))) << journal.title;
    }
    EXPECT_EQ(printers.jobs.size(), 6u);
    EXPECT_EQ(window.cashTab()->list->rows().rows.back()[TJ_BALANCE], u"1 300.00"_s);
    // Each key acted on its own tab only.
    EXPECT_EQ(tab(JournalsWindow::TAB_RECEPTIONS)->list->rows().rows[0][DJ_DESIGNATION], u"CIMENT 50KG"_s);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(JournalsWindowTest, ReturnWalksThePeriodAndTheFiltersAndShowsTheJournalOnTheLast)
{
    open(JournalsWindow::TAB_RECEPTIONS);
    DocumentJournalTab* receptions = window.documentTab(DocumentJournal::Receptions);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(receptions->to));
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(receptions->name));
    QTest::keyClicks(receptions->name->lineEdit(), u"sarl atlas"_s);
    EXPECT_EQ(receptions->name->currentText(), u"SARL ATLAS"_s);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(receptions->family));
    EXPECT_TRUE(receptions->list->rows().isEmpty());
    press(Qt::Key_Return);
    ASSERT_EQ(receptions->list->rows().size(), 2);
    EXPECT_EQ(receptions->list->rows().rows[0][DJ_NAME], u"SARL ATLAS"_s);

    // A period whose end comes first says so.
    receptions->to->setDate(QDate(2026, 2, 1));
    press(Qt::Key_Return);
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Dates incorrectes ! ")});
    EXPECT_TRUE(receptions->list->rows().isEmpty());

    // On the bank tab Return goes from the start to the end of the period, then shows it.
    window.tabs()->setCurrentIndex(JournalsWindow::TAB_BANK);
    press(Qt::Key_Return);
    EXPECT_TRUE(hasFocus(window.bankTab()->to));
    press(Qt::Key_Return);
    EXPECT_EQ(window.bankTab()->list->rows().size(), 2);
}

TEST_F(JournalsWindowTest, ButtonsDoWhatTheirKeysDoAndFermerCloses)
{
    open(JournalsWindow::TAB_INVOICES);
    DocumentJournalTab* invoices = window.documentTab(DocumentJournal::Invoices);
    invoices->printButton->click();
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Il n'y a rien à imprimer ! ")});
    invoices->showButton->click();
    EXPECT_EQ(invoices->list->rows().size(), 2);
    invoices->printButton->click();
    EXPECT_EQ(printers.jobs.size(), 1u);

    window.tabs()->setCurrentIndex(JournalsWindow::TAB_COUNT);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
