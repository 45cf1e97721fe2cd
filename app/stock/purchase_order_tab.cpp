#include "stock/purchase_order_tab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

PurchaseOrderTab::PurchaseOrderTab(QWidget* parent) : QWidget(parent)
{
    title = titleLabel(QStringLiteral("BON DE COMMANDE"), this);
    closeButton = ::closeButton(this);
    std::tie(previousButton, number, nextButton) = numberNavigator(this);
    date = datePicker(this);
    supplier = upperCaseComboBox(this);
    productCode = displayLabel(QColor(255, 160, 122), this);
    productCode->setMinimumWidth(90);
    stock = displayLabel(QColor(230, 230, 250), this);
    stock->setFont(screenFont(22));
    stock->setMinimumWidth(90);
    product = upperCaseComboBox(this);
    product->setFixedWidth(460);
    quantity = amountEdit(this);
    unitPrice = amountEdit(this);
    amount = amountEdit(this);
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    cancelButton = keyButton(QStringLiteral("(#F3) Annuler le bon"), this);
    deleteButton = keyButton(QStringLiteral("(#Alt+#SUP) Supprimer la ligne"), this);
    validateButton = keyButton(QStringLiteral("(#F5) Valider la saisie"), this);
    newButton = keyButton(QStringLiteral("(#F6) Nouveau bon"), this);
    lines = new QTreeWidget(this);
    setupList(lines,
              {{QStringLiteral("Code"), 40}, {QStringLiteral(" Désignation du produit"), 300}, {QStringLiteral(" U.M."), 90},
               {QStringLiteral(" Quantité"), 80}, {QStringLiteral(" Prix unitaire"), 100}, {QStringLiteral(" Montant"), 100}},
              QColor(223, 222, 182));
    total = displayLabel(QColor(148, 228, 220), this);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setMinimumWidth(160);

    auto* header = new QHBoxLayout;
    addNumberNavigator(header, QStringLiteral("N° BC:"), previousButton, number, nextButton);
    header->addSpacing(12);
    addField(header, QStringLiteral("Date:"), date);
    header->addSpacing(12);
    addField(header, QStringLiteral("Fournisseur:"), supplier, 1);

    auto* line = new QGridLayout;
    line->addWidget(fieldLabel(QStringLiteral("Code ID:"), productCode, this), 0, 0);
    line->addWidget(productCode, 0, 1);
    line->addWidget(fieldLabel(QStringLiteral("Stock:"), stock, this), 1, 0);
    line->addWidget(stock, 1, 1);
    auto* entry = new QHBoxLayout;
    addField(entry, QStringLiteral("Désignation:"), product);
    addField(entry, QStringLiteral("Quantité:"), quantity);
    addField(entry, QStringLiteral("P. U.:"), unitPrice);
    addField(entry, QStringLiteral("Montant:"), amount);
    entry->addStretch(1);
    line->addLayout(entry, 0, 2);
    line->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {printButton, cancelButton, deleteButton, validateButton, newButton}) buttons->addWidget(button);
    buttons->addStretch(1);

    auto* totalLabel = displayLabel(QColor(255, 222, 173), this);
    totalLabel->setText(QStringLiteral("TOTAL HT :"));
    totalLabel->setMinimumWidth(120);
    nameField(total, QStringLiteral("TOTAL HT :"));
    auto* totals = new QHBoxLayout;
    totals->addStretch(1);
    totals->addWidget(totalLabel);
    totals->addWidget(total);

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, closeButton));
    page->addWidget(frame(header, this));
    page->addWidget(frame(line, this));
    page->addLayout(buttons);
    page->addWidget(lines, 1);
    page->addLayout(totals);
}
