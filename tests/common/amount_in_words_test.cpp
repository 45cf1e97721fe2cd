#include <gtest/gtest.h>
#include <QString>

#include "common/amount_in_words.h"

TEST(AmountInWords, WritesTheDinarsInWordsBlanksIncluded)
{
    const struct {
        const char* amount;
        const char* words;
    } cases[] = {
        {"15 023.75", "Quinze Mille Vingt Trois Dinars 75 Cts"},
        {"21.00", "Vingt et Un Dinars 00 Cts"},
        {"71.00", "Soixante et Onze Dinars 00 Cts"},
        {"80.00", "Quatre Vingt Dinars 00 Cts"},
        {"91.00", "Quatre Vingt et Onze Dinars 00 Cts"},
        {"17.00", "Dix sept Dinars 00 Cts"},
        {"100.00", " Cent  Dinars 00 Cts"},
        {"1 000.00", " Mille  Dinars 00 Cts"},
        {"2 000.00", "Deux Mille  Dinars 00 Cts"},
        {"101 000.00", " Cent Un Mille  Dinars 00 Cts"},
        {"1 000 000.00", "Un Million  Dinars 00 Cts"},
        {"1 001 000.00", "  Un Million Mille   Dinars 00 Cts"},
        {"2 001 000.00", "Deux Millions  Mille    Dinars 00 Cts"},
        {"1 234 567.89", "Un Million Deux Cent Trente Quatre Mille Cinq Cent Soixante Sept Dinars 89 Cts"},
        {"2 500 000 000.00", "Deux Milliards Cinq Cent  Millions  Dinars 00 Cts"},
        {"1 000 000 000.00", "Un Milliard  Dinars 00 Cts"},
        {"999 999 999 999.99",
         "Neuf Cent Quatre Vingt Dix Neuf Milliards Neuf Cent Quatre Vingt Dix Neuf Millions Neuf Cent Quatre Vingt Dix "
         "Neuf Mille Neuf Cent Quatre Vingt Dix Neuf Dinars 99 Cts"},
        {"1 000 000 000 000.00", " Dinars 00 Cts"}, // beyond twelve digits only the currency remains
        {"0.50", " Dinars 50 Cts"},
        {"0.00", " Dinars 00 Cts"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(amountInWords(QString::fromUtf8(c.amount)).toStdString(), std::string(c.words)) << c.amount;
}
