// show_tables_window FOLDER [TAB] [--filled]: opens the tables window on FOLDER/Data, to look at
// it (not a test, not installed). --filled selects the other tab and back so that the list is
// loaded, and clicks the list's second row.
#include <cstdio>

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "common/clock.h"
#include "common/env.h"
#include "master/tables_window.h"
#include "store/parameters.h"
#include "widgets/qt_dialogs.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool filled = args.removeAll(QStringLiteral("--filled")) > 0;
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: show_tables_window FOLDER [TAB] [--filled]\n");
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
    const int tab = args.value(1, QStringLiteral("0")).toInt();
    if (filled)
        QTimer::singleShot(500, [tab] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* window = qobject_cast<TablesWindow*>(widget)) {
                    window->tabs()->setCurrentIndex(1 - tab);
                    window->tabs()->setCurrentIndex(tab);
                    auto* list = window->tabs()->currentWidget()->findChild<QTreeWidget*>();
                    if (list->topLevelItemCount() > 1)
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                                          list->visualItemRect(list->topLevelItem(1)).center());
                }
        });
    openTablesWindow(env, tab);
    return 0;
}
