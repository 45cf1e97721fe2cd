#pragma once
// The general check: reads the products, the clients-suppliers, the receptions, the deliveries
// and the payments, tests every stored value that the other operations read as a number, a
// date or a mandatory text, checks that each document has its lines and its totals row, and
// runs SQLite's integrity check on each database file. It lists each fault with where it was
// found and changes nothing.

#include "common/list_view.h"
#include "utilities/progress.h"

struct Env;

inline constexpr int GENERAL_CHECK_PROGRESS_END = 8000;

struct GeneralCheckForm {
    // "BASE DE DONNEES", "DIAGNOSTIC", "ACTION".
    ListView results;
    Progress progress; // the bar and the status line under the list
};

// "Démarrer".
void runGeneralCheck(Env& env, GeneralCheckForm& form);
