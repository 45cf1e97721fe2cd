// show_tables_window FOLDER [TAB] [--filled]: opens the tables window on FOLDER/Data, to look at
// it (not a test, not installed). --filled selects the other tab and back so that the list is
// loaded, and clicks the list's second row.
#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "master/tables_window.h"
#include "window_viewer.h"

int main(int argc, char** argv)
{
    return runWindowViewer(argc, argv, "show_tables_window FOLDER [TAB] [--filled]", [](Env& env, QStringList args) {
        const bool filled = args.removeAll(QStringLiteral("--filled")) > 0;
        const int tab = args.value(0, QStringLiteral("0")).toInt();
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
    });
}
