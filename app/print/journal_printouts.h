#pragma once
// The printed journals of the journals window: receptions, deliveries and invoices, cash, bank
// and cash payments. Each prints its tab's list as shown, under the period's dates read at
// printing time.

class PrinterChoice;
struct Env;
struct DocumentJournalForm;
enum class DocumentJournal;

// "JOURNAL DES RECEPTIONS", "JOURNAL DES LIVRAISONS" or "JOURNAL DES FACTURES"; the name column
// is not printed.
void printDocumentJournal(Env& env, PrinterChoice& printers, DocumentJournal journal, const DocumentJournalForm& form);
