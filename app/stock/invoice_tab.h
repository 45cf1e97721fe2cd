#pragma once
// The "FACTURE VENTE" tab: its controls, for the invoice operations to read and fill.

#include "stock/sales_document_tab.h"

class QComboBox;

class InvoiceTab final : public SalesDocumentTab {
    Q_OBJECT
public:
    explicit InvoiceTab(QWidget* parent = nullptr);

    QComboBox* client;  // "Client:", editable upper-case combo box
    QComboBox* product; // "Désignation:", editable upper-case combo box
    QLineEdit* amount;  // "Montant:"
};
