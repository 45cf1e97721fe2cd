#include "master/tables_window.h"

#include <utility>
#include <QTabWidget>

#include "master/client_supplier_tab.h"
#include "master/product_tab.h"

namespace {

// What each key does on either tab; the keys not listed (F1-F4, F8, Escape) do nothing here.
const std::pair<int, void (TableTab::*)()> KEY_ACTIONS[] = {
    {EV_F5, &TableTab::save},
    {EV_F6, &TableTab::startNew},
    {EV_ALT_DELETE, &TableTab::remove},
    {EV_RETURN, &TableTab::returnPressed},
};

} // namespace

TablesWindow::TablesWindow(Env& env, QWidget* parent)
    : FunctionalWindow(QStringLiteral("Logiciel de gestion commerciale - Tables"), QColor(250, 213, 152), parent),
      tabs_{new ProductTab(env), new ClientSupplierTab(env)}
{
    tabs()->addTab(tabs_[PRODUCTS_TAB], QStringLiteral(" Table des produits"));
    tabs()->addTab(tabs_[CLIENTS_SUPPLIERS_TAB], QStringLiteral(" Table des Clients - fournisseurs"));
    finishTabs();
    setPanelSize(300, 50);
    installShortcuts(functionKeyShortcuts());
}

ProductTab* TablesWindow::productTab() const { return static_cast<ProductTab*>(tabs_[PRODUCTS_TAB]); }

ClientSupplierTab* TablesWindow::clientSupplierTab() const
{
    return static_cast<ClientSupplierTab*>(tabs_[CLIENTS_SUPPLIERS_TAB]);
}

void TablesWindow::keyEvent(int event)
{
    const int current = tabs()->currentIndex();
    if (current < 0 || current >= static_cast<int>(tabs_.size())) return;
    for (const auto& [key, action] : KEY_ACTIONS)
        if (key == event) (tabs_[current]->*action)();
}

void TablesWindow::tabSelected(int index)
{
    if (index >= 0 && index < static_cast<int>(tabs_.size())) tabs_[index]->shown();
}

void openTablesWindow(Env& env, int tabIndex)
{
    TablesWindow window(env);
    window.run(tabIndex);
}
