#pragma once

struct Env;

// Opens the utilities window on a tab (0 backup ... 4 general data check) and returns when it is closed.
void openUtilitiesWindow(Env& env, int tabIndex);
