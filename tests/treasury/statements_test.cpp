// A client-supplier's detailed and cumulative statements, and the global balance report.
#include "ledger_fixture.h"
#include "treasury/balances.h"
#include "treasury/statements.h"

using namespace Qt::StringLiterals;

namespace {

const QString INDENT(40, u' ');

class StatementTest : public LedgerFixture {
protected:
    StatementTest()
    {
        addProduct(1, u"LIANTS"_s, u"CIMENT 50KG"_s);
        addProduct(2, u"BRIQUES"_s, u"BRIQUE"_s);
        addClientSupplier(1, u"ETS BENALI"_s, 100000);
        addClientSupplier(2, u"SARL ATLAS"_s, -50000);
        form.name = u"ETS BENALI"_s;
        form.from = u"01/03/2026"_s;
        form.to = u"31/03/2026"_s;
    }
    // A delivery on 10/03 of two lines (850 + 250), a discount of 100 and 400 paid in cash.
    void addDelivery(int number, const QString& date)
    {
        addLine(DB_BL, number, date, 1, 2, 1000, 2500, 25000, u"ALI"_s);
        addLine(DB_BL, number, date, 1, 1, 100, 85000, 85000, u"ALI"_s);
        addSummary(DB_BL, number, date, 1, 110000, 10000, 40000, u"ESPECE"_s, u"ALI"_s);
    }
    Rows detailed()
    {
        buildDetailedStatement(env, form);
        return form.list.rows;
    }
    Rows cumulative()
    {
        buildCumulativeStatement(env, form);
        return form.list.rows;
    }
    static QStringList line(std::initializer_list<const char*> cells)
    {
        QStringList row;
        for (const char* cell : cells) row.append(QString::fromUtf8(cell));
        return row;
    }

    StatementForm form;
};

TEST_F(StatementTest, DetailedStatementRunsFromTheBalanceBeforeThePeriodThroughEveryLineDiscountAndPayment)
{
    addDelivery(4, u"28/02/2026"_s);         // before: 1 000 + 1 100 - 100 - 400 = 1 600
    addDelivery(5, u"10/03/2026"_s);
    addPayment(u"fVerR"_s, 3, u"12/03/2026"_s, 1, 250000, u"CHEQUE N° 9"_s, u"SOLDE"_s);
    addSummary(DB_BR, 2, u"15/03/2026"_s, 1, 30000, 0, 0, u"A TERME"_s); // bought back from the client
    addLine(DB_BR, 2, u"15/03/2026"_s, 1, 1, 100, 30000, 30000);
    addPayment(u"fVerE"_s, 1, u"31/03/2026"_s, 1, 5000, u"ESPECE"_s);
    addDelivery(6, u"01/04/2026"_s);          // after the period

    EXPECT_EQ(detailed(),
              (Rows{{QString(), INDENT + u"ANCIEN SOLDE ..."_s, QString(), QString(), QString(), QString(), u"1 600.00"_s},
                    line({"10/03/2026", "BL N° 5 - BRIQUE (ALI)", "10.00", "25.00", "250.00", "0.00", "1 850.00"}),
                    line({"10/03/2026", "BL N° 5 - CIMENT 50KG (ALI)", "1.00", "850.00", "850.00", "0.00", "2 700.00"}),
                    line({"10/03/2026", "BL N° 5 - Remise", "", "", "0.00", "100.00", "2 600.00"}),
                    line({"10/03/2026", "VERSEMENT BL N° 5", "", "", "0.00", "400.00", "2 200.00"}),
                    // The payment takes the balance below zero, the reception further.
                    line({"12/03/2026", "Versement reçu Bon N° 3 - CHEQUE N° 9 - SOLDE", "", "", "0.00", "2 500.00", "-300.00"}),
                    line({"15/03/2026", "BR N° 2 - CIMENT 50KG ()", "1.00", "300.00", "0.00", "300.00", "-600.00"}),
                    line({"31/03/2026", "Versement émis Bon N° 1 - ESPECE - ", "", "", "50.00", "0.00", "-550.00"}),
                    {QString(), INDENT + u"NOUVEAU SOLDE ..."_s, QString(), QString(), u"1 150.00"_s, u"3 300.00"_s, u"-550.00"_s}}));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(form.openingBalance, u"1 000.00"_s);
    EXPECT_EQ(form.newBalance, u"-550.00"_s);
    EXPECT_EQ(form.progress, STATEMENT_PROGRESS_MAXIMUM);
    // The first and last lines are grey, their label and balance orange.
    for (int row : {0, 8}) {
        EXPECT_EQ(form.list.toneOf(row).backgroundOf(DS_DATE), 0xA4A4A4);
        EXPECT_EQ(form.list.toneOf(row).backgroundOf(DS_LABEL), 0xF7C182);
        EXPECT_EQ(form.list.toneOf(row).backgroundOf(DS_BALANCE), 0xF7C182);
    }
    EXPECT_EQ(form.list.toneOf(1), RowTone{});
    EXPECT_EQ(form.list.alignmentOf(DS_DATE), ALIGN_CENTRE);
    EXPECT_EQ(form.list.alignmentOf(DS_LABEL), ALIGN_LEFT);
    EXPECT_EQ(form.list.alignmentOf(DS_QUANTITY), ALIGN_RIGHT);
}

TEST_F(StatementTest, CumulativeStatementListsOneLinePerDocumentDiscountAndPayment)
{
    addDelivery(5, u"10/03/2026"_s);
    addSummary(DB_BR, 2, u"15/03/2026"_s, 1, 30000, 2000, 10000, u"CHEQUE N° 4"_s);
    addPayment(u"fVerR"_s, 3, u"31/03/2026"_s, 1, 20000, u"ESPECE"_s, u"ACOMPTE"_s);
    addPayment(u"fVerE"_s, 4, u"31/03/2026"_s, 1, 1000, u"ESPECE"_s);
    EXPECT_EQ(cumulative(), (Rows{{QString(), INDENT + u"ANCIEN SOLDE ..."_s, QString(), QString(), u"1 000.00"_s},
                                  line({"10/03/2026", "BL N° 5 (ALI)", "1 100.00", "0.00", "2 100.00"}),
                                  line({"10/03/2026", "REMISE BL N° 5", "0.00", "100.00", "2 000.00"}),
                                  line({"10/03/2026", "VERSEMENT BL N° 5 ( ESPECE )", "0.00", "400.00", "1 600.00"}),
                                  line({"15/03/2026", "BR N° 2", "0.00", "300.00", "1 300.00"}),
                                  line({"15/03/2026", "REMISE BR N° 2", "20.00", "0.00", "1 320.00"}),
                                  line({"15/03/2026", "VERSEMENT BR N° 2 ( CHEQUE N° 4 )", "100.00", "0.00", "1 420.00"}),
                                  line({"31/03/2026", "Versement reçu Bon N° 3 (ACOMPTE)", "0.00", "200.00", "1 220.00"}),
                                  line({"31/03/2026", "Versement émis Bon N° 4", "10.00", "0.00", "1 230.00"}),
                                  {QString(), INDENT + u"NOUVEAU SOLDE ..."_s, u"1 230.00"_s, u"1 000.00"_s, u"1 230.00"_s}}));
    EXPECT_EQ(form.list.toneOf(9).backgroundOf(CS_BALANCE), 0xF7C182);
    EXPECT_EQ(form.list.alignmentOf(CS_DEBIT), ALIGN_RIGHT);
    // Both statements end on the client-supplier's balance.
    EXPECT_EQ(form.newBalance, computeClientSupplierBalance(env, u"ETS BENALI"_s).text);
    addLine(DB_BR, 2, u"15/03/2026"_s, 1, 1, 100, 30000, 30000);
    EXPECT_EQ(detailed().back()[DS_BALANCE], u"1 230.00"_s);
}

TEST_F(StatementTest, AQuietPeriodShowsTheSameBalanceOpeningAndClosing)
{
    addDelivery(5, u"10/02/2026"_s);
    EXPECT_EQ(detailed(), (Rows{{QString(), INDENT + u"ANCIEN SOLDE ..."_s, QString(), QString(), QString(), QString(), u"1 600.00"_s},
                                {QString(), INDENT + u"NOUVEAU SOLDE ..."_s, QString(), QString(), u"0.00"_s, u"0.00"_s, u"1 600.00"_s}}));
    EXPECT_EQ(cumulative().back(), (QStringList{QString(), INDENT + u"NOUVEAU SOLDE ..."_s, u"0.00"_s, u"0.00"_s, u"1 600.00"_s}));
}

TEST_F(StatementTest, RefusesAnUnknownNameAndABadPeriod)
{
    const struct {
        const char* name;
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"", "01/03/2026", "31/03/2026", "Le nom du client-fournisseur est incorrect !"},
        {"ETS BENAL", "01/03/2026", "31/03/2026", "Le nom du client-fournisseur est incorrect !"},
        {"ETS BENALI", "1/3/26", "31/03/2026", "Date début incorrecte !"},
        {"ETS BENALI", "01/03/2026", "", "Date fin incorrecte !"},
        {"ETS BENALI", "01/04/2026", "31/03/2026", "Dates incorrectes !"},
    };
    for (const auto& c : cases) {
        for (const auto build : {buildDetailedStatement, buildCumulativeStatement}) {
            form.list.append({u"old"_s});
            form.newBalance = u"old"_s;
            form.name = QString::fromUtf8(c.name);
            form.from = QString::fromUtf8(c.from);
            form.to = QString::fromUtf8(c.to);
            build(env, form);
            EXPECT_TRUE(form.list.isEmpty()) << c.message;
            EXPECT_TRUE(form.newBalance.isEmpty()) << c.message;
            EXPECT_EQ(shown(), std::vector<ShownBox>{error(c.message)});
        }
    }
}

class GlobalBalanceTest : public LedgerFixture {
protected:
    Rows build(bool debtors, bool showZero)
    {
        form.debtorsOnly = debtors;
        form.showZero = showZero;
        buildGlobalBalances(env, form);
        return form.list.rows;
    }
    static QStringList line(std::initializer_list<const char*> cells)
    {
        QStringList row;
        for (const char* cell : cells) row.append(QString::fromUtf8(cell));
        return row;
    }
    GlobalBalancesForm form;
};

TEST_F(GlobalBalanceTest, DebtorsAndCreditorsEachWithTheTotalsOfTheirLines)
{
    addClientSupplier(1, u"CLIENT A"_s, 0);
    addSummary(DB_BL, 1, u"10/03/2026"_s, 1, 350000, 50000, 0, u"A TERME"_s); // 3 000 net
    addPayment(u"fVerR"_s, 1, u"11/03/2026"_s, 1, 100000, u"ESPECE"_s);
    addClientSupplier(2, u"FOURNISSEUR B"_s, 10000);
    addSummary(DB_BR, 1, u"10/03/2026"_s, 2, 80000, 0, 20000, u"ESPECE"_s);     // 600 owed
    addPayment(u"fVerE"_s, 1, u"12/03/2026"_s, 2, 0, u"ESPECE"_s);
    addClientSupplier(3, u"CLIENT NUL"_s, 0);
    addClientSupplier(4, u"AVANCE"_s, 0);
    // A delivery of nothing that carried an advance still counts in the balance.
    addSummary(DB_BL, 2, u"13/03/2026"_s, 4, 0, 0, 20000, u"ESPECE"_s);

    EXPECT_EQ(build(true, true), (Rows{line({"CLIENT A", "0.00", "3 000.00", "0.00", "1 000.00", "0.00", "2 000.00"}),
                                      line({"      T O T A U X ...", "0.00", "3 000.00", "0.00", "1 000.00", "0.00", "2 000.00"})}));
    EXPECT_EQ(form.list.toneOf(1).backgroundOf(GB_NAME), 0xE1FBEE);
    EXPECT_EQ(form.list.toneOf(1).backgroundOf(GB_BALANCE), 0xE1FBEE);
    EXPECT_EQ(form.list.alignmentOf(GB_NAME), ALIGN_CENTRE);
    EXPECT_EQ(form.list.alignmentOf(GB_RECEIVED), ALIGN_RIGHT);
    EXPECT_EQ(form.progress, GLOBAL_BALANCES_PROGRESS_MAXIMUM);
    // Zero balances never among the debtors.
    EXPECT_EQ(build(true, false).size(), 2u);

    EXPECT_EQ(build(false, true), (Rows{line({"AVANCE", "0.00", "-200.00", "0.00", "0.00", "0.00", "-200.00"}),
                                       line({"CLIENT NUL", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}),
                                       line({"FOURNISSEUR B", "100.00", "0.00", "600.00", "0.00", "0.00", "-500.00"}),
                                       line({"      T O T A U X ...", "100.00", "-200.00", "600.00", "0.00", "0.00", "-700.00"})}));
    EXPECT_EQ(build(false, false), (Rows{line({"AVANCE", "0.00", "-200.00", "0.00", "0.00", "0.00", "-200.00"}),
                                        line({"FOURNISSEUR B", "100.00", "0.00", "600.00", "0.00", "0.00", "-500.00"}),
                                        line({"      T O T A U X ...", "100.00", "-200.00", "600.00", "0.00", "0.00", "-700.00"})}));
    // Each line's balance is the client-supplier's balance.
    EXPECT_EQ(computeClientSupplierBalance(env, u"AVANCE"_s).text, u"-200.00"_s);
    EXPECT_TRUE(shown().empty());
}

TEST_F(GlobalBalanceTest, NobodyListedLeavesTheTotalsAlone)
{
    EXPECT_EQ(build(true, true), Rows{line({"      T O T A U X ...", "0.00", "0.00", "0.00", "0.00", "0.00", "0.00"})});
    addClientSupplier(1, u"CLIENT A"_s, 0);
    EXPECT_EQ(build(true, true).size(), 1u);
}

} // namespace
