#pragma once
// The printed journals of the journals window: receptions, deliveries and invoices, cash, bank
// and cash payments. Each prints its tab's list as shown, under the period's dates read at
// printing time.

class PrinterChoice;
struct Env;
struct CashPaymentJournalForm;
struct DocumentJournalForm;
struct TreasuryJournalForm;
enum class DocumentJournal;
enum class TreasuryBook;

// "JOURNAL DES RECEPTIONS", "JOURNAL DES LIVRAISONS" or "JOURNAL DES FACTURES"; the name column
// is not printed.
void printDocumentJournal(Env& env, PrinterChoice& printers, DocumentJournal journal, const DocumentJournalForm& form);

// "JOURNAL DE CAISSE" under the letterhead, or "JOURNAL DE BANQUE" without one.
void printTreasuryJournal(Env& env, PrinterChoice& printers, TreasuryBook book, const TreasuryJournalForm& form);

// "JOURNAL DES VERSEMENTS ESPECE", laid out as the cash journal.
void printCashPaymentJournal(Env& env, PrinterChoice& printers, const CashPaymentJournalForm& form);
