// A year of a small shop: receptions and deliveries typed through the stock operations with
// every payment option, payments received and issued, cash and bank operations. Then every
// figure that the reports show twice must agree: each client-supplier's line of the global
// balance report with its balance and with the closing balance of both its statements, and the
// cash and bank journals with the positions.
#include <random>

#include "journals/treasury_journals.h"
#include "ledger_fixture.h"
#include "stock/receptions_deliveries.h"
#include "stock/stock.h"
#include "treasury/balances.h"
#include "treasury/positions.h"
#include "treasury/statements.h"

using namespace Qt::StringLiterals;

namespace {

class LedgerScenarioTest : public LedgerFixture {
protected:
    // A document of one to three lines on `day`, paid by `option` (a part of it, or nothing on
    // credit), with a discount now and then.
    template <typename Form>
    void typeDocument(Form& form, const NoteOperations<Form>& operations, const QDate& day, const QString& partner,
                      PaymentOption option, std::mt19937& random)
    {
        clock.day = day;
        operations.newNote(env, form);
        form.date = dateText(day);
        form.partner = partner;
        operations.showBalance(env, form);
        form.driver = u"SAID"_s;
        const int lines = 1 + static_cast<int>(random() % 3);
        for (int line = 0; line < lines; ++line) {
            form.product = products[random() % products.size()];
            operations.productChanged(env, form);
            operations.showProduct(env, form);
            form.quantity = QString::number(1 + random() % 20);
            form.unitPrice = QString::number(100 + random() % 900) + u".50"_s;
            operations.validate(env, form);
        }
        operations.setOption(env, form, option);
        if (option != PaymentOption::ATerme && random() % 2 == 0) form.payment = QString::number(random() % 500);
        if (random() % 4 == 0) form.discount = QString::number(random() % 50);
        operations.computeTotals(env, form);
        operations.saveSummary(env, form);
        ASSERT_TRUE(dialogs.shown.empty()) << qUtf8Printable(dialogs.shown.front().text);
    }

    const std::vector<QString> products{u"CIMENT 50KG"_s, u"BRIQUE"_s, u"FER A BETON 12"_s};
    const std::vector<QString> clients{u"ETS BENALI"_s, u"QUINCAILLERIE NOUR"_s, u"BATIR PLUS"_s};
    const std::vector<QString> suppliers{u"SARL ATLAS"_s, u"CIMENTERIE DU SUD"_s};
};

TEST_F(LedgerScenarioTest, AYearOfDocumentsPaymentsAndOperationsAgreesInEveryReport)
{
    addProduct(1, u"LIANTS"_s, u"CIMENT 50KG"_s, 10000000);
    addProduct(2, u"BRIQUES"_s, u"BRIQUE"_s, 10000000);
    addProduct(3, u"FER"_s, u"FER A BETON 12"_s, 10000000);
    addClientSupplier(1, u"ETS BENALI"_s, 150000, u"C"_s);
    addClientSupplier(2, u"QUINCAILLERIE NOUR"_s, 0, u"C"_s);
    addClientSupplier(3, u"BATIR PLUS"_s, -20000, u"X"_s);
    addClientSupplier(4, u"SARL ATLAS"_s, -300000, u"F"_s);
    addClientSupplier(5, u"CIMENTERIE DU SUD"_s, 0, u"F"_s);
    setOpeningBalances(500000, 2000000);
    env.params.modepBr = u"A TERME"_s;
    env.params.modepBl = u"A TERME"_s;

    std::mt19937 random(2026);
    const PaymentOption options[] = {PaymentOption::Espece, PaymentOption::Cheque, PaymentOption::Virement, PaymentOption::ATerme};
    const QString modes[] = {u"ESPECE"_s, u"CHEQUE N° 1"_s, u"VIREMENT N° 2"_s, u"ESPECES"_s, QString()};
    int payment = 0, operation = 0;
    // Every other week of the year.
    for (int week = 0; week < 26; ++week) {
        const QDate day = QDate(2026, 1, 2).addDays(14 * week);
        ReceptionForm reception;
        typeDocument(reception, RECEPTION_OPERATIONS, day, suppliers[week % suppliers.size()], options[week % 4], random);
        for (int i = 0; i < 2; ++i) {
            DeliveryForm delivery;
            typeDocument(delivery, DELIVERY_OPERATIONS, day.addDays(2 + i), clients[(week + i) % clients.size()],
                         options[(week + i + 1) % 4], random);
        }
        const QString paid = dateText(day.addDays(4));
        ++payment;
        addPayment(u"fVerR"_s, payment, paid, 1 + payment % 3, 10000 + static_cast<qint64>(random() % 90000), modes[payment % 5]);
        addPayment(u"fVerE"_s, payment, paid, 4 + payment % 2, 20000 + static_cast<qint64>(random() % 90000), modes[(payment + 2) % 5]);
        ++operation;
        addCashOperation(operation, paid, week % 3 ? 0 : 15000, week % 3 ? 4000 : 0, u"DIVERS"_s);
        addBankOperation(operation, paid, week % 2 ? 70000 : 0, week % 2 ? 0 : 3500, u"REF %1"_s.arg(operation));
    }
    ASSERT_EQ(rows(DB_BL, u"select count(distinct Numdoc) from fBL"_s), Rows{{u"52"_s}});

    // Every client-supplier's line of the report, whichever side it stands on.
    std::map<QString, QString> reported;
    for (const bool debtors : {true, false}) {
        GlobalBalancesForm report;
        report.debtorsOnly = debtors;
        buildGlobalBalances(env, report);
        for (size_t row = 0; row + 1 < report.list.rows.size(); ++row)
            reported[report.list.rows[row][GB_NAME]] = report.list.rows[row][GB_BALANCE];
    }
    ASSERT_EQ(reported.size(), clients.size() + suppliers.size());
    for (const auto& [name, balance] : reported) {
        const ClientSupplierBalance expected = computeClientSupplierBalance(env, name);
        EXPECT_EQ(balance, expected.text) << qUtf8Printable(name);
        // The statements of the year end on it; the second half starts where the first ends.
        StatementForm statement;
        statement.name = name;
        statement.from = u"01/01/2026"_s;
        statement.to = u"31/12/2026"_s;
        buildDetailedStatement(env, statement);
        EXPECT_EQ(statement.newBalance, expected.text) << qUtf8Printable(name);
        buildCumulativeStatement(env, statement);
        EXPECT_EQ(statement.newBalance, expected.text) << qUtf8Printable(name);
        statement.to = u"30/06/2026"_s;
        buildCumulativeStatement(env, statement);
        const QString midYear = statement.newBalance;
        statement.from = u"01/07/2026"_s;
        statement.to = u"31/12/2026"_s;
        buildDetailedStatement(env, statement);
        EXPECT_EQ(statement.list.rows.front()[DS_BALANCE], midYear) << qUtf8Printable(name);
        EXPECT_EQ(statement.newBalance, expected.text) << qUtf8Printable(name);
    }

    TreasuryJournalForm journal;
    journal.from = u"01/01/2026"_s;
    journal.to = u"31/12/2026"_s;
    showCashJournal(env, journal);
    const TreasuryPosition cash = computeCashBalance(env);
    ASSERT_TRUE(cash.ok);
    EXPECT_EQ(journal.list.rows.back()[TJ_BALANCE], formatAmount(cash.balance));
    showBankJournal(env, journal);
    const TreasuryPosition bank = computeBankBalance(env);
    ASSERT_TRUE(bank.ok);
    EXPECT_EQ(journal.list.rows.back()[TJ_BALANCE], formatAmount(bank.balance));
    // Cash and bank both moved: the figures are not the opening balances.
    EXPECT_NE(cash.balance, cash.opening);
    EXPECT_NE(bank.balance, bank.opening);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
