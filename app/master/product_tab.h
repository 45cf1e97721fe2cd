#pragma once
// The product tab of the tables window: the entry fields, the list and the sort options of the
// product table, copied to and from a ProductForm around each operation.

#include <utility>
#include <vector>

#include "master/products.h"
#include "master/table_tab.h"

class QLabel;

class ProductTab final : public FormTab<ProductForm, ProductField> {
public:
    explicit ProductTab(Env& env, QWidget* parent = nullptr);

private:
    void pullFields() override;
    void pushFields() override;

    QLabel* code_;
    QComboBox* family_;
    QComboBox* designation_;
    QLineEdit* unit_;
    QLineEdit* initialQuantity_;
    QLineEdit* purchasePrice_;
    QLineEdit* retailPrice_;
    QLineEdit* wholesalePrice_;
    QTreeWidget* list_;
};
