#include "master/products.h"

#include "common/env.h"
#include "common/values.h"
#include "master/records.h"

QString nextProductCode(Env& env)
{
    const std::optional<qint64> highest = env.store.integerScalar(DB_PROD, QStringLiteral("SELECT max(codeprod) FROM fprod"));
    if (!highest) return {};
    qint64 next = *highest + 1;
    if (QString::number(next) == SUMMARY_CODE) ++next;
    return QString::number(next);
}

namespace {

const QString INSERT_PRODUCT =
    QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)");

// A list row from a row of fprod (Codeprod, fam, ref, Prod, Um, Qi, Pa, Pvd, Pvg).
QStringList listRow(const QStringList& product)
{
    const auto shown = [&product](int column) { return formatAmount(storedAmount(product.value(column))); };
    return {product.value(0), product.value(1), product.value(3), product.value(4), shown(5), shown(6), shown(7), shown(8)};
}

void alignColumns(ListView& list)
{
    for (int column = 0; column < PRODUCT_COLUMN_COUNT; ++column) {
        const bool centred = column == PRODUCT_CODE || column == PRODUCT_FAMILY || column == PRODUCT_UNIT;
        const bool amount = column >= PRODUCT_INITIAL_QUANTITY;
        setColumnAlignment(list, column, centred ? ALIGN_CENTRE : amount ? ALIGN_RIGHT : ALIGN_LEFT);
    }
}

// Fills the list from a query on fprod; false when the query failed.
bool fillList(Env& env, ProductForm& form, const QString& sql, bool withDesignations)
{
    const QueryResult products = env.store.queryChecked(DB_PROD, sql);
    form.list.clear();
    if (withDesignations) form.designations.clear();
    for (const QStringList& product : products.rows) {
        form.list.append(listRow(product));
        if (withDesignations) form.designations.append(product.value(3));
    }
    alignColumns(form.list);
    return products.ok;
}

// Every entry field and the code label, unit included.
void emptyFields(ProductForm& form)
{
    clearProductFields(form);
    form.unit.clear();
}

// The form's view of one product (amounts as displayed).
void showProduct(ProductForm& form, const QStringList& cells)
{
    form.code = cells.value(PRODUCT_CODE);
    form.family = cells.value(PRODUCT_FAMILY);
    form.designation = cells.value(PRODUCT_DESIGNATION);
    form.unit = cells.value(PRODUCT_UNIT);
    form.initialQuantity = cells.value(PRODUCT_INITIAL_QUANTITY);
    form.purchasePrice = cells.value(PRODUCT_PURCHASE_PRICE);
    form.retailPrice = cells.value(PRODUCT_RETAIL_PRICE);
    form.wholesalePrice = cells.value(PRODUCT_WHOLESALE_PRICE);
    form.lastUnit = form.unit;
}

// An amount field as typed, 0.00 when left empty; nothing after `wrong` (or "Montant trop
// élevé !") for a text that is not a number, or for a negative price.
std::optional<Amount> typedOrZero(Env& env, const QString& text, const QString& wrong, bool negativeAllowed)
{
    if (text.trimmed().isEmpty()) return Amount();
    const std::optional<Amount> amount = readTypedAmount(env.dialogs, text, wrong);
    if (amount && !negativeAllowed && *amount < Amount()) {
        refuse(env, wrong);
        return std::nullopt;
    }
    return amount;
}

} // namespace

QString createProductFromDocument(Env& env, const QString& family, const QString& designation, const QString& unit,
                                  Amount purchasePrice, Amount retailPrice, Amount wholesalePrice)
{
    const QString code = nextProductCode(env);
    if (code.isEmpty()) return {};
    const bool inserted = env.store.updateChecked(DB_PROD, INSERT_PRODUCT,
                                                  {code.toLongLong(), family, QString(), designation, unit, 0,
                                                   purchasePrice.cents(), retailPrice.cents(), wholesalePrice.cents()});
    return inserted ? code : QString();
}

bool addFamilyIfNew(Env& env, const QString& family)
{
    const QueryResult found = env.store.queryChecked(DB_FAM, QStringLiteral("SELECT * FROM ffam where fam=?"), {family});
    if (!found.ok) return false;
    return !found.isEmpty() || env.store.updateChecked(DB_FAM, QStringLiteral("insert into ffam (fam) values (?)"), {family});
}

void loadProductTab(Env& env, ProductForm& form)
{
    form.sort = ProductSort::Designation;
    fillList(env, form, QStringLiteral("SELECT * FROM fprod order by prod"), true);
    const QueryResult families = env.store.queryChecked(DB_FAM, QStringLiteral("SELECT * FROM fFam order by Fam"));
    form.families.clear();
    for (const QStringList& family : families.rows) form.families.append(family.value(0));
}

void sortProductList(Env& env, ProductForm& form)
{
    switch (form.sort) {
    case ProductSort::None: return;
    case ProductSort::Code: fillList(env, form, QStringLiteral("SELECT * FROM fprod order by codeprod"), false); return;
    case ProductSort::Family: fillList(env, form, QStringLiteral("SELECT * FROM fprod order by fam,prod"), false); return;
    case ProductSort::Designation: fillList(env, form, QStringLiteral("SELECT * FROM fprod order by prod"), false); return;
    }
}

void newProduct(Env& env, ProductForm& form)
{
    emptyFields(form);
    form.code = nextProductCode(env);
    form.focus = ProductField::Family;
}

void saveProduct(Env& env, ProductForm& form)
{
    if (form.code.isEmpty()) form.code = nextProductCode(env);
    if (form.code.isEmpty()) return;
    if (form.designation.trimmed().isEmpty()) return refuse(env, QStringLiteral("La désignation du produit est incorrecte !"));
    const auto quantity = typedOrZero(env, form.initialQuantity, QStringLiteral("Quantité initiale incorrecte !"), true);
    if (!quantity) return;
    const bool noPurchasePrice = form.purchasePrice.trimmed().isEmpty();
    if (noPurchasePrice && quantity->units() > 0) return refuse(env, QStringLiteral("Le prix d'achat est obligatoire !"));
    const auto purchase = typedOrZero(env, form.purchasePrice, QStringLiteral("Prix d'achat incorrect !"), false);
    if (!purchase) return;
    const QString wrongSalePrice = QStringLiteral("Prix de vente incorrect !");
    const auto retail = typedOrZero(env, form.retailPrice, wrongSalePrice, false);
    if (!retail) return;
    const auto wholesale = typedOrZero(env, form.wholesalePrice, wrongSalePrice, false);
    if (!wholesale) return;
    const QVariantList values{form.family, form.designation, form.unit, quantity->cents(), purchase->cents(),
                              retail->cents(), wholesale->cents()};

    // The product and its family are written together or not at all.
    Transaction guard(env.store, DB_PROD);
    const QueryResult existing =
        env.store.queryChecked(DB_PROD, QStringLiteral("SELECT * FROM fprod where codeprod=?"), {form.code});
    if (!existing.ok) return;
    const bool update = !existing.isEmpty();
    const bool written =
        update ? env.store.updateChecked(
                     DB_PROD, QStringLiteral("update fprod set fam=?,prod=?,um=?,qi=?,pa=?,pvd=?,pvg=? where codeprod=?"),
                     values + QVariantList{form.code})
               : env.store.updateChecked(DB_PROD,
                                         QStringLiteral("insert into fprod (Codeprod,ref,fam,Prod,Um,Qi,Pa,Pvd,Pvg) "
                                                        "values (?,'',?,?,?,?,?,?,?)"),
                                         QVariantList{form.code} + values);
    if (!written || !addFamilyIfNew(env, form.family) || !guard.commit()) return;

    const QStringList row = listRow({form.code, form.family, QString(), form.designation, form.unit,
                                     QString::number(quantity->cents()), QString::number(purchase->cents()),
                                     QString::number(retail->cents()), QString::number(wholesale->cents())});
    showSavedRecord(form.list, row, !update);
    alignColumns(form.list);
    offerInBox(form.families, form.family);
    offerInBox(form.designations, form.designation);
    form.lastUnit = form.unit;
    emptyFields(form);
    form.focus = ProductField::Family;
}

void deleteProduct(Env& env, ProductForm& form)
{
    const QString used = QStringLiteral("Ce produit est utilisé au niveau des %1. Impossible de le supprimer de la table. Voir %2 N°: ");
    const RecordDeletion rules{
        DB_PROD,
        "fprod",
        "codeprod",
        QStringLiteral("Code produit introuvable dans la table des produits!"),
        QStringLiteral("Produit utilisé"),
        {{DB_BR, "fbr", used.arg(QStringLiteral("réceptions"), QStringLiteral("bon de réception"))},
         {DB_BL, "fbl", used.arg(QStringLiteral("livraisons"), QStringLiteral("bon de livraison"))},
         {DB_FACV, "facv", used.arg(QStringLiteral("factures"), QStringLiteral("facture"))},
         {DB_BRS, "fbrs", used.arg(QStringLiteral("BRS"), QStringLiteral("BRS"))},
         // A product quoted or ordered is used as well: its documents would lose their lines.
         {DB_FACP, "facp", used.arg(QStringLiteral("factures"), QStringLiteral("facture proforma"))},
         {DB_BC, "fbc", used.arg(QStringLiteral("bons de commande"), QStringLiteral("bon de commande"))}},
        QStringLiteral("Suppression d'un produit"),
        QStringLiteral("Etes-vous sûr de vouloir supprimer ce produit?"),
    };
    if (!deleteRecord(env, rules, form.code)) return;
    form.list.removeFirst(PRODUCT_CODE, form.code);
    emptyFields(form);
}

void productReturnPressed(Env& env, ProductForm& form, ProductField from)
{
    switch (from) {
    case ProductField::None: return;
    case ProductField::WholesalePrice: saveProduct(env, form); return;
    default: form.focus = static_cast<ProductField>(static_cast<int>(from) + 1); return;
    }
}

void pickProductDesignation(Env& env, ProductForm& form, const QString& designation)
{
    const QueryResult found =
        env.store.queryChecked(DB_PROD, QStringLiteral("SELECT * FROM fprod where prod=?"), {designation});
    if (!found.isEmpty()) showProduct(form, listRow(found.rows.front()));
}

void selectProductRow(ProductForm& form, int row)
{
    if (row < 0 || row >= form.list.size()) return;
    form.list.selected = row;
    showProduct(form, form.list.rows[row]);
    form.focus = ProductField::InitialQuantity;
}

void clearProductFields(ProductForm& form)
{
    form.code.clear();
    form.family.clear();
    form.designation.clear();
    form.initialQuantity.clear();
    form.purchasePrice.clear();
    form.retailPrice.clear();
    form.wholesalePrice.clear();
    form.unit = form.lastUnit;
}
