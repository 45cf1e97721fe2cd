// The printed journals through the recording canvas: their page header, rows and grid, and the
// pages of a long journal.
#include <gtest/gtest.h>

#include "data_fixture.h"
#include "drawn_forms.h"
#include "journals/document_journals.h"
#include "journals/treasury_journals.h"
#include "print/journal_printouts.h"
#include "print/report_pages.h"
#include "recording_canvas.h"

using namespace Qt::StringLiterals;

namespace {

// A figure of the reports: the whole text, ending `step` right of startX (where its last
// character begins).
void reportFigure(ExpectedTexts& e, const QString& text, int startX, int y, int font, float step = 0.16f)
{
    e.text(text, startX + sx(step) - recordedTextWidth(printFont(font, 6800, 96), text), y, font);
}

// The page of each text drawn exactly so, in drawing order.
std::vector<int> pagesOf(const CanvasRecord& record, const QString& text)
{
    std::vector<int> pages;
    for (const CanvasCall& call : record.texts())
        if (call.text == text) pages.push_back(call.page);
    return pages;
}

std::vector<int> everyPage(const CanvasRecord& record)
{
    std::vector<int> pages;
    for (int page = 1; page <= record.pages; ++page) pages.push_back(page);
    return pages;
}

class JournalPrintoutTest : public DataFixture {
protected:
    RecordingPrinterChoice printers;
};

} // namespace

TEST_F(JournalPrintoutTest, DocumentJournalPrintsItsHeaderRowsAndTotalUnderAGrid)
{
    DocumentJournalForm form;
    form.from = u"01/03/2026"_s;
    form.to = u"31/03/2026"_s;
    form.list.append({u"02/03/2026"_s, u"7"_s, u"CIMENT 50KG"_s, u"10.00"_s, u"850.00"_s, u"8 500.00"_s, u"SARL ATLAS"_s});
    form.list.append({QString(), QString(), QString(), QString(), u"TOTAL HT    "_s, u"8 500.00"_s, QString()});
    printDocumentJournal(env, printers, DocumentJournal::Deliveries, form);
    ASSERT_EQ(printers.jobs.size(), 1u);
    const CanvasRecord& record = printers.last();
    EXPECT_EQ(record.pages, 1);

    const std::vector<int> cols{sx(1.2f), sx(3), sx(4.5f), sx(12.2f), sx(14), sx(17), sx(20)};
    const auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
    ExpectedTexts e;
    const int top = sy(4);
    e.text(u"JOURNAL DES LIVRAISONS"_s, col(1), top, 35);
    e.text(u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s, col(4) + sx(1), top, 20);
    const int tableTop = top + sy(1);
    const int headerBottom = tableTop + sy(1);
    const int headings = tableTop + sy(0.3f);
    e.text(u"Date"_s, col(1) + sx(0.5f), headings, 40);
    e.text(u"N° BL"_s, col(2) + sx(0.2f), headings, 40);
    e.text(u"Désignation"_s, col(3) + sx(2.5f), headings, 40);
    e.text(u"Quantité"_s, col(4) + sx(0.3f), headings, 40);
    e.text(u"Prix unitaire"_s, col(5) + sx(0.2f), headings, 40);
    e.text(u"Montant"_s, col(6) + sx(0.4f), headings, 40);
    int y = headerBottom + sy(0.4f);
    e.text(u"02/03/2026"_s, col(1) + sx(0.2f), y, 43);
    e.text(u"7"_s, col(2) + sx(0.2f), y, 43);
    e.text(u"CIMENT 50KG"_s, col(3) + sx(0.2f), y, 43);
    reportFigure(e, u"10.00"_s, col(5) - sx(0.4f), y, 43);
    reportFigure(e, u"850.00"_s, col(6) - sx(0.4f), y, 43);
    reportFigure(e, u"8 500.00"_s, col(7) - sx(0.4f), y, 43);
    y += sy(0.6f);
    reportFigure(e, u"TOTAL HT    "_s, col(6) - sx(0.4f), y, 43);
    reportFigure(e, u"8 500.00"_s, col(7) - sx(0.4f), y, 43);
    y += sy(0.6f);
    EXPECT_EQ(drawnTexts(record), e.texts);

    std::vector<DrawnLine> lines;
    tableRules(lines, cols, tableTop, headerBottom, y);
    EXPECT_EQ(drawnLines(record), lines);
    // The letterhead at the top.
    ASSERT_EQ(record.ofKind(CanvasCall::Image).size(), 1u);
    EXPECT_EQ(record.ofKind(CanvasCall::Image)[0].y, sy(0.2f));
}

TEST_F(JournalPrintoutTest, InvoiceJournalHeadingsStandWhereTheirColumnsDiffer)
{
    DocumentJournalForm form;
    form.list.append({QString(), QString(), QString(), QString(), u"TOTAL HT    "_s, u"0.00"_s, QString()});
    printDocumentJournal(env, printers, DocumentJournal::Invoices, form);
    const CanvasRecord& record = printers.last();
    ASSERT_TRUE(record.findText(u"N° FAC."_s));
    EXPECT_EQ(record.findText(u"N° FAC."_s)->x, sx(3) + sx(0.2f));
    EXPECT_EQ(record.findText(u"Quantité"_s)->x, sx(12.2f) + sx(0.25f));
    EXPECT_EQ(record.findText(u"Prix unitaire"_s)->x, sx(14) + sx(0.4f));
    EXPECT_EQ(record.findText(u"Montant"_s)->x, sx(17) + sx(0.64f));
    EXPECT_TRUE(record.hasText(u"JOURNAL DES FACTURES"_s));
    printDocumentJournal(env, printers, DocumentJournal::Receptions, DocumentJournalForm{});
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{u"message"_s, u"Erreur"_s, u"Il n'y a rien à imprimer ! "_s}}));
    EXPECT_EQ(printers.jobs.size(), 1u);
}

TEST_F(JournalPrintoutTest, CashJournalPrintsUnderTheLetterheadAndTheBankJournalAtTheTopWithout)
{
    TreasuryJournalForm form;
    form.from = u"01/03/2026"_s;
    form.to = u"31/03/2026"_s;
    form.list.append({QString(), u"ANCIEN SOLDE..."_s, QString(), QString(), u"1 180.00"_s});
    form.list.append({u"01/03/2026"_s, u"LOYER  N° de caisse : 2"_s, u"0.00"_s, u"600.00"_s, u"580.00"_s});
    printTreasuryJournal(env, printers, TreasuryBook::Cash, form);
    const CanvasRecord& cash = printers.last();

    const std::vector<int> cols{sx(1.2f), sx(3), sx(11), sx(14), sx(17), sx(20)};
    const auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
    const auto expected = [&](const QString& title, int top) {
        ExpectedTexts e;
        e.text(title, col(1), top, 35);
        e.text(u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s, col(4), top, 20);
        const int tableTop = top + sy(1);
        const int headings = tableTop + sy(0.3f);
        e.text(u"Date"_s, col(1) + sx(0.5f), headings, 40);
        e.text(u"Désignation"_s, col(2) + sx(2.5f), headings, 40);
        e.text(u"Recettes"_s, col(3) + sx(0.4f), headings, 40);
        e.text(u"Dépenses"_s, col(4) + sx(0.4f), headings, 40);
        e.text(u"Solde"_s, col(5) + sx(0.7f), headings, 40);
        int y = tableTop + sy(1) + sy(0.4f);
        e.text(u"ANCIEN SOLDE..."_s, col(2) + sx(0.2f), y, 43);
        reportFigure(e, u"1 180.00"_s, col(6) - sx(0.4f), y, 43);
        y += sy(0.6f);
        e.text(u"01/03/2026"_s, col(1) + sx(0.2f), y, 43);
        e.text(u"LOYER  N° de caisse : 2"_s, col(2) + sx(0.2f), y, 43);
        reportFigure(e, u"0.00"_s, col(4) - sx(0.4f), y, 43);
        reportFigure(e, u"600.00"_s, col(5) - sx(0.4f), y, 43);
        reportFigure(e, u"580.00"_s, col(6) - sx(0.4f), y, 43);
        return e.texts;
    };
    EXPECT_EQ(drawnTexts(cash), expected(u"JOURNAL DE CAISSE"_s, sy(4)));
    EXPECT_EQ(cash.ofKind(CanvasCall::Image).size(), 1u);
    std::vector<DrawnLine> lines;
    tableRules(lines, cols, sy(4) + sy(1), sy(4) + sy(1) + sy(1), sy(4) + sy(1) + sy(1) + sy(0.4f) + 2 * sy(0.6f));
    EXPECT_EQ(drawnLines(cash), lines);

    printTreasuryJournal(env, printers, TreasuryBook::Bank, form);
    EXPECT_EQ(drawnTexts(printers.last()), expected(u"JOURNAL DE BANQUE"_s, sy(0.5f)));
    EXPECT_TRUE(printers.last().ofKind(CanvasCall::Image).empty());
}

TEST_F(JournalPrintoutTest, CashPaymentJournalPrintsInTheStyleOfTheCashJournal)
{
    CashPaymentJournalForm form;
    form.from = u"01/03/2026"_s;
    form.to = u"31/03/2026"_s;
    form.list.append({u"02/03/2026"_s, u"BLN°9 (ETS BENALI )"_s, u"200.00"_s, u"200.00"_s, u"0.00"_s});
    form.list.append({QString(), u" T O T A L ..."_s, u"200.00"_s, u"200.00"_s, u"0.00"_s});
    printCashPaymentJournal(env, printers, form);
    const CanvasRecord& record = printers.last();
    const int headings = sy(4) + sy(1) + sy(0.3f);
    for (const auto& [text, x] : {std::pair{u"JOURNAL DES VERSEMENTS ESPECE"_s, sx(1.2f)}, std::pair{u"Total doc."_s, sx(11) + sx(0.4f)},
                                  std::pair{u"Vers. reçus"_s, sx(14) + sx(0.4f)}, std::pair{u"Vers. émis"_s, sx(17) + sx(0.4f)},
                                  std::pair{u" T O T A L ..."_s, sx(3) + sx(0.2f)}}) {
        ASSERT_TRUE(record.findText(text)) << qUtf8Printable(text);
        EXPECT_EQ(record.findText(text)->x, x) << qUtf8Printable(text);
    }
    EXPECT_EQ(record.findText(u"Vers. émis"_s)->y, headings);
    EXPECT_EQ(record.ofKind(CanvasCall::Image).size(), 1u);

    printCashPaymentJournal(env, printers, CashPaymentJournalForm{});
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{u"message"_s, u"Erreur"_s, u"Il n'y a rien à imprimer ! "_s}}));
}

// Whatever the number of rows, every page carries the titles and headings and at least one
// row, the rows follow each other, and the total shares its page with another row.
TEST_F(JournalPrintoutTest, LongReportsRepeatTheirHeadingsAndNeverLeaveTheTotalAlone)
{
    for (int rowCount = 1; rowCount <= 80; ++rowCount) {
        std::vector<QStringList> rows;
        for (int n = 1; n < rowCount; ++n) rows.push_back({u"L%1"_s.arg(n)});
        rows.push_back({u"TOTAL"_s});
        ReportLayout layout;
        layout.stops = {1.2f, 10, 20};
        layout.titles = {{u"TITRE"_s, 35, 1, 0}};
        layout.headings = {{u"Libellé"_s, 0, 1, 0.5f}};
        layout.cells = {{0, 1, 0.2f}};
        layout.lastRowIsTotal = true;
        RecordingPrinterChoice report;
        PrintJob job;
        job.drawPages = [&](Printout& p) { printReport(p, layout, rows); };
        runPrintJob(env, report, job);
        const CanvasRecord& record = report.last();
        const std::string what = "rows: " + std::to_string(rowCount);

        EXPECT_EQ(pagesOf(record, u"TITRE"_s), everyPage(record)) << what;
        EXPECT_EQ(pagesOf(record, u"Libellé"_s), everyPage(record)) << what;
        std::vector<int> rowPages;
        int previousY = 0, previousPage = 0;
        for (const CanvasCall& call : record.texts()) {
            if (call.text != u"TOTAL" && !call.text.startsWith(u'L')) continue;
            if (call.text.startsWith(u"Lib")) continue;
            rowPages.push_back(call.page);
            if (call.page == previousPage) {
                EXPECT_EQ(call.y - previousY, sy(0.6f)) << what;
            }
            EXPECT_LT(call.y, 6800 - 200) << what;
            previousY = call.y;
            previousPage = call.page;
        }
        ASSERT_EQ(rowPages.size(), rows.size()) << what;
        EXPECT_EQ(rowPages.back(), record.pages) << what;
        if (rowCount > 1) {
            EXPECT_EQ(rowPages[rowPages.size() - 2], record.pages) << what;
        }
        for (int page = 1; page <= record.pages; ++page)
            EXPECT_NE(std::find(rowPages.begin(), rowPages.end(), page), rowPages.end()) << what << " page " << page;
        // Each page closes its grid: three rules across per page.
        int across = 0;
        for (const CanvasCall& line : record.ofKind(CanvasCall::Line))
            if (line.y == line.y2) ++across;
        EXPECT_EQ(across, 3 * record.pages) << what;
    }
}
