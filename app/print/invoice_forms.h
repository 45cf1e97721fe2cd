#pragma once
// The printed sales invoice ("FACTURE") and proforma invoice ("FACTURE PROFORMA"): what their
// tab shows, on as many pages as the lines need. The two forms share one layout; where they
// differ is data.

class PrinterChoice;
struct Env;
struct InvoiceForm;

// Prints the invoice tab's document ("N° de facture incorrect !" without a number, "Il n'y a
// rien à imprimer ! " without lines). The total in words is the one the tab keeps in
// env.state.invoiceAmountInWords. Nothing in the form or the program state changes.
void printInvoice(Env& env, PrinterChoice& printers, const InvoiceForm& invoice);

// The same for the proforma tab's document.
void printProforma(Env& env, PrinterChoice& printers, const InvoiceForm& proforma);
