#pragma once
// The printed reception form ("BON DE RECEPTION") and delivery form ("BON DE LIVRAISON"): what
// their tab shows, on as many pages as the lines need.

#include <vector>
#include <QString>
#include <QStringList>

class PrinterChoice;
struct Env;
struct NoteForm;

// What the reception or delivery tab shows, as texts; the stock window fills it from its tab.
struct StockFormData {
    QString number;
    QString date;
    QString partyName;   // the supplier of a reception, the client of a delivery
    QString paymentMode; // printed on the delivery form only
    // The line list's rows as shown, in list order: NL, designation, unit, quantity, unit price, amount.
    std::vector<QStringList> lines;
    QString totalHt;     // TOTAL HT
    QString payment;     // VERSEMENT
    QString discount;    // REMISE
    QString newBalance;  // NOUVEAU SOLDE
    QString oldBalance;  // Ancien solde
};

// What a reception or delivery tab shows, as its form prints it.
StockFormData stockFormData(const NoteForm& note);

// Prints the reception form ("Il n'y a rien à imprimer ! " without lines).
void printReceptionForm(Env& env, PrinterChoice& printers, const StockFormData& reception);

// Prints the delivery form ("N° de BL incorrect !" without a number, "Il n'y a rien à imprimer ! "
// without lines) with the client's address and each line's product code read from the tables,
// and the time of printing beside the date.
void printDeliveryForm(Env& env, PrinterChoice& printers, const StockFormData& delivery);
