#pragma once

struct Env;

// Opens the treasury window on a tab (0 cash ... 8 its closing tab) and returns when it is closed.
void openTreasuryWindow(Env& env, int tabIndex);
