#include "stock/receptions_deliveries.h"

#include <optional>

#include "common/env.h"
#include "common/values.h"
#include "master/clients_suppliers.h"
#include "master/products.h"
#include "stock/stock.h"
#include "treasury/balances.h"

namespace {

// What tells a reception from a delivery.
struct NoteRules {
    QString table;
    DbNumber db;
    QString relation;     // letter of a partner created from the document
    int balanceDirection; // a delivery adds to the client's balance, a reception takes from the supplier's
    QString partnerMessage;
    QString cancelQuestion;
    // Receptions bring goods in: an unknown designation becomes a product and the line sets the
    // product's prices. Deliveries take goods out: the product must exist and be in stock.
    bool receivesGoods;
    qint64 ProgramState::*lastNewNumber;
    QString LoadedParameters::*defaultPaymentMode;
};

const NoteRules& receptionRules()
{
    static const NoteRules rules{QStringLiteral("fBr"),
                                 DB_BR,
                                 QStringLiteral("F"),
                                 -1,
                                 QStringLiteral("Nom de fournisseur incorrect !"),
                                 QStringLiteral("Etes-vous sûr de vouloir annuler cette réception ?"),
                                 true,
                                 &ProgramState::lastNewReceptionNumber,
                                 &LoadedParameters::modepBr};
    return rules;
}

const NoteRules& deliveryRules()
{
    static const NoteRules rules{QStringLiteral("fBL"),
                                 DB_BL,
                                 QStringLiteral("C"),
                                 1,
                                 QStringLiteral("Nom de client incorrect !"),
                                 QStringLiteral("Etes-vous sûr de vouloir annuler cette livraison ?"),
                                 false,
                                 &ProgramState::lastNewDeliveryNumber,
                                 &LoadedParameters::modepBl};
    return rules;
}

const QString ERROR = QStringLiteral("Erreur");
const QString WRONG_AMOUNT = QStringLiteral("Montant incorrect !");

// The statement text with the document's table in it (the table name is ours, never typed).
QString sql(const NoteRules& r, const char* statement) { return QString::fromLatin1(statement).arg(r.table); }

const char* const INSERT_ROW =
    "insert into %1 (numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep,camion,chauf,"
    "ver,lastsolde,newsolde) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

struct LineRow {
    QString code, unit;
    Amount quantity, unitPrice, amount;
};

bool insertLine(Env& env, const NoteRules& r, qint64 number, const QString& date, qint64 dateNum, const QString& partnerCode,
                const LineRow& line, qint64 lineNumber, const QString& driver)
{
    return env.store.updateChecked(r.db, sql(r, INSERT_ROW),
                                   {number, date, dateNum, partnerCode, line.code, line.unit, line.quantity.cents(),
                                    line.unitPrice.cents(), line.amount.cents(), 0, lineNumber, 0, 0, QString(), QString(),
                                    driver, 0, 0, 0});
}

// max(numdoc) + 1; nothing when the statement failed (a failed maximum must never become 1).
std::optional<qint64> nextNumber(Env& env, const NoteRules& r)
{
    const std::optional<qint64> highest = env.store.integerScalar(r.db, sql(r, "SELECT max(numdoc) FROM %1"));
    if (!highest) return std::nullopt;
    return *highest + 1;
}

// Whether the document has rows; nothing when the statement failed.
std::optional<bool> documentHasRows(Env& env, const NoteRules& r, qint64 number)
{
    const QueryResult found = env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? limit 1"), {number});
    if (!found.ok) return std::nullopt;
    return !found.isEmpty();
}

// The code of the partner named on the document; a name not yet in fCF is created with the
// document's relation letter. Empty when a statement failed.
QString partnerCode(Env& env, const NoteRules& r, const QString& name)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {name});
    if (!found.ok) return {};
    if (!found.isEmpty()) return found.first(0);
    const QString code = nextClientSupplierCode(env);
    if (code.isEmpty()) return {};
    return createClientSupplierFromDocument(env, code, name, r.relation) ? code : QString();
}

// A date the document can store: valid for the form and a real calendar day.
std::optional<qint64> checkedDateNum(Env& env, const QString& date)
{
    const qint64 dateNum = isValidDate(date) ? toDateNum(date) : -1;
    if (dateNum < 0) {
        env.dialogs.message(ERROR, QStringLiteral("Date incorrecte !"));
        return std::nullopt;
    }
    return dateNum;
}

// VERSEMENT or REMISE as typed: empty is nothing paid, a negative amount is refused.
std::optional<Amount> typedPaymentAmount(Env& env, const QString& text)
{
    if (text.trimmed().isEmpty()) return Amount();
    const std::optional<Amount> amount = readTypedAmount(env.dialogs, text, WRONG_AMOUNT);
    if (amount && *amount < Amount()) {
        env.dialogs.message(ERROR, WRONG_AMOUNT);
        return std::nullopt;
    }
    return amount;
}

void alignColumns(ListView& lines)
{
    setColumnAlignment(lines, COL_LINE, ALIGN_CENTRE);
    setColumnAlignment(lines, COL_UNIT, ALIGN_CENTRE);
    for (int c : {COL_QUANTITY, COL_UNIT_PRICE, COL_AMOUNT}) setColumnAlignment(lines, c, ALIGN_RIGHT);
}

void clearLine(NoteForm& form)
{
    form.lineNumber.clear();
    form.family.clear();
    form.product.clear();
    form.quantity.clear();
    form.unitPrice.clear();
    form.amount.clear();
    form.stock.clear();
    form.purchasePrice.clear();
    form.salePrice.clear();
    form.current = {};
    form.lines.selected = -1;
}

// Empties the document but keeps its number, date and payment mode.
void clearForm(NoteForm& form)
{
    clearLine(form);
    form.lines.clear();
    form.partner.clear();
    form.totalHt.clear();
    form.payment.clear();
    form.discount.clear();
    form.truck.clear();
    form.driver.clear();
    form.oldBalance.clear();
    form.newBalance.clear();
    form.lineCount = QStringLiteral("0");
    form.totals = {};
    form.selectedLineQuantity = {};
    form.filledPayment.clear();
}

void updateLineCount(NoteForm& form) { form.lineCount = QString::number(form.lines.size()); }

// The number the line or summary is written under: the typed one, or the next free one.
std::optional<qint64> documentNumber(Env& env, const NoteRules& r, NoteForm& form)
{
    qint64 number = isNumericText(form.number) ? integerValue(form.number) : 0;
    if (number <= 0) {
        const std::optional<qint64> next = nextNumber(env, r);
        if (!next) return std::nullopt;
        number = *next;
    }
    form.number = QString::number(number);
    return number;
}

bool isPaidNow(const NoteForm& form)
{
    return form.option == PaymentOption::Espece || form.option == PaymentOption::Cheque
        || form.option == PaymentOption::Virement;
}

// TOTAL HT from the lines stored, then payment, discount and the new balance. False, after its
// message, when a statement failed, a typed amount is refused or a figure leaves the bound.
bool computeTotals(Env& env, const NoteRules& r, NoteForm& form)
{
    const std::optional<Amount> totalHt =
        env.store.amountScalar(r.db, sql(r, "SELECT sum(mnt) FROM %1 where numdoc=?"), {integerValue(form.number)});
    if (!totalHt) return false;
    // A document paid now whose VERSEMENT is empty or still what the program put there is paid
    // in full, however its lines change; a payment the user typed is kept as typed.
    const bool follows =
        isPaidNow(form) && (form.payment.trimmed().isEmpty() || form.payment == form.filledPayment);
    const std::optional<Amount> discount = typedPaymentAmount(env, form.discount);
    if (!discount) return false;
    const std::optional<Amount> payment = follows ? totalHt : typedPaymentAmount(env, form.payment);
    if (!payment) return false;
    const TypedAmount oldBalance = parseTypedAmount(form.oldBalance);
    NoteTotals t;
    t.totalHt = *totalHt;
    t.payment = *payment;
    t.discount = *discount;
    t.oldBalance = oldBalance.ok() ? oldBalance.value : Amount();
    const Amount movement = t.totalHt - t.payment - t.discount;
    t.newBalance = r.balanceDirection > 0 ? t.oldBalance + movement : t.oldBalance - movement;
    if (!isWithinBound(env.dialogs, t.newBalance)) return false;
    form.totals = t;
    form.totalHt = formatAmount(t.totalHt);
    form.payment = formatAmount(t.payment);
    form.filledPayment = follows ? form.payment : QString();
    form.discount = formatAmount(t.discount);
    form.newBalance = formatAmount(t.newBalance);
    form.selectedLineQuantity = {};
    return true;
}

// Writes the summary row from the last totals computation (a document without rows gets none)
// and carries the date and partner to every row. False when something was refused or failed.
bool saveSummary(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = {};
    const qint64 number = integerValue(form.number);
    const std::optional<bool> hasRows = documentHasRows(env, r, number);
    if (!hasRows) return false;
    if (!*hasRows) return true;
    const std::optional<qint64> dateNum = checkedDateNum(env, form.date);
    if (!dateNum) return false;
    if (form.partner.isEmpty()) {
        env.dialogs.message(ERROR, r.partnerMessage);
        return false;
    }
    const NoteTotals& t = form.totals;
    // A payment without a mode would count neither in the cash nor in the bank.
    if (!t.payment.isZero() && form.paymentMode.trimmed().isEmpty()) {
        env.dialogs.message(ERROR, QStringLiteral("Indiquez le mode de payement !"));
        return false;
    }
    const Amount net = t.totalHt - t.discount;
    if (!isWithinBound(env.dialogs, net)) return false;
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return false;
    const QString code = partnerCode(env, r, form.partner);
    if (code.isEmpty()) return false;
    const QueryResult summary =
        env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? and  codeprod='9999'"), {number});
    if (!summary.ok) return false;
    // Truck and driver are written at every save, so the document reloads as last typed.
    const bool saved =
        summary.isEmpty()
            ? env.store.updateChecked(r.db, sql(r, INSERT_ROW),
                                      {number, form.date, *dateNum, code, SUMMARY_CODE, QString(), QVariant(), QVariant(),
                                       0, t.totalHt.cents(), 99, t.discount.cents(), net.cents(), form.paymentMode,
                                       form.truck, form.driver, t.payment.cents(), t.oldBalance.cents(),
                                       t.newBalance.cents()})
            : env.store.updateChecked(r.db,
                                      sql(r, "update %1 set  datedoc=?, datenum=?, codeCF=?, ht=?, remise=?, ttc=?, "
                                             "modep=?, camion=?, chauf=?, ver=?, lastsolde=?, newsolde=? "
                                             "where numdoc=? And  codeprod='9999'"),
                                      {form.date, *dateNum, code, t.totalHt.cents(), t.discount.cents(), net.cents(),
                                       form.paymentMode, form.truck, form.driver, t.payment.cents(),
                                       t.oldBalance.cents(), t.newBalance.cents(), number});
    if (!saved) return false;
    if (!env.store.updateChecked(r.db, sql(r, "update %1 set datedoc=?, datenum=?, codeCF=? where numdoc=?"),
                                 {form.date, *dateNum, code, number}))
        return false;
    return guard.commit();
}

void newNote(Env& env, const NoteRules& r, NoteForm& form)
{
    const std::optional<qint64> number = nextNumber(env, r);
    if (!number) return;
    clearForm(form);
    form.number = QString::number(*number);
    env.state.*r.lastNewNumber = *number;
    form.date = dateText(env.clock.today());
    form.paymentMode = env.params.*r.defaultPaymentMode;
    form.option = optionOfMode(form.paymentMode, false);
    form.focus = NoteField::Partner;
}

void loadNote(Env& env, const NoteRules& r, NoteForm& form)
{
    clearForm(form);
    const QueryResult rows = env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? order by numdoc,frais"),
                                                    {integerValue(form.number)});
    for (const QStringList& row : rows.rows) {
        const auto amountAt = [&row](int column) { return storedAmount(row.value(column)); };
        if (row.value(4) == SUMMARY_CODE) {
            const QDate day = dateFromDateNum(integerValue(row.value(2)));
            form.date = day.isValid() ? dateText(day) : row.value(1);
            form.partner = clientSupplierName(env, row.value(3));
            form.totals = {amountAt(9), amountAt(16), amountAt(11), amountAt(17), amountAt(18)};
            form.totalHt = formatAmount(form.totals.totalHt);
            form.discount = formatAmount(form.totals.discount);
            form.payment = formatAmount(form.totals.payment);
            form.oldBalance = formatAmount(form.totals.oldBalance);
            form.newBalance = formatAmount(form.totals.newBalance);
            form.paymentMode = row.value(13);
            form.truck = row.value(14);
            form.driver = row.value(15);
        } else {
            form.lines.append({row.value(10), productNameByCode(env, row.value(4)).designation, row.value(5),
                               formatAmount(amountAt(6)), formatAmount(amountAt(7)), formatAmount(amountAt(8))});
        }
    }
    alignColumns(form.lines);
    form.option = optionOfMode(form.paymentMode, true);
    // A document paid in full goes on being paid in full when lines change.
    if (isPaidNow(form) && form.totals.payment == form.totals.totalHt) form.filledPayment = form.payment;
    updateLineCount(form);
}

// Shows the document with that number, or an empty form under it when it has no rows.
void showNumber(Env& env, const NoteRules& r, NoteForm& form, qint64 number)
{
    const std::optional<bool> hasRows = documentHasRows(env, r, number);
    if (!hasRows) return;
    form.number = QString::number(number);
    if (*hasRows)
        loadNote(env, r, form);
    else
        clearForm(form);
}

void previousNote(Env& env, const NoteRules& r, NoteForm& form)
{
    const qint64 number = integerValue(form.number) - 1;
    if (number >= 1) showNumber(env, r, form, number);
}

void nextNote(Env& env, const NoteRules& r, NoteForm& form)
{
    const qint64 number = integerValue(form.number);
    if (number < env.state.*r.lastNewNumber) showNumber(env, r, form, number + 1);
}

void validateLine(Env& env, const NoteRules& r, NoteForm& form)
{
    const QString wrongPrice = QStringLiteral("Prix unitaire incorrect !");
    const std::optional<Amount> unitPrice = readTypedAmount(env.dialogs, form.unitPrice, wrongPrice);
    if (!unitPrice) return;
    if (*unitPrice < Amount()) return env.dialogs.message(ERROR, wrongPrice);
    const std::optional<qint64> number = documentNumber(env, r, form);
    if (!number) return;
    const std::optional<qint64> dateNum = checkedDateNum(env, form.date);
    if (!dateNum) return;
    if (form.partner.isEmpty()) return env.dialogs.message(ERROR, r.partnerMessage);
    if (form.product.isEmpty()) return env.dialogs.message(ERROR, QStringLiteral("Désignation du produit incorrecte !"));
    // Checked in hundredths, so that half a kilo is a quantity.
    const QString wrongQuantity = QStringLiteral("Quantité incorrecte !");
    const std::optional<Amount> quantity = readTypedAmount(env.dialogs, form.quantity, wrongQuantity);
    if (!quantity) return;
    if (*quantity <= Amount()) return env.dialogs.message(ERROR, wrongQuantity);
    if (form.unit.isEmpty()) form.unit = QStringLiteral("U");
    // The sale price becomes the product's sale prices on a reception (empty: zero).
    Amount salePrice;
    if (r.receivesGoods && !form.salePrice.trimmed().isEmpty()) {
        const QString wrongSalePrice = QStringLiteral("Prix de vente incorrect !");
        const std::optional<Amount> typed = readTypedAmount(env.dialogs, form.salePrice, wrongSalePrice);
        if (!typed) return;
        if (*typed < Amount()) return env.dialogs.message(ERROR, wrongSalePrice);
        salePrice = *typed;
    }
    LineRow line{QString(), form.unit, *quantity, *unitPrice, lineAmount(*quantity, *unitPrice)};
    if (!isWithinBound(env.dialogs, line.amount)) return;
    const ProductLookup lookup = lookUpProduct(env, form.product);
    if (!lookup.ok) return;
    const std::optional<ProductRow>& product = lookup.product;

    // The line being modified (picked from the list) or the next one.
    const qint64 pickedLine = integerValue(form.lineNumber);
    QueryResult existing{true, {}};
    if (pickedLine > 0) {
        existing = env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? and  frais=?"), {*number, pickedLine});
        if (!existing.ok) return;
    }
    // Every check comes before the first write: a refused line creates nothing.
    if (!r.receivesGoods) {
        if (!product) return env.dialogs.message(ERROR, QStringLiteral("Ce produit n'existe pas !"));
        const StockQuantity stock = computeStock(env, product->code, product->initialQuantity);
        if (!stock.ok) return;
        // A modified line gives its own quantity back first, as long as it stays on the same product.
        const bool sameLine = !existing.isEmpty() && existing.first(4) == product->code;
        const Amount available = stock.value + (sameLine ? form.selectedLineQuantity : Amount());
        if (available < *quantity) return env.dialogs.message(ERROR, QStringLiteral("Cette quantité n'est pas disponible !"));
    }

    NoteForm updated = form;
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return;
    const QString partner = partnerCode(env, r, form.partner);
    if (partner.isEmpty()) return;
    line.code = product ? product->code : QString();
    if (r.receivesGoods) {
        if (!product) {
            line.code = createProductFromDocument(env, form.family, form.product, form.unit, *unitPrice, salePrice, salePrice);
            if (line.code.isEmpty()) return;
        }
        if (!env.store.updateChecked(DB_PROD, QStringLiteral("update fprod set pa=?,pvd=?,pvg=? where codeprod=?"),
                                     {unitPrice->cents(), salePrice.cents(), salePrice.cents(), line.code}))
            return;
    }
    const QStringList cells{QString(), form.product, form.unit, formatAmount(line.quantity), formatAmount(line.unitPrice),
                            formatAmount(line.amount)};
    if (!existing.isEmpty()) {
        if (!env.store.updateChecked(r.db,
                                     sql(r, "update %1 set  datedoc=?, datenum=?, codeCF=?, codeprod=?, um=?, qte=?, "
                                            "pu=?, mnt=?, Chauf=?  where numdoc=? and  frais=?"),
                                     {form.date, *dateNum, partner, line.code, line.unit, line.quantity.cents(),
                                      line.unitPrice.cents(), line.amount.cents(), form.driver, *number, pickedLine}))
            return;
        const int row = updated.lines.findRow(COL_LINE, QString::number(pickedLine));
        if (row >= 0)
            for (int c = COL_DESIGNATION; c <= COL_AMOUNT; ++c) updated.lines.rows[row][c] = cells[c];
    } else {
        // A new line follows the last one stored, even when the list does not show the document.
        const std::optional<qint64> lastLine = env.store.integerScalar(
            r.db, sql(r, "SELECT max(frais) FROM %1 where numdoc=? and codeprod<>'9999'"), {*number});
        if (!lastLine) return;
        if (!insertLine(env, r, *number, form.date, *dateNum, partner, line, *lastLine + 1, form.driver)) return;
        QStringList added = cells;
        added[COL_LINE] = QString::number(*lastLine + 1);
        updated.lines.append(added);
    }
    alignColumns(updated.lines);
    if (!addFamilyIfNew(env, form.family)) return;
    if (!computeTotals(env, r, updated) || !saveSummary(env, r, updated) || !guard.commit()) return;
    form = updated;
    clearLine(form);
    form.selectedLineQuantity = {};
    form.focus = NoteField::Product;
    updateLineCount(form);
}

// Deletes the picked line and renumbers the others 1..n; the last line takes the document with it.
void deleteLine(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = {};
    const qint64 picked = integerValue(form.lineNumber);
    form.family.clear();
    form.product.clear();
    form.quantity.clear();
    form.unitPrice.clear();
    form.amount.clear();
    if (picked <= 0) return env.dialogs.message(ERROR, QStringLiteral("Sélectionnez la ligne à supprimer !"));
    const qint64 number = integerValue(form.number);
    const QueryResult found = env.store.queryChecked(r.db, sql(r, "select * FROM %1 where numdoc=? and  frais=?"), {number, picked});
    if (!found.ok) return;
    if (found.isEmpty())
        return env.dialogs.message(QStringLiteral("Erreur inattendue"), QStringLiteral("La ligne à supprimer n'a pas pu être localisée !"));

    NoteForm updated = form;
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return;
    if (!env.store.updateChecked(r.db, sql(r, "Delete FROM %1 where numdoc=? and  frais=?"), {number, picked})) return;
    updated.lines.removeFirst(COL_LINE, QString::number(picked));
    // The remaining lines, in their order, renumbered 1..n where they stand.
    const QueryResult lines =
        env.store.queryChecked(r.db, sql(r, "select rowid FROM %1 where codeprod<>'9999' And numdoc=? order by frais"), {number});
    if (!lines.ok) return;
    if (lines.isEmpty()) {
        if (!env.store.updateChecked(r.db, sql(r, "Delete FROM %1 where numdoc=?"), {number})) return;
        clearForm(updated);
    } else {
        for (int i = 0; i < lines.size(); ++i)
            if (!env.store.updateChecked(r.db, sql(r, "update %1 set frais=? where rowid=?"), {i + 1, lines.cell(i, 0)}))
                return;
        for (int i = 0; i < updated.lines.size(); ++i) updated.lines.rows[i][COL_LINE] = QString::number(i + 1);
        if (!computeTotals(env, r, updated) || !saveSummary(env, r, updated)) return;
    }
    if (!guard.commit()) return;
    form = updated;
    clearLine(form);
    form.selectedLineQuantity = {};
    updateLineCount(form);
}

void cancelNote(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = {};
    const qint64 number = integerValue(form.number);
    const std::optional<bool> hasRows = documentHasRows(env, r, number);
    if (hasRows && *hasRows && env.dialogs.askYesNo(QStringLiteral("Confirmation"), r.cancelQuestion)
        && env.store.updateChecked(r.db, sql(r, "delete from %1 where numdoc=?"), {number}))
        clearForm(form);
    updateLineCount(form);
}

// "Ancien solde": the partner's balance without this document's own effect, so that choosing
// the partner again on a saved document does not count it twice. A name not yet in fCF has
// no movement: 0.00.
void showPartnerBalance(Env& env, const NoteRules& r, NoteForm& form)
{
    if (form.partner.isEmpty()) {
        form.oldBalance.clear();
        return;
    }
    const ClientSupplierBalance balance = computeClientSupplierBalance(env, form.partner);
    if (!balance.ok) return;
    Amount before = balance.balance;
    if (balance.found) {
        const std::optional<Amount> ownEffect = env.store.amountScalar(
            r.db, sql(r, "SELECT ht-ver-remise FROM %1 where numdoc=? and codeprod='9999' and codeCF=?"),
            {integerValue(form.number), balance.code});
        if (!ownEffect) return;
        before = r.balanceDirection > 0 ? before - *ownEffect : before + *ownEffect;
    }
    if (isWithinBound(env.dialogs, before)) form.oldBalance = formatAmount(before);
}

void setPaymentOption(Env& env, const NoteRules& r, NoteForm& form, PaymentOption option)
{
    form.option = option;
    form.paymentMode = paymentModeText(option);
    // The payment is the program's again: the total for a payment now, nothing on credit.
    form.payment.clear();
    form.filledPayment.clear();
    computeTotals(env, r, form);
}

// The picked row's texts become the line being entered; returns them (none for a row that
// is not there).
QStringList selectListRow(const NoteRules& r, NoteForm& form, int row)
{
    if (row < 0 || row >= form.lines.size()) return {};
    form.lines.selected = row;
    const QStringList cells = form.lines.rows[row];
    form.lineNumber = cells.value(COL_LINE);
    form.unit = cells.value(COL_UNIT);
    const TypedAmount quantity = parseTypedAmount(cells.value(COL_QUANTITY));
    if (!r.receivesGoods) form.selectedLineQuantity = quantity.ok() ? quantity.value : Amount();
    return cells;
}

// The payment mode, VERSEMENT or REMISE on screen are not those of the stored summary.
bool hasUnsavedSummary(Env& env, const NoteRules& r, const NoteForm& form)
{
    const QueryResult summary = env.store.queryChecked(
        r.db, sql(r, "SELECT modep,ver,remise FROM %1 where numdoc=? and codeprod='9999'"), {integerValue(form.number)});
    if (summary.isEmpty()) return false;
    const auto differs = [](const QString& shown, Amount stored) {
        const TypedAmount typed = parseTypedAmount(shown.trimmed().isEmpty() ? QStringLiteral("0") : shown);
        return !typed.ok() || typed.value != stored;
    };
    return summary.first(0) != form.paymentMode || differs(form.payment, summary.amount(0, 1))
        || differs(form.discount, summary.amount(0, 2));
}

} // namespace

void newReception(Env& env, ReceptionForm& form) { newNote(env, receptionRules(), form); }
void allocateReceptionNumber(Env& env, ReceptionForm& form)
{
    if (const auto number = nextNumber(env, receptionRules())) form.number = QString::number(*number);
}
void loadReception(Env& env, ReceptionForm& form) { loadNote(env, receptionRules(), form); }
void previousReception(Env& env, ReceptionForm& form) { previousNote(env, receptionRules(), form); }
void nextReception(Env& env, ReceptionForm& form) { nextNote(env, receptionRules(), form); }
void validateReceptionLine(Env& env, ReceptionForm& form) { validateLine(env, receptionRules(), form); }
void deleteReceptionLine(Env& env, ReceptionForm& form) { deleteLine(env, receptionRules(), form); }
void cancelReception(Env& env, ReceptionForm& form) { cancelNote(env, receptionRules(), form); }
void computeReceptionTotals(Env& env, ReceptionForm& form) { computeTotals(env, receptionRules(), form); }
void saveReceptionSummary(Env& env, ReceptionForm& form) { saveSummary(env, receptionRules(), form); }
void clearReceptionForm(ReceptionForm& form) { clearForm(form); }
void clearReceptionLine(ReceptionForm& form) { clearLine(form); }
bool receptionHasUnsavedSummary(Env& env, const ReceptionForm& form) { return hasUnsavedSummary(env, receptionRules(), form); }
void showReceptionSupplierBalance(Env& env, ReceptionForm& form) { showPartnerBalance(env, receptionRules(), form); }
void setReceptionPaymentOption(Env& env, ReceptionForm& form, PaymentOption option)
{
    setPaymentOption(env, receptionRules(), form, option);
}
void selectReceptionListRow(Env& env, ReceptionForm& form, int row)
{
    const QStringList cells = selectListRow(receptionRules(), form, row);
    if (cells.isEmpty()) return;
    refillReceptionLineFields(env, form, cells[COL_DESIGNATION], cells[COL_QUANTITY], cells[COL_UNIT_PRICE], cells[COL_AMOUNT]);
    showReceptionProduct(env, form);
}

void newDelivery(Env& env, DeliveryForm& form) { newNote(env, deliveryRules(), form); }
void allocateDeliveryNumber(Env& env, DeliveryForm& form)
{
    if (const auto number = nextNumber(env, deliveryRules())) form.number = QString::number(*number);
}
void loadDelivery(Env& env, DeliveryForm& form) { loadNote(env, deliveryRules(), form); }
void previousDelivery(Env& env, DeliveryForm& form) { previousNote(env, deliveryRules(), form); }
void nextDelivery(Env& env, DeliveryForm& form) { nextNote(env, deliveryRules(), form); }
void validateDeliveryLine(Env& env, DeliveryForm& form) { validateLine(env, deliveryRules(), form); }
void deleteDeliveryLine(Env& env, DeliveryForm& form) { deleteLine(env, deliveryRules(), form); }
void cancelDelivery(Env& env, DeliveryForm& form) { cancelNote(env, deliveryRules(), form); }
void computeDeliveryTotals(Env& env, DeliveryForm& form) { computeTotals(env, deliveryRules(), form); }
void saveDeliverySummary(Env& env, DeliveryForm& form) { saveSummary(env, deliveryRules(), form); }
void clearDeliveryForm(DeliveryForm& form) { clearForm(form); }
void clearDeliveryLine(DeliveryForm& form) { clearLine(form); }
bool deliveryHasUnsavedSummary(Env& env, const DeliveryForm& form) { return hasUnsavedSummary(env, deliveryRules(), form); }
void showDeliveryClientBalance(Env& env, DeliveryForm& form) { showPartnerBalance(env, deliveryRules(), form); }
void setDeliveryPaymentOption(Env& env, DeliveryForm& form, PaymentOption option)
{
    setPaymentOption(env, deliveryRules(), form, option);
}
void selectDeliveryListRow(Env& env, DeliveryForm& form, int row)
{
    const QStringList cells = selectListRow(deliveryRules(), form, row);
    if (cells.isEmpty()) return;
    refillDeliveryLineFields(env, form, cells[COL_DESIGNATION], cells[COL_QUANTITY], cells[COL_UNIT_PRICE], cells[COL_AMOUNT]);
    showDeliveryProduct(env, form);
}

const NoteOperations<ReceptionForm> RECEPTION_OPERATIONS{
    newReception,          loadReception,       previousReception,      nextReception,
    validateReceptionLine, deleteReceptionLine, cancelReception,        computeReceptionTotals,
    saveReceptionSummary,  showReceptionSupplierBalance, showReceptionProduct, receptionProductChanged,
    clearReceptionLine,    selectReceptionListRow, setReceptionPaymentOption, fillSupplierCombo,
    receptionHasUnsavedSummary};

const NoteOperations<DeliveryForm> DELIVERY_OPERATIONS{
    newDelivery,          loadDelivery,       previousDelivery,      nextDelivery,
    validateDeliveryLine, deleteDeliveryLine, cancelDelivery,        computeDeliveryTotals,
    saveDeliverySummary,  showDeliveryClientBalance, showDeliveryProduct, deliveryProductChanged,
    clearDeliveryLine,    selectDeliveryListRow, setDeliveryPaymentOption, fillClientCombo,
    deliveryHasUnsavedSummary};
