#pragma once
// What every operation works with: the databases, the user's dialogs, the clock, the loaded
// parameters and the values the program keeps from one window to the next.

#include <cstdlib>
#include <functional>
#include <QString>

#include "common/clock.h"
#include "common/dialogs.h"
#include "store/parameters.h"
#include "store/store.h"

// Values that live as long as the program (not reset when a window closes).
struct ProgramState {
    int stockTabIndex = 0; // the stock window's tab shown at opening and after each tab change

    // The last number proposed by "Nouveau ..." on each document tab in this run; the next-number
    // buttons stop there. 0 until the first proposal.
    qint64 lastNewReceptionNumber = 0;
    qint64 lastNewDeliveryNumber = 0;
    qint64 lastNewInvoiceNumber = 0;
    qint64 lastNewProformaNumber = 0;
    qint64 lastNewRegularisationNumber = 0;
    qint64 lastNewPurchaseOrderNumber = 0;

    // The VAT rate of the invoice and proforma tabs: the parameter's rate at start-up, then
    // whatever rate was typed on either tab.
    QString currentVatRate;
};

struct Env {
    Env(Store& s, Dialogs& d, const Clock& c) : store(s), dialogs(d), clock(c) {}

    // Keeps the loaded parameters and starts the shared VAT rate from them.
    void setParameters(const LoadedParameters& loaded)
    {
        params = loaded;
        state.currentVatRate = loaded.tauxTva;
    }

    Store& store;
    Dialogs& dialogs;
    const Clock& clock;
    LoadedParameters params;
    ProgramState state;
    // Ends the process once shutdownAndExit has released everything; tests record the code
    // instead, and the caller then returns as if the program had ended.
    std::function<void(int)> exitProcess = [](int code) { std::exit(code); };
};
