#pragma once
// The tables window: the product table and the client-supplier table, each on its own tab.

#include <array>

#include "widgets/functional_window.h"

struct Env;
class ClientSupplierTab;
class ProductTab;
class TableTab;

enum TablesTab { PRODUCTS_TAB = 0, CLIENTS_SUPPLIERS_TAB = 1 };

// Opens the tables window on a tab (0 products, 1 clients-suppliers) and returns when it is closed.
void openTablesWindow(Env& env, int tabIndex);

class TablesWindow final : public FunctionalWindow {
    Q_OBJECT
public:
    explicit TablesWindow(Env& env, QWidget* parent = nullptr);

    ProductTab* productTab() const;
    ClientSupplierTab* clientSupplierTab() const;

protected:
    void keyEvent(int event) override;
    void tabSelected(int index) override;

private:
    std::array<TableTab*, 2> tabs_;
};
