#include "stock/invoices.h"

#include <optional>

#include "common/amount_in_words.h"
#include "common/env.h"
#include "common/values.h"
#include "master/clients_suppliers.h"
#include "stock/stock.h"

namespace {

const Amount STAMP_CAP = Amount::fromUnits(2500);
const Amount STAMP_RATE = Amount::fromUnits(1); // 1 %

const QString ERROR_TITLE = QStringLiteral("Erreur");

// What differs between the two kinds of document.
struct DocumentTable {
    const char* table;
    DbNumber db;
    qint64 ProgramState::*lastNewNumber;
};

const DocumentTable& tableOf(InvoiceKind kind)
{
    static const DocumentTable invoice{"facv", DB_FACV, &ProgramState::lastNewInvoiceNumber};
    static const DocumentTable proforma{"facp", DB_FACP, &ProgramState::lastNewProformaNumber};
    return kind == InvoiceKind::Invoice ? invoice : proforma;
}

// A statement on the form's document table, written with "%1" for facv or facp.
QString onTable(const InvoiceForm& form, const char* sql)
{
    return QString::fromLatin1(sql).arg(QString::fromLatin1(tableOf(form.kind).table));
}

QueryResult queryDocument(Env& env, const InvoiceForm& form, const char* sql, const QVariantList& args)
{
    return env.store.queryChecked(tableOf(form.kind).db, onTable(form, sql), args);
}

bool updateDocument(Env& env, const InvoiceForm& form, const char* sql, const QVariantList& args)
{
    return env.store.updateChecked(tableOf(form.kind).db, onTable(form, sql), args);
}

void refuse(Env& env, const QString& text) { env.dialogs.message(ERROR_TITLE, text); }

QString shownTotal(Amount amount) { return formatAmount(amount) + QStringLiteral("  "); }

// The document number the form shows (checked by checkNumber before anything is written).
qint64 numberOf(const InvoiceForm& form) { return integerValue(form.number); }

// Runs the writes of one operation in one transaction. When a write fails (its "Erreur" box is
// already shown), a later check refuses, or the commit fails, the tables and the form go back
// to what they were before: nothing is left half-written.
template <typename Writes>
bool runGuarded(Env& env, InvoiceForm& form, Writes writes)
{
    const InvoiceForm formBefore = form;
    Transaction guard(env.store, tableOf(form.kind).db);
    if (guard.isActive() && writes() && guard.commit()) return true;
    form = formBefore;
    return false;
}

// --- Checks ---

bool checkNumber(Env& env, InvoiceForm& form)
{
    if (!isNumericText(form.number) || integerValue(form.number) <= 0) {
        refuse(env, QStringLiteral("N° de document incorrect ! Utilisez le bouton (NOUVEAU) pour générer "
                                   "automatiquement un nouveau N° !"));
        return false;
    }
    // Stored as the whole number the check accepted, so that numbering and navigation find it.
    form.number = QString::number(integerValue(form.number));
    return true;
}

// A date that passes the day/month/year check but is no real day (31/04/2026) has no DateNum.
bool checkDate(Env& env, const InvoiceForm& form)
{
    if (isValidDate(form.date) && toDateNum(form.date) >= 0) return true;
    refuse(env, QStringLiteral("Date incorrecte !"));
    return false;
}

// A quantity or unit price of a line: a number above zero, refused with `wrong` otherwise.
std::optional<Amount> positiveAmount(Env& env, const QString& text, const QString& wrong)
{
    const std::optional<Amount> amount = readTypedAmount(env.dialogs, text, wrong);
    if (amount && *amount <= Amount()) {
        refuse(env, wrong);
        return std::nullopt;
    }
    return amount;
}

// --- Lookups ---

// Keeps the product of the designation field; true when it exists.
bool keepProduct(Env& env, InvoiceForm& form, QString* salePrice = nullptr)
{
    const std::optional<ProductRow> product = findProductByName(env, form.designation);
    if (!product) return false;
    form.currentProduct = {product->code, product->unit};
    if (salePrice != nullptr) *salePrice = product->retailPrice;
    return true;
}

void showProduct(Env& env, InvoiceForm& form)
{
    QString salePrice;
    if (keepProduct(env, form, &salePrice)) form.unitPrice = formatAmount(storedAmount(salePrice));
}

void showClient(Env& env, InvoiceForm& form)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {form.client});
    if (!found.ok) return;
    // The details the previous client filled in go with him, unless the user changed them: a
    // new client must not inherit another's address and tax numbers.
    const InvoiceClient previous = std::exchange(form.currentClient, {});
    const std::pair<QString*, const QString*> details[] = {{&form.address, &previous.address}, {&form.rc, &previous.rc},
                                                            {&form.mf, &previous.mf},           {&form.art, &previous.art},
                                                            {&form.nis, &previous.nis}};
    if (!previous.code.isEmpty())
        for (const auto& [field, filled] : details)
            if (*field == *filled) field->clear();
    if (found.isEmpty()) return;
    const QStringList& row = found.rows.front();
    form.currentClient = {row.value(0), row.value(1), row.value(2), row.value(3), row.value(4),
                          row.value(5), row.value(6), row.value(7), row.value(8), formatAmount(storedAmount(row.value(8)))};
    form.address = form.currentClient.address;
    form.rc = form.currentClient.rc;
    form.mf = form.currentClient.mf;
    form.art = form.currentClient.art;
    form.nis = form.currentClient.nis;
}

// The client of the header with the details typed on the form: updated when the name is
// known, inserted as a client otherwise. Its code, or nothing when a statement failed.
std::optional<QString> upsertClient(Env& env, const InvoiceForm& form)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * from fCF where CF=?"), {form.client});
    if (!found.ok) return std::nullopt;
    if (!found.isEmpty()) {
        const QString code = found.first(0);
        if (!env.store.updateChecked(DB_CF, QStringLiteral("update fCF set ad=?,rc=?,mf=?,art=?,nis=? where codeCF=?"),
                                     {form.address, form.rc, form.mf, form.art, form.nis, code}))
            return std::nullopt;
        return code;
    }
    const QString code = nextClientSupplierCode(env);
    if (code.isEmpty()) return std::nullopt;
    if (!env.store.updateChecked(
            DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,ad,tel,rc,mf,art,nis,si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
            {code, form.client, form.address, QString(), form.rc, form.mf, form.art, form.nis, 0, QStringLiteral("C")}))
        return std::nullopt;
    return code;
}

// --- Form ---

void clearForm(InvoiceForm& form)
{
    form.lines.clear();
    for (QString* field : {&form.client, &form.designation, &form.quantity, &form.unitPrice, &form.amount,
                           &form.totalHt, &form.totalVat, &form.stamp, &form.totalTtc, &form.address, &form.rc,
                           &form.mf, &form.art, &form.nis})
        field->clear();
    form.totals = {};
    form.currentClient = {};
}

void alignLines(ListView& lines)
{
    for (int column : {0, 2}) setColumnAlignment(lines, column, ALIGN_CENTRE);
    for (int column : {3, 4, 5}) setColumnAlignment(lines, column, ALIGN_RIGHT);
}

QStringList lineCells(const QString& code, const QString& designation, const QString& unit, Amount quantity,
                      Amount unitPrice, Amount amount)
{
    return {code, designation, unit, formatAmount(quantity), formatAmount(unitPrice), formatAmount(amount)};
}

void selectOptionOfMode(InvoiceForm& form, bool cashExactly)
{
    if (const auto option = optionOfMode(form.paymentMode, cashExactly)) form.paymentOption = *option;
}

// --- Shared operations ---

// The rate of the form, refused unless it is a percentage.
std::optional<Amount> checkedVatRate(Env& env, const InvoiceForm& form)
{
    const std::optional<Amount> rate = vatRateOf(form.vatRate);
    if (!rate) refuse(env, QStringLiteral("Valeur de taux incorrecte ! "));
    return rate;
}

// The totals from the lines stored. False, after its message, when the sum failed, the rate is
// refused or a total leaves the bound: then the form shows what it showed.
bool computeTotals(Env& env, InvoiceForm& form)
{
    const QueryResult sum = queryDocument(env, form, "select SUM(mnt) from %1 where numdoc=?", {numberOf(form)});
    if (!sum.ok) {
        refuse(env, QStringLiteral("Impossible de calculer le total HT( n° de facture introuvable) ! ") + form.number);
        return false;
    }
    const std::optional<Amount> rate = checkedVatRate(env, form);
    if (!rate) return false;
    const InvoiceTotals totals = invoiceTotals(sum.amount(0, 0), *rate, form.paymentOption == PaymentOption::Espece);
    if (!isWithinBound(env.dialogs, totals.ttc)) return false;
    form.totals = totals;
    form.totalHt = shownTotal(totals.ht);
    form.totalVat = shownTotal(totals.vat);
    form.stamp = shownTotal(totals.stamp);
    form.totalTtc = shownTotal(totals.ttc);
    form.amountInWords = totals.ttc > Amount() ? amountInWords(formatAmount(totals.ttc)) : QString();
    return true;
}

// Writes the header and totals into the summary row and the header's date and client into
// every row. A document without any line gets no summary row: it exists from its first line.
bool saveDocument(Env& env, InvoiceForm& form)
{
    if (!computeTotals(env, form)) return false;
    if (!checkNumber(env, form) || !checkDate(env, form)) return false;
    if (form.client.isEmpty()) {
        refuse(env, QStringLiteral("Sélectionnez (ou saisissez) un Client !"));
        return false;
    }
    if (form.paymentMode.isEmpty()) {
        refuse(env, QStringLiteral("Indiquez le mode de payement !"));
        return false;
    }
    const qint64 dateNum = toDateNum(form.date);
    const qint64 number = numberOf(form);
    const InvoiceTotals& t = form.totals;
    const QString rate = form.vatRate.trimmed();

    return runGuarded(env, form, [&] {
        const auto clientCode = upsertClient(env, form);
        if (!clientCode) return false;
        const QueryResult lines =
            queryDocument(env, form, "select * FROM %1 where codeprod<>'9999' And numdoc=? limit 1", {number});
        if (!lines.ok) return false;
        if (lines.isEmpty()) return true;

        const QueryResult summary =
            queryDocument(env, form, "SELECT * FROM %1 where numdoc=? and  codeprod=9999", {number});
        if (!summary.ok) return false;
        const bool written =
            summary.isEmpty()
                ? updateDocument(env, form,
                                 "insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,taux,tva,"
                                 "timbre,ttc,modep) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                                 {number, form.date, dateNum, *clientCode, SUMMARY_CODE, QString(), 0, 0, 0,
                                  t.ht.cents(), rate, t.vat.cents(), t.stamp.cents(), t.ttc.cents(), form.paymentMode})
                : updateDocument(env, form,
                                 "update %1 set  datedoc=?, datenum=?, codeCF=?, ht=?, taux=?, tva=?, timbre=?, "
                                 "ttc=?, modep=?  where numdoc=? and  codeprod=9999",
                                 {form.date, dateNum, *clientCode, t.ht.cents(), rate, t.vat.cents(),
                                  t.stamp.cents(), t.ttc.cents(), form.paymentMode, number});
        return written && updateDocument(env, form, "update %1 set  datedoc=?, datenum=?, codeCF=?  where numdoc=?",
                                         {form.date, dateNum, *clientCode, number});
    });
}

void validateLine(Env& env, InvoiceForm& form)
{
    if (!checkNumber(env, form) || !checkDate(env, form)) return;
    if (form.client.isEmpty()) return refuse(env, QStringLiteral("Nom de Client incorrect !"));
    if (form.designation.isEmpty()) return refuse(env, QStringLiteral("Désignation du produit incorrecte !"));
    const std::optional<Amount> quantity = positiveAmount(env, form.quantity, QStringLiteral("Quantité incorrecte !"));
    if (!quantity) return;
    const std::optional<Amount> unitPrice = positiveAmount(env, form.unitPrice, QStringLiteral("Prix unitaire incorrect !"));
    if (!unitPrice) return;
    const Amount amount = lineAmount(*quantity, *unitPrice);
    if (!isWithinBound(env.dialogs, amount)) return;
    const qint64 number = numberOf(form);

    runGuarded(env, form, [&] {
        const auto clientCode = upsertClient(env, form);
        if (!clientCode) return false;
        // The client stays recorded even when the product is unknown.
        if (!keepProduct(env, form)) {
            refuse(env, QStringLiteral("Ce produit n'existe pas dans la table !"));
            return true;
        }
        // The unit is the one of the product just found, not one kept from an earlier lookup.
        const auto& [code, unit] = form.currentProduct;
        const qint64 dateNum = toDateNum(form.date);
        const QStringList cells = lineCells(code, form.designation, unit, *quantity, *unitPrice, amount);

        const QueryResult existing =
            queryDocument(env, form, "SELECT * FROM %1 where numdoc=? and  codeprod=?", {number, code});
        if (!existing.ok) return false;
        if (!existing.isEmpty()) {
            if (!updateDocument(env, form,
                                "update %1 set  datedoc=?, datenum=?, codeCF=?, um=?, qte=?, pu=?, mnt=? where "
                                "numdoc=? and  codeprod=?",
                                {form.date, dateNum, *clientCode, unit, quantity->cents(), unitPrice->cents(),
                                 amount.cents(), number, code}))
                return false;
            const int row = form.lines.findRow(0, code);
            if (row >= 0)
                for (int column = 2; column < cells.size(); ++column) form.lines.rows[row][column] = cells[column];
        } else {
            if (!updateDocument(env, form,
                                "insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt) "
                                "values(?,?,?,?,?,?,?,?,?)",
                                {number, form.date, dateNum, *clientCode, code, unit, quantity->cents(),
                                 unitPrice->cents(), amount.cents()}))
                return false;
            form.lines.append(cells);
        }
        alignLines(form.lines);
        if (!saveDocument(env, form)) return false;
        form.designation.clear();
        form.quantity.clear();
        form.unitPrice.clear();
        form.amount.clear();
        form.focus = InvoiceField::Designation;
        return true;
    });
}

void deleteLine(Env& env, InvoiceForm& form)
{
    const QString designation = form.designation;
    for (QString* field : {&form.designation, &form.quantity, &form.unitPrice, &form.amount}) field->clear();
    const QString code = productCodeByName(env, designation);

    runGuarded(env, form, [&] {
        const qint64 number = numberOf(form);
        if (!updateDocument(env, form, "Delete FROM %1 where numdoc=? and  codeprod=?", {number, code})) return false;
        form.lines.removeFirst(0, code);
        if (!computeTotals(env, form)) return false;
        const QueryResult lines =
            queryDocument(env, form, "select * FROM %1 where codeprod<>'9999' And numdoc=? limit 1", {number});
        if (!lines.ok) return false;
        if (!lines.isEmpty()) return saveDocument(env, form);
        // The last line is gone: so is the document.
        if (!updateDocument(env, form, "Delete FROM %1 where numdoc=?", {number})) return false;
        clearForm(form);
        return true;
    });
}

void startDocument(Env& env, InvoiceForm& form)
{
    // A failed maximum must never become number 1.
    const DocumentTable& table = tableOf(form.kind);
    const std::optional<qint64> highest = env.store.integerScalar(table.db, onTable(form, "SELECT max(numdoc) FROM %1"));
    if (!highest) return;
    clearForm(form);
    if (form.date.isEmpty()) form.date = dateText(env.clock.today());
    const qint64 number = *highest + 1;
    env.state.*table.lastNewNumber = number;
    form.number = QString::number(number);
    form.paymentMode = env.params.modepFac;
    selectOptionOfMode(form, false);
    form.vatRate = env.state.currentVatRate;
    form.vatLabel = QStringLiteral("TVA (") + form.vatRate + QStringLiteral("%):");
    form.focus = InvoiceField::Client;
}

void loadDocument(Env& env, InvoiceForm& form)
{
    clearForm(form);
    const QueryResult found = queryDocument(env, form, "SELECT * FROM %1 where numdoc=? order by rowid", {numberOf(form)});
    for (const QStringList& row : found.rows) {
        const auto amountAt = [&row](int column) { return storedAmount(row.value(column)); };
        if (row.value(4) == SUMMARY_CODE) {
            const QDate day = dateFromDateNum(integerValue(row.value(2)));
            form.date = day.isValid() ? dateText(day) : row.value(1);
            form.client = clientSupplierName(env, row.value(3));
            showClient(env, form);
            form.vatRate = row.value(10);
            form.vatLabel = QStringLiteral("TVA (") + form.vatRate + QStringLiteral("%) :");
            form.totals = {amountAt(9), amountAt(11), amountAt(12), amountAt(13)};
            form.totalHt = shownTotal(form.totals.ht);
            form.totalVat = shownTotal(form.totals.vat);
            form.stamp = shownTotal(form.totals.stamp);
            form.totalTtc = shownTotal(form.totals.ttc);
            form.paymentMode = row.value(14);
        } else {
            form.lines.append(lineCells(row.value(4), productNameByCode(env, row.value(4)).designation, row.value(5),
                                        amountAt(6), amountAt(7), amountAt(8)));
        }
    }
    alignLines(form.lines);
    selectOptionOfMode(form, true);
    form.amountInWords = amountInWords(formatAmount(form.totals.ttc));
}

// Shows the document of another number: loaded when it has rows, an empty form otherwise.
void showDocumentNumber(Env& env, InvoiceForm& form, qint64 number)
{
    const QueryResult found = queryDocument(env, form, "SELECT * FROM %1 where numdoc=? limit 1", {number});
    if (!found.ok) return;
    form.number = QString::number(number);
    if (found.isEmpty())
        clearForm(form);
    else
        loadDocument(env, form);
}

void showPrevious(Env& env, InvoiceForm& form)
{
    const qint64 number = integerValue(form.number) - 1;
    if (number > 0) showDocumentNumber(env, form, number);
}

// Forward only up to the number New proposed last in this run.
void showNext(Env& env, InvoiceForm& form)
{
    const qint64 number = integerValue(form.number);
    if (number < env.state.*tableOf(form.kind).lastNewNumber) showDocumentNumber(env, form, number + 1);
}

void cancelDocument(Env& env, InvoiceForm& form)
{
    const qint64 number = numberOf(form);
    if (queryDocument(env, form, "select * FROM %1 where numdoc=? limit 1", {number}).isEmpty()) return;
    if (!env.dialogs.askYesNo(QStringLiteral("Confirmation"), QStringLiteral("Etes-vous sûr de vouloir annuler cette facture?")))
        return;
    runGuarded(env, form, [&] {
        if (!updateDocument(env, form, "delete from %1 where numdoc=?", {number})) return false;
        clearForm(form);
        return true;
    });
}

void selectListRow(InvoiceForm& form, int row)
{
    if (row < 0 || row >= form.lines.size()) return;
    form.lines.selected = row;
    const QStringList& cells = form.lines.rows[row];
    form.currentLine = {cells.value(0), cells.value(1), cells.value(2), cells.value(3), cells.value(4), cells.value(5)};
    form.currentProduct = {form.currentLine.code, form.currentLine.unit};
    form.designation = form.currentLine.designation;
    form.quantity = form.currentLine.quantity;
    form.unitPrice = form.currentLine.unitPrice;
    form.amount = form.currentLine.amount;
}

// After the client: its address when it is still empty, otherwise the line.
InvoiceField fieldAfterClient(const InvoiceForm& form)
{
    return form.address.isEmpty() ? InvoiceField::Address : InvoiceField::Designation;
}

// Refills the pick list with the names of `column` that begin with the typed text in capitals
// (compared exactly, so only names stored in capitals match). An empty text leaves it alone.
void filterPickList(Env& env, InvoiceForm& form, QString& typed, DbNumber db, const QString& sql, int column,
                    PickListMode mode)
{
    if (typed.isEmpty()) return;
    typed = typed.toUpper();
    form.pickList.clear();
    for (const QStringList& row : env.store.queryChecked(db, sql).rows)
        if (row.value(column).startsWith(typed)) form.pickList.append(row.value(column));
    form.pickListMode = mode;
}

InvoiceForm& ofKind(InvoiceForm& form, InvoiceKind kind)
{
    Q_ASSERT(form.kind == kind);
    Q_UNUSED(kind);
    return form;
}

} // namespace

InvoiceTotals invoiceTotals(Amount ht, Amount rate, bool cash)
{
    InvoiceTotals totals;
    totals.ht = ht;
    totals.vat = percentOf(ht, rate);
    if (cash) totals.stamp = std::min(percentOf(totals.ht + totals.vat, STAMP_RATE), STAMP_CAP);
    totals.ttc = totals.ht + totals.vat + totals.stamp;
    return totals;
}

std::optional<Amount> vatRateOf(const QString& typed)
{
    const TypedAmount rate = parseTypedAmount(typed);
    if (!rate.ok() || rate.value < Amount() || rate.value > Amount::fromUnits(100)) return std::nullopt;
    return rate.value;
}

// The entry points of the two tabs reach the same operations; each checks that it was given
// the form of its own tab.
constexpr InvoiceKind INVOICE = InvoiceKind::Invoice;
constexpr InvoiceKind PROFORMA = InvoiceKind::Proforma;

void newInvoice(Env& env, InvoiceForm& form) { startDocument(env, ofKind(form, INVOICE)); }
void loadInvoice(Env& env, InvoiceForm& form) { loadDocument(env, ofKind(form, INVOICE)); }
void showPreviousInvoice(Env& env, InvoiceForm& form) { showPrevious(env, ofKind(form, INVOICE)); }
void showNextInvoice(Env& env, InvoiceForm& form) { showNext(env, ofKind(form, INVOICE)); }
void validateInvoiceLine(Env& env, InvoiceForm& form) { validateLine(env, ofKind(form, INVOICE)); }
void deleteInvoiceLine(Env& env, InvoiceForm& form) { deleteLine(env, ofKind(form, INVOICE)); }
void saveInvoice(Env& env, InvoiceForm& form) { saveDocument(env, ofKind(form, INVOICE)); }
void computeInvoiceTotals(Env& env, InvoiceForm& form) { computeTotals(env, ofKind(form, INVOICE)); }
void cancelInvoice(Env& env, InvoiceForm& form) { cancelDocument(env, ofKind(form, INVOICE)); }
void selectInvoiceListRow(Env&, InvoiceForm& form, int row) { selectListRow(ofKind(form, INVOICE), row); }
void showInvoiceProduct(Env& env, InvoiceForm& form) { showProduct(env, ofKind(form, INVOICE)); }
void showInvoiceClient(Env& env, InvoiceForm& form) { showClient(env, ofKind(form, INVOICE)); }
void keepInvoiceProduct(Env& env, InvoiceForm& form) { keepProduct(env, ofKind(form, INVOICE)); }

void newProforma(Env& env, InvoiceForm& form) { startDocument(env, ofKind(form, PROFORMA)); }
void loadProforma(Env& env, InvoiceForm& form) { loadDocument(env, ofKind(form, PROFORMA)); }
void showPreviousProforma(Env& env, InvoiceForm& form) { showPrevious(env, ofKind(form, PROFORMA)); }
void showNextProforma(Env& env, InvoiceForm& form) { showNext(env, ofKind(form, PROFORMA)); }
void validateProformaLine(Env& env, InvoiceForm& form) { validateLine(env, ofKind(form, PROFORMA)); }
void deleteProformaLine(Env& env, InvoiceForm& form) { deleteLine(env, ofKind(form, PROFORMA)); }
void saveProforma(Env& env, InvoiceForm& form) { saveDocument(env, ofKind(form, PROFORMA)); }
void computeProformaTotals(Env& env, InvoiceForm& form) { computeTotals(env, ofKind(form, PROFORMA)); }
void cancelProforma(Env& env, InvoiceForm& form) { cancelDocument(env, ofKind(form, PROFORMA)); }
void selectProformaListRow(Env&, InvoiceForm& form, int row) { selectListRow(ofKind(form, PROFORMA), row); }
void showProformaProduct(Env& env, InvoiceForm& form) { showProduct(env, ofKind(form, PROFORMA)); }
void showProformaClient(Env& env, InvoiceForm& form) { showClient(env, ofKind(form, PROFORMA)); }

void filterClientPickList(Env& env, InvoiceForm& form)
{
    filterPickList(env, ofKind(form, PROFORMA), form.client, DB_CF,
                   QStringLiteral("select * from fcf where typecf<>'F' order by cf"), 1, PickListMode::Clients);
}

void filterProductPickList(Env& env, InvoiceForm& form)
{
    filterPickList(env, ofKind(form, PROFORMA), form.designation, DB_PROD,
                   QStringLiteral("select * from fPROD order by PROD"), 3, PickListMode::Products);
}

void choosePickListEntry(Env& env, InvoiceForm& form, int row)
{
    ofKind(form, PROFORMA);
    if (row < 0 || row >= form.pickList.size()) return;
    const QString entry = form.pickList[row];
    if (form.pickListMode == PickListMode::Products) {
        form.designation = entry;
        showProduct(env, form);
        form.focus = InvoiceField::Quantity;
    } else if (form.pickListMode == PickListMode::Clients) {
        form.client = entry;
        showClient(env, form);
        form.focus = fieldAfterClient(form);
    }
}

void chooseInvoicePaymentOption(Env& env, InvoiceForm& form, PaymentOption option)
{
    form.paymentOption = option;
    form.paymentMode = paymentModeText(option);
    computeTotals(env, form);
}

void applyInvoiceVatRate(Env& env, InvoiceForm& form)
{
    if (!checkedVatRate(env, form)) return;
    env.state.currentVatRate = form.vatRate;
    form.vatLabel = QStringLiteral("TVA (") + form.vatRate + QStringLiteral("%) :");
    computeTotals(env, form);
}

namespace {

void noAction(Env&, InvoiceForm&) {}

// Return in each entry field: its action, then where the focus goes (None: it stays, or goes
// where the action put it).
struct ReturnStep {
    InvoiceField field;
    void (*action)(Env&, InvoiceForm&);
    InvoiceField (*next)(const InvoiceForm&);
};

template <InvoiceField target>
InvoiceField goTo(const InvoiceForm&)
{
    return target;
}

const ReturnStep RETURN_CHAIN[] = {
    {InvoiceField::Number, loadDocument, goTo<InvoiceField::None>},
    {InvoiceField::Client, showClient, fieldAfterClient},
    {InvoiceField::Address, noAction, goTo<InvoiceField::Rc>},
    {InvoiceField::Rc, noAction, goTo<InvoiceField::Mf>},
    {InvoiceField::Mf, noAction, goTo<InvoiceField::Art>},
    {InvoiceField::Art, noAction, goTo<InvoiceField::Nis>},
    {InvoiceField::Nis, noAction, goTo<InvoiceField::Designation>},
    {InvoiceField::Designation, showProduct, goTo<InvoiceField::Quantity>},
    {InvoiceField::Quantity, noAction, goTo<InvoiceField::UnitPrice>},
    {InvoiceField::UnitPrice, validateLine, goTo<InvoiceField::None>},
    {InvoiceField::VatRate, applyInvoiceVatRate, goTo<InvoiceField::None>},
};

} // namespace

void invoiceReturnPressed(Env& env, InvoiceForm& form, InvoiceField field)
{
    for (const ReturnStep& step : RETURN_CHAIN) {
        if (step.field != field) continue;
        form.focus = InvoiceField::None;
        step.action(env, form);
        if (const InvoiceField next = step.next(form); next != InvoiceField::None) form.focus = next;
        return;
    }
}

bool invoiceHasUnsavedSummary(Env& env, const InvoiceForm& form)
{
    const QueryResult summary =
        queryDocument(env, form, "SELECT modep,taux FROM %1 where numdoc=? and codeprod=9999", {numberOf(form)});
    if (summary.isEmpty()) return false;
    return summary.first(0) != form.paymentMode || summary.first(1) != form.vatRate.trimmed();
}
