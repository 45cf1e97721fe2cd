// The cash, bank and cash-payment journals: the balance at the start of the period, the
// movements that count in the till or in the account, their order and running balance.
#include "journals/treasury_journals.h"
#include "ledger_fixture.h"
#include "treasury/positions.h"

using namespace Qt::StringLiterals;

namespace {

class TreasuryJournalTest : public LedgerFixture {
protected:
    TreasuryJournalTest()
    {
        addClientSupplier(1, u"ETS BENALI"_s);
        addClientSupplier(2, u"SARL ATLAS"_s);
        setOpeningBalances(100000, 500000);
        form.from = u"01/03/2026"_s;
        form.to = u"31/03/2026"_s;
    }

    Rows cash()
    {
        showCashJournal(env, form);
        return form.list.rows;
    }
    Rows bank()
    {
        showBankJournal(env, form);
        return form.list.rows;
    }
    static QStringList row(const char* date, const char* label, const char* receipt, const char* expense, const char* balance)
    {
        return {QString::fromUtf8(date), QString::fromUtf8(label), QString::fromUtf8(receipt), QString::fromUtf8(expense),
                QString::fromUtf8(balance)};
    }

    TreasuryJournalForm form;
};

TEST_F(TreasuryJournalTest, CashJournalStartsFromTheBalanceBeforeThePeriodAndRunsThroughItsMovements)
{
    // Before the period: 1 000 opening + 200 delivery - 50 expense + 30 received = 1 180.
    addSummary(DB_BL, 1, u"28/02/2026"_s, 1, 30000, 0, 20000, u"ESPECE"_s);
    addCashOperation(1, u"27/02/2026"_s, 0, 5000, u"LOYER"_s);
    addPayment(u"fVerR"_s, 1, u"15/02/2026"_s, 1, 3000, u"ESPECE"_s);
    // The period: a delivery paid in cash on its first day, the same day a cash expense.
    addSummary(DB_BL, 2, u"01/03/2026"_s, 1, 50000, 1000, 40000, u"ESPECE"_s);
    addCashOperation(2, u"01/03/2026"_s, 0, 60000, u"ACHAT FOURNITURES"_s);
    addSummary(DB_BR, 1, u"05/03/2026"_s, 2, 90000, 0, 25000, u"ESPECE"_s);
    addPayment(u"fVerE"_s, 1, u"06/03/2026"_s, 2, 10000, u"ESPECE"_s);
    addPayment(u"fVerR"_s, 2, u"07/03/2026"_s, 1, 7000, u"ESPECE"_s);
    addCashOperation(3, u"31/03/2026"_s, 12000, 0, u"APPORT"_s);
    // Neither in the till: on credit, by cheque, cash paid nothing, or after the period.
    addSummary(DB_BL, 3, u"02/03/2026"_s, 1, 80000, 0, 80000, u"A TERME"_s);
    addSummary(DB_BL, 4, u"02/03/2026"_s, 1, 80000, 0, 80000, u"CHEQUE N° 12"_s);
    addSummary(DB_BL, 5, u"02/03/2026"_s, 1, 80000, 0, 0, u"ESPECE"_s);
    addPayment(u"fVerR"_s, 3, u"03/03/2026"_s, 1, 9000, u"ESPECES"_s);
    addCashOperation(4, u"01/04/2026"_s, 99900, 0, u"PLUS TARD"_s);

    EXPECT_EQ(cash(), (Rows{row("", "ANCIEN SOLDE...", "", "", "1 180.00"),
                            row("01/03/2026", "ACHAT FOURNITURES  N° de caisse : 2", "0.00", "600.00", "580.00"),
                            row("01/03/2026", "REGT ESPECE LIVRAISON N° 2", "400.00", "0.00", "980.00"),
                            row("05/03/2026", "REGT ESPECE RECEPTION N° 1", "0.00", "250.00", "730.00"),
                            row("06/03/2026", "Versement émis N°: 1 - SARL ATLAS", "0.00", "100.00", "630.00"),
                            row("07/03/2026", "Versement reçu N°: 2 - ETS BENALI", "70.00", "0.00", "700.00"),
                            row("31/03/2026", "APPORT  N° de caisse : 3", "120.00", "0.00", "820.00")}));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(form.list.toneOf(6).backgroundOf(TJ_BALANCE), 0xB2CBF1);
    EXPECT_EQ(form.list.toneOf(6).backgroundOf(TJ_LABEL), -1);
    EXPECT_EQ(form.list.toneOf(5), RowTone{});
    EXPECT_EQ(form.list.alignmentOf(TJ_LABEL), ALIGN_CENTRE);
    EXPECT_EQ(form.list.alignmentOf(TJ_BALANCE), ALIGN_RIGHT);

    // From the day after the delivery of the first day: it is in the opening balance only.
    form.from = u"02/03/2026"_s;
    EXPECT_EQ(cash().front(), row("", "ANCIEN SOLDE...", "", "", "980.00"));
    EXPECT_EQ(cash().size(), 5u);
}

TEST_F(TreasuryJournalTest, APeriodBeforeAnyMovementShowsTheOpeningBalanceAlone)
{
    addCashOperation(1, u"10/04/2026"_s, 5000, 0, u"VENTE"_s);
    EXPECT_EQ(cash(), Rows{row("", "ANCIEN SOLDE...", "", "", "1 000.00")});
    EXPECT_EQ(form.list.toneOf(0).backgroundOf(TJ_BALANCE), 0xB2CBF1);
    EXPECT_EQ(bank(), Rows{row("", "ANCIEN SOLDE...", "", "", "5 000.00")});

    exec(DB_SITRES, u"delete from fSitres"_s); // no opening balances yet
    EXPECT_EQ(cash(), Rows{row("", "ANCIEN SOLDE...", "", "", "0.00")});
}

TEST_F(TreasuryJournalTest, BankJournalCountsEveryModeButCashAndCreditAnEmptyModeAlike)
{
    addSummary(DB_BL, 1, u"27/02/2026"_s, 1, 30000, 0, 10000, QString()); // before: empty mode
    addBankOperation(1, u"28/02/2026"_s, 0, 2000, u"FRAIS"_s);
    addSummary(DB_BL, 2, u"03/03/2026"_s, 1, 50000, 0, 50000, u"CHEQUE N° 44"_s);
    addSummary(DB_BR, 1, u"03/03/2026"_s, 2, 70000, 0, 30000, u"VIREMENT N° 9"_s);
    addSummary(DB_BL, 3, u"04/03/2026"_s, 1, 20000, 0, 20000, QString()); // during: empty mode
    addBankOperation(2, u"04/03/2026"_s, 15000, 0, u"REMISE CHEQUES"_s);
    addPayment(u"fVerR"_s, 1, u"05/03/2026"_s, 1, 8000, u"ESPECES"_s);
    addPayment(u"fVerE"_s, 1, u"06/03/2026"_s, 2, 4000, u"CHEQUE N° 45"_s);
    // Not in the bank.
    addSummary(DB_BL, 4, u"03/03/2026"_s, 1, 50000, 0, 50000, u"ESPECE"_s);
    addSummary(DB_BL, 5, u"03/03/2026"_s, 1, 50000, 0, 50000, u"A TERME"_s);
    addPayment(u"fVerR"_s, 2, u"05/03/2026"_s, 1, 8000, u"ESPECE"_s);

    // 5 000 + 100 - 20 before the period.
    EXPECT_EQ(bank(), (Rows{row("", "ANCIEN SOLDE...", "", "", "5 080.00"),
                            row("03/03/2026", "CHEQUE N° 44 - REGT LIVRAISON N° 2", "500.00", "0.00", "5 580.00"),
                            row("03/03/2026", "VIREMENT N° 9 - REGT RECEPTION N° 1", "0.00", "300.00", "5 280.00"),
                            row("04/03/2026", "REGT LIVRAISON N° 3", "200.00", "0.00", "5 480.00"),
                            row("04/03/2026", "REMISE CHEQUES  N°Op. bank:2", "150.00", "0.00", "5 630.00"),
                            row("05/03/2026", "Versement N°: 1 - ESPECES - ETS BENALI", "80.00", "0.00", "5 710.00"),
                            row("06/03/2026", "Versement N°: 1 - CHEQUE N° 45 - SARL ATLAS", "0.00", "40.00", "5 670.00")}));
    EXPECT_TRUE(shown().empty());
}

// Whatever the modes typed, a journal run to its last movement ends on the position the
// treasury window shows; the fields under the list show that position of all dates.
TEST_F(TreasuryJournalTest, EachJournalEndsOnItsPositionAndShowsThePositionOfAllDates)
{
    int number = 0;
    for (const QString& mode : {u"ESPECE"_s, u"ESPECES"_s, QString(), u"CHEQUE N° 7"_s, u"A TERME"_s, u"VIREMENT"_s}) {
        ++number;
        const QString date = u"%1/02/2026"_s.arg(number, 2, 10, QLatin1Char('0'));
        addSummary(DB_BL, number, date, 1, 100000 * number, 500, 30000 * number, mode);
        addSummary(DB_BR, number, date, 2, 70000 * number, 0, 20000 * number, mode);
        addSummary(DB_BL, 100 + number, date, 1, 50000, 0, 0, mode); // nothing paid
        addPayment(u"fVerR"_s, number, date, 1, 1100 * number, mode);
        addPayment(u"fVerE"_s, number, date, 2, 700 * number, mode);
    }
    addCashOperation(1, u"03/01/2026"_s, 25000, 0, u"APPORT"_s);
    addCashOperation(2, u"20/03/2026"_s, 0, 4000, u"TIMBRES"_s);
    addBankOperation(1, u"05/01/2026"_s, 0, 1500, u"AGIOS"_s);
    addBankOperation(2, u"21/03/2026"_s, 80000, 0, u"PRET"_s);

    form.from = u"01/01/2014"_s;
    form.to = u"31/12/2099"_s;
    const TreasuryPosition cashPosition = computeCashBalance(env);
    ASSERT_TRUE(cashPosition.ok);
    EXPECT_EQ(cash().back()[TJ_BALANCE], formatAmount(cashPosition.balance));
    EXPECT_EQ(form.finalBalance, formatAmount(cashPosition.balance));
    const TreasuryPosition bankPosition = computeBankBalance(env);
    ASSERT_TRUE(bankPosition.ok);
    EXPECT_EQ(bank().back()[TJ_BALANCE], formatAmount(bankPosition.balance));
    EXPECT_EQ(form.openingBalance, u"5 000.00"_s);
    EXPECT_EQ(form.totalReceipts, formatAmount(bankPosition.receipts));
    EXPECT_EQ(form.totalExpenses, formatAmount(bankPosition.expenses));

    // A shorter period ends elsewhere; the fields still show the position of all dates.
    form.from = form.to = u"03/02/2026"_s;
    EXPECT_NE(bank().back()[TJ_BALANCE], formatAmount(bankPosition.balance));
    EXPECT_EQ(form.finalBalance, formatAmount(bankPosition.balance));
    EXPECT_TRUE(shown().empty());
}

TEST_F(TreasuryJournalTest, ABadPeriodListsNothing)
{
    form.list.append({u"old"_s});
    form.from = u"01/04/2026"_s;
    EXPECT_TRUE(cash().empty());
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Dates incorrectes ! ")});
    form.to = u"32/04/2026"_s;
    EXPECT_TRUE(bank().empty());
    EXPECT_EQ(shown(), std::vector<ShownBox>{error("Date fin incorrecte ! ")});
}

TEST_F(TreasuryJournalTest, CashPaymentJournalListsDocumentsAndPaymentsInCashWithTheirTotals)
{
    CashPaymentJournalForm payments;
    payments.from = u"01/03/2026"_s;
    payments.to = u"31/03/2026"_s;
    showCashPaymentJournal(env, payments);
    EXPECT_EQ(payments.list.rows, Rows{row("", " T O T A L ...", "0.00", "0.00", "0.00")});

    addSummary(DB_BL, 12, u"02/03/2026"_s, 1, 50000, 1000, 40000, u"ESPECE"_s);
    addSummary(DB_BL, 9, u"02/03/2026"_s, 1, 20000, 0, 20000, u"ESPECE"_s);
    addSummary(DB_BR, 3, u"01/03/2026"_s, 2, 90000, 0, 25000, u"ESPECE"_s);
    addPayment(u"fVerR"_s, 10, u"02/03/2026"_s, 1, 7000, u"ESPECE"_s);
    addPayment(u"fVerE"_s, 2, u"02/03/2026"_s, 2, 3000, u"ESPECE"_s);
    addSummary(DB_BL, 13, u"02/03/2026"_s, 1, 50000, 0, 50000, u"A TERME"_s);
    addPayment(u"fVerR"_s, 11, u"02/03/2026"_s, 1, 7000, u"CHEQUE"_s);
    addSummary(DB_BL, 14, u"01/04/2026"_s, 1, 50000, 0, 50000, u"ESPECE"_s);
    showCashPaymentJournal(env, payments);
    EXPECT_EQ(payments.list.rows, (Rows{row("01/03/2026", "BRN°3 (SARL ATLAS )", "900.00", "0.00", "250.00"),
                                        row("02/03/2026", "BLN°9 (ETS BENALI )", "200.00", "200.00", "0.00"),
                                        row("02/03/2026", "BLN°12 (ETS BENALI )", "490.00", "400.00", "0.00"),
                                        row("02/03/2026", "RVN°2 (SARL ATLAS )", "0.00", "0.00", "30.00"),
                                        row("02/03/2026", "RVN°10 (ETS BENALI )", "0.00", "70.00", "0.00"),
                                        row("", " T O T A L ...", "1 590.00", "670.00", "280.00")}));
    const RowTone total = payments.list.toneOf(5);
    EXPECT_EQ(total.backgroundOf(CP_DATE), -1);
    EXPECT_EQ(total.backgroundOf(CP_LABEL), 0xB2CBF1);
    EXPECT_EQ(total.backgroundOf(CP_PAID_OUT), 0xB2CBF1);
    EXPECT_EQ(payments.list.alignmentOf(CP_LABEL), ALIGN_LEFT);
    EXPECT_TRUE(shown().empty());
}

} // namespace
