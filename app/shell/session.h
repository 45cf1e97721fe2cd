#pragma once
// The run of the program around its windows: what happens before the first window opens, and
// the one way it ends.

#include <QString>

struct Env;

// Takes the Data folder's lock, opens the nineteen database files of FOLDER/Data in their order
// and loads the parameters. When the run cannot go on (another program holds the folder, a file
// cannot be opened) it shows why in an "Info" box, calls shutdownAndExit and returns false;
// nothing has been written then.
bool startSession(Env& env, const QString& folder);

// Closes every database file, releases the Data folder's lock and ends the process with exit
// code 0. Every way out of the program goes through here.
void shutdownAndExit(Env& env);
