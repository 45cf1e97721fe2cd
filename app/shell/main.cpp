// Varkel 2020: the program runs on the Data folder of its working directory.
#include <QApplication>
#include <QDir>
#include <QIcon>

#include "common/env.h"
#include "shell/program.h"
#include "widgets/french_translations.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    // The icon of every window frame, the same as the launchers'.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app_icon.png")));
    QtDialogs dialogs;
    SystemClock clock;
    Store store(dialogs);
    Env env(store, dialogs, clock);
    return runProgram(env, QDir::currentPath());
}
