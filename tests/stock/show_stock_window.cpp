// show_stock_window FOLDER [TAB]: opens the stock window on FOLDER/Data (for example a folder
// made by `makedata FOLDER --demo`), to look at it (not a test, not installed).
#include "stock/stock_window.h"
#include "window_viewer.h"

int main(int argc, char** argv)
{
    return runWindowViewer(argc, argv, "show_stock_window FOLDER [TAB]",
                           [](Env& env, const QStringList& args) { openStockWindow(env, args.value(0).toInt()); });
}
