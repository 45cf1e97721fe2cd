#pragma once
// The total of an invoice in French words, as printed under "ARRETE LA PRESENTE FACTURE A LA
// SOMME DE": the dinars in words, the hundredths in digits ("Quinze Mille Vingt Trois Dinars 75 Cts").
// The blanks are those of the fixed separators (" Cent ", " Mille ", " Dinars " ...), leading,
// doubled and trailing ones included; the printed invoices have always looked like this.

#include <QString>

// `formatted` is an amount as formatAmount shows it (e.g. "15 023.75"). Up to 12 integer digits
// are written in words; beyond that (or with no digit) only the currency and hundredths remain.
QString amountInWords(const QString& formatted);
