#pragma once
// Receptions from suppliers (fBr) and deliveries to clients (fBL). The two documents are
// mirrors: numbered, saved line by line, each with one summary row (CodeProd 9999) holding the
// totals, the payment and the balances, rewritten after every change. One implementation
// serves both; the differences (table, relation letter, balance direction, messages, product
// creation and price update on receptions, stock check on deliveries) are the document kind's
// rules.

#include <QString>
#include <QStringList>

#include "common/amount.h"
#include "common/list_view.h"
#include "stock/payment_options.h"

struct Env;

// The product last looked up on the tab, and what the lookup put in the line fields: a field
// still holding it belongs to that product and is replaced when another product is shown.
struct CurrentProduct {
    QString code, family, designation, unit, initialQuantity, purchasePrice, salePrice;
    QString shownFamily, shownUnitPrice, shownSalePrice;
};

// What the last totals computation found; the summary row is saved from it.
struct NoteTotals {
    Amount totalHt, payment, discount, oldBalance, newBalance;
};

// The entry fields the keyboard focus is sent to after an operation.
enum class NoteField { None, Partner, Product };

// Line list columns.
enum NoteColumn { COL_LINE = 0, COL_DESIGNATION, COL_UNIT, COL_QUANTITY, COL_UNIT_PRICE, COL_AMOUNT };

// The reception or delivery tab as the user sees it (every text as shown) and its own values.
struct NoteForm {
    // Header.
    QString number;
    QString date; // dd/mm/yyyy
    QString partner; // the supplier of a reception, the client of a delivery
    // Line being entered.
    QString family;
    QString stock;      // stock display (whole units)
    QString lineNumber; // NL display: the line picked from the list, empty for a new line
    QString product;    // designation
    QString unit = QStringLiteral("U");
    QString quantity;
    QString unitPrice;
    QString amount;
    QString purchasePrice; // display
    QString salePrice;     // field: becomes the product's sale prices on receptions
    QString oldBalance;    // "Ancien solde"
    // Payment and totals.
    QString paymentMode;
    std::optional<PaymentOption> option; // none selected until a mode selects one
    QString truck;
    QString driver;
    QString lineCount = QStringLiteral("0");
    QString totalHt;
    QString payment;  // VERSEMENT
    QString discount; // REMISE
    QString newBalance;

    ListView lines;
    QStringList partnerItems; // the partner box's list
    QStringList productItems;

    CurrentProduct current;
    NoteTotals totals;
    // The quantity of the line last picked from the list, 0.00 otherwise: a delivery line may be
    // modified within the stock it already holds.
    Amount selectedLineQuantity;
    // The VERSEMENT text the program filled in itself (empty when the user typed it): while the
    // document is paid now (ESPECE, CHEQUE, VIREMENT), such a payment follows TOTAL HT.
    QString filledPayment;
    // Where the keyboard focus goes after the operation (None: it stays).
    NoteField focus = NoteField::None;
};

struct ReceptionForm : NoteForm {};
struct DeliveryForm : NoteForm {};

// Receptions.
void newReception(Env& env, ReceptionForm& form);
void allocateReceptionNumber(Env& env, ReceptionForm& form);
void loadReception(Env& env, ReceptionForm& form);
void previousReception(Env& env, ReceptionForm& form);
void nextReception(Env& env, ReceptionForm& form);
void validateReceptionLine(Env& env, ReceptionForm& form);
void deleteReceptionLine(Env& env, ReceptionForm& form);
void cancelReception(Env& env, ReceptionForm& form);
void computeReceptionTotals(Env& env, ReceptionForm& form);
void saveReceptionSummary(Env& env, ReceptionForm& form);
void clearReceptionForm(ReceptionForm& form);
void clearReceptionLine(ReceptionForm& form);
// True when the payment mode, VERSEMENT or REMISE shown differ from the stored summary: what
// would be printed or left behind is not what is stored.
bool receptionHasUnsavedSummary(Env& env, const ReceptionForm& form);
// The supplier's balance as "Ancien solde" (a change of the supplier box).
void showReceptionSupplierBalance(Env& env, ReceptionForm& form);
// A row of the line list was picked.
void selectReceptionListRow(Env& env, ReceptionForm& form, int row);
// ESPECE, CHEQUE, VIREMENT BANCAIRE or A TERME was chosen.
void setReceptionPaymentOption(Env& env, ReceptionForm& form, PaymentOption option);

// Deliveries.
void newDelivery(Env& env, DeliveryForm& form);
void allocateDeliveryNumber(Env& env, DeliveryForm& form);
void loadDelivery(Env& env, DeliveryForm& form);
void previousDelivery(Env& env, DeliveryForm& form);
void nextDelivery(Env& env, DeliveryForm& form);
void validateDeliveryLine(Env& env, DeliveryForm& form);
void deleteDeliveryLine(Env& env, DeliveryForm& form);
void cancelDelivery(Env& env, DeliveryForm& form);
void computeDeliveryTotals(Env& env, DeliveryForm& form);
void saveDeliverySummary(Env& env, DeliveryForm& form);
void clearDeliveryForm(DeliveryForm& form);
void clearDeliveryLine(DeliveryForm& form);
bool deliveryHasUnsavedSummary(Env& env, const DeliveryForm& form);
void showDeliveryClientBalance(Env& env, DeliveryForm& form);
void selectDeliveryListRow(Env& env, DeliveryForm& form, int row);
void setDeliveryPaymentOption(Env& env, DeliveryForm& form, PaymentOption option);

// Every operation of one kind of document, for code that handles both kinds alike.
template <typename Form>
struct NoteOperations {
    using Operation = void (*)(Env&, Form&);
    Operation newNote, load, previous, next, validate, deleteLine, cancel, computeTotals, saveSummary;
    Operation showBalance;    // the partner's balance as "Ancien solde"
    Operation showProduct;    // Return in the product box
    Operation productChanged; // a change of the product box
    void (*clearLine)(Form&);
    void (*selectRow)(Env&, Form&, int);
    void (*setOption)(Env&, Form&, PaymentOption);
    QStringList (*fillPartners)(Env&); // the partner box's list
    bool (*hasUnsavedSummary)(Env&, const Form&);
};
extern const NoteOperations<ReceptionForm> RECEPTION_OPERATIONS;
extern const NoteOperations<DeliveryForm> DELIVERY_OPERATIONS;
