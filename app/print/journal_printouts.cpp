#include "print/journal_printouts.h"

#include "journals/document_journals.h"
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
