#include "stock/sales_document_tab.h"

#include <utility>
#include <QButtonGroup>
#include <QComboBox>
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

// The client and product fields: editable combo boxes on the invoice, edits on the proforma.
QString fieldText(const QWidget* field)
{
    if (const auto* box = qobject_cast<const QComboBox*>(field)) return box->currentText();
    return static_cast<const QLineEdit*>(field)->text();
}

void showFieldText(QWidget* field, const QString& text)
{
    if (auto* box = qobject_cast<QComboBox*>(field))
        showText(box, text);
    else
        showText(static_cast<QLineEdit*>(field), text);
}

// A combo box's item list, replaced only when it changed.
void showItems(QWidget* field, const QStringList& items, QStringList& shown)
{
    auto* box = qobject_cast<QComboBox*>(field);
    if (box && items != shown) setComboItems(box, shown = items);
}

} // namespace

SalesDocumentTab::SalesDocumentTab(InvoiceKind kind, const QString& titleText, const QColor& listColour, QWidget* parent)
    : FormTab(parent), form(kind), listColour_(listColour)
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
    clientField_ = client;
    productField_ = product;
    amountField_ = amount;
    pickList_ = pickList;

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

QWidget* SalesDocumentTab::fieldWidget(InvoiceField field) const
{
    switch (field) {
    case InvoiceField::None: break;
    case InvoiceField::Number: return number;
    case InvoiceField::Client: return clientField_;
    case InvoiceField::Address: return address;
    case InvoiceField::Rc: return rc;
    case InvoiceField::Mf: return mf;
    case InvoiceField::Art: return art;
    case InvoiceField::Nis: return nis;
    case InvoiceField::Designation: return productField_;
    case InvoiceField::Quantity: return quantity;
    case InvoiceField::UnitPrice: return unitPrice;
    case InvoiceField::VatRate: return vatRate;
    }
    return nullptr;
}

int SalesDocumentTab::pickListRow() const { return pickList_ ? pickList_->currentRow() : -1; }

void SalesDocumentTab::pullForm()
{
    form.number = number->text();
    form.date = datePickerText(date);
    form.client = fieldText(clientField_);
    form.address = address->text();
    form.rc = rc->text();
    form.mf = mf->text();
    form.art = art->text();
    form.nis = nis->text();
    form.designation = fieldText(productField_);
    form.quantity = quantity->text();
    form.unitPrice = unitPrice->text();
    if (amountField_) form.amount = amountField_->text();
    form.paymentMode = paymentMode->text();
    if (const int option = paymentOptions->checkedId(); option >= 0) form.paymentOption = static_cast<PaymentOption>(option);
    form.vatRate = vatRate->text();
    form.lines.selected = selectedLine(lines);
}

void SalesDocumentTab::pushForm()
{
    showText(number, form.number);
    setDatePickerText(date, form.date);
    showItems(clientField_, form.clientItems, shownClientItems_);
    showItems(productField_, form.productItems, shownProductItems_);
    showFieldText(clientField_, form.client);
    showText(address, form.address);
    showText(rc, form.rc);
    showText(mf, form.mf);
    showText(art, form.art);
    showText(nis, form.nis);
    showFieldText(productField_, form.designation);
    showText(quantity, form.quantity);
    showText(unitPrice, form.unitPrice);
    if (amountField_) showText(amountField_, form.amount);
    showText(paymentMode, form.paymentMode);
    checkOption(paymentOptions, static_cast<int>(form.paymentOption));
    showText(vatRate, form.vatRate);
    showText(vatLabel, form.vatLabel);
    showText(totalHt, form.totalHt);
    showText(vat, form.totalVat);
    showText(stamp, form.stamp);
    showText(totalTtc, form.totalTtc);
    showLines(lines, form.lines, shownLines_);
    if (pickList_ && form.pickList != shownPickList_) {
        pickList_->clear();
        pickList_->addItems(shownPickList_ = form.pickList);
    }
    if (QWidget* next = fieldWidget(std::exchange(form.focus, InvoiceField::None))) next->setFocus(Qt::TabFocusReason);
}
