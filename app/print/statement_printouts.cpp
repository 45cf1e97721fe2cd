#include "print/statement_printouts.h"

#include "common/env.h"
#include "common/values.h"
#include "print/report_pages.h"
#include "treasury/statements.h"

namespace {

QString periodText(const StatementForm& form)
{
    return QStringLiteral("PERIODE DU: ") + form.from + QStringLiteral(" AU ") + form.to;
}

void printStatement(Env& env, PrinterChoice& printers, const StatementForm& form, const QString& jobTitle,
                    const ReportLayout& layout)
{
    PrintJob job;
    job.title = jobTitle + form.name;
    job.isEmpty = form.list.isEmpty();
    job.drawPages = [&](Printout& p) { printReport(p, layout, form.list.rows); };
    runPrintJob(env, printers, job);
}

} // namespace

void printDetailedStatement(Env& env, PrinterChoice& printers, const StatementForm& form)
{
    ReportLayout layout;
    layout.stops = {1.2f, 2.8f, 11.5f, 12.5f, 14, 16, 18, 20};
    layout.titles = {{QStringLiteral("FICHE CLIENT-FOURNISSEUR (Détails)"), 42, 3, -2.0f},
                     {form.name, 20, 1, 0, 1.0f},
                     {periodText(form), 20, 5, 0, 1.0f}};
    layout.tableDown = 2.0f;
    layout.headingHeight = 0.7f;
    layout.headingDown = 0.2f;
    layout.headingFont = 20;
    layout.headings = {{QStringLiteral("Date"), 0, 1, 0.3f},        {QStringLiteral("L  I  B  E  L  L  E "), 0, 2, 1.0f},
                       {QStringLiteral(" Qté"), 0, 3, 0.2f},        {QStringLiteral("P. U."), 0, 4, 0.5f},
                       {QStringLiteral("DEBIT"), 0, 5, 0.4f},       {QStringLiteral("CREDIT"), 0, 6, 0.4f},
                       {QStringLiteral("SOLDE"), 0, 7, 0.4f}};
    layout.firstRowDown = 0.3f;
    layout.rowFont = 43;
    layout.rowStep = 0.5f;
    layout.figureStep = 0.12f;
    layout.cells = {{DS_DATE, 1, 0.1f},           {DS_LABEL, 2, 0.2f},         {DS_QUANTITY, 4, 0.2f, true},
                    {DS_UNIT_PRICE, 5, 0.2f, true}, {DS_DEBIT, 6, 0.2f, true}, {DS_CREDIT, 7, 0.2f, true},
                    {DS_BALANCE, 8, 0.2f, true}};
    layout.lastRowIsTotal = true;
    printStatement(env, printers, form, QStringLiteral("Fiche détaillée "), layout);
}

void printCumulativeStatement(Env& env, PrinterChoice& printers, const StatementForm& form)
{
    ReportLayout layout;
    layout.stops = {1.2f, 3.2f, 11, 14, 17, 20};
    layout.titles = {{QStringLiteral("FICHE CLIENT-FOURNISSEUR (Cumul)"), 35, 2, 2.5f},
                     {form.name, 20, 1, 0, 1.0f},
                     {periodText(form), 20, 4, -1.0f, 1.0f}};
    layout.tableDown = 2.0f;
    layout.headings = {{QStringLiteral("DATE"), 0, 1, 0.5f},
                       {QStringLiteral("L  I  B  E  L  L  E "), 0, 2, 2.5f},
                       {QStringLiteral("D E B I T"), 0, 3, 0.4f},
                       {QStringLiteral("C R E D I T"), 0, 4, 0.4f},
                       {QStringLiteral("S O L D E"), 0, 5, 0.4f}};
    layout.rowFont = 36;
    layout.cells = {{CS_DATE, 1, 0.2f}, {CS_LABEL, 2, 0.2f}, {CS_DEBIT, 4, 0.4f, true}, {CS_CREDIT, 5, 0.4f, true},
                    {CS_BALANCE, 6, 0.4f, true}};
    layout.lastRowIsTotal = true;
    printStatement(env, printers, form, QStringLiteral("Fiche cumulée "), layout);
}

void printGlobalBalances(Env& env, PrinterChoice& printers, const GlobalBalancesForm& form)
{
    ReportLayout layout;
    layout.stops = {1.2f, 5, 7.5f, 10, 12.5f, 15, 17.5f, 20};
    // The report covers every movement to date: it is dated the day it is printed.
    layout.titles = {{QStringLiteral("FICHE GLOBALE DES CREDITS"), 35, 1, 0},
                     {QStringLiteral("ARRETE AU : ") + dateText(env.clock.today()), 20, 5, 0}};
    layout.headings = {{QStringLiteral("Client - Fournisseur"), 0, 1, 0.2f}, {QStringLiteral("Ancien solde"), 0, 2, 0.2f},
                       {QStringLiteral("Créances"), 0, 3, 0.4f},             {QStringLiteral("Dettes"), 0, 4, 0.5f},
                       {QStringLiteral("Ver. reçus"), 0, 5, 0.3f},           {QStringLiteral("Ver. émis"), 0, 6, 0.4f},
                       {QStringLiteral("S O L D E"), 0, 7, 0.4f}};
    layout.rowFont = 36;
    layout.cells = {{GB_NAME, 1, 0.2f}};
    for (int column = GB_OPENING; column <= GB_BALANCE; ++column) layout.cells.push_back({column, column + 2, 0.4f, true});
    layout.lastRowIsTotal = true;
    PrintJob job;
    job.title = QStringLiteral("Etat global des soldes");
    job.isEmpty = form.list.isEmpty();
    job.drawPages = [&](Printout& p) { printReport(p, layout, form.list.rows); };
    runPrintJob(env, printers, job);
}
