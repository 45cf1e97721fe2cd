// The printed invoice and proforma, drawn on the recording printer from what their tab shows
// after the tab's own operations.
#include <array>
#include <gtest/gtest.h>

#include "data_fixture.h"
#include "drawn_forms.h"
#include "form_samples.h"
#include "print/form_layout.h"
#include "print/invoice_forms.h"

namespace {

QString operator""_q(const char* text, size_t) { return QString::fromUtf8(text); }

const QColor FOOTER_GREY(159, 159, 159);
const QColor BAND_GREY(206, 206, 206);
const QColor DARK_GREY(69, 69, 69);

// The three lines of the sample as the tab's list shows them.
const std::vector<QStringList> SAMPLE_LINES{
    {"3"_q, "CIMENT 50KG"_q, "SAC"_q, "10.00"_q, "850.00"_q, "8 500.00"_q},
    {"6"_q, "FER A BETON 12"_q, "KG"_q, "100.00"_q, "25.00"_q, "2 500.00"_q},
    {"7"_q, "PEINTURE BLANCHE"_q, "LITRE"_q, "4.00"_q, "375.00"_q, "1 500.00"_q},
};

using Print = void (*)(Env&, PrinterChoice&, const InvoiceForm&);

Print printOf(InvoiceKind kind) { return kind == InvoiceKind::Invoice ? printInvoice : printProforma; }

// Where the invoice and the proforma stand apart in the parts both layout tests check.
struct FormFrame {
    std::vector<int> cols;
    float unitHeading, quantityHeading;
    QColor band, headingText;
    float paymentMode; // at col2 + this

    int col(int n) const { return cols[static_cast<size_t>(n - 1)]; }
};

// How wide the recording printer takes a text of print font 36 to be.
int width36(const QString& text) { return recordedTextWidth(printFont(36, 6800, 96), text); }

// The sample's register, tax, article and statistical numbers on two lines from y, the four
// cells of each line at x[0] to x[3].
void expectClientNumbers(ExpectedTexts& e, const std::array<int, 4>& x, int y)
{
    for (const QStringList& line : {QStringList{"N° R.C.:"_q, "31/00-0012345 B 09"_q, "N° FISCAL:"_q, "000931012345678"_q},
                                    QStringList{"N° ARTICLE:"_q, "31012345678"_q, "N.I.S. :"_q, "099331001234567"_q}}) {
        for (size_t cell = 0; cell < 4; ++cell) e.text(line[qsizetype(cell)], x[cell], y, 36);
        y += sy(0.5f);
    }
}

// The column headings, 0.3 under the table's top.
void expectHeadings(ExpectedTexts& e, const FormFrame& f, int tableTop)
{
    const int y = tableTop + sy(0.3f);
    const QColor& front = f.headingText;
    e.text("Ref."_q, f.col(1) + sx(0.7f), y, 20, front, f.band);
    e.text("Désignation"_q, f.col(2) + sx(2.5f), y, 20, front, f.band);
    e.text("U. M."_q, f.col(3) + sx(f.unitHeading), y, 20, front, f.band);
    e.text("Quantité"_q, f.col(4) + sx(f.quantityHeading), y, 20, front, f.band);
    e.text("Prix unitaire"_q, f.col(5) + sx(0.3f), y, 20, front, f.band);
    e.text("Montant"_q, f.col(6) + sx(0.8f), y, 20, front, f.band);
}

// The payment mode, the sample's totals as the tab shows them (with their two trailing blanks)
// and the words under a line table closed at footerY. Returns the y of the words.
int expectClosing(ExpectedTexts& e, const FormFrame& f, int footerY)
{
    e.text("MODE DE PAYEMENT:"_q, f.col(1) + sx(0.1f), footerY + sy(0.5f), 20);
    e.text("ESPECE"_q, f.col(2) + sx(f.paymentMode), footerY + sy(0.5f), 20);
    e.totals({"Total HT:"_q, "TVA (19%):"_q, "Timbre :"_q, "Total TTC :"_q},
             {"12 500.00  "_q, "2 375.00  "_q, "148.75  "_q, "15 023.75  "_q}, f.col(5) + sx(0.8f), f.col(7) - sx(0.4f),
             footerY);
    const int wordsY = footerY + sy(3) + sy(0.8f);
    e.text("ARRETE LA PRESENTE FACTURE A LA SOMME DE"_q, f.col(1), footerY + sy(3), 40);
    e.text("Quinze Mille Vingt Trois Dinars 75 Cts"_q, f.col(1), wordsY, 43);
    return wordsY;
}

// The rules of the line table and of a totals box of four lines, the band behind the headings
// and the footer band.
void expectRulesAndBands(const CanvasRecord& record, const FormFrame& f, int tableTop, int footerY)
{
    std::vector<DrawnLine> lines;
    tableRules(lines, f.cols, tableTop, tableTop + sy(0.8f), footerY);
    totalsBoxRules(lines, f.col(5), f.col(7), footerY, 4, 0.5f);
    EXPECT_EQ(drawnLines(record), lines);
    const int width = f.col(7) - f.col(1);
    EXPECT_EQ(drawnBoxes(record), (std::vector<DrawnBox>{{{f.col(1), tableTop, width, sy(0.8f)}, f.band},
                                                         {{f.col(1), sy(28), width, sy(0.2f)}, FOOTER_GREY}}));
}

class InvoiceFormsTest : public DataFixture {
protected:
    InvoiceFormsTest() { addSampleClientAndProducts(store); }

    // Columns and lines of the table, in device pixels.
    static std::vector<int> stops(const std::vector<float>& units)
    {
        std::vector<int> found;
        for (float u : units) found.push_back(sx(u));
        return found;
    }
    // The labels of the totals box, in order.
    static QStringList totalLabels(const CanvasRecord& record)
    {
        const int labelX = sx(14.5f) + sx(0.8f);
        QStringList found;
        for (const CanvasCall& text : record.texts())
            if (text.x == labelX && text.font.number == 36) found.append(text.text);
        return found;
    }

    RecordingPrinterChoice printers;
};

} // namespace

TEST_F(InvoiceFormsTest, InvoiceLaysOutItsHeaderLinesTotalsWordsAndSignature)
{
    const InvoiceForm invoice = sampleInvoice(env, InvoiceKind::Invoice);
    ASSERT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(invoice.lines.rows, SAMPLE_LINES);
    const ProgramState stateBefore = env.state;
    printInvoice(env, printers, invoice);
    ASSERT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(printers.jobs.size(), 1u);
    const CanvasRecord& record = printers.last();
    EXPECT_EQ(record.pages, 1);
    EXPECT_EQ(printers.titles, std::vector<QString>{"Facture 1"_q});
    // Printing leaves the rate of both tabs as it was.
    EXPECT_EQ(env.state.currentVatRate, stateBefore.currentVatRate);

    // A white box behind black headings.
    const FormFrame f{stops({1, 2.5f, 11, 13, 14.5f, 17, 20}), 0.1f, 0.1f, WHITE, BLACK, 3.0f};
    ExpectedTexts e;
    int y = sy(4);
    // The title and its number in one font.
    e.text("FACTURE N° 1"_q, f.col(2), y, 46);
    e.text("DATE : 14/03/2026"_q, f.col(5), y + sy(0.2f), 53);
    y += sy(1.5f);
    // "N° ARTICLE:" reaches past col2: the values of the block stand a gap after it, and the
    // register number, so moved, pushes the second labels past col2 + 3 in turn. The second
    // values keep col2 + 5. The client line has no second label: its long value pushes nothing.
    const int valuesX = f.col(1) + width36("N° ARTICLE:"_q) + sx(LABEL_GAP);
    ASSERT_GT(valuesX, f.col(2));
    const int secondLabelsX = valuesX + width36("31/00-0012345 B 09"_q) + sx(LABEL_GAP);
    ASSERT_GT(secondLabelsX, f.col(2) + sx(3));
    e.text("CLIENT:"_q, f.col(1), y, 36);
    e.text("ETS BENALI  -  12 RUE DES PINS ORAN"_q, valuesX, y, 36);
    expectClientNumbers(e, {f.col(1), valuesX, secondLabelsX, f.col(2) + sx(5)}, y + sy(0.5f));
    const int tableTop = y + sy(0.5f) + sy(0.5f) + sy(0.8f);
    expectHeadings(e, f, tableTop);
    // Lines numbered from 1; a unit of up to three letters at col3 + 0.2, a longer one at + 0.1.
    const int footerY = e.rows(SAMPLE_LINES, {"1"_q, "2"_q, "3"_q}, f.cols, tableTop + sy(0.8f) + sy(0.4f), 0.4f,
                               [](const QString& unit) { return unit.size() <= 3 ? 0.2f : 0.1f; });
    expectClosing(e, f, footerY);
    // The signature line stands at 24 whatever the length of the invoice.
    e.text("CACHET ET SIGNATURE"_q, f.col(4), sy(24), 43);
    EXPECT_EQ(drawnTexts(record), e.texts);
    expectRulesAndBands(record, f, tableTop, footerY);

    const std::vector<CanvasCall> images = record.ofKind(CanvasCall::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].image, loadLetterhead(LETTERHEAD_SHORT, QString()));
    EXPECT_NEAR(images[0].height, sy(3.0f), 2); // it fills its band, rounding aside
}

TEST_F(InvoiceFormsTest, ProformaHasAGreyHeadingBandProductCodesAndTheAddressApart)
{
    const InvoiceForm proforma = sampleInvoice(env, InvoiceKind::Proforma);
    ASSERT_EQ(proforma.lines.rows, SAMPLE_LINES);
    printProforma(env, printers, proforma);
    ASSERT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(printers.titles, std::vector<QString>{"Facture proforma 1"_q});
    const CanvasRecord& record = printers.last();
    EXPECT_EQ(record.pages, 1);

    // Dark grey headings on a grey band.
    const FormFrame f{stops({1.2f, 3, 10, 12, 14.5f, 17, 20}), 0.6f, 0.4f, BAND_GREY, DARK_GREY, 2.0f};
    ExpectedTexts e;
    int y = sy(4);
    e.text("FACTURE PROFORMA N° 1"_q, f.col(1), y, 46);
    e.text("DATE : 14/03/2026"_q, f.col(5) + sx(2), y + sy(0.2f), 20);
    y += sy(1.5f);
    // The proforma's wider first column leaves every cell of the block at its own stop.
    const std::array<int, 4> x{f.col(1), f.col(2), f.col(2) + sx(3), f.col(2) + sx(5)};
    e.text("CLIENT:"_q, x[0], y, 36);
    e.text("ETS BENALI"_q, x[1], y, 36);
    e.text("ADRESSE:"_q, x[2], y, 36);
    e.text("12 RUE DES PINS ORAN"_q, x[3], y, 36);
    expectClientNumbers(e, x, y + sy(0.5f));
    const int tableTop = y + sy(0.5f) + sy(0.5f) + sy(0.8f);
    expectHeadings(e, f, tableTop);
    // Product codes under "Ref."; a unit of up to three letters at col3 + 1.0, a longer one at + 0.2.
    const int footerY = e.rows(SAMPLE_LINES, {"3"_q, "6"_q, "7"_q}, f.cols, tableTop + sy(0.8f) + sy(0.4f), 0.4f,
                               [](const QString& unit) { return unit.size() <= 3 ? 1.0f : 0.2f; });
    // The signature follows the words.
    const int wordsY = expectClosing(e, f, footerY);
    e.text("CACHET ET SIGNATURE"_q, f.col(4), wordsY + sy(3), 43);
    EXPECT_EQ(drawnTexts(record), e.texts);
    expectRulesAndBands(record, f, tableTop, footerY);
}

// A tax line is printed only from 1.00 up: credit has no stamp, a rate of 0 no VAT. The box
// holds one line per printed total.
TEST_F(InvoiceFormsTest, VatAndStampLinesArePrintedOnlyWhenAboveZero)
{
    const struct {
        const char* rate;
        PaymentOption payment;
        QStringList labels;
        QStringList values;
    } cases[] = {
        {"19", PaymentOption::ATerme, {"Total HT:"_q, "TVA (19%) :"_q, "Total TTC :"_q},
         {"12 500.00  "_q, "2 375.00  "_q, "14 875.00  "_q}},
        {"0", PaymentOption::Espece, {"Total HT:"_q, "Timbre :"_q, "Total TTC :"_q},
         {"12 500.00  "_q, "125.00  "_q, "12 625.00  "_q}},
        {"0", PaymentOption::Cheque, {"Total HT:"_q, "Total TTC :"_q}, {"12 500.00  "_q, "12 500.00  "_q}},
    };
    for (const InvoiceKind kind : {InvoiceKind::Invoice, InvoiceKind::Proforma}) {
        InvoiceForm form = sampleInvoice(env, kind);
        for (const auto& c : cases) {
            form.vatRate = QString::fromUtf8(c.rate);
            applyInvoiceVatRate(env, form);
            chooseInvoicePaymentOption(env, form, c.payment);
            printOf(kind)(env, printers, form);
            const CanvasRecord& record = printers.last();
            const std::string what = std::string(kind == InvoiceKind::Invoice ? "invoice " : "proforma ") + c.rate;
            EXPECT_EQ(totalLabels(record), c.labels) << what;
            const int footerY = record.findText("Total HT:"_q)->y - sy(0.3f);
            for (qsizetype i = 0; i < c.labels.size(); ++i) {
                // Each value is drawn whole, ending 0.18 right of col7 - 0.4.
                const int y = footerY + sy(0.3f) + static_cast<int>(i) * sy(0.6f);
                QStringList values;
                for (const CanvasCall& text : record.texts())
                    if (text.y == y && text.x > sx(14.5f) + sx(2.5f)) {
                        values.append(text.text);
                        EXPECT_EQ(text.x + width36(text.text), sx(20) - sx(0.4f) + sx(0.18f)) << what;
                    }
                EXPECT_EQ(values, QStringList{c.values[i]}) << what;
            }
            std::vector<DrawnLine> box;
            totalsBoxRules(box, sx(14.5f), sx(20), footerY, static_cast<int>(c.labels.size()), 0.5f);
            const std::vector<DrawnLine> lines = drawnLines(record);
            ASSERT_GT(lines.size(), 10u);
            EXPECT_EQ(std::vector<DrawnLine>(lines.begin() + 10, lines.end()), box) << what;
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(InvoiceFormsTest, UnitsOfMeasureStandByTheirLength)
{
    const struct {
        InvoiceKind kind;
        float col3;
        float sac, kg, litre; // three, two and five letters
    } cases[] = {
        {InvoiceKind::Invoice, 11, 0.2f, 0.2f, 0.1f},
        {InvoiceKind::Proforma, 10, 1.0f, 1.0f, 0.2f},
    };
    for (const auto& c : cases) {
        printOf(c.kind)(env, printers, sampleInvoice(env, c.kind));
        const CanvasRecord& record = printers.last();
        EXPECT_EQ(record.findText("SAC"_q)->x, sx(c.col3) + sx(c.sac));
        EXPECT_EQ(record.findText("KG"_q)->x, sx(c.col3) + sx(c.kg));
        EXPECT_EQ(record.findText("LITRE"_q)->x, sx(c.col3) + sx(c.litre));
    }
}

TEST_F(InvoiceFormsTest, ANumberAndLinesAreNeededBeforeThePrinterIsChosen)
{
    for (const InvoiceKind kind : {InvoiceKind::Invoice, InvoiceKind::Proforma}) {
        InvoiceForm empty(kind);
        (kind == InvoiceKind::Invoice ? newInvoice : newProforma)(env, empty);
        ASSERT_FALSE(empty.number.isEmpty());
        printOf(kind)(env, printers, empty);
        empty.number.clear(); // the number is checked first
        printOf(kind)(env, printers, empty);
        InvoiceForm unnumbered = sampleInvoice(env, kind);
        unnumbered.number = "  "_q;
        printOf(kind)(env, printers, unnumbered);
    }
    const ShownBox nothing{"message"_q, "Erreur"_q, "Il n'y a rien à imprimer ! "_q};
    const ShownBox noNumber{"message"_q, "Erreur"_q, "N° de facture incorrect !"_q};
    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{nothing, noNumber, noNumber, nothing, noNumber, noNumber}));
    EXPECT_EQ(printers.asked, 0);
}

// Every line of a long document is printed, page after page, each page with its header,
// headings, grid and footer band; the closing follows the last line. The invoice keeps its
// rows and closing above its signature line at 24, the proforma above the footer band.
TEST_F(InvoiceFormsTest, LongDocumentsGoOnOnFurtherPages)
{
    constexpr int MOST = 70;
    for (int n = 1; n <= MOST; ++n)
        exec(DB_PROD, "insert into fprod values(?,'DIVERS','',?,'U',0,100,200,200)"_q,
             {100 + n, "PRODUIT %1"_q.arg(n, 2, 10, QLatin1Char('0'))});
    // The lines are entered once on the invoice tab; the proforma tab shows the same ones.
    InvoiceForm full = sampleInvoice(env, InvoiceKind::Invoice);
    full.lines.clear(); // the list shows the long lines only
    for (int n = 1; n <= MOST; ++n)
        addInvoiceLine(env, full, qPrintable("PRODUIT %1"_q.arg(n, 2, 10, QLatin1Char('0'))), "1", "10");
    ASSERT_EQ(full.lines.size(), MOST);
    for (const InvoiceKind kind : {InvoiceKind::Invoice, InvoiceKind::Proforma}) {
        const bool invoice = kind == InvoiceKind::Invoice;
        full.kind = kind;

        const int bottom = sy(invoice ? 24 : 28);
        const QString title = invoice ? "FACTURE N° 1"_q : "FACTURE PROFORMA N° 1"_q;
        int previousPages = 1;
        int singlePageMost = 0;
        for (int count = 1; count <= MOST; ++count) {
            InvoiceForm form = full;
            form.lines.rows.resize(static_cast<size_t>(count));
            printOf(kind)(env, printers, form);
            const CanvasRecord& record = printers.last();
            const std::string what = (invoice ? "invoice of " : "proforma of ") + std::to_string(count);
            ASSERT_GE(record.pages, previousPages) << what;
            previousPages = record.pages;
            if (record.pages == 1) singlePageMost = count;

            std::vector<int> rowsPerPage(static_cast<size_t>(record.pages), 0);
            int nextRow = 1;
            for (const CanvasCall& text : record.texts()) {
                if (text.text.startsWith(u"PRODUIT")) {
                    EXPECT_EQ(text.text, "PRODUIT %1"_q.arg(nextRow, 2, 10, QLatin1Char('0'))) << what;
                    // The reference: the line's number on the invoice, the product's code on the proforma.
                    const auto reference = std::find_if(record.calls.begin(), record.calls.end(), [&](const CanvasCall& c) {
                        return c.kind == CanvasCall::Text && c.page == text.page && c.y == text.y &&
                               c.x == sx(invoice ? 1 : 1.2f) + sx(0.5f);
                    });
                    ASSERT_NE(reference, record.calls.end()) << what;
                    EXPECT_EQ(reference->text, QString::number(invoice ? nextRow : 100 + nextRow)) << what;
                    ++nextRow;
                    ++rowsPerPage[static_cast<size_t>(text.page - 1)];
                }
                if (text.text == "CACHET ET SIGNATURE"_q) {
                    EXPECT_EQ(text.y == sy(24), invoice) << what;
                    EXPECT_LE(text.y + text.font.pixelSize, sy(28)) << what;
                } else {
                    EXPECT_LE(text.y + text.font.pixelSize, bottom) << what << ": " << qUtf8Printable(text.text);
                }
            }
            EXPECT_EQ(nextRow, count + 1) << what;
            for (int rows : rowsPerPage) EXPECT_GT(rows, 0) << what;
            if (count == MOST) {
                const std::vector<int> expected = invoice ? std::vector<int>{38, 31, 1} : std::vector<int>{48, 22};
                EXPECT_EQ(rowsPerPage, expected);
            }

            expectFramedPages(record, title, {"ARRETE LA PRESENTE FACTURE A LA SOMME DE"_q, "CACHET ET SIGNATURE"_q}, what);
        }
        // What fits one page stays on one page. Rows begin at 1945 pixels, 92 apart. The
        // invoice's words end 931 under the table and must stay above its signature line (5495):
        // 28 lines end at 4521. The proforma's signature ends 1618 under the table and must stay
        // above the footer band (6411): 30 lines end at 4705. Other pages hold the rows that fit
        // above those lines: 38 on the invoice, 48 on the proforma (see the pages of 70 lines
        // above: the invoice's second page would hold 32, too many for the closing, so the last
        // line goes on a third).
        EXPECT_EQ(singlePageMost, invoice ? 28 : 30) << (invoice ? "invoice" : "proforma");
    }
}
