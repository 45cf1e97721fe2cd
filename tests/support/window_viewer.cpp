#include "window_viewer.h"

#include <cstdio>

#include <QApplication>

#include "common/clock.h"
#include "common/env.h"
#include "store/parameters.h"
#include "widgets/qt_dialogs.h"

int runWindowViewer(int argc, char** argv, const char* usage, const std::function<void(Env&, const QStringList&)>& open)
{
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s\n", usage);
        return 2;
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QtDialogs dialogs;
    Store store(dialogs);
    const QString failed = store.openDatabases(args[0]);
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "Ouverture %s impossible!\n", qUtf8Printable(failed));
        return 1;
    }
    SystemClock clock;
    Env env(store, dialogs, clock);
    env.setParameters(withDocumentDefaults(loadParameters(store)));
    open(env, args.mid(1));
    return 0;
}
