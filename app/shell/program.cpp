#include "shell/program.h"

#include <QApplication>

#include "shell/access_window.h"
#include "shell/main_window.h"
#include "shell/session.h"

int runProgram(Env& env, const QString& folder)
{
    if (!startSession(env, folder)) return 0;
    // The screen fonts are made on demand by screenFont(), so there is nothing to load here.
    if (!runAccessWindow(env)) return 0;
    MainWindow window(env);
    window.open();
    return QApplication::exec();
}
