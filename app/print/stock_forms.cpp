#include "print/stock_forms.h"

#include <optional>

#include "common/env.h"
#include "print/form_layout.h"
#include "stock/receptions_deliveries.h"
#include "stock/stock.h"

namespace {

// Where the reception and delivery forms differ; everything else they share.
struct StockFormLayout {
    std::vector<float> stops;
    int titleFont;
    QString title; // followed by the number
    float partyDown;
    QString partyLabel;
    float partyOffset; // the party's name at col2 + partyOffset
    float tableDown;
    std::optional<QColor> headingBand;
    QColor headingText;
    QColor headingBack;
    QString firstHeading;
    float rowStep;
    bool printsPaymentMode;
    float totalsLabelOffset;
    QString totalHtLabel;
    QString paymentLabel;
    QString discountLabel;
    QString newBalanceLabel;
    QString oldBalanceLabel;
    float oldBalanceRaise; // the previous balance stands this far above the bottom of the totals box
    float signatureDown;   // and the signature this far below the previous balance
};

const StockFormLayout& receptionLayout()
{
    static const StockFormLayout layout{
        .stops = {1.2f, 3, 10, 12, 14.5f, 17, 20},
        .titleFont = 52,
        .title = QStringLiteral("BON DE RECEPTION N° "),
        .partyDown = 0.4f,
        .partyLabel = QStringLiteral("FOURNISSEUR:"),
        .partyOffset = 1.0f,
        .tableDown = 0.4f,
        .headingBand = std::nullopt,
        .headingText = TEXT_COLOUR,
        .headingBack = PAPER_COLOUR,
        .firstHeading = QStringLiteral("N°"),
        .rowStep = 0.4f,
        .printsPaymentMode = false,
        .totalsLabelOffset = 0.8f,
        .totalHtLabel = QStringLiteral("Total HT:"),
        .paymentLabel = QStringLiteral("Versement:"),
        .discountLabel = QStringLiteral("Remise :"),
        .newBalanceLabel = QStringLiteral("Nouveau solde:"),
        .oldBalanceLabel = QStringLiteral("Ancien solde: "),
        .oldBalanceRaise = 0.4f,
        .signatureDown = 7.0f,
    };
    return layout;
}

const StockFormLayout& deliveryLayout()
{
    static const StockFormLayout layout{
        .stops = {1.2f, 3, 10, 12, 14, 17, 20},
        .titleFont = 51,
        .title = QStringLiteral("BON DE LIVRAISON N° "),
        .partyDown = 2.0f,
        .partyLabel = QStringLiteral("CLIENT:"),
        .partyOffset = 0.0f,
        .tableDown = 0.8f,
        .headingBand = HEADING_BAND_COLOUR,
        .headingText = HEADING_TEXT_COLOUR,
        .headingBack = HEADING_BAND_COLOUR,
        .firstHeading = QStringLiteral("Code"),
        .rowStep = 0.6f,
        .printsPaymentMode = true,
        .totalsLabelOffset = 0.3f,
        .totalHtLabel = QStringLiteral("TOTAL HT:"),
        .paymentLabel = QStringLiteral("VERSEMENT :"),
        .discountLabel = QStringLiteral("REMISE :"),
        .newBalanceLabel = QStringLiteral("NOUVEAU SOLDE :"),
        .oldBalanceLabel = QStringLiteral("ANCIEN SOLDE:  "),
        .oldBalanceRaise = 0.0f,
        .signatureDown = 2.0f,
    };
    return layout;
}

// The texts a form reads besides the tab's: the party line, and the first cell of each row.
struct ReadTexts {
    QString party;
    QStringList firstCells;
};

void drawStockForm(Printout& p, const StockFormData& data, const StockFormLayout& layout, const ReadTexts& read,
                   const QString& dateText)
{
    const std::vector<Heading> headings{
        {layout.firstHeading, 1, 0.5f},     {QStringLiteral("Désignation"), 2, 2.5f},
        {QStringLiteral("U. M."), 3, 0.6f}, {QStringLiteral("Quantité"), 4, 0.4f},
        {QStringLiteral("Prix unitaire"), 5, 0.3f}, {QStringLiteral("Montant"), 6, 0.8f},
    };
    FormPages form;
    form.pageHeader = [&](Printout& page) {
        PrintCursor& c = page.cursor;
        page.setColumnStops(layout.stops);
        page.drawLetterheadThin();
        c.y = page.scaleY(4);
        page.setFont(layout.titleFont);
        page.drawText(page.col(1), c.y, layout.title + data.number);
        page.setFont(20);
        page.drawText(page.at(5, 1.0f), c.y + page.scaleY(0.2f), QStringLiteral("DATE : ") + dateText);
        page.down(layout.partyDown);
        page.setFont(36);
        drawLabelledLines(page, {{layout.partyLabel, read.party}}, {page.col(1), page.at(2, layout.partyOffset)}, 0);
        page.down(layout.tableDown);
        drawTableHeading(page, headings, layout.headingBand, layout.headingText, layout.headingBack);
    };
    form.rowFont = 36;
    form.rowStep = layout.rowStep;
    form.rowCount = static_cast<int>(data.lines.size());
    form.drawRow = [&](Printout& page, int row) {
        const QStringList& cells = data.lines[static_cast<size_t>(row)];
        drawFormRow(page, read.firstCells.value(row), cells, cells.value(2).size() == 1 ? 1.0f : 0.3f);
    };
    form.closing = [&](Printout& page) {
        PrintCursor& pc = page.cursor;
        page.setFont(36);
        if (layout.printsPaymentMode) {
            pc.y = pc.footerY + page.scaleY(0.5f);
            page.drawText(page.at(1, 0.1f), pc.y, QStringLiteral("MODE DE PAYEMENT:"));
            page.drawText(page.at(2, 2.0f), pc.y, data.paymentMode);
        }
        std::vector<TotalLine> totals{{layout.totalHtLabel, data.totalHt}};
        if (isPrintedTotal(data.payment)) totals.push_back({layout.paymentLabel, data.payment});
        if (isPrintedTotal(data.discount)) totals.push_back({layout.discountLabel, data.discount});
        totals.push_back({layout.newBalanceLabel, data.newBalance});
        drawTotalsBox(page, totals, layout.totalsLabelOffset, 0.4f);
        pc.y = pc.headerBottom - page.scaleY(layout.oldBalanceRaise);
        page.drawText(page.col(1), pc.y, layout.oldBalanceLabel + data.oldBalance);
        page.down(layout.signatureDown);
        page.drawText(page.col(4), pc.y, QStringLiteral("CACHET ET SIGNATURE"));
    };
    form.pageFooter = drawFooterBand;
    printFormPages(p, form);
}

} // namespace

StockFormData stockFormData(const NoteForm& note)
{
    return {
        .number = note.number,
        .date = note.date,
        .partyName = note.partner,
        .paymentMode = note.paymentMode,
        .lines = note.lines.rows,
        .totalHt = note.totalHt,
        .payment = note.payment,
        .discount = note.discount,
        .newBalance = note.newBalance,
        .oldBalance = note.oldBalance,
    };
}

void printReceptionForm(Env& env, PrinterChoice& printers, const StockFormData& reception)
{
    ReadTexts read;
    PrintJob job;
    job.title = (QStringLiteral("Bon de réception ") + reception.number.trimmed()).trimmed();
    job.isEmpty = reception.lines.empty();
    job.readFields = [&] {
        read.party = reception.partyName;
        for (size_t row = 1; row <= reception.lines.size(); ++row) read.firstCells.append(QString::number(row));
    };
    job.drawPages = [&](Printout& p) { drawStockForm(p, reception, receptionLayout(), read, reception.date); };
    runPrintJob(env, printers, job);
}

void printDeliveryForm(Env& env, PrinterChoice& printers, const StockFormData& delivery)
{
    if (delivery.number.trimmed().isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("N° de BL incorrect !"));
        return;
    }
    ReadTexts read;
    PrintJob job;
    job.title = QStringLiteral("Bon de livraison ") + delivery.number.trimmed();
    job.isEmpty = delivery.lines.empty();
    job.readFields = [&] {
        const QString address =
            env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {delivery.partyName}).first(2);
        read.party = delivery.partyName + QStringLiteral(" ") + address;
        // The list shows line numbers in its first column; the form prints each product's code.
        for (const QStringList& cells : delivery.lines)
            read.firstCells.append(productCodeByName(env, cells.value(1)));
    };
    job.drawPages = [&](Printout& p) {
        // The time is that of printing, not of the document.
        const QString dateText =
            delivery.date + QStringLiteral(" (") + env.clock.now().toString(QStringLiteral("hh:mm")) + QStringLiteral(")");
        drawStockForm(p, delivery, deliveryLayout(), read, dateText);
    };
    runPrintJob(env, printers, job);
}
