#pragma once
// The whole run of the program on the Data folder below FOLDER (the working directory).

#include <QString>

struct Env;

// Start-up, the access code, then the main window and its loop. Returns the exit code when the
// run ends without shutdownAndExit having ended the process.
int runProgram(Env& env, const QString& folder);
