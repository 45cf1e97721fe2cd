// Reports printed to PDF and read back: a journal of several pages.
#include <gtest/gtest.h>

#include "journals/document_journals.h"
#include "ledger_fixture.h"
#include "pdf_text.h"
#include "print/journal_printouts.h"
#include "print/printer_choices.h"

using namespace Qt::StringLiterals;

namespace {

class ReportOutputTest : public LedgerFixture {};

} // namespace

TEST_F(ReportOutputTest, AMonthsDeliveryJournalPrintsOnSeveralPagesWithItsHeadingsOnEach)
{
    addProduct(1, u"LIANTS"_s, u"CIMENT 50KG"_s);
    addClientSupplier(1, u"ETS BENALI"_s);
    for (int n = 1; n <= 90; ++n)
        addLine(DB_BL, n, u"%1/03/2026"_s.arg(1 + (n - 1) / 3, 2, 10, QLatin1Char('0')), 1, 1, 100 * n, 95000, 950 * n * 100);
    DocumentJournalForm form;
    form.from = u"01/03/2026"_s;
    form.to = u"31/03/2026"_s;
    showDocumentJournal(env, DocumentJournal::Deliveries, form);
    ASSERT_EQ(form.list.size(), 91);

    const QString pdf = dir.filePath(u"journal.pdf"_s);
    PdfPrinterChoice printers(pdf);
    printDocumentJournal(env, printers, DocumentJournal::Deliveries, form);
    EXPECT_TRUE(dialogs.shown.empty());
    keepSample(pdf, u"delivery-journal.pdf"_s);

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 3);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(u"JOURNAL DES LIVRAISONS"_s));
        EXPECT_TRUE(page.contains(u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s));
        EXPECT_TRUE(hasRow(page, {u"Date"_s, u"N° BL"_s, u"Désignation"_s, u"Quantité"_s, u"Prix unitaire"_s, u"Montant"_s}));
    }
    const QString all = pages.join(QString());
    for (int n = 1; n <= 90; ++n)
        EXPECT_TRUE(hasRow(all, {u"%1/03/2026"_s.arg(1 + (n - 1) / 3, 2, 10, QLatin1Char('0')), QString::number(n),
                                 u"CIMENT 50KG"_s, exact(u"%1.00"_s.arg(n)), exact(u"950.00"_s),
                                 exact(formatAmount(qint64(950) * n * 100))}))
            << n;
    // 950 x (1 + ... + 90) = 3 890 250.00, on the last page with the last lines.
    EXPECT_TRUE(hasRow(pages[2], {exact(u"TOTAL HT"_s), exact(u"3 890 250.00"_s)}));
    EXPECT_TRUE(pages[2].contains(u"CIMENT 50KG"_s));
    EXPECT_FALSE(all.contains(u"ETS BENALI"_s)); // the name column is not printed
    // The letterhead heads every page.
    QStringList imagePages;
    for (const QString& image : pdfImages(pdf)) imagePages.append(image.section(u' ', 0, 0));
    EXPECT_EQ(imagePages, (QStringList{u"1"_s, u"2"_s, u"3"_s}));
}
