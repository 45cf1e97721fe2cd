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

// The first row of FParam; nothing when the table has no row.
std::optional<LoadedParameters> readParametersRow(Store& store);
// Reads the first row of FParam; with no row every value stays empty.
LoadedParameters loadParameters(Store& store);
