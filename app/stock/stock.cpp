#include "stock/stock.h"

#include "common/env.h"
#include "common/values.h"
#include "stock/receptions_deliveries.h"

#include <utility>

namespace {

QStringList column(Env& env, DbNumber db, const QString& sql, int index)
{
    QStringList items;
    for (const QStringList& row : env.store.queryChecked(db, sql).rows) items.append(row.value(index));
    return items;
}

// The shared product lookup of the reception and delivery tabs. The unit price proposed is the
// purchase price on receptions, the sale price on deliveries.
void showNoteProduct(Env& env, NoteForm& form, bool proposesPurchasePrice, bool showsUnit)
{
    const ProductLookup lookup = lookUpProduct(env, form.product);
    if (!lookup.ok) return;
    CurrentProduct& shown = form.current;
    const bool sameProduct = lookup.product && !shown.code.isEmpty() && shown.code == lookup.product->code;
    if (!sameProduct) {
        // Another product, or none: what the previous one put in the fields goes, unless the
        // user changed it since.
        const CurrentProduct previous = std::exchange(shown, {});
        form.stock.clear();
        form.purchasePrice.clear();
        if (!previous.code.isEmpty()) {
            if (form.family == previous.shownFamily) form.family.clear();
            if (form.salePrice == previous.shownSalePrice) form.salePrice.clear();
            if (form.unitPrice == previous.shownUnitPrice) form.unitPrice.clear();
        }
    }
    if (!lookup.product) return;
    const ProductRow& p = *lookup.product;
    if (!sameProduct) {
        shown = {p.code, p.family, p.designation.toUpper(), p.unit.toUpper(), p.initialQuantity, p.purchasePrice,
                 p.retailPrice, p.family, QString(), plainAmountText(storedAmount(p.retailPrice))};
        form.family = shown.shownFamily;
        form.salePrice = shown.shownSalePrice;
    }
    // The same product again (a picked line): only what is empty is filled.
    if (form.family.isEmpty()) form.family = shown.shownFamily = p.family;
    if (form.salePrice.isEmpty()) form.salePrice = shown.shownSalePrice = plainAmountText(storedAmount(p.retailPrice));
    if (form.unitPrice.trimmed().isEmpty())
        form.unitPrice = shown.shownUnitPrice =
            plainAmountText(storedAmount(proposesPurchasePrice ? p.purchasePrice : p.retailPrice));
    if (showsUnit) form.unit = shown.unit;
    form.purchasePrice = formatAmount(storedAmount(p.purchasePrice));
    const StockQuantity stock = computeStock(env, p.code, p.initialQuantity);
    if (stock.ok) form.stock = stock.display;
}

void refillLineFields(Env& env, NoteForm& form, const QString& designation, const QString& quantity,
                      const QString& unitPrice, const QString& amount)
{
    const std::optional<ProductRow> found = findProductByName(env, designation);
    if (!found) return;
    // The picked line's price and family belong to its product: another product replaces them.
    form.current = {found->code, found->family, found->designation, found->unit, found->initialQuantity,
                    found->purchasePrice, found->retailPrice, found->family, unitPrice,
                    plainAmountText(storedAmount(found->retailPrice))};
    form.family = found->family;
    form.salePrice = form.current.shownSalePrice;
    form.product = designation;
    form.quantity = quantity;
    form.unitPrice = unitPrice;
    form.amount = amount;
}

} // namespace

StockQuantity computeStock(Env& env, const QString& code, const QString& initialQuantity)
{
    StockQuantity stock;
    const auto sum = [&](DbNumber db, const char* sql) {
        return env.store.amountScalar(db, QString::fromLatin1(sql), {code});
    };
    const std::optional<Amount> received = sum(DB_BR, "select sum(qte) from fbr where codeprod=?");
    const std::optional<Amount> delivered = sum(DB_BL, "select sum(qte) from fbl where codeprod=?");
    const std::optional<Amount> entered = sum(DB_BRS, "select sum(qe) from fbrs where codeprod=?");
    const std::optional<Amount> taken = sum(DB_BRS, "select sum(qs) from fbrs where codeprod=?");
    if (!received || !delivered || !entered || !taken) return stock;
    stock.value = storedAmount(initialQuantity) + *received - *delivered + *entered - *taken;
    if (!isWithinBound(env.dialogs, stock.value)) return stock;
    stock.text = QString::number(stock.value.cents());
    stock.display = stockDisplayText(stock.text);
    stock.ok = true;
    return stock;
}

QString stockDisplayText(const QString& stockText) { return dropLastTwo(stockText); }

QString productCodeByName(Env& env, const QString& designation)
{
    const std::optional<ProductRow> found = findProductByName(env, designation);
    return found ? found->code : QString();
}

ProductName productNameByCode(Env& env, const QString& code)
{
    const QueryResult found = env.store.queryChecked(DB_PROD, QStringLiteral("SELECT * from fprod where codeprod=?"), {code});
    if (found.isEmpty()) return {};
    return {found.first(3), found.first(2)};
}

ProductLookup lookUpProduct(Env& env, const QString& designation)
{
    const QueryResult found = env.store.queryChecked(DB_PROD, QStringLiteral("SELECT * from fprod where prod=? limit 1"), {designation});
    ProductLookup lookup;
    lookup.ok = found.ok;
    if (found.isEmpty()) return lookup;
    const QStringList& r = found.rows.front();
    lookup.product = ProductRow{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4),
                                r.value(5), r.value(6), r.value(7), r.value(8)};
    return lookup;
}

std::optional<ProductRow> findProductByName(Env& env, const QString& designation)
{
    return lookUpProduct(env, designation).product;
}

QString typedLineAmount(const QString& quantity, const QString& unitPrice)
{
    const TypedAmount q = parseTypedAmount(quantity), p = parseTypedAmount(unitPrice);
    return q.ok() && p.ok() ? formatAmount(lineAmount(q.value, p.value)) : QString();
}

QStringList fillProductCombo(Env& env)
{
    return column(env, DB_PROD, QStringLiteral("SELECT * FROM fprod order by prod"), 3);
}

QStringList fillClientCombo(Env& env)
{
    return column(env, DB_CF, QStringLiteral("SELECT * FROM fCf where typecf<>'F' order by Cf"), 1);
}

QStringList fillSupplierCombo(Env& env)
{
    return column(env, DB_CF, QStringLiteral("SELECT * FROM fCf where typecf<>'C' order by Cf"), 1);
}

QStringList fillClientSupplierCombo(Env& env)
{
    return column(env, DB_CF, QStringLiteral("SELECT * FROM fcf order by cf"), 1);
}

QStringList fillStockJournalFamilyCombo(Env& env)
{
    return column(env, DB_FAM, QStringLiteral("SELECT * FROM fFam order by Fam"), 0);
}

void showReceptionProduct(Env& env, ReceptionForm& form) { showNoteProduct(env, form, true, false); }

void showDeliveryProduct(Env& env, DeliveryForm& form) { showNoteProduct(env, form, false, false); }

void receptionProductChanged(Env& env, ReceptionForm& form) { showNoteProduct(env, form, true, true); }

void deliveryProductChanged(Env& env, DeliveryForm& form) { showNoteProduct(env, form, false, true); }

void refillReceptionLineFields(Env& env, ReceptionForm& form, const QString& designation, const QString& quantity,
                               const QString& unitPrice, const QString& amount)
{
    refillLineFields(env, form, designation, quantity, unitPrice, amount);
}

void refillDeliveryLineFields(Env& env, DeliveryForm& form, const QString& designation, const QString& quantity,
                              const QString& unitPrice, const QString& amount)
{
    refillLineFields(env, form, designation, quantity, unitPrice, amount);
}
