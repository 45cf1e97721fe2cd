#pragma once
// For the viewers that open one window on a Data folder to look at it (not tests, not
// installed): `VIEWER FOLDER [TAB] [options]`.

#include <functional>
#include <QStringList>

struct Env;

// Makes the application, opens FOLDER/Data with the real dialogs and the system clock, loads
// the parameters and calls `open` with the arguments after FOLDER. Returns the exit code (2 for
// a missing FOLDER, 1 when a database file cannot be opened).
int runWindowViewer(int argc, char** argv, const char* usage, const std::function<void(Env&, const QStringList&)>& open);
