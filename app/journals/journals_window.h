#pragma once

struct Env;

// Opens the journals window on a tab (0 receptions ... 5 cash payments) and returns when it is closed.
void openJournalsWindow(Env& env, int tabIndex);
