#include "stock/stock_card_tab.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"

StockCardTab::StockCardTab(QWidget* parent) : QWidget(parent)
{
    title = titleLabel(QStringLiteral("FICHE DE STOCK"), this);
    closeButton = ::closeButton(this);
    product = upperCaseComboBox(this);
    from = datePicker(this);
    to = datePicker(this);
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    showButton = keyButton(QStringLiteral("(#F8) Afficher"), this);
    lines = new QTreeWidget(this);
    setupList(lines,
              {{QStringLiteral("Date"), 100}, {QStringLiteral(" Doc."), 60}, {QStringLiteral(" N° doc."), 60},
               {QStringLiteral(" Mouvement du stock"), 300}, {QStringLiteral(" Qté entrée"), 80},
               {QStringLiteral(" Qté sortie"), 80}, {QStringLiteral(" Stock"), 80}},
              QColor(213, 225, 250));

    auto* fields = new QHBoxLayout;
    addField(fields, QStringLiteral("Nom du produit:"), product, 1);
    fields->addSpacing(12);
    addField(fields, QStringLiteral("Période du: "), from);
    addField(fields, QStringLiteral("au"), to);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addWidget(showButton);
    buttons->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, closeButton));
    page->addWidget(frame(fields, this));
    page->addLayout(buttons);
    page->addWidget(lines, 1);
}
