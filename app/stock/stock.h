#pragma once
// The stock of a product and the small lookups of the stock window's tabs. No stock balance is
// stored: a product's stock is its initial quantity plus receptions and BRS entries, minus
// deliveries and BRS exits, summed afresh each time it is shown or tested.

#include <optional>
#include <QString>
#include <QStringList>

struct Env;
struct NoteForm;
struct ReceptionForm;
struct DeliveryForm;

struct StockQuantity {
    qint64 value = 0; // hundredths
    QString text;     // plain decimal text of the hundredths, "-5000"
    QString display;  // stockDisplayText: whole units, "-50"
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

// A stored price with a point before its last two digits, no grouping: 987654 -> "9876.54", 5 -> ".5".
QString priceText(const QString& storedPrice);

// The item lists of the combo boxes, in the order of their query.
QStringList fillProductCombo(Env& env);
QStringList fillClientCombo(Env& env);           // every type but suppliers
QStringList fillSupplierCombo(Env& env);         // every type but clients
QStringList fillClientSupplierCombo(Env& env);   // everybody
QStringList fillStockJournalFamilyCombo(Env& env);

// Return in the product box: the product's family, prices and stock, and the price it proposes
// as unit price when that field is empty (the purchase price on receptions, the sale price on
// deliveries).
void showReceptionProduct(Env& env, ReceptionForm& form);
void showDeliveryProduct(Env& env, DeliveryForm& form);

// A change of the product box: the same lookup, shown with grouped amounts and with the unit.
// A reception always proposes the purchase price as unit price; a delivery keeps its own.
void receptionProductChanged(Env& env, ReceptionForm& form);
void deliveryProductChanged(Env& env, DeliveryForm& form);

// After a row of the line list was picked: its designation and amounts back into the line fields.
void refillReceptionLineFields(Env& env, ReceptionForm& form, const QString& designation, const QString& quantity,
                               const QString& unitPrice, const QString& amount);
void refillDeliveryLineFields(Env& env, DeliveryForm& form, const QString& designation, const QString& quantity,
                              const QString& unitPrice, const QString& amount);
