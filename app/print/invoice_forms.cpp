#include "print/invoice_forms.h"

#include <optional>

#include "common/env.h"
#include "print/form_layout.h"
#include "stock/invoices.h"

namespace {

// One text of the title line: its fixed words, followed by the document's number or date, at
// col(column) + offset and `down` below the title line.
struct TitleText {
    enum Value { Number, Date };
    QString words;
    Value value;
    int font;
    int column;
    float offset;
    float down;
};

// What the "Ref." column shows.
enum class Reference { LineNumber, ProductCode };

// Where the invoice and the proforma differ; everything else they share.
struct InvoiceLayout {
    QString jobTitle; // followed by the number
    std::vector<float> stops;
    std::vector<TitleText> title;
    bool addressOnClientLine; // "name  -  address", or the address apart under "ADRESSE:"
    QColor headingBand;       // filled behind the column headings
    QColor headingText;
    float unitHeadingOffset;
    float quantityHeadingOffset;
    Reference reference;
    float shortUnitOffset; // a unit of at most three characters
    float longUnitOffset;
    float paymentModeOffset;                // the payment mode at col2 + this
    std::optional<float> fixedSignatureTop; // otherwise the signature stands 3 under the words
};

const InvoiceLayout& invoiceLayout()
{
    static const InvoiceLayout layout{
        .jobTitle = QStringLiteral("Facture "),
        .stops = {1, 2.5f, 11, 13, 14.5f, 17, 20},
        // The title and its number in one font, like the other forms' titles.
        .title = {{QStringLiteral("FACTURE N° "), TitleText::Number, 46, 2, 0.0f, 0.0f},
                  {QStringLiteral("DATE : "), TitleText::Date, 53, 5, 0.0f, 0.2f}},
        .addressOnClientLine = true,
        .headingBand = PAPER_COLOUR,
        .headingText = TEXT_COLOUR,
        .unitHeadingOffset = 0.1f,
        .quantityHeadingOffset = 0.1f,
        .reference = Reference::LineNumber,
        .shortUnitOffset = 0.2f,
        .longUnitOffset = 0.1f,
        .paymentModeOffset = 3.0f,
        .fixedSignatureTop = 24.0f,
    };
    return layout;
}

const InvoiceLayout& proformaLayout()
{
    static const InvoiceLayout layout{
        .jobTitle = QStringLiteral("Facture proforma "),
        .stops = {1.2f, 3, 10, 12, 14.5f, 17, 20},
        .title = {{QStringLiteral("FACTURE PROFORMA N° "), TitleText::Number, 46, 1, 0.0f, 0.0f},
                  {QStringLiteral("DATE : "), TitleText::Date, 20, 5, 2.0f, 0.2f}},
        .addressOnClientLine = false,
        .headingBand = HEADING_BAND_COLOUR,
        .headingText = HEADING_TEXT_COLOUR,
        .unitHeadingOffset = 0.6f,
        .quantityHeadingOffset = 0.4f,
        .reference = Reference::ProductCode,
        .shortUnitOffset = 1.0f,
        .longUnitOffset = 0.2f,
        .paymentModeOffset = 2.0f,
        .fixedSignatureTop = std::nullopt,
    };
    return layout;
}

QString titleValue(const InvoiceForm& document, TitleText::Value value)
{
    return value == TitleText::Number ? document.number : document.date;
}

void drawHeader(Printout& page, const InvoiceForm& document, const InvoiceLayout& layout)
{
    PrintCursor& c = page.cursor;
    page.setColumnStops(layout.stops);
    page.drawLetterheadTall();
    c.y = page.scaleY(4);
    for (const TitleText& text : layout.title) {
        page.setFont(text.font);
        page.drawText(page.at(text.column, text.offset), c.y + page.scaleY(text.down),
                      text.words + titleValue(document, text.value));
    }
    page.down(1.5f);
    // The client block: labels at col1 and col2 + 3, values at col2 and col2 + 5.
    page.setFont(36);
    const QStringList clientLine = layout.addressOnClientLine
                                       ? QStringList{QStringLiteral("CLIENT:"),
                                                     document.client + QStringLiteral("  -  ") + document.address}
                                       : QStringList{QStringLiteral("CLIENT:"), document.client,
                                                     QStringLiteral("ADRESSE:"), document.address};
    drawLabelledLines(page,
                      {clientLine,
                       {QStringLiteral("N° R.C.:"), document.rc, QStringLiteral("N° FISCAL:"), document.mf},
                       {QStringLiteral("N° ARTICLE:"), document.art, QStringLiteral("N.I.S. :"), document.nis}},
                      {page.col(1), page.col(2), page.at(2, 3.0f), page.at(2, 5.0f)}, 0.5f);
    page.down(0.8f);
    drawTableHeading(page,
                     {{QStringLiteral("Ref."), 1, 0.7f},
                      {QStringLiteral("Désignation"), 2, 2.5f},
                      {QStringLiteral("U. M."), 3, layout.unitHeadingOffset},
                      {QStringLiteral("Quantité"), 4, layout.quantityHeadingOffset},
                      {QStringLiteral("Prix unitaire"), 5, 0.3f},
                      {QStringLiteral("Montant"), 6, 0.8f}},
                     layout.headingBand, layout.headingText, layout.headingBand);
}

void drawInvoiceHeader(Printout& page, const InvoiceForm& invoice) { drawHeader(page, invoice, invoiceLayout()); }

void drawProformaHeader(Printout& page, const InvoiceForm& proforma) { drawHeader(page, proforma, proformaLayout()); }

void drawSignature(Printout& page, int y)
{
    page.setFont(43);
    page.drawText(page.col(4), y, QStringLiteral("CACHET ET SIGNATURE"));
}

// The payment mode, the totals box and the total in words under the line table; the proforma's
// signature follows the words.
void drawClosing(Printout& page, const InvoiceForm& document, const InvoiceLayout& layout, const QString& words)
{
    PrintCursor& c = page.cursor;
    c.y = c.footerY + page.scaleY(0.5f);
    page.setFont(20);
    page.drawText(page.at(1, 0.1f), c.y, QStringLiteral("MODE DE PAYEMENT:"));
    page.drawText(page.at(2, layout.paymentModeOffset), c.y, document.paymentMode);

    page.setFont(36);
    std::vector<TotalLine> totals{{QStringLiteral("Total HT:"), document.totalHt}};
    if (isPrintedTotal(document.totalVat)) totals.push_back({document.vatLabel, document.totalVat});
    if (isPrintedTotal(document.stamp)) totals.push_back({QStringLiteral("Timbre :"), document.stamp});
    totals.push_back({QStringLiteral("Total TTC :"), document.totalTtc});
    drawTotalsBox(page, totals, 0.8f, 0.5f);

    c.y = c.tableTop + page.scaleY(3);
    page.setFont(40);
    page.drawText(page.col(1), c.y, QStringLiteral("ARRETE LA PRESENTE FACTURE A LA SOMME DE"));
    page.down(0.8f);
    page.setFont(43);
    page.drawText(page.col(1), c.y, words);
    if (!layout.fixedSignatureTop) drawSignature(page, c.y + page.scaleY(3));
}

void drawDocument(Printout& p, const InvoiceForm& document, const InvoiceLayout& layout,
                  void (*pageHeader)(Printout&, const InvoiceForm&), const QString& words)
{
    FormPages form;
    form.pageHeader = [&](Printout& page) { pageHeader(page, document); };
    form.rowFont = 36;
    form.rowStep = 0.4f;
    form.rowCount = document.lines.size();
    form.drawRow = [&](Printout& page, int row) {
        const QStringList& cells = document.lines.rows[static_cast<size_t>(row)];
        const QString reference = layout.reference == Reference::LineNumber ? QString::number(row + 1) : cells.value(0);
        const float unitOffset = cells.value(2).size() <= 3 ? layout.shortUnitOffset : layout.longUnitOffset;
        drawFormRow(page, reference, cells, unitOffset);
    };
    form.closing = [&](Printout& page) { drawClosing(page, document, layout, words); };
    form.pageFooter = drawFooterBand;
    // Rows and closing stay clear of the invoice's signature line, and of the footer band.
    const float marksTop = layout.fixedSignatureTop.value_or(FOOTER_BAND_TOP);
    form.rowsBottom = marksTop;
    form.closingBottom = marksTop;
    if (layout.fixedSignatureTop)
        form.lastPageMarks = [&](Printout& page) { drawSignature(page, page.scaleY(*layout.fixedSignatureTop)); };
    printFormPages(p, form);
}

void printDocument(Env& env, PrinterChoice& printers, const InvoiceForm& document, const InvoiceLayout& layout,
                   void (*pageHeader)(Printout&, const InvoiceForm&))
{
    if (document.number.trimmed().isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("N° de facture incorrect !"));
        return;
    }
    PrintJob job;
    job.title = layout.jobTitle + document.number.trimmed();
    job.isEmpty = document.lines.isEmpty();
    job.drawPages = [&](Printout& p) { drawDocument(p, document, layout, pageHeader, document.amountInWords); };
    runPrintJob(env, printers, job);
}

} // namespace

void printInvoice(Env& env, PrinterChoice& printers, const InvoiceForm& invoice)
{
    Q_ASSERT(invoice.kind == InvoiceKind::Invoice);
    printDocument(env, printers, invoice, invoiceLayout(), drawInvoiceHeader);
}

void printProforma(Env& env, PrinterChoice& printers, const InvoiceForm& proforma)
{
    Q_ASSERT(proforma.kind == InvoiceKind::Proforma);
    printDocument(env, printers, proforma, proformaLayout(), drawProformaHeader);
}
