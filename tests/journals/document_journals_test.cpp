// The reception, delivery and invoice journals: the lines of a period, their filters and total.
#include "journals/document_journals.h"
#include "ledger_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class DocumentJournalTest : public LedgerFixture {
protected:
    DocumentJournalTest()
    {
        addProduct(1, u"LIANTS"_s, u"CIMENT 50KG"_s);
        addProduct(2, u"BRIQUES"_s, u"BRIQUE"_s);
        addClientSupplier(1, u"SARL ATLAS"_s);
        addClientSupplier(2, u"ETS BENALI"_s);
        form.from = u"01/03/2026"_s;
        form.to = u"31/03/2026"_s;
    }

    Rows show(DocumentJournal journal)
    {
        showDocumentJournal(env, journal, form);
        return form.list.rows;
    }
    static QStringList total(const char* amount)
    {
        return {QString(), QString(), QString(), QString(), u"TOTAL HT    "_s, QString::fromUtf8(amount), QString()};
    }

    DocumentJournalForm form;
};

TEST_F(DocumentJournalTest, ListsThePeriodsLinesByDateNumberAndLineWithTheirTotal)
{
    addLine(DB_BR, 5, u"28/02/2026"_s, 1, 1, 100, 85000, 85000);   // the day before the period
    addLine(DB_BR, 9, u"31/03/2026"_s, 2, 2, 1000, 2500, 25000);    // its last day
    addLine(DB_BR, 7, u"01/03/2026"_s, 1, 2, 20000, 2500, 500000);  // its first day, line 1
    addLine(DB_BR, 7, u"01/03/2026"_s, 1, 1, 1000, 85000, 850000);  // line 2
    addLine(DB_BR, 6, u"01/03/2026"_s, 2, 1, 200, 85000, 170000);   // a smaller number the same day
    addLine(DB_BR, 8, u"15/03/2026"_s, 1, 1, 500, 0, 0);            // no amount: not listed
    addSummary(DB_BR, 7, u"01/03/2026"_s, 1, 1350000, 0, 0, u"A TERME"_s);
    addLine(DB_BR, 10, u"01/04/2026"_s, 1, 1, 100, 85000, 85000);   // the day after

    EXPECT_EQ(show(DocumentJournal::Receptions),
              (Rows{{u"01/03/2026"_s, u"6"_s, u"CIMENT 50KG"_s, u"2.00"_s, u"850.00"_s, u"1 700.00"_s, u"ETS BENALI"_s},
                    {u"01/03/2026"_s, u"7"_s, u"BRIQUE"_s, u"200.00"_s, u"25.00"_s, u"5 000.00"_s, u"SARL ATLAS"_s},
                    {u"01/03/2026"_s, u"7"_s, u"CIMENT 50KG"_s, u"10.00"_s, u"850.00"_s, u"8 500.00"_s, u"SARL ATLAS"_s},
                    {u"31/03/2026"_s, u"9"_s, u"BRIQUE"_s, u"10.00"_s, u"25.00"_s, u"250.00"_s, u"ETS BENALI"_s},
                    total("15 450.00")}));
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(form.progress, 800);
    // The total row is grey, its unit price and amount blue; figures on the right.
    EXPECT_EQ(form.list.toneOf(4).backgroundOf(DJ_DATE), 0xCDCDCD);
    EXPECT_EQ(form.list.toneOf(4).backgroundOf(DJ_AMOUNT), 0xB2CBF1);
    EXPECT_EQ(form.list.toneOf(3), RowTone{});
    EXPECT_EQ(form.list.alignmentOf(DJ_NAME), ALIGN_CENTRE);
    EXPECT_EQ(form.list.alignmentOf(DJ_AMOUNT), ALIGN_RIGHT);

    // A period of one day lists that day.
    form.from = form.to = u"31/03/2026"_s;
    EXPECT_EQ(show(DocumentJournal::Receptions).size(), 2u);
}

TEST_F(DocumentJournalTest, DeliveriesListEveryLineButTheSummaryAndInvoicesOnlyLinesWithAnAmount)
{
    addLine(DB_BL, 3, u"10/03/2026"_s, 2, 1, 100, 95000, 95000);
    addLine(DB_BL, 3, u"10/03/2026"_s, 2, 2, 100, 0, 0); // given away: still delivered
    addSummary(DB_BL, 3, u"10/03/2026"_s, 2, 95000, 0, 95000, u"ESPECE"_s);
    EXPECT_EQ(show(DocumentJournal::Deliveries),
              (Rows{{u"10/03/2026"_s, u"3"_s, u"CIMENT 50KG"_s, u"1.00"_s, u"950.00"_s, u"950.00"_s, u"ETS BENALI"_s},
                    {u"10/03/2026"_s, u"3"_s, u"BRIQUE"_s, u"1.00"_s, u"0.00"_s, u"0.00"_s, u"ETS BENALI"_s},
                    total("950.00")}));

    addLine(DB_FACV, 4, u"12/03/2026"_s, 2, 1, 200, 95000, 190000);
    addLine(DB_FACV, 4, u"12/03/2026"_s, 2, 2, 100, 0, 0);
    exec(DB_FACV, u"insert into facv (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,ht,ttc) values (4,'12/03/2026',?,2,9999,190000,226100)"_s,
         {toDateNum(u"12/03/2026"_s)});
    EXPECT_EQ(show(DocumentJournal::Invoices),
              (Rows{{u"12/03/2026"_s, u"4"_s, u"CIMENT 50KG"_s, u"2.00"_s, u"950.00"_s, u"1 900.00"_s, u"ETS BENALI"_s},
                    total("1 900.00")}));
    EXPECT_EQ(form.progress, 300);
}

TEST_F(DocumentJournalTest, FiltersOnTheExactNameAndFamilyAndAnUnknownProductOrNamePassesOnlyEmptyOnes)
{
    addLine(DB_BL, 1, u"02/03/2026"_s, 1, 1, 100, 1000, 1000);
    addLine(DB_BL, 2, u"03/03/2026"_s, 2, 2, 100, 2000, 2000);
    addLine(DB_BL, 3, u"04/03/2026"_s, 2, 77, 100, 3000, 3000); // product 77 was deleted
    addLine(DB_BL, 4, u"05/03/2026"_s, 66, 1, 100, 4000, 4000); // client-supplier 66 was deleted

    const auto listed = [&](const char* name, const char* family) {
        form.name = QString::fromUtf8(name);
        form.family = QString::fromUtf8(family);
        QStringList numbers;
        for (const QStringList& row : show(DocumentJournal::Deliveries)) numbers.append(row[DJ_NUMBER]);
        return numbers.join(u' ') + u" = "_s + form.list.rows.back()[DJ_AMOUNT];
    };
    EXPECT_EQ(listed("", ""), u"1 2 3 4  = 100.00"_s);
    EXPECT_EQ(listed("ETS BENALI", ""), u"2 3  = 50.00"_s);
    EXPECT_EQ(listed("", "LIANTS"), u"1 4  = 50.00"_s);
    EXPECT_EQ(listed("ETS BENALI", "BRIQUES"), u"2  = 20.00"_s);
    EXPECT_EQ(listed("ETS BENA", ""), u" = 0.00"_s);      // names match whole
    EXPECT_EQ(listed("SARL ATLAS", "BRIQUES"), u" = 0.00"_s); // a name without such lines: the total alone
    EXPECT_EQ(form.list.size(), 1);

    form.name.clear();
    form.family.clear();
    show(DocumentJournal::Deliveries);
    EXPECT_EQ(form.list.rows[2][DJ_DESIGNATION], UNKNOWN_NAME);
    EXPECT_EQ(form.list.rows[3][DJ_NAME], UNKNOWN_NAME);
    EXPECT_TRUE(shown().empty());
}

TEST_F(DocumentJournalTest, RefusesABadPeriodWithItsMessageAndListsNothing)
{
    addLine(DB_BR, 1, u"10/03/2026"_s, 1, 1, 100, 1000, 1000);
    const struct {
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"", "31/03/2026", "Date début incorrecte ! "},
        {"31/02/2026", "31/03/2026", "Date début incorrecte ! "}, // no such day
        {"01/03/2013", "31/03/2026", "Date début incorrecte ! "},
        {"01/03/2026", "3/2026", "Date fin incorrecte ! "},
        {"01/04/2026", "31/03/2026", "Dates incorrectes ! "},
    };
    for (const auto& c : cases) {
        form.list.append({u"old"_s});
        form.from = QString::fromUtf8(c.from);
        form.to = QString::fromUtf8(c.to);
        EXPECT_TRUE(show(DocumentJournal::Receptions).empty()) << c.from << " " << c.to;
        EXPECT_EQ(shown(), std::vector<ShownBox>{error(c.message)}) << c.from << " " << c.to;
    }
}

TEST_F(DocumentJournalTest, NameBoxesOfferTheClientSuppliersWithSuchDocumentsInNameOrder)
{
    addClientSupplier(3, u"ALI ET FILS"_s);
    addLine(DB_BR, 1, u"10/03/2026"_s, 1, 1, 100, 1000, 1000);
    addLine(DB_BL, 1, u"10/03/2026"_s, 3, 1, 100, 1000, 1000);
    addLine(DB_BL, 2, u"11/03/2026"_s, 2, 1, 100, 1000, 1000);
    addLine(DB_BL, 3, u"12/03/2026"_s, 2, 1, 100, 1000, 1000);
    EXPECT_EQ(documentJournalNames(env, DocumentJournal::Receptions), QStringList{u"SARL ATLAS"_s});
    EXPECT_EQ(documentJournalNames(env, DocumentJournal::Deliveries), (QStringList{u"ALI ET FILS"_s, u"ETS BENALI"_s}));
    EXPECT_TRUE(documentJournalNames(env, DocumentJournal::Invoices).isEmpty());
}

} // namespace
