// The printed statements and global balance report through the recording canvas.
#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "common/values.h"
#include "data_fixture.h"
#include "drawn_forms.h"
#include "print/statement_printouts.h"
#include "recording_canvas.h"
#include "treasury/statements.h"

using namespace Qt::StringLiterals;

namespace {

const QString INDENT(40, u' ');

void reportFigure(ExpectedTexts& e, const QString& text, int startX, int y, int font, float step)
{
    e.text(text, startX + sx(step) - recordedTextWidth(printFont(font, 6800, 96), text), y, font);
}

class StatementPrintoutTest : public DataFixture {
protected:
    StatementPrintoutTest()
    {
        form.name = u"ETS BENALI"_s;
        form.from = u"01/03/2026"_s;
        form.to = u"31/03/2026"_s;
    }
    RecordingPrinterChoice printers;
    StatementForm form;
};

} // namespace

TEST_F(StatementPrintoutTest, DetailedStatementPrintsItsHeadRowsAndBalancesUnderAGrid)
{
    form.list.append({QString(), INDENT + u"ANCIEN SOLDE ..."_s, QString(), QString(), QString(), QString(), u"1 600.00"_s});
    form.list.append({u"10/03/2026"_s, u"BL N° 5 - BRIQUE (ALI)"_s, u"10.00"_s, u"25.00"_s, u"250.00"_s, u"0.00"_s, u"1 850.00"_s});
    form.list.append({QString(), INDENT + u"NOUVEAU SOLDE ..."_s, QString(), QString(), u"250.00"_s, u"0.00"_s, u"1 850.00"_s});
    printDetailedStatement(env, printers, form);
    ASSERT_EQ(printers.jobs.size(), 1u);
    const CanvasRecord& record = printers.last();

    const std::vector<int> cols{sx(1.2f), sx(2.8f), sx(11.5f), sx(12.5f), sx(14), sx(16), sx(18), sx(20)};
    const auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
    ExpectedTexts e;
    const int top = sy(4);
    e.text(u"FICHE CLIENT-FOURNISSEUR (Détails)"_s, col(3) - sx(2), top, 42);
    e.text(u"ETS BENALI"_s, col(1), top + sy(1), 20);
    e.text(u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s, col(5), top + sy(1), 20);
    const int tableTop = top + sy(2);
    const int headerBottom = tableTop + sy(0.7f);
    const int headings = tableTop + sy(0.2f);
    e.text(u"Date"_s, col(1) + sx(0.3f), headings, 20);
    e.text(u"L  I  B  E  L  L  E "_s, col(2) + sx(1), headings, 20);
    e.text(u" Qté"_s, col(3) + sx(0.2f), headings, 20);
    e.text(u"P. U."_s, col(4) + sx(0.5f), headings, 20);
    e.text(u"DEBIT"_s, col(5) + sx(0.4f), headings, 20);
    e.text(u"CREDIT"_s, col(6) + sx(0.4f), headings, 20);
    e.text(u"SOLDE"_s, col(7) + sx(0.4f), headings, 20);
    int y = headerBottom + sy(0.3f);
    e.text(INDENT + u"ANCIEN SOLDE ..."_s, col(2) + sx(0.2f), y, 43);
    reportFigure(e, u"1 600.00"_s, col(8) - sx(0.2f), y, 43, 0.12f);
    y += sy(0.5f);
    e.text(u"10/03/2026"_s, col(1) + sx(0.1f), y, 43);
    e.text(u"BL N° 5 - BRIQUE (ALI)"_s, col(2) + sx(0.2f), y, 43);
    for (const auto& [text, column] : {std::pair{u"10.00"_s, 4}, std::pair{u"25.00"_s, 5}, std::pair{u"250.00"_s, 6},
                                       std::pair{u"0.00"_s, 7}, std::pair{u"1 850.00"_s, 8}})
        reportFigure(e, text, col(column) - sx(0.2f), y, 43, 0.12f);
    y += sy(0.5f);
    e.text(INDENT + u"NOUVEAU SOLDE ..."_s, col(2) + sx(0.2f), y, 43);
    for (const auto& [text, column] : {std::pair{u"250.00"_s, 6}, std::pair{u"0.00"_s, 7}, std::pair{u"1 850.00"_s, 8}})
        reportFigure(e, text, col(column) - sx(0.2f), y, 43, 0.12f);
    y += sy(0.5f);
    EXPECT_EQ(drawnTexts(record), e.texts);
    std::vector<DrawnLine> lines;
    tableRules(lines, cols, tableTop, headerBottom, y);
    EXPECT_EQ(drawnLines(record), lines);
    EXPECT_EQ(record.ofKind(CanvasCall::Image).size(), 1u);
}

TEST_F(StatementPrintoutTest, ALongCumulativeStatementRepeatsItsHeadOnEveryPage)
{
    form.list.append({QString(), INDENT + u"ANCIEN SOLDE ..."_s, QString(), QString(), u"0.00"_s});
    for (int n = 1; n <= 70; ++n)
        form.list.append({u"10/03/2026"_s, u"BL N° %1"_s.arg(n), u"10.00"_s, u"0.00"_s, formatAmount(qint64(1000) * n)});
    form.list.append({QString(), INDENT + u"NOUVEAU SOLDE ..."_s, u"700.00"_s, u"0.00"_s, u"700.00"_s});
    printCumulativeStatement(env, printers, form);
    const CanvasRecord& record = printers.last();
    ASSERT_EQ(record.pages, 2);
    for (const QString& text : {u"FICHE CLIENT-FOURNISSEUR (Cumul)"_s, u"ETS BENALI"_s, u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s,
                                u"DATE"_s, u"L  I  B  E  L  L  E "_s, u"S O L D E"_s}) {
        std::vector<int> pages;
        for (const CanvasCall& call : record.texts())
            if (call.text == text) pages.push_back(call.page);
        EXPECT_EQ(pages, (std::vector<int>{1, 2})) << qUtf8Printable(text);
    }
    EXPECT_EQ(record.findText(u"FICHE CLIENT-FOURNISSEUR (Cumul)"_s)->x, sx(3.2f) + sx(2.5f));
    EXPECT_EQ(record.findText(u"PERIODE DU: 01/03/2026 AU 31/03/2026"_s)->x, sx(14) - sx(1));
    EXPECT_EQ(record.findText(u"BL N° 1"_s)->x, sx(3.2f) + sx(0.2f));
    EXPECT_EQ(record.findText(u"BL N° 1"_s)->font.number, 36);
    EXPECT_EQ(record.findText(INDENT + u"NOUVEAU SOLDE ..."_s)->page, 2);
    EXPECT_EQ(record.ofKind(CanvasCall::Image).size(), 2u);
}

TEST_F(StatementPrintoutTest, GlobalBalancesAreDatedTheDayTheyArePrinted)
{
    GlobalBalancesForm balances;
    balances.list.append({u"CLIENT A"_s, u"0.00"_s, u"3 000.00"_s, u"0.00"_s, u"1 000.00"_s, u"0.00"_s, u"2 000.00"_s});
    balances.list.append({u"      T O T A U X ..."_s, u"0.00"_s, u"3 000.00"_s, u"0.00"_s, u"1 000.00"_s, u"0.00"_s, u"2 000.00"_s});
    printGlobalBalances(env, printers, balances);
    const CanvasRecord& record = printers.last();
    const int top = sy(4);
    for (const auto& [text, x, y] : {std::tuple{u"FICHE GLOBALE DES CREDITS"_s, sx(1.2f), top},
                                     std::tuple{u"ARRETE AU : 14/03/2026"_s, sx(12.5f), top},
                                     std::tuple{u"Client - Fournisseur"_s, sx(1.2f) + sx(0.2f), top + sy(1) + sy(0.3f)},
                                     std::tuple{u"Dettes"_s, sx(10) + sx(0.5f), top + sy(1) + sy(0.3f)},
                                     std::tuple{u"CLIENT A"_s, sx(1.2f) + sx(0.2f), top + sy(1) + sy(1) + sy(0.4f)}}) {
        ASSERT_TRUE(record.findText(text)) << qUtf8Printable(text);
        EXPECT_EQ(record.findText(text)->x, x) << qUtf8Printable(text);
        EXPECT_EQ(record.findText(text)->y, y) << qUtf8Printable(text);
    }
    // The balance of each line right-aligned under " S O L D E".
    const int rowY = top + sy(2) + sy(0.4f);
    const auto balance = std::find_if(record.calls.begin(), record.calls.end(),
                                      [&](const CanvasCall& call) { return call.text == u"2 000.00" && call.y == rowY; });
    ASSERT_NE(balance, record.calls.end());
    EXPECT_EQ(balance->x, sx(20) - sx(0.4f) + sx(0.16f) - recordedTextWidth(printFont(36, 6800, 96), u"2 000.00"_s));
    EXPECT_FALSE(record.hasText(u"PERIODE DU: "_s));

    printGlobalBalances(env, printers, GlobalBalancesForm{});
    EXPECT_EQ(dialogs.takeShown(), (std::vector<ShownBox>{{u"message"_s, u"Erreur"_s, u"Il n'y a rien à imprimer ! "_s}}));
}
