#pragma once
// Sales invoices (table facv) and proforma invoices (table facp). Both tabs have the same
// content, amounts and life cycle, so one form and one implementation serve them; the form's
// kind says which table, which number bound and which tab it is. Each operation keeps the
// name its tab knows it by (newInvoice / newProforma ...); both names reach the same code.

#include <optional>
#include <QString>
#include <QStringList>

#include "common/amount.h"
#include "common/list_view.h"
#include "stock/payment_options.h"

struct Env;

enum class InvoiceKind { Invoice, Proforma };

// The entry fields of the two tabs, for the focus and the Return chain.
enum class InvoiceField { None, Number, Client, Address, Rc, Mf, Art, Nis, Designation, Quantity, UnitPrice, VatRate };

// What the proforma's pick list shows: client names ("CF") or product designations ("PROD").
enum class PickListMode { None, Clients, Products };

// Columns of the line list: code, designation, unit, quantity, unit price, amount.
inline const QStringList INVOICE_LIST_COLUMNS{QStringLiteral("Code"),   QStringLiteral(" Désignation"),
                                              QStringLiteral("U.M. "),  QStringLiteral("Qté  "),
                                              QStringLiteral("P. U.  "), QStringLiteral("Montant ")};

// Totals of a document.
struct InvoiceTotals {
    Amount ht, vat, stamp, ttc;
};

// The product last shown by the lookups or by a validated line.
struct InvoiceProduct {
    QString code;
    QString unit;
};

// The client last looked up by name (fCF columns 0 to 8).
struct InvoiceClient {
    QString code, name, address, phone, rc, mf, art, nis;
    QString openingBalance;          // hundredths
    QString openingBalanceFormatted; // formatAmount of it
};

// The line picked in the line list, as its cells show it.
struct InvoiceLine {
    QString code, designation, unit, quantity, unitPrice, amount;
};

// Everything the invoice tab or the proforma tab shows. The proforma's client and designation
// are plain upper-case edits (no combo items) and it has no "Montant:" field; it alone has the
// pick list.
struct InvoiceForm {
    explicit InvoiceForm(InvoiceKind documentKind) : kind(documentKind) {}

    InvoiceKind kind;

    // "N° Facture:", "Date:" (dd/mm/yyyy) and the client header.
    QString number;
    QString date;
    QString client; // "Client:"
    QString address, rc, mf, art, nis; // "Adresse:", "N° RC:", "MF:", "N° Art:", "NIS:"

    // The line being entered.
    QString designation; // "Désignation:"
    QString quantity;    // "Qté:"
    QString unitPrice;   // "P.U. :"
    QString amount;      // "Montant:" (invoice tab only)

    ListView lines; // columns INVOICE_LIST_COLUMNS

    // "Mode de paiement..." frame and the VAT rate.
    QString paymentMode = QStringLiteral("A TERME");
    PaymentOption paymentOption = PaymentOption::ATerme;
    QString vatRate = QStringLiteral("19");              // "Taux TVA="
    QString vatLabel = QStringLiteral("TVA (19%) : ");

    // Read-only totals as shown: formatAmount followed by two blanks, and their values.
    QString totalHt, totalVat, stamp, totalTtc;
    InvoiceTotals totals;
    // Total TTC in words, printed under the totals: set when the totals are computed (empty for
    // a zero total) or a document is loaded. Each tab keeps its own, so an invoice never prints
    // the words of the proforma worked on last.
    QString amountInWords;

    // Item lists of the invoice tab's client and product combo boxes.
    QStringList clientItems, productItems;

    // The proforma's pick list.
    QStringList pickList;
    PickListMode pickListMode = PickListMode::None;

    // Where the keyboard focus goes after the operation (None: it stays).
    InvoiceField focus = InvoiceField::None;

    InvoiceProduct currentProduct;
    InvoiceClient currentClient;
    InvoiceLine currentLine;
};

// VAT = HT x rate cut toward zero (the rate in hundredths of a percent, as typed: 5.5 % is 550);
// with cash payment a stamp duty of 1 % of HT + VAT (cut) and at most 2 500.00;
// TTC = HT + VAT + stamp. A figure beyond the bound leaves TTC invalid.
InvoiceTotals invoiceTotals(Amount ht, Amount rate, bool cash);
// The VAT rate typed in "Taux TVA=" or in the parameters: a number from 0 to 100 percent.
// Nothing for anything else.
std::optional<Amount> vatRateOf(const QString& typed);

// --- Sales invoice tab ---
void newInvoice(Env& env, InvoiceForm& form);            // F6, "(#F6) Nouvelle facture"
void loadInvoice(Env& env, InvoiceForm& form);           // Return in "N° Facture:"
void showPreviousInvoice(Env& env, InvoiceForm& form);   // previous number button
void showNextInvoice(Env& env, InvoiceForm& form);       // next number button
void validateInvoiceLine(Env& env, InvoiceForm& form);   // F5, "(#F5) Valider", Return in "P.U. :"
void deleteInvoiceLine(Env& env, InvoiceForm& form);     // Alt+Delete
void saveInvoice(Env& env, InvoiceForm& form);           // F12, "(#F12) Enregistrer la facture"
void computeInvoiceTotals(Env& env, InvoiceForm& form);
void cancelInvoice(Env& env, InvoiceForm& form);         // F3, "(#F3) Annuler la facture"
void selectInvoiceListRow(Env& env, InvoiceForm& form, int row); // click on a line
void showInvoiceProduct(Env& env, InvoiceForm& form);    // Return in the product box
void showInvoiceClient(Env& env, InvoiceForm& form);     // Return in / change of the client box
// A change of the product box: keeps the product's code and unit, leaves the unit price alone.
void keepInvoiceProduct(Env& env, InvoiceForm& form);

// --- Proforma tab ---
void newProforma(Env& env, InvoiceForm& form);
void loadProforma(Env& env, InvoiceForm& form);
void showPreviousProforma(Env& env, InvoiceForm& form);
void showNextProforma(Env& env, InvoiceForm& form);
void validateProformaLine(Env& env, InvoiceForm& form);
void deleteProformaLine(Env& env, InvoiceForm& form);
void saveProforma(Env& env, InvoiceForm& form);
void computeProformaTotals(Env& env, InvoiceForm& form);
void cancelProforma(Env& env, InvoiceForm& form);
void selectProformaListRow(Env& env, InvoiceForm& form, int row);
void showProformaProduct(Env& env, InvoiceForm& form);
void showProformaClient(Env& env, InvoiceForm& form);
void filterClientPickList(Env& env, InvoiceForm& form);  // every change of "Client:"
void filterProductPickList(Env& env, InvoiceForm& form); // every change of "Désignation:"
void choosePickListEntry(Env& env, InvoiceForm& form, int row); // click in the pick list

// --- Both tabs ---
// A payment option was chosen: its text goes into the payment-mode edit, then the totals.
void chooseInvoicePaymentOption(Env& env, InvoiceForm& form, PaymentOption option);
// Return in "Taux TVA=": the typed rate becomes the current rate of both tabs, then the totals.
void applyInvoiceVatRate(Env& env, InvoiceForm& form);
// Return in an entry field: that field's action, then the focus moves along the chain.
void invoiceReturnPressed(Env& env, InvoiceForm& form, InvoiceField field);
// True when the payment mode or the VAT rate shown differ from the stored summary.
bool invoiceHasUnsavedSummary(Env& env, const InvoiceForm& form);
