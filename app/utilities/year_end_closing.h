#pragma once
// The year-end closing: makes the balances of the year the opening balances of the next one.
// A checked archive of the data comes first; then every client-supplier's balance becomes its
// opening balance, every product's stock its initial quantity, the cash and bank positions the
// opening balances of the books, and the movement tables are emptied, all or nothing. The
// program then ends: the new year starts at the next start.

#include "utilities/progress.h"

struct Env;

inline constexpr int CLOSING_PROGRESS_END = 900;

struct ClosingForm {
    Progress progress; // the bar and the status line under the frame
};

// The year being closed: the year of the latest movement, or this year when there is none.
int closingYear(Env& env);

// "Clôturer". Returns true when the closing was made and the program was ended; false when the
// user said No or the closing failed (the data is then exactly as before, and the user told).
bool closeFinancialYear(Env& env, ClosingForm& form);
