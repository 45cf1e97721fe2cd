#include "stock/invoice_tab.h"

#include <QComboBox>
#include <QLineEdit>

#include "widgets/form_widgets.h"

InvoiceTab::InvoiceTab(QWidget* parent) : SalesDocumentTab(InvoiceKind::Invoice, QStringLiteral("FACTURE VENTE"), QColor(206, 241, 241), parent)
{
    client = upperCaseComboBox(this);
    product = upperCaseComboBox(this);
    amount = amountEdit(this);
    showLineAmountOf(quantity, unitPrice, amount);
    build(client, product, amount, nullptr);
}
