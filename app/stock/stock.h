#pragma once
// The stock of a product and the small lookups of the stock window's tabs. No stock balance is
// stored: a product's stock is its initial quantity plus receptions and BRS entries, minus
// deliveries and BRS exits, summed afresh each time it is shown or tested.

#include <optional>
#include <QString>
#include <QStringList>

#include "common/amount.h"

struct Env;
struct NoteForm;
struct ReceptionForm;
struct DeliveryForm;

struct StockQuantity {
    Amount value;
    QString text;    // plain decimal text of the hundredths, "-5000"
    QString display; // stockDisplayText: whole units, "-50"
    // False when a sum failed or left the bound (its message is shown): the stock is unknown.
    bool ok = false;
};

// Initial quantity (the product's Qi text) + receptions - deliveries + BRS entries - BRS exits.
StockQuantity computeStock(Env& env, const QString& code, const QString& initialQuantity);
// A stock's decimal text without its hundredths: 15099 -> "150", 50 -> "", -50 -> "-".
QString stockDisplayText(const QString& stockText);

// The code of the first product with that designation, "" when there is none.
QString productCodeByName(Env& env, const QString& designation);
struct ProductName {
    QString designation; // "" when no product has the code
    QString ref;
};
ProductName productNameByCode(Env& env, const QString& code);

// One row of fprod.
struct ProductRow {
    QString code, family, ref, designation, unit, initialQuantity, purchasePrice, retailPrice, wholesalePrice;
};
// The first product with that designation.
std::optional<ProductRow> findProductByName(Env& env, const QString& designation);
// The same, telling a product that does not exist (ok, no product) from a lookup that failed.
struct ProductLookup {
    bool ok = false;
    std::optional<ProductRow> product;
};
ProductLookup lookUpProduct(Env& env, const QString& designation);

// "Montant:" as the quantity and the unit price are typed: their product, empty until both
// are numbers.
QString typedLineAmount(const QString& quantity, const QString& unitPrice);

// The item lists of the combo boxes, in the order of their query.
QStringList fillProductCombo(Env& env);
QStringList fillClientCombo(Env& env);           // every type but suppliers
QStringList fillSupplierCombo(Env& env);         // every type but clients
QStringList fillClientSupplierCombo(Env& env);   // everybody
QStringList fillStockJournalFamilyCombo(Env& env);

// Return in the product box: the product's family, prices and stock, and the price it proposes
// as unit price (the purchase price on receptions, the sale price on deliveries). What the
// product shown before had put in the fields, and is still there, goes first: a designation
// that is no product leaves nothing of the previous one, and a price the user typed stays.
void showReceptionProduct(Env& env, ReceptionForm& form);
void showDeliveryProduct(Env& env, DeliveryForm& form);

// A change of the product box: the same lookup, and the product's unit too.
void receptionProductChanged(Env& env, ReceptionForm& form);
void deliveryProductChanged(Env& env, DeliveryForm& form);

// After a row of the line list was picked: its designation and amounts back into the line fields.
void refillReceptionLineFields(Env& env, ReceptionForm& form, const QString& designation, const QString& quantity,
                               const QString& unitPrice, const QString& amount);
void refillDeliveryLineFields(Env& env, DeliveryForm& form, const QString& designation, const QString& quantity,
                              const QString& unitPrice, const QString& amount);
