#pragma once

struct Env;

// Opens the tables window on a tab (0 products, 1 clients-suppliers) and returns when it is closed.
void openTablesWindow(Env& env, int tabIndex);
