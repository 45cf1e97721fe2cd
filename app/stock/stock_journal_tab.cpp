#include "stock/stock_journal_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"

StockJournalTab::StockJournalTab(Valuation valuation, const QString& openingDateText, QWidget* parent) : QWidget(parent)
{
    const bool atCost = valuation == Valuation::PurchaseCost;
    title = titleLabel(atCost ? QStringLiteral("JOURNAL DE STOCK (PMP)") : QStringLiteral("JOURNAL DE STOCK (Prix de vente)"), this);
    closeButton = ::closeButton(this);
    family = atCost ? upperCaseComboBox(this) : nullptr;
    openingDate = new QLabel(openingDateText, this);
    lines = new QTreeWidget(this);
    if (atCost) {
        setupList(lines,
                  {{QStringLiteral("Code"), 60}, {QStringLiteral(" Désignation du produit"), 200},
                   {QStringLiteral(" Qté initiale"), 70}, {QStringLiteral(" Réception"), 70},
                   {QStringLiteral(" BRS entrée"), 70}, {QStringLiteral(" BRS sortie"), 70}, {QStringLiteral(" Livraison"), 70},
                   {QStringLiteral(" Stock final"), 70}, {QStringLiteral(" P. M. P."), 70}, {QStringLiteral(" Valeur"), 100}},
                  QColor(253, 245, 230));
        setTextColours(lines->viewport(), QColor(128, 0, 128), QColor(253, 245, 230));
        setTextColours(lines, QColor(128, 0, 128), QColor(253, 245, 230));
    } else {
        setupList(lines,
                  {{QStringLiteral("Code"), 60}, {QStringLiteral(" Désignation du produit"), 300},
                   {QStringLiteral(" Qté en stock"), 80}, {QStringLiteral(" Prix de vente"), 80}, {QStringLiteral(" Valeur"), 100}},
                  QColor(248, 229, 154));
    }
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    progress = atCost ? new QProgressBar(this) : nullptr;
    showButton = keyButton(QStringLiteral("(#F8) Afficher"), this);
    showZeroStock = new QCheckBox(QStringLiteral("Afficher le stock nul"), this);
    sortByCode = new QCheckBox(QStringLiteral("Code produit"), this);
    sortByDesignation = new QCheckBox(QStringLiteral("Désignation du produit"), this);
    sortByValue = new QCheckBox(QStringLiteral("Valeur du stock"), this);
    sortByDesignation->setChecked(true);
    for (QCheckBox* box : {sortByCode, sortByDesignation, sortByValue}) {
        connect(box, &QCheckBox::toggled, this, [this, box](bool checked) {
            if (!checked) return;
            for (QCheckBox* other : {sortByCode, sortByDesignation, sortByValue})
                if (other != box) other->setChecked(false);
            emit sortChosen();
        });
    }

    auto* head = new QHBoxLayout;
    if (family) addField(head, QStringLiteral("Famille:"), family, 1);
    head->addStretch(family ? 0 : 1);
    head->addWidget(new QLabel(atCost ? QStringLiteral("ARRETE AU") : QStringLiteral("ARRETE AU : "), this));
    head->addWidget(openingDate);

    auto* sortRow = new QHBoxLayout;
    sortRow->addWidget(showZeroStock);
    sortRow->addSpacing(20);
    sortRow->addWidget(new QLabel(QStringLiteral("Trier la liste sur >>"), this));
    for (QCheckBox* box : {sortByCode, sortByDesignation, sortByValue}) sortRow->addWidget(box);
    auto* actions = new QHBoxLayout;
    actions->addWidget(printButton);
    if (progress) actions->addWidget(progress, 1);
    actions->addWidget(showButton);
    actions->addStretch(progress ? 0 : 1);
    actions->addWidget(frame(sortRow, this));

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, closeButton));
    page->addLayout(head);
    page->addWidget(lines, 1);
    page->addLayout(actions);
}
