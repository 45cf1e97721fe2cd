#pragma once
// The parameters window's rules: the seven values of FParam shown, checked and rewritten.

#include <QString>
#include <QStringList>

#include "store/parameters.h"

struct Env;
class Store;

// The payment modes the window offers, in its lists' order.
inline const QStringList PAYMENT_MODES{QStringLiteral("ESPECE"), QStringLiteral("CHEQUE"),
                                       QStringLiteral("VIREMENT BANCAIRE"), QStringLiteral("A TERME")};

// Replaces the parameters row by `row` as a whole: a failure leaves the previous row in place.
bool writeParameters(Store& store, const LoadedParameters& row);

struct ParametersForm {
    QString oldAccessCode; // "Ancien code:" fields are read-only
    QString newAccessCode;
    QString oldPaymentCode;
    QString newPaymentCode;
    QString oldVatRate;
    QString newVatRate;
    bool standardModel = true; // "Modèle Standard", otherwise "Modèle réduit"
    // The three lists "Bon de réception", "Bon de livraison", "Facture": a payment mode, or ""
    // when nothing is selected.
    QString receptionMode;
    QString deliveryMode;
    QString invoiceMode;
};

// Reads FParam into the in-memory parameters (the defaults when it has no row) and shows them.
void loadParameterFields(Env& env, ParametersForm& form);

// "Enregistrer les paramètres": checks the new values and rewrites FParam; once saved, says so
// and ends the program (the values are read at start-up). False when a check or the write
// failed: the window stays open with its fields as typed.
bool saveParameters(Env& env, const ParametersForm& form);
