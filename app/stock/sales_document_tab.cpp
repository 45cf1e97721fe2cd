#include "stock/sales_document_tab.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include "stock/payment_options.h"
#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

namespace {

const QColor DETAIL_YELLOW(252, 230, 136);

QLineEdit* detailField(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    makeUpperCase(edit);
    setBackground(edit, DETAIL_YELLOW);
    return edit;
}

QLabel* totalValue(QWidget* parent)
{
    QLabel* label = displayLabel(DETAIL_YELLOW, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(140);
    return label;
}

} // namespace

SalesDocumentTab::SalesDocumentTab(const QString& titleText, const QColor& listColour, QWidget* parent)
    : QWidget(parent), listColour_(listColour)
{
    title = titleLabel(titleText, this);
    closeButton = ::closeButton(this);
    std::tie(previousButton, number, nextButton) = numberNavigator(this);
    date = datePicker(this);
    address = new QLineEdit(this);
    makeUpperCase(address);
    rc = detailField(this);
    mf = detailField(this);
    art = detailField(this);
    nis = detailField(this);
    quantity = amountEdit(this);
    unitPrice = amountEdit(this);
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    cancelButton = keyButton(QStringLiteral("(#F3) Annuler la facture"), this);
    deleteButton = keyButton(QStringLiteral("(#Alt+#SUP) Supprimer la ligne sélectionnée"), this);
    newButton = keyButton(QStringLiteral("(#F6) Nouvelle facture"), this);
    validateButton = keyButton(QStringLiteral("(#F5) Valider"), this);
    saveButton = keyButton(QStringLiteral("(#F12) Enregistrer la facture"), this);
    lines = new QTreeWidget(this);
    paymentMode = new QLineEdit(QStringLiteral("A TERME"), this);
    makeUpperCase(paymentMode);
    std::tie(paymentOptions, cashOption, chequeOption, transferOption, creditOption) =
        paymentOptionButtons(this, QStringLiteral("VIREMENT"));
    creditOption->setChecked(true);
    vatRate = new QLineEdit(QStringLiteral("19"), this);
    vatRate->setAlignment(Qt::AlignRight);
    vatRate->setMaximumWidth(50);
    vatLabel = new QLabel(QStringLiteral("TVA (19%) : "), this);
    totalHt = totalValue(this);
    vat = totalValue(this);
    stamp = totalValue(this);
    totalTtc = totalValue(this);
}

void SalesDocumentTab::build(QWidget* client, QWidget* product, QLineEdit* amount, QListWidget* pickList)
{
    // Header, in font 1.
    auto* header = new QGridLayout;
    auto* numberRow = new QHBoxLayout;
    addNumberNavigator(numberRow, QStringLiteral("N° Facture:"), previousButton, number, nextButton);
    numberRow->addSpacing(12);
    addField(numberRow, QStringLiteral("Date:"), date);
    numberRow->addStretch(1);
    header->addLayout(numberRow, 0, 0, 1, 8);
    header->addWidget(fieldLabel(QStringLiteral("Client:"), client, this), 1, 0);
    header->addWidget(client, 1, 1, 1, 3);
    header->addWidget(fieldLabel(QStringLiteral("Adresse:"), address, this), 1, 4);
    header->addWidget(address, 1, 5, 1, 3);
    int column = 0;
    for (const auto& [caption, field] : {std::pair{QStringLiteral("N° RC:"), rc}, std::pair{QStringLiteral("MF:"), mf},
                                         std::pair{QStringLiteral("N° Art:"), art}, std::pair{QStringLiteral("NIS:"), nis}}) {
        header->addWidget(fieldLabel(caption, field, this), 2, column++);
        header->addWidget(field, 2, column++);
    }
    for (int c : {1, 3, 5, 7}) header->setColumnStretch(c, 1);
    QGroupBox* headerFrame = frame(header, this);
    headerFrame->setFont(screenFont(1));
    auto* top = new QHBoxLayout;
    top->addWidget(headerFrame, 1);
    if (pickList) {
        pickList->setMaximumWidth(320);
        pickList->setMaximumHeight(headerFrame->sizeHint().height());
        top->addWidget(pickList);
    }

    // Line being entered.
    auto* line = new QHBoxLayout;
    addField(line, QStringLiteral("Désignation:"), product, 1);
    addField(line, QStringLiteral("Qté:"), quantity);
    addField(line, QStringLiteral("P.U. :"), unitPrice);
    if (amount) addField(line, QStringLiteral("Montant:"), amount);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {printButton, cancelButton, deleteButton, newButton, validateButton}) buttons->addWidget(button);
    buttons->addStretch(1);

    setupList(lines,
              {{QStringLiteral("Code"), 80}, {QStringLiteral(" Désignation"), 280}, {QStringLiteral("U.M. "), 70},
               {QStringLiteral("Qté  "), 90}, {QStringLiteral("P. U.  "), 90}, {QStringLiteral("Montant "), 90}},
              listColour_);
    lines->setFont(screenFont(1));

    // Payment mode and VAT rate; totals.
    auto* payment = new QGroupBox(QStringLiteral("Mode de paiement..."), this);
    auto* paymentLayout = new QVBoxLayout(payment);
    paymentLayout->addWidget(paymentMode);
    nameField(paymentMode, QStringLiteral("Mode de paiement"));
    auto* optionRow = new QHBoxLayout;
    for (QRadioButton* option : {cashOption, chequeOption, transferOption, creditOption}) optionRow->addWidget(option);
    paymentLayout->addLayout(optionRow);
    auto* rateRow = new QHBoxLayout;
    addField(rateRow, QStringLiteral("Taux TVA="), vatRate);
    rateRow->addWidget(new QLabel(QStringLiteral("%"), this));
    rateRow->addStretch(1);
    paymentLayout->addLayout(rateRow);

    auto* totals = new QGridLayout;
    const std::pair<QLabel*, QLabel*> totalRows[] = {{new QLabel(QStringLiteral("Total HT:"), this), totalHt},
                                                     {vatLabel, vat},
                                                     {new QLabel(QStringLiteral("TIMBRE:"), this), stamp},
                                                     {new QLabel(QStringLiteral("Total TTC:"), this), totalTtc}};
    int row = 0;
    for (const auto& [label, value] : totalRows) {
        nameField(value, label->text());
        totals->addWidget(label, row, 0);
        totals->addWidget(value, row++, 1);
    }
    QGroupBox* totalsFrame = frame(totals, this);
    totalsFrame->setFont(screenFont(1));
    auto* saveColumn = new QVBoxLayout;
    saveColumn->addStretch(1);
    saveColumn->addWidget(saveButton);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(payment);
    bottom->addStretch(1);
    bottom->addLayout(saveColumn);
    bottom->addWidget(totalsFrame);

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, closeButton));
    page->addLayout(top);
    page->addWidget(frame(line, this));
    page->addLayout(buttons);
    page->addWidget(lines, 1);
    page->addLayout(bottom);
}
