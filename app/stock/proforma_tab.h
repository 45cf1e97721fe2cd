#pragma once
// The "FACTURE PROFORMA" tab: its controls, for the proforma operations to read and fill.

#include "stock/sales_document_tab.h"

class ProformaTab final : public SalesDocumentTab {
    Q_OBJECT
public:
    explicit ProformaTab(QWidget* parent = nullptr);

    QLineEdit* client;      // "Client:", upper-case edit
    QLineEdit* designation; // "Désignation:", upper-case edit
    QListWidget* pickList;  // the search list beside the header (clients or products)
};
