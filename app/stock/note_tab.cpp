#include "stock/note_tab.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include <utility>

#include "stock/stock_tab_parts.h"
#include "widgets/form_widgets.h"

namespace {

const QColor LIGHT_BLUE(208, 242, 245);
const QColor PRICE_SAND(246, 218, 148);
const QColor BALANCE_YELLOW(246, 227, 132);

QLineEdit* upperCaseEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    makeUpperCase(edit);
    return edit;
}

QLineEdit* totalField(QWidget* parent, bool readOnly)
{
    QLineEdit* edit = amountEdit(parent);
    edit->setMinimumWidth(150);
    edit->setReadOnly(readOnly);
    if (readOnly) {
        setBackground(edit, BALANCE_YELLOW);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

} // namespace

NoteTab::NoteTab(const NoteTabCaptions& captions, const QString& openingTime, QWidget* parent) : FormTab(parent)
{
    title = titleLabel(captions.title, this);
    closeButton = ::closeButton(this);

    // Header: number, date, time, partner.
    std::tie(previousButton, number, nextButton) = numberNavigator(this);
    date = datePicker(this);
    time = displayLabel(BALANCE_YELLOW, this);
    setTextColours(time, QColor(0, 0, 205), BALANCE_YELLOW);
    time->setText(openingTime);
    time->setMinimumWidth(80);
    partner = upperCaseComboBox(this);
    auto* header = new QHBoxLayout;
    addNumberNavigator(header, captions.numberLabel, previousButton, number, nextButton);
    header->addSpacing(12);
    addField(header, QStringLiteral("Date:"), date);
    header->addSpacing(12);
    header->addWidget(new QLabel(QStringLiteral("Heure:"), this));
    header->addWidget(time);
    header->addSpacing(12);
    addField(header, captions.partnerLabel, partner, 1);

    // Line being entered.
    family = upperCaseEdit(this);
    stock = displayLabel(LIGHT_BLUE, this);
    stock->setMinimumWidth(90);
    lineNumber = displayLabel(QColor(211, 211, 211), this);
    lineNumber->setMinimumWidth(90);
    product = upperCaseComboBox(this);
    initialiseButton = ::initialiseButton(this);
    unit = upperCaseEdit(this);
    unit->setText(QStringLiteral("U"));
    quantity = amountEdit(this);
    unitPrice = amountEdit(this);
    amount = amountEdit(this);
    setBackground(amount, LIGHT_BLUE);
    showLineAmountOf(quantity, unitPrice, amount);
    auto* lineGrid = new QGridLayout;
    lineGrid->addWidget(fieldLabel(QStringLiteral("Famille:"), family, this), 0, 0);
    lineGrid->addWidget(family, 0, 1);
    lineGrid->addWidget(fieldLabel(QStringLiteral("Stock:"), stock, this), 0, 2);
    lineGrid->addWidget(stock, 0, 3);
    lineGrid->addWidget(fieldLabel(QStringLiteral("NL:"), lineNumber, this), 1, 2);
    lineGrid->addWidget(lineNumber, 1, 3);
    lineGrid->addWidget(fieldLabel(QStringLiteral("Désignation:"), product, this), 0, 4);
    lineGrid->addWidget(product, 0, 5, 1, 3);
    lineGrid->addWidget(initialiseButton, 0, 8);
    unit->setMaximumWidth(100);
    for (QLineEdit* field : {quantity, unitPrice, amount}) field->setMaximumWidth(180);
    auto* secondRow = new QHBoxLayout;
    addField(secondRow, QStringLiteral("U. M. :"), unit);
    secondRow->addSpacing(12);
    addField(secondRow, QStringLiteral("Quantité:"), quantity);
    secondRow->addSpacing(12);
    addField(secondRow, QStringLiteral("P. U.:"), unitPrice);
    secondRow->addSpacing(12);
    addField(secondRow, QStringLiteral("Montant:"), amount);
    secondRow->addStretch(1);
    lineGrid->addLayout(secondRow, 2, 0, 1, 9);
    lineGrid->setColumnStretch(5, 1);

    // Buttons.
    printButton = keyButton(QStringLiteral("(#F2) Imprimer"), this);
    cancelButton = keyButton(QStringLiteral("(#F3) Annuler le bon"), this);
    deleteButton = keyButton(QStringLiteral("(#Alt+#SUP) Supprimer la ligne"), this);
    validateButton = keyButton(QStringLiteral("(#F5) Valider la saisie"), this);
    newButton = keyButton(QStringLiteral("(#F6) Nouveau bon"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {printButton, cancelButton, deleteButton, validateButton, newButton}) buttons->addWidget(button);
    buttons->addStretch(1);

    // Lines, and beside them the prices and the old balance.
    lines = new QTreeWidget(this);
    setupList(lines,
              {{QStringLiteral("Code"), 40}, {QStringLiteral(" Désignation du produit"), 300}, {QStringLiteral(" U.M."), 90},
               {QStringLiteral(" Quantité"), 80}, {QStringLiteral(" Prix unitaire"), 100}, {QStringLiteral(" Montant"), 100}},
              captions.listColour);
    purchasePrice = displayLabel(PRICE_SAND, this);
    salePrice = new QLineEdit(this);
    salePrice->setAlignment(Qt::AlignCenter);
    setBackground(salePrice, PRICE_SAND);
    oldBalance = displayLabel(BALANCE_YELLOW, this);
    auto* side = new QVBoxLayout;
    side->addWidget(captionedFrame(QStringLiteral("Prix d'achat"), purchasePrice, this));
    side->addWidget(captionedFrame(QStringLiteral("Prix de vente"), salePrice, this));
    side->addWidget(captionedFrame(QStringLiteral("Ancien solde"), oldBalance, this));
    side->addStretch(1);
    nameField(purchasePrice, QStringLiteral("Prix d'achat"));
    nameField(salePrice, QStringLiteral("Prix de vente"));
    nameField(oldBalance, QStringLiteral("Ancien solde"));
    auto* middle = new QHBoxLayout;
    middle->addWidget(lines, 1);
    middle->addLayout(side);

    // Payment, truck and driver, line count, save button, totals.
    paymentMode = upperCaseEdit(this);
    paymentMode->setFixedWidth(300);
    std::tie(paymentOptions, cashOption, chequeOption, transferOption, creditOption) =
        paymentOptionButtons(this, QStringLiteral("VIREMENT BANCAIRE"));
    auto* modeRow = new QHBoxLayout;
    addField(modeRow, QStringLiteral("Mode de payement:"), paymentMode);
    modeRow->addStretch(1);
    auto* optionRow = new QHBoxLayout;
    for (QRadioButton* option : {cashOption, chequeOption, transferOption, creditOption}) optionRow->addWidget(option);
    optionRow->addStretch(1);
    auto* paymentBox = new QVBoxLayout;
    paymentBox->addLayout(modeRow);
    paymentBox->addLayout(optionRow);

    truck = upperCaseEdit(this);
    driver = upperCaseEdit(this);
    truck->setMinimumWidth(170);
    driver->setMinimumWidth(170);
    nameField(truck, QStringLiteral("Camion"));
    nameField(driver, QStringLiteral("Chauffeur"));
    auto* transport = new QVBoxLayout;
    transport->addWidget(captionedFrame(QStringLiteral("Camion"), truck, this));
    transport->addWidget(captionedFrame(QStringLiteral("Chauffeur"), driver, this));

    lineCount = displayLabel(QColor(211, 211, 211), this);
    lineCount->setText(QStringLiteral("0"));
    lineCount->setMinimumWidth(50);
    saveButton = keyButton(captions.saveButton, this);
    auto* countRow = new QHBoxLayout;
    addField(countRow, QStringLiteral("Nombre de lignes:"), lineCount);
    auto* saveBox = new QVBoxLayout;
    saveBox->addLayout(countRow);
    saveBox->addWidget(saveButton);
    saveBox->addStretch(1);

    totalHt = totalField(this, true);
    payment = totalField(this, false);
    discount = totalField(this, false);
    newBalance = totalField(this, true);
    auto* totals = new QGridLayout;
    totals->addWidget(fieldLabel(QStringLiteral("TOTAL HT :"), totalHt, this), 0, 0);
    totals->addWidget(totalHt, 0, 1);
    totals->addWidget(fieldLabel(QStringLiteral("VERSEMENT:"), payment, this), 1, 0);
    totals->addWidget(payment, 1, 1);
    totals->addWidget(fieldLabel(QStringLiteral("REMISE :"), discount, this), 2, 0);
    totals->addWidget(discount, 2, 1);
    totals->addWidget(fieldLabel(QStringLiteral("NOUVEAU SOLDE:"), newBalance, this), 3, 0);
    totals->addWidget(newBalance, 3, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame(paymentBox, this));
    bottom->addLayout(transport);
    bottom->addLayout(saveBox);
    bottom->addStretch(1);
    bottom->addWidget(frame(totals, this));

    auto* page = new QVBoxLayout(this);
    page->addLayout(titleRow(title, closeButton));
    page->addWidget(frame(header, this));
    page->addWidget(frame(lineGrid, this));
    page->addLayout(buttons);
    page->addLayout(middle, 1);
    page->addLayout(bottom);
}

void NoteTab::pull(NoteForm& form) const
{
    form.number = number->text();
    form.date = datePickerText(date);
    form.partner = partner->currentText();
    form.family = family->text();
    form.product = product->currentText();
    form.unit = unit->text();
    form.quantity = quantity->text();
    form.unitPrice = unitPrice->text();
    form.amount = amount->text();
    form.salePrice = salePrice->text();
    form.paymentMode = paymentMode->text();
    form.option = paymentOptions->checkedId() < 0 ? std::nullopt
                                                  : std::optional(static_cast<PaymentOption>(paymentOptions->checkedId()));
    form.truck = truck->text();
    form.driver = driver->text();
    form.payment = payment->text();
    form.discount = discount->text();
    form.lines.selected = selectedLine(lines);
}

void NoteTab::push(NoteForm& form)
{
    showText(number, form.number);
    setDatePickerText(date, form.date);
    if (form.partnerItems != shownPartnerItems_) setComboItems(partner, shownPartnerItems_ = form.partnerItems);
    if (form.productItems != shownProductItems_) setComboItems(product, shownProductItems_ = form.productItems);
    showText(partner, form.partner);
    showText(family, form.family);
    showText(stock, form.stock);
    showText(lineNumber, form.lineNumber);
    showText(product, form.product);
    showText(unit, form.unit);
    showText(quantity, form.quantity);
    showText(unitPrice, form.unitPrice);
    showText(amount, form.amount);
    showText(purchasePrice, form.purchasePrice);
    showText(salePrice, form.salePrice);
    showText(oldBalance, form.oldBalance);
    showText(paymentMode, form.paymentMode);
    checkOption(paymentOptions, form.option ? static_cast<int>(*form.option) : -1);
    showText(truck, form.truck);
    showText(driver, form.driver);
    showText(lineCount, form.lineCount);
    showText(totalHt, form.totalHt);
    showText(payment, form.payment);
    showText(discount, form.discount);
    showText(newBalance, form.newBalance);
    showLines(lines, form.lines, shownLines_);
    moveFocus(form);
}

void NoteTab::moveFocus(NoteForm& form)
{
    switch (std::exchange(form.focus, NoteField::None)) {
    case NoteField::None: return;
    case NoteField::Partner: partner->setFocus(Qt::OtherFocusReason); return;
    case NoteField::Product: product->setFocus(Qt::OtherFocusReason); return;
    }
}

ReceptionTab::ReceptionTab(const QString& openingTime, QWidget* parent)
    : NoteTab({QStringLiteral("BON DE RECEPTION"), QStringLiteral("N° BR:"), QStringLiteral("Fournisseur:"),
               QStringLiteral("ENREGISTRER LE BON DE RECEPTION"), QColor(217, 252, 242)},
              openingTime, parent)
{
}

DeliveryTab::DeliveryTab(const QString& openingTime, QWidget* parent)
    : NoteTab({QStringLiteral("BON DE LIVRAISON"), QStringLiteral("N° BL:"), QStringLiteral("Nom du client:"),
               QStringLiteral("ENREGISTRER LE BON DE LIVRAISON"), QColor(237, 243, 170)},
              openingTime, parent)
{
}
