#include "stock/stock.h"

#include "common/env.h"
#include "common/values.h"
#include "stock/receptions_deliveries.h"

namespace {

// A sum read back as a whole number: empty counts as 0, "1234.0" as 1234.
qint64 sumOf(Env& env, DbNumber db, const QString& sql, const QString& code)
{
    return integerValue(env.store.scalar(db, sql, {code}));
}

QStringList column(Env& env, DbNumber db, const QString& sql, int index)
{
    QStringList items;
    for (const QStringList& row : env.store.queryChecked(db, sql).rows) items.append(row.value(index));
    return items;
}

// Which price a lookup proposes as unit price, and how it shows prices.
enum class PriceProposal { PurchaseIfEmpty, SaleIfEmpty, PurchaseAlways, Keep };

// The shared product lookup of the reception and delivery tabs.
void showNoteProduct(Env& env, NoteForm& form, PriceProposal proposal, bool grouped)
{
    const std::optional<ProductRow> found = findProductByName(env, form.product);
    if (!found) return;
    const ProductRow& p = *found;
    form.current = {p.code, p.family, p.designation.toUpper(), p.unit.toUpper(), p.initialQuantity, p.purchasePrice,
                    p.retailPrice};
    const auto shown = [grouped](const QString& price) { return grouped ? formatAmount(price) : priceText(price); };
    form.family = p.family;
    form.purchasePrice = shown(p.purchasePrice);
    form.salePrice = shown(p.retailPrice);
    if (grouped) form.unit = form.current.unit;
    switch (proposal) {
    case PriceProposal::PurchaseIfEmpty:
        if (form.unitPrice.isEmpty()) form.unitPrice = form.purchasePrice;
        break;
    case PriceProposal::SaleIfEmpty:
        if (form.unitPrice.isEmpty()) form.unitPrice = form.salePrice;
        break;
    case PriceProposal::PurchaseAlways: form.unitPrice = form.purchasePrice; break;
    case PriceProposal::Keep: break;
    }
    form.stock = computeStock(env, p.code, p.initialQuantity).display;
}

void refillLineFields(Env& env, NoteForm& form, const QString& designation, const QString& quantity,
                      const QString& unitPrice, const QString& amount)
{
    const std::optional<ProductRow> found = findProductByName(env, designation);
    if (!found) return;
    form.current.code = found->code;
    form.current.family = found->family;
    form.family = found->family;
    form.product = designation;
    form.quantity = quantity;
    form.unitPrice = unitPrice;
    form.amount = amount;
}

} // namespace

StockQuantity computeStock(Env& env, const QString& code, const QString& initialQuantity)
{
    const qint64 received = sumOf(env, DB_BR, QStringLiteral("select sum(qte) from fbr where codeprod=?"), code);
    const qint64 delivered = sumOf(env, DB_BL, QStringLiteral("select sum(qte) from fbl where codeprod=?"), code);
    const qint64 entered = sumOf(env, DB_BRS, QStringLiteral("select sum(qe) from fbrs where codeprod=?"), code);
    const qint64 taken = sumOf(env, DB_BRS, QStringLiteral("select sum(qs) from fbrs where codeprod=?"), code);
    StockQuantity stock;
    stock.value = integerValue(initialQuantity) + received - delivered + entered - taken;
    stock.text = QString::number(stock.value);
    stock.display = stockDisplayText(stock.text);
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

std::optional<ProductRow> findProductByName(Env& env, const QString& designation)
{
    const QueryResult found = env.store.queryChecked(DB_PROD, QStringLiteral("SELECT * from fprod where prod=?"), {designation});
    if (found.isEmpty()) return std::nullopt;
    const QStringList& r = found.rows.front();
    return ProductRow{r.value(0), r.value(1), r.value(2), r.value(3), r.value(4),
                      r.value(5), r.value(6), r.value(7), r.value(8)};
}

QString priceText(const QString& storedPrice)
{
    if (storedPrice.isEmpty()) return {};
    const qsizetype split = std::max<qsizetype>(0, storedPrice.size() - 2);
    return storedPrice.left(split) + u'.' + storedPrice.mid(split);
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

void showReceptionProduct(Env& env, ReceptionForm& form) { showNoteProduct(env, form, PriceProposal::PurchaseIfEmpty, false); }

void showDeliveryProduct(Env& env, DeliveryForm& form) { showNoteProduct(env, form, PriceProposal::SaleIfEmpty, false); }

void receptionProductChanged(Env& env, ReceptionForm& form) { showNoteProduct(env, form, PriceProposal::PurchaseAlways, true); }

void deliveryProductChanged(Env& env, DeliveryForm& form) { showNoteProduct(env, form, PriceProposal::Keep, true); }

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
