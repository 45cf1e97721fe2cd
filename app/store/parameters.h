#pragma once
// The parameters row of FParam, read once at start-up and kept as text until the program ends.

#include <optional>
#include <QString>

class Store;

struct LoadedParameters {
    QString accessCode; // column 0, MpUser: the software access code asked at start-up
    QString mpVer;      // payment access code, asked by the treasury window
    QString tauxTva;    // default VAT rate in percent, e.g. "19"
    QString modelbl;    // delivery-note model: "1" standard, "2" reduced
    QString modepBr;    // default payment mode of receptions
    QString modepBl;    // default payment mode of deliveries
    QString modepFac;   // default payment mode of sales invoices
};

// The values the parameters window shows (and saves unchanged) when FParam has no row.
LoadedParameters defaultParameters();

// The parameters the documents work with: a value FParam does not hold (no row yet) takes its
// default, so a new Data folder invoices at 19 % and records "A TERME" documents instead of a
// VAT of 0 and a payment without a mode. The two access codes stay as stored: an empty table
// lets the user in with an empty code.
LoadedParameters withDocumentDefaults(LoadedParameters loaded);

// The first row of FParam; nothing when the table has no row.
std::optional<LoadedParameters> readParametersRow(Store& store);
// Reads the first row of FParam; with no row every value stays empty.
LoadedParameters loadParameters(Store& store);
