#pragma once
// The client-supplier tab of the tables window: the entry fields, the relation options, the
// list and the sort options, copied to and from a ClientSupplierForm around each operation.

#include <utility>
#include <vector>

#include "master/clients_suppliers.h"
#include "master/table_tab.h"

class QLabel;
class QRadioButton;

class ClientSupplierTab final : public FormTab<ClientSupplierForm, ClientSupplierField> {
public:
    explicit ClientSupplierTab(Env& env, QWidget* parent = nullptr);

private:
    void pullFields() override;
    void pushFields() override;

    QLabel* code_;
    QComboBox* name_;
    // address, telephone, trade register, tax identification, tax article, statistical number,
    // opening balance, with the form member each one shows
    std::vector<std::pair<QLineEdit*, QString ClientSupplierForm::*>> edits_;
    std::vector<std::pair<QRadioButton*, QString>> relations_;
    QTreeWidget* list_;
};
