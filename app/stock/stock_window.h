#pragma once

struct Env;

// Opens the stock window on a tab (0 receptions ... 8 purchase orders) and returns when it is closed.
void openStockWindow(Env& env, int tabIndex);
