#pragma once
// The journals of the receptions, deliveries and sales invoices: every document line of a
// period, filtered by client or supplier and by product family, with the total of the amounts
// listed.

#include <QString>
#include <QStringList>

#include "common/list_view.h"
#include "common/values.h"

struct Env;

enum class DocumentJournal { Receptions, Deliveries, Invoices };

// One journal tab as the user sees it.
struct DocumentJournalForm {
    QString from, to; // "PERIODE DU :" and "AU :"
    QString name;     // supplier or client filter; empty lets every line through
    QString family;   // family filter; empty lets every line through
    ListView list;    // Date, N°, designation, Qté, P. U., MONTANT, name; a last total row
    int progress = 0;
};

// The list's columns.
enum DocumentJournalColumn { DJ_DATE, DJ_NUMBER, DJ_DESIGNATION, DJ_QUANTITY, DJ_UNIT_PRICE, DJ_AMOUNT, DJ_NAME };

// The progress bar's range (800 for receptions and deliveries, 300 for invoices).
int documentJournalProgressMaximum(DocumentJournal journal);

// Lists the lines of the period, by date, document number and line, and the total row. A line
// whose product or client-supplier no longer exists shows "inconnu" and passes only an empty
// filter. Reception and invoice lines of no amount are left out; every delivery line is listed.
// Period messages in an "Erreur" box leave the list empty.
void showDocumentJournal(Env& env, DocumentJournal journal, DocumentJournalForm& form);

// The names of the client-suppliers that have documents of the journal's kind, in name order.
QStringList documentJournalNames(Env& env, DocumentJournal journal);
