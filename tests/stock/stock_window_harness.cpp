// Manual harness, not a test: opens the stock window on a Data folder (e.g. one made by
// `makedata FOLDER --demo`) before the main window exists.
//   stock_window_harness FOLDER [TAB]
#include <cstdio>

#include <QApplication>

#include "common/env.h"
#include "stock/stock_window.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: stock_window_harness FOLDER [TAB]\n");
        return 2;
    }
    QtDialogs dialogs;
    Store store(dialogs);
    const QString failed = store.openDatabases(args[0]);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "Ouverture %s impossible!\n", qUtf8Printable(failed));
        return 1;
    }
    SystemClock clock;
    Env env(store, dialogs, clock);
    env.setParameters(loadParameters(store));
    openStockWindow(env, args.value(1).toInt());
    return 0;
}
