#include <gtest/gtest.h>
#include <QColor>

#include "data_fixture.h"
#include "drawn_forms.h"
#include "form_samples.h"
#include "print/form_layout.h"
#include "print/stock_forms.h"
#include "recording_canvas.h"

namespace {

// The reception and delivery forms draw a unit of one character further right.
float stockUnitOffset(const QString& unit) { return unit.size() == 1 ? 1.0f : 0.3f; }

QStringList totalsOf(const StockFormData& data) { return {data.totalHt, data.payment, data.discount, data.newBalance}; }

class StockFormsTest : public DataFixture {
protected:
    StockFormsTest() { addSampleClientAndProducts(store); }

    // A document of `count` lines "PRODUIT n".
    static StockFormData longDocument(StockFormData data, int count)
    {
        data.lines.clear();
        for (int n = 1; n <= count; ++n)
            data.lines.push_back({QString::number(n), QStringLiteral("PRODUIT %1").arg(n), QStringLiteral("U"),
                                  QStringLiteral("1.00"), QStringLiteral("10.00"), QStringLiteral("10.00")});
        return data;
    }

    RecordingPrinterChoice printers;
};

} // namespace

TEST_F(StockFormsTest, ReceptionFormLaysOutHeaderLinesTotalsAndSignature)
{
    printReceptionForm(env, printers, sampleReception());
    ASSERT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.titles, std::vector<QString>{QStringLiteral("Bon de réception 12")});
    const CanvasRecord& record = printers.last();
    EXPECT_EQ(record.pages, 1);

    const std::vector<int> cols{sx(1.2f), sx(3), sx(10), sx(12), sx(14.5f), sx(17), sx(20)};
    auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
    ExpectedTexts e;
    int y = sy(4);
    e.text(QStringLiteral("BON DE RECEPTION N° 12"), col(1), y, 52);
    e.text(QStringLiteral("DATE : 14/03/2026"), col(5) + sx(1.0f), y + sy(0.2f), 20);
    y += sy(0.4f);
    e.text(QStringLiteral("FOURNISSEUR:"), col(1), y, 36);
    e.text(QStringLiteral("SARL ATLAS"), col(2) + sx(1.0f), y, 36);
    y += sy(0.4f);
    const int tableTop = y;
    const int headerBottom = tableTop + sy(0.8f);
    y = tableTop + sy(0.3f);
    e.text(QStringLiteral("N°"), col(1) + sx(0.5f), y, 20);
    e.text(QStringLiteral("Désignation"), col(2) + sx(2.5f), y, 20);
    e.text(QStringLiteral("U. M."), col(3) + sx(0.6f), y, 20);
    e.text(QStringLiteral("Quantité"), col(4) + sx(0.4f), y, 20);
    e.text(QStringLiteral("Prix unitaire"), col(5) + sx(0.3f), y, 20);
    e.text(QStringLiteral("Montant"), col(6) + sx(0.8f), y, 20);
    const StockFormData data = sampleReception();
    const int footerY = e.rows(data.lines, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, cols,
                               headerBottom + sy(0.4f), 0.4f, stockUnitOffset);
    const QStringList labels{QStringLiteral("Total HT:"), QStringLiteral("Versement:"), QStringLiteral("Remise :"),
                             QStringLiteral("Nouveau solde:")};
    const int boxBottom = e.totals(labels, totalsOf(data), col(5) + sx(0.8f), col(7) - sx(0.4f), footerY) + sy(0.4f);
    e.text(QStringLiteral("Ancien solde: 1 250.00"), col(1), boxBottom - sy(0.4f), 36);
    e.text(QStringLiteral("CACHET ET SIGNATURE"), col(4), boxBottom - sy(0.4f) + sy(7), 36);
    EXPECT_EQ(drawnTexts(record), e.texts);

    std::vector<DrawnLine> lines;
    tableRules(lines, cols, tableTop, headerBottom, footerY);
    totalsBoxRules(lines, col(5), col(7), footerY, 4);
    EXPECT_EQ(drawnLines(record), lines);

    // The footer band only: the reception's headings have no band.
    EXPECT_EQ(drawnBoxes(record), (std::vector<DrawnBox>{
                                      {{col(1), sy(28), col(7) - col(1), sy(0.2f)}, QColor(159, 159, 159)}}));

    const std::vector<CanvasCall> images = record.ofKind(CanvasCall::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].image, loadLetterhead(LETTERHEAD_FULL, QString()));
    EXPECT_NEAR(images[0].height, sy(1.0f), 2); // it fills its band, rounding aside
}

TEST_F(StockFormsTest, DeliveryFormShowsTheClientAddressProductCodesAndTimeOfPrinting)
{
    clock.time = QTime(9, 5, 59);
    printDeliveryForm(env, printers, sampleDelivery());
    ASSERT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.titles, std::vector<QString>{QStringLiteral("Bon de livraison 7")});
    const CanvasRecord& record = printers.last();

    const std::vector<int> cols{sx(1.2f), sx(3), sx(10), sx(12), sx(14), sx(17), sx(20)};
    auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
    const QColor grey(206, 206, 206);
    const QColor darkGrey(69, 69, 69);
    ExpectedTexts e;
    int y = sy(4);
    e.text(QStringLiteral("BON DE LIVRAISON N° 7"), col(1), y, 51);
    e.text(QStringLiteral("DATE : 14/03/2026 (09:05)"), col(5) + sx(1.0f), y + sy(0.2f), 20);
    y += sy(2);
    e.text(QStringLiteral("CLIENT:"), col(1), y, 36);
    e.text(QStringLiteral("ETS BENALI 12 RUE DES PINS ORAN"), col(2), y, 36);
    y += sy(0.8f);
    const int tableTop = y;
    const int headerBottom = tableTop + sy(0.8f);
    y = tableTop + sy(0.3f);
    e.text(QStringLiteral("Code"), col(1) + sx(0.5f), y, 20, darkGrey, grey);
    e.text(QStringLiteral("Désignation"), col(2) + sx(2.5f), y, 20, darkGrey, grey);
    e.text(QStringLiteral("U. M."), col(3) + sx(0.6f), y, 20, darkGrey, grey);
    e.text(QStringLiteral("Quantité"), col(4) + sx(0.4f), y, 20, darkGrey, grey);
    e.text(QStringLiteral("Prix unitaire"), col(5) + sx(0.3f), y, 20, darkGrey, grey);
    e.text(QStringLiteral("Montant"), col(6) + sx(0.8f), y, 20, darkGrey, grey);
    const StockFormData data = sampleDelivery();
    // The product codes looked up by designation, not the line numbers of the list.
    const int footerY =
        e.rows(data.lines, {QStringLiteral("3"), QStringLiteral("5")}, cols, headerBottom + sy(0.4f), 0.6f, stockUnitOffset);
    e.text(QStringLiteral("MODE DE PAYEMENT:"), col(1) + sx(0.1f), footerY + sy(0.5f), 36);
    e.text(QStringLiteral("ESPECE"), col(2) + sx(2), footerY + sy(0.5f), 36);
    const QStringList labels{QStringLiteral("TOTAL HT:"), QStringLiteral("VERSEMENT :"), QStringLiteral("REMISE :"),
                             QStringLiteral("NOUVEAU SOLDE :")};
    const int boxBottom = e.totals(labels, totalsOf(data), col(5) + sx(0.3f), col(7) - sx(0.4f), footerY) + sy(0.4f);
    e.text(QStringLiteral("ANCIEN SOLDE:  1 250.00"), col(1), boxBottom, 36);
    e.text(QStringLiteral("CACHET ET SIGNATURE"), col(4), boxBottom + sy(2), 36);
    EXPECT_EQ(drawnTexts(record), e.texts);

    // The grey heading band, then the footer band.
    EXPECT_EQ(drawnBoxes(record), (std::vector<DrawnBox>{
                                      {{col(1), tableTop, col(7) - col(1), sy(0.8f)}, grey},
                                      {{col(1), sy(28), col(7) - col(1), sy(0.2f)}, QColor(159, 159, 159)}}));

    std::vector<DrawnLine> lines;
    tableRules(lines, cols, tableTop, headerBottom, footerY);
    totalsBoxRules(lines, col(5), col(7), footerY, 4);
    EXPECT_EQ(drawnLines(record), lines);
}

TEST_F(StockFormsTest, UnitsOfOneCharacterStand0Point7UnitFurtherRight)
{
    printReceptionForm(env, printers, sampleReception());
    const CanvasRecord& record = printers.last();
    const int kg = record.findText(QStringLiteral("KG"))->x;
    const int u = record.findText(QStringLiteral("U"))->x;
    EXPECT_EQ(u - kg, sx(1.0f) - sx(0.3f));
    EXPECT_NEAR(u - kg, sx(0.7f), 1);
    EXPECT_EQ(record.findText(QStringLiteral("SAC"))->x, kg);
}

TEST_F(StockFormsTest, PaymentAndDiscountLinesArePrintedOnlyFromOneUnit)
{
    const struct {
        const char* payment;
        const char* discount;
        QStringList labels;
    } cases[] = {
        {"0.00", "", {QStringLiteral("TOTAL HT:"), QStringLiteral("NOUVEAU SOLDE :")}},
        {"0.99", " -3.00", {QStringLiteral("TOTAL HT:"), QStringLiteral("NOUVEAU SOLDE :")}},
        {"1 500.00", "abc", {QStringLiteral("TOTAL HT:"), QStringLiteral("VERSEMENT :"), QStringLiteral("NOUVEAU SOLDE :")}},
        {"", "  1.00", {QStringLiteral("TOTAL HT:"), QStringLiteral("REMISE :"), QStringLiteral("NOUVEAU SOLDE :")}},
        {"+2.00", "12.00",
         {QStringLiteral("TOTAL HT:"), QStringLiteral("VERSEMENT :"), QStringLiteral("REMISE :"),
          QStringLiteral("NOUVEAU SOLDE :")}},
    };
    const QStringList allLabels{QStringLiteral("TOTAL HT:"), QStringLiteral("VERSEMENT :"), QStringLiteral("REMISE :"),
                                QStringLiteral("NOUVEAU SOLDE :")};
    for (const auto& c : cases) {
        StockFormData data = sampleDelivery();
        data.payment = QString::fromUtf8(c.payment);
        data.discount = QString::fromUtf8(c.discount);
        printDeliveryForm(env, printers, data);
        const CanvasRecord& record = printers.last();
        QStringList printed;
        for (const CanvasCall& text : record.texts())
            if (allLabels.contains(text.text)) printed.append(text.text);
        EXPECT_EQ(printed, c.labels) << c.payment << " / " << c.discount;

        // The box holds one line per printed total: after the ten rules of the line table.
        const int footerY = record.findText(QStringLiteral("TOTAL HT:"))->y - sy(0.3f);
        std::vector<DrawnLine> box;
        totalsBoxRules(box, sx(14), sx(20), footerY, static_cast<int>(c.labels.size()));
        const std::vector<DrawnLine> lines = drawnLines(record);
        ASSERT_GT(lines.size(), 10u);
        EXPECT_EQ(std::vector<DrawnLine>(lines.begin() + 10, lines.end()), box) << c.payment << " / " << c.discount;
    }
}

TEST_F(StockFormsTest, AClientNotInTheTableIsPrintedWithoutAddress)
{
    StockFormData data = sampleDelivery();
    data.partyName = QStringLiteral("PASSAGER");
    printDeliveryForm(env, printers, data);
    EXPECT_TRUE(dialogs.shown.empty());
    const CanvasRecord& record = printers.last();
    const int clientY = record.findText(QStringLiteral("CLIENT:"))->y;
    std::vector<QString> onClientLine;
    for (const CanvasCall& text : record.texts())
        if (text.y == clientY) onClientLine.push_back(text.text);
    EXPECT_EQ(onClientLine, (std::vector<QString>{QStringLiteral("CLIENT:"), QStringLiteral("PASSAGER ")}));
}

TEST_F(StockFormsTest, PreconditionsStopBeforeThePrinterIsChosen)
{
    StockFormData noNumber = sampleDelivery();
    noNumber.number.clear();
    noNumber.lines.clear(); // the number is checked first
    printDeliveryForm(env, printers, noNumber);
    StockFormData noLines = sampleDelivery();
    noLines.lines.clear();
    printDeliveryForm(env, printers, noLines);
    StockFormData emptyReception = sampleReception();
    emptyReception.lines.clear();
    printReceptionForm(env, printers, emptyReception);

    const QString nothing = QStringLiteral("Il n'y a rien à imprimer ! ");
    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{
                                 {QStringLiteral("message"), QStringLiteral("Erreur"), QStringLiteral("N° de BL incorrect !")},
                                 {QStringLiteral("message"), QStringLiteral("Erreur"), nothing},
                                 {QStringLiteral("message"), QStringLiteral("Erreur"), nothing},
                             }));
    EXPECT_EQ(printers.asked, 0);

    // A reception is printed without a number.
    StockFormData unnumbered = sampleReception();
    unnumbered.number.clear();
    printReceptionForm(env, printers, unnumbered);
    EXPECT_EQ(printers.jobs.size(), 1u);
    EXPECT_TRUE(printers.last().hasText(QStringLiteral("BON DE RECEPTION N° ")));
}

TEST_F(StockFormsTest, CancellingThePrinterChoicePrintsAndShowsNothing)
{
    printers.cancel = true;
    printDeliveryForm(env, printers, sampleDelivery());
    printReceptionForm(env, printers, sampleReception());
    EXPECT_EQ(printers.asked, 2);
    EXPECT_TRUE(printers.jobs.empty());
    EXPECT_TRUE(dialogs.shown.empty());
}

// Every line of a long document is printed, page after page; each page has its letterhead,
// title, headings, grid and footer band; the closing follows the last line, and nothing falls
// below the page's bottom margin.
TEST_F(StockFormsTest, LongDocumentsGoOnOnFurtherPages)
{
    const int rowsLimit = sy(28);
    const int pageLimit = 6800 - BOTTOM_MARGIN_PX;
    for (const bool delivery : {false, true}) {
        int previousPages = 1;
        int singlePageMost = 0;
        for (int count = 1; count <= 75; ++count) {
            const StockFormData data = longDocument(delivery ? sampleDelivery() : sampleReception(), count);
            delivery ? printDeliveryForm(env, printers, data) : printReceptionForm(env, printers, data);
            const CanvasRecord& record = printers.last();
            const std::string what = (delivery ? "delivery of " : "reception of ") + std::to_string(count);
            ASSERT_GE(record.pages, previousPages) << what;
            previousPages = record.pages;
            if (record.pages == 1) singlePageMost = count;

            std::vector<int> rowsPerPage(static_cast<size_t>(record.pages), 0);
            int nextRow = 1;
            for (const CanvasCall& text : record.texts()) {
                if (text.text.startsWith(u"PRODUIT")) {
                    EXPECT_EQ(text.text, QStringLiteral("PRODUIT %1").arg(nextRow++)) << what;
                    EXPECT_LE(text.y + sy(delivery ? 0.6f : 0.4f), rowsLimit) << what;
                    ++rowsPerPage[static_cast<size_t>(text.page - 1)];
                }
                EXPECT_LE(text.y + text.font.pixelSize, pageLimit) << what << ": " << qUtf8Printable(text.text);
            }
            EXPECT_EQ(nextRow, count + 1) << what;
            for (int rows : rowsPerPage) EXPECT_GT(rows, 0) << what;

            const QString title = delivery ? QStringLiteral("BON DE LIVRAISON N° 7") : QStringLiteral("BON DE RECEPTION N° 12");
            expectFramedPages(record, title, {QStringLiteral("CACHET ET SIGNATURE")}, what);
        }
        // What fits one page stays on one page. The reception's rows begin at 1375 pixels, 92
        // apart, and its closing (four totals) ends 2150 under them: 33 lines end at 6586. The
        // delivery's begin at 1832, 137 apart, with a closing of 1097: 26 lines end at 6491.
        EXPECT_EQ(singlePageMost, delivery ? 26 : 33);
    }
}
