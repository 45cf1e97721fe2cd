#include "stock/regularisation_tab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

RegularisationTab::RegularisationTab(QWidget* parent) : QWidget(parent)
{
    title = titleLabel(QStringLiteral("REGULARISATION MANUELLE DU STOCK"), this);
    std::tie(previousButton, number, nextButton) = numberNavigator(this);
    number->setFixedWidth(40);
    date = datePicker(this);
    initialiseButton = ::initialiseButton(this);
    product = upperCaseComboBox(this);
    stock = displayLabel(QColor(222, 184, 135), this);
    stock->setFont(screenFont(22));
    setTextColours(stock, QColor(25, 25, 112), QColor(222, 184, 135));
    stock->setMinimumWidth(90);
    entered = amountEdit(this);
    takenOut = amountEdit(this);
    reason = new QLineEdit(this);
    makeUpperCase(reason);
    cancelButton = keyButton(QStringLiteral("(#F3) Annuler le BRS"), this);
    deleteButton = keyButton(QStringLiteral("(#Alt+#SUP) Supprimer"), this);
    newButton = keyButton(QStringLiteral("(#F6) Nouveau BRS"), this);
    validateButton = keyButton(QStringLiteral("(#F5) Valider"), this);
    lines = new QTreeWidget(this);
    setupList(lines,
              {{QStringLiteral("Code"), 60}, {QStringLiteral("Désignation"), 350}, {QStringLiteral("Qté entrée"), 90},
               {QStringLiteral("Qté sortie"), 90}, {QStringLiteral("Observations"), 300}},
              QColor(216, 203, 235));

    auto* numberRow = new QHBoxLayout;
    addNumberNavigator(numberRow, QStringLiteral("N° BRS:"), previousButton, number, nextButton);
    numberRow->addSpacing(12);
    addField(numberRow, QStringLiteral("Date:"), date);
    numberRow->addWidget(initialiseButton);
    numberRow->addStretch(1);
    auto* productRow = new QHBoxLayout;
    addField(productRow, QStringLiteral("Produit:"), product, 1);
    addField(productRow, QStringLiteral("Stock:"), stock);
    auto* quantityRow = new QHBoxLayout;
    addField(quantityRow, QStringLiteral("Qté entrée:"), entered);
    addField(quantityRow, QStringLiteral("Qté sortie:"), takenOut);
    addField(quantityRow, QStringLiteral("Observations:"), reason, 1);
    auto* fields = new QVBoxLayout;
    fields->addLayout(numberRow);
    fields->addLayout(productRow);
    fields->addLayout(quantityRow);
    QGroupBox* bordered = frame(fields, this);
    bordered->setFlat(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cancelButton, deleteButton, newButton, validateButton}) buttons->addWidget(button);
    buttons->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, nullptr));
    page->addWidget(bordered);
    page->addLayout(buttons);
    page->addWidget(lines, 1);
}
