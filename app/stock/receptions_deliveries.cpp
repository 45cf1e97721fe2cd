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

// The statement text with the document's table in it (the table name is ours, never typed).
QString sql(const NoteRules& r, const char* statement) { return QString::fromLatin1(statement).arg(r.table); }

const char* const INSERT_ROW =
    "insert into %1 (numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep,camion,chauf,"
    "ver,lastsolde,newsolde) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

struct LineRow {
    QString code, unit, quantity, unitPrice, amount;
};

bool insertLine(Env& env, const NoteRules& r, qint64 number, const QString& date, qint64 dateNum, const QString& partnerCode,
                const LineRow& line, qint64 lineNumber, const QString& driver)
{
    const QString zero = QStringLiteral("0");
    return env.store.updateChecked(r.db, sql(r, INSERT_ROW),
                                   {number, date, dateNum, partnerCode, line.code, line.unit, line.quantity,
                                    line.unitPrice, line.amount, zero, lineNumber, zero, zero, QString(), QString(),
                                    driver, zero, zero, zero});
}

qint64 nextNumber(Env& env, const NoteRules& r)
{
    return integerValue(env.store.scalar(r.db, sql(r, "SELECT max(numdoc) FROM %1"))) + 1;
}

bool documentHasRows(Env& env, const NoteRules& r, qint64 number)
{
    return !env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=?"), {number}).isEmpty();
}

// The code of the partner named on the document; a name not yet in fCF is created with the
// document's relation letter. Empty when the creation failed.
QString partnerCode(Env& env, const NoteRules& r, const QString& name)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {name});
    if (!found.isEmpty()) return found.first(0);
    const QString code = nextClientSupplierCode(env);
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

QString cents(const QString& typed) { return QString::number(integerValue(amountTextToCents(typed))); }

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
    form.current = {};
    form.totals = {};
    form.selectedLineQuantity = QStringLiteral("0");
}

void updateLineCount(NoteForm& form) { form.lineCount = QString::number(form.lines.size()); }

// The number the line or summary is written under: the typed one, or the next free one.
qint64 documentNumber(Env& env, const NoteRules& r, NoteForm& form)
{
    qint64 number = isNumericText(form.number) ? integerValue(form.number) : 0;
    if (number <= 0) number = nextNumber(env, r);
    form.number = QString::number(number);
    return number;
}

void computeTotals(Env& env, const NoteRules& r, NoteForm& form)
{
    const qint64 totalHt = integerValue(
        env.store.scalar(r.db, sql(r, "SELECT sum(mnt) FROM %1 where numdoc=?"), {integerValue(form.number)}));
    // Without a typed payment, a document that is not on credit is paid in whole units.
    QString payment = form.payment;
    if (form.option != PaymentOption::ATerme && integerValue(payment) <= 0) payment = dropLastTwo(QString::number(totalHt));
    NoteTotals& t = form.totals;
    t.totalHt = totalHt;
    t.oldBalance = integerValue(amountTextToCents(form.oldBalance));
    t.discount = integerValue(amountTextToCents(form.discount));
    t.payment = integerValue(amountTextToCents(payment));
    t.newBalance = t.oldBalance + r.balanceDirection * (t.totalHt - t.payment - t.discount);
    form.totalHt = formatAmount(t.totalHt);
    form.payment = formatAmount(t.payment);
    form.discount = formatAmount(t.discount);
    form.newBalance = formatAmount(t.newBalance);
    form.selectedLineQuantity = QStringLiteral("0");
}

// Writes the summary row from the last totals computation (a document without rows gets none)
// and carries the date and partner to every row. False when something was refused or failed.
bool saveSummary(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = QStringLiteral("0");
    const qint64 number = integerValue(form.number);
    if (!documentHasRows(env, r, number)) return true;
    const std::optional<qint64> dateNum = checkedDateNum(env, form.date);
    if (!dateNum) return false;
    if (form.partner.isEmpty()) {
        env.dialogs.message(ERROR, r.partnerMessage);
        return false;
    }
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return false;
    const QString code = partnerCode(env, r, form.partner);
    if (code.isEmpty()) return false;
    const NoteTotals& t = form.totals;
    const qint64 net = t.totalHt - t.discount;
    const bool hasSummary =
        !env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? and  codeprod='9999'"), {number}).isEmpty();
    // Truck and driver are written at every save, so the document reloads as last typed.
    const bool saved =
        hasSummary
            ? env.store.updateChecked(r.db,
                                      sql(r, "update %1 set  datedoc=?, datenum=?, codeCF=?, ht=?, remise=?, ttc=?, "
                                             "modep=?, camion=?, chauf=?, ver=?, lastsolde=?, newsolde=? "
                                             "where numdoc=? And  codeprod='9999'"),
                                      {form.date, *dateNum, code, t.totalHt, t.discount, net, form.paymentMode,
                                       form.truck, form.driver, t.payment, t.oldBalance, t.newBalance, number})
            : env.store.updateChecked(r.db, sql(r, INSERT_ROW),
                                      {number, form.date, *dateNum, code, SUMMARY_CODE, QString(), QString(), QString(),
                                       QStringLiteral("0"), t.totalHt, QStringLiteral("99"), t.discount, net,
                                       form.paymentMode, form.truck, form.driver, t.payment, t.oldBalance,
                                       t.newBalance});
    if (!saved) return false;
    if (!env.store.updateChecked(r.db, sql(r, "update %1 set datedoc=?, datenum=?, codeCF=? where numdoc=?"),
                                 {form.date, *dateNum, code, number}))
        return false;
    return guard.commit();
}

void newNote(Env& env, const NoteRules& r, NoteForm& form)
{
    clearForm(form);
    const qint64 number = nextNumber(env, r);
    form.number = QString::number(number);
    env.state.*r.lastNewNumber = number;
    form.date = dateText(env.clock.today());
    form.paymentMode = env.params.*r.defaultPaymentMode;
    if (const auto option = optionOfMode(form.paymentMode, false)) form.option = option;
}

void loadNote(Env& env, const NoteRules& r, NoteForm& form)
{
    clearForm(form);
    const QueryResult rows = env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? order by numdoc,frais"),
                                                    {integerValue(form.number)});
    for (const QStringList& row : rows.rows) {
        if (row.value(4) == SUMMARY_CODE) {
            const QDate day = dateFromDateNum(integerValue(row.value(2)));
            form.date = day.isValid() ? dateText(day) : row.value(1);
            form.partner = clientSupplierName(env, row.value(3));
            form.totals = {integerValue(row.value(9)), integerValue(row.value(16)), integerValue(row.value(11)),
                           integerValue(row.value(17)), integerValue(row.value(18))};
            form.totalHt = formatAmount(row.value(9));
            form.discount = formatAmount(row.value(11));
            form.payment = formatAmount(row.value(16));
            form.oldBalance = formatAmount(row.value(17));
            form.newBalance = formatAmount(row.value(18));
            form.paymentMode = row.value(13);
            form.truck = row.value(14);
            form.driver = row.value(15);
        } else {
            form.lines.append({row.value(10), productNameByCode(env, row.value(4)).designation, row.value(5),
                               formatAmount(row.value(6)), formatAmount(row.value(7)), formatAmount(row.value(8))});
        }
    }
    alignColumns(form.lines);
    if (const auto option = optionOfMode(form.paymentMode, true)) form.option = option;
    updateLineCount(form);
}

// Shows the document with that number, or an empty form under it when it has no rows.
void showNumber(Env& env, const NoteRules& r, NoteForm& form, qint64 number)
{
    form.number = QString::number(number);
    if (documentHasRows(env, r, number))
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
    if (!isNumericText(form.unitPrice) || integerValue(amountTextToCents(form.unitPrice)) < 0) {
        env.dialogs.message(ERROR, QStringLiteral("Prix unitaire incorrect !"));
        return;
    }
    const QString unitPrice = cents(form.unitPrice);
    const qint64 number = documentNumber(env, r, form);
    const std::optional<qint64> dateNum = checkedDateNum(env, form.date);
    if (!dateNum) return;
    if (form.partner.isEmpty()) {
        env.dialogs.message(ERROR, r.partnerMessage);
        return;
    }
    if (form.product.isEmpty()) {
        env.dialogs.message(ERROR, QStringLiteral("Désignation du produit incorrecte !"));
        return;
    }
    // Checked in hundredths, so that half a kilo is a quantity.
    if (!isNumericText(form.quantity) || integerValue(amountTextToCents(form.quantity)) <= 0) {
        env.dialogs.message(ERROR, QStringLiteral("Quantité incorrecte !"));
        return;
    }
    if (form.unit.isEmpty()) form.unit = QStringLiteral("U");
    const QString quantity = cents(form.quantity);
    const std::optional<ProductRow> product = findProductByName(env, form.product);

    // The line being modified (picked from the list) or the next one.
    const QString pickedLine = integerValue(form.lineNumber) > 0 ? QString::number(integerValue(form.lineNumber)) : QString();
    const QueryResult existing =
        pickedLine.isEmpty() ? QueryResult{}
                             : env.store.queryChecked(r.db, sql(r, "SELECT * FROM %1 where numdoc=? and  frais=?"),
                                                      {number, pickedLine});
    // Every check comes before the first write: a refused line creates nothing.
    if (!r.receivesGoods) {
        if (!product) {
            env.dialogs.message(ERROR, QStringLiteral("Ce produit n'existe pas !"));
            return;
        }
        // A modified line gives its own quantity back first, as long as it stays on the same product.
        const bool sameLine = !existing.isEmpty() && integerValue(existing.first(4)) == integerValue(product->code);
        const qint64 available = computeStock(env, product->code, product->initialQuantity).value
                                 + (sameLine ? integerValue(form.selectedLineQuantity) : 0);
        if (available < integerValue(quantity)) {
            env.dialogs.message(ERROR, QStringLiteral("Cette quantité n'est pas disponible !"));
            return;
        }
    }

    NoteForm updated = form;
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return;
    const QString partner = partnerCode(env, r, form.partner);
    if (partner.isEmpty()) return;
    LineRow line{product ? product->code : QString(), form.unit, quantity, unitPrice,
                 lineAmountText(quantity, unitPrice)};
    if (r.receivesGoods) {
        const QString salePrice = cents(form.salePrice);
        if (!product) {
            line.code = createProductFromDocument(env, form.family, form.product, form.unit, unitPrice, salePrice, salePrice);
            if (line.code.isEmpty()) return;
        }
        if (!env.store.updateChecked(DB_PROD, QStringLiteral("update fprod set pa=?,pvd=?,pvg=? where codeprod=?"),
                                     {unitPrice, salePrice, salePrice, line.code}))
            return;
    }
    const QStringList cells{QString(), form.product, form.unit, formatAmount(line.quantity), formatAmount(line.unitPrice),
                            formatAmount(line.amount)};
    if (!existing.isEmpty()) {
        if (!env.store.updateChecked(r.db,
                                     sql(r, "update %1 set  datedoc=?, datenum=?, codeCF=?, codeprod=?, um=?, qte=?, "
                                            "pu=?, mnt=?, Chauf=?  where numdoc=? and  frais=?"),
                                     {form.date, *dateNum, partner, line.code, line.unit, line.quantity, line.unitPrice,
                                      line.amount, form.driver, number, pickedLine}))
            return;
        const int row = updated.lines.findRow(COL_LINE, pickedLine);
        if (row >= 0)
            for (int c = COL_DESIGNATION; c <= COL_AMOUNT; ++c) updated.lines.rows[row][c] = cells[c];
    } else {
        // A new line follows the last one stored, even when the list does not show the document.
        const qint64 lineNumber =
            integerValue(env.store.scalar(r.db, sql(r, "SELECT max(frais) FROM %1 where numdoc=? and codeprod<>'9999'"),
                                          {number}))
            + 1;
        if (!insertLine(env, r, number, form.date, *dateNum, partner, line, lineNumber, form.driver)) return;
        QStringList added = cells;
        added[COL_LINE] = QString::number(lineNumber);
        updated.lines.append(added);
    }
    alignColumns(updated.lines);
    addFamilyIfNew(env, form.family);
    computeTotals(env, r, updated);
    if (!saveSummary(env, r, updated) || !guard.commit()) return;
    form = updated;
    clearLine(form);
    form.selectedLineQuantity = QStringLiteral("0");
    updateLineCount(form);
}

// Deletes the picked line and renumbers the others 1..n; the last line takes the document with it.
void deleteLine(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = QStringLiteral("0");
    const QString lineNumber = form.lineNumber;
    form.family.clear();
    form.product.clear();
    form.quantity.clear();
    form.unitPrice.clear();
    form.amount.clear();
    if (integerValue(lineNumber) <= 0) {
        env.dialogs.message(ERROR, QStringLiteral("Sélectionnez la ligne à supprimer !"));
        return;
    }
    const qint64 number = integerValue(form.number);
    const QString picked = QString::number(integerValue(lineNumber));
    if (env.store.queryChecked(r.db, sql(r, "select * FROM %1 where numdoc=? and  frais=?"), {number, picked}).isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur inattendue"), QStringLiteral("La ligne à supprimer n'a pas pu être localisée !"));
        return;
    }

    NoteForm updated = form;
    Transaction guard(env.store, r.db);
    if (!guard.isActive()) return;
    if (!env.store.updateChecked(r.db, sql(r, "Delete FROM %1 where numdoc=? and  frais=?"), {number, picked})) return;
    updated.lines.removeFirst(COL_LINE, picked);
    const bool linesLeft =
        !env.store.queryChecked(r.db, sql(r, "select * FROM %1 where codeprod<>'9999' And numdoc=?"), {number}).isEmpty();
    if (!linesLeft) {
        if (!env.store.updateChecked(r.db, sql(r, "Delete FROM %1 where numdoc=?"), {number})) return;
        clearForm(updated);
    } else {
        computeTotals(env, r, updated);
        if (!saveSummary(env, r, updated)) return;
        // Renumber: the remaining lines are written again as 1..n, in their order.
        for (int i = 0; i < updated.lines.size(); ++i) updated.lines.rows[i][COL_LINE] = QString::number(i + 1);
        const QueryResult lines = env.store.queryChecked(
            r.db, sql(r, "select * FROM %1 where codeprod<>'9999' And numdoc=? order by frais"), {number});
        const QueryResult summary =
            env.store.queryChecked(r.db, sql(r, "select * FROM %1 where codeprod='9999' And numdoc=?"), {number});
        if (!lines.ok || summary.isEmpty()) return;
        if (!env.store.updateChecked(r.db, sql(r, "delete FROM %1 where codeprod<>'9999' And numdoc=?"), {number})) return;
        qint64 renumbered = 0;
        for (const QStringList& row : lines.rows) {
            const LineRow line{row.value(4), row.value(5), row.value(6), row.value(7), row.value(8)};
            if (!insertLine(env, r, number, summary.first(1), integerValue(summary.first(2)), summary.first(3), line,
                            ++renumbered, form.driver))
                return;
        }
    }
    if (!guard.commit()) return;
    form = updated;
    clearLine(form);
    form.selectedLineQuantity = QStringLiteral("0");
    updateLineCount(form);
}

void cancelNote(Env& env, const NoteRules& r, NoteForm& form)
{
    form.selectedLineQuantity = QStringLiteral("0");
    const qint64 number = integerValue(form.number);
    if (documentHasRows(env, r, number) && env.dialogs.askYesNo(QStringLiteral("Confirmation"), r.cancelQuestion)
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
    qint64 before = balance.balance;
    if (balance.found) {
        const qint64 ownEffect = integerValue(env.store.scalar(
            r.db, sql(r, "SELECT ht-ver-remise FROM %1 where numdoc=? and codeprod='9999' and codeCF=?"),
            {integerValue(form.number), balance.code}));
        before -= r.balanceDirection * ownEffect;
    }
    form.oldBalance = formatAmount(before);
}

void setPaymentOption(Env& env, const NoteRules& r, NoteForm& form, PaymentOption option)
{
    form.option = option;
    form.paymentMode = paymentModeText(option);
    form.payment = option == PaymentOption::ATerme ? QString() : form.totalHt;
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
    if (!r.receivesGoods) form.selectedLineQuantity = cents(cells.value(COL_QUANTITY));
    return cells;
}

} // namespace

void newReception(Env& env, ReceptionForm& form) { newNote(env, receptionRules(), form); }
void allocateReceptionNumber(Env& env, ReceptionForm& form) { form.number = QString::number(nextNumber(env, receptionRules())); }
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
void allocateDeliveryNumber(Env& env, DeliveryForm& form) { form.number = QString::number(nextNumber(env, deliveryRules())); }
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
    clearReceptionLine,    selectReceptionListRow, setReceptionPaymentOption, fillSupplierCombo};

const NoteOperations<DeliveryForm> DELIVERY_OPERATIONS{
    newDelivery,          loadDelivery,       previousDelivery,      nextDelivery,
    validateDeliveryLine, deleteDeliveryLine, cancelDelivery,        computeDeliveryTotals,
    saveDeliverySummary,  showDeliveryClientBalance, showDeliveryProduct, deliveryProductChanged,
    clearDeliveryLine,    selectDeliveryListRow, setDeliveryPaymentOption, fillClientCombo};
