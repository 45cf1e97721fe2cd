#include "print/journal_printouts.h"

#include "journals/document_journals.h"
#include "journals/treasury_journals.h"
#include "print/report_pages.h"

namespace {

QString periodText(const QString& from, const QString& to)
{
    return QStringLiteral("PERIODE DU: ") + from + QStringLiteral(" AU ") + to;
}

ReportLayout documentJournalLayout(DocumentJournal journal, const QString& from, const QString& to)
{
    const bool invoices = journal == DocumentJournal::Invoices;
    const QString title = journal == DocumentJournal::Receptions   ? QStringLiteral("JOURNAL DES RECEPTIONS")
                          : journal == DocumentJournal::Deliveries ? QStringLiteral("JOURNAL DES LIVRAISONS")
                                                                   : QStringLiteral("JOURNAL DES FACTURES");
    const QString number = journal == DocumentJournal::Receptions   ? QStringLiteral("N° BR")
                           : journal == DocumentJournal::Deliveries ? QStringLiteral("N° BL")
                                                                    : QStringLiteral("N° FAC.");
    ReportLayout layout;
    layout.stops = {1.2f, 3, 4.5f, 12.2f, 14, 17, 20};
    layout.titles = {{title, 35, 1, 0}, {periodText(from, to), 20, 4, 1.0f}};
    layout.headings = {
        {QStringLiteral("Date"), 0, 1, 0.5f},
        {number, 0, 2, 0.2f},
        {QStringLiteral("Désignation"), 0, 3, 2.5f},
        {QStringLiteral("Quantité"), 0, 4, invoices ? 0.25f : 0.3f},
        {QStringLiteral("Prix unitaire"), 0, 5, invoices ? 0.4f : 0.2f},
        {QStringLiteral("Montant"), 0, 6, invoices ? 0.64f : 0.4f},
    };
    layout.cells = {
        {DJ_DATE, 1, 0.2f},
        {DJ_NUMBER, 2, 0.2f},
        {DJ_DESIGNATION, 3, 0.2f},
        {DJ_QUANTITY, 5, 0.4f, true},
        {DJ_UNIT_PRICE, 6, 0.4f, true},
        {DJ_AMOUNT, 7, 0.4f, true},
    };
    layout.lastRowIsTotal = true;
    return layout;
}

// The cash, bank and cash-payment journals: a label column between the date and three figures.
ReportLayout treasuryJournalLayout(const QString& title, const QString& from, const QString& to, const QStringList& figureHeadings)
{
    ReportLayout layout;
    layout.stops = {1.2f, 3, 11, 14, 17, 20};
    layout.titles = {{title, 35, 1, 0}, {periodText(from, to), 20, 4, 0}};
    layout.headings = {
        {QStringLiteral("Date"), 0, 1, 0.5f},
        {QStringLiteral("Désignation"), 0, 2, 2.5f},
        {figureHeadings[0], 0, 3, 0.4f},
        {figureHeadings[1], 0, 4, 0.4f},
        {figureHeadings[2], 0, 5, 0.7f},
    };
    layout.cells = {{0, 1, 0.2f}, {1, 2, 0.2f}, {2, 4, 0.4f, true}, {3, 5, 0.4f, true}, {4, 6, 0.4f, true}};
    return layout;
}

} // namespace

void printDocumentJournal(Env& env, PrinterChoice& printers, DocumentJournal journal, const DocumentJournalForm& form)
{
    PrintJob job;
    job.title = journal == DocumentJournal::Receptions   ? QStringLiteral("Journal des réceptions")
                : journal == DocumentJournal::Deliveries ? QStringLiteral("Journal des livraisons")
                                                         : QStringLiteral("Journal des factures");
    job.isEmpty = form.list.isEmpty();
    job.drawPages = [&](Printout& p) { printReport(p, documentJournalLayout(journal, form.from, form.to), form.list.rows); };
    runPrintJob(env, printers, job);
}

void printTreasuryJournal(Env& env, PrinterChoice& printers, TreasuryBook book, const TreasuryJournalForm& form)
{
    const bool cash = book == TreasuryBook::Cash;
    PrintJob job;
    job.title = cash ? QStringLiteral("Journal de caisse") : QStringLiteral("Journal de banque");
    job.isEmpty = form.list.isEmpty();
    job.drawPages = [&](Printout& p) {
        ReportLayout layout =
            treasuryJournalLayout(cash ? QStringLiteral("JOURNAL DE CAISSE") : QStringLiteral("JOURNAL DE BANQUE"), form.from,
                                  form.to, {QStringLiteral("Recettes"), QStringLiteral("Dépenses"), QStringLiteral("Solde")});
        // The bank journal goes to the bank: no letterhead, the title at the top.
        layout.letterhead = cash;
        layout.top = cash ? 4.0f : 0.5f;
        printReport(p, layout, form.list.rows);
    };
    runPrintJob(env, printers, job);
}

void printCashPaymentJournal(Env& env, PrinterChoice& printers, const CashPaymentJournalForm& form)
{
    PrintJob job;
    job.title = QStringLiteral("Journal des versements espèce");
    job.isEmpty = form.list.isEmpty();
    job.drawPages = [&](Printout& p) {
        ReportLayout layout = treasuryJournalLayout(QStringLiteral("JOURNAL DES VERSEMENTS ESPECE"), form.from, form.to,
                                                    {QStringLiteral("Total doc."), QStringLiteral("Vers. reçus"), QStringLiteral("Vers. émis")});
        layout.headings.back().offset = 0.4f;
        layout.lastRowIsTotal = true;
        printReport(p, layout, form.list.rows);
    };
    runPrintJob(env, printers, job);
}
