#include "master/clients_suppliers.h"

#include "common/env.h"
#include "common/values.h"
#include "master/records.h"

QString nextClientSupplierCode(Env& env)
{
    const std::optional<qint64> highest = env.store.integerScalar(DB_CF, QStringLiteral("SELECT max(codeCF) FROM fCF"));
    return highest ? QString::number(*highest + 1) : QString();
}

bool createClientSupplierFromDocument(Env& env, const QString& code, const QString& name, const QString& relation)
{
    const QString x = QStringLiteral("x");
    return env.store.updateChecked(
        DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
        {code.toLongLong(), name, x, x, x, x, x, x, 0, relation});
}

QString clientSupplierName(Env& env, const QString& code)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * from fCF where codeCF=?"), {code});
    return found.isEmpty() ? UNKNOWN_NAME : found.first(1);
}

namespace {

// A list row from a row of fCF: the same columns, the opening balance as displayed.
QStringList listRow(QStringList clientSupplier)
{
    while (clientSupplier.size() < CS_COLUMN_COUNT) clientSupplier.append(QString());
    clientSupplier[CS_OPENING_BALANCE] = formatAmount(storedAmount(clientSupplier[CS_OPENING_BALANCE]));
    return clientSupplier.mid(0, CS_COLUMN_COUNT);
}

void alignColumns(ListView& list)
{
    for (int column = 0; column < CS_COLUMN_COUNT; ++column)
        setColumnAlignment(list, column, column == CS_OPENING_BALANCE ? ALIGN_RIGHT : ALIGN_CENTRE);
}

bool fillList(Env& env, ClientSupplierForm& form, const QString& sql, bool withNames)
{
    const QueryResult found = env.store.queryChecked(DB_CF, sql);
    form.list.clear();
    if (withNames) form.names.clear();
    for (const QStringList& clientSupplier : found.rows) {
        form.list.append(listRow(clientSupplier));
        if (withNames) form.names.append(clientSupplier.value(CS_NAME));
    }
    alignColumns(form.list);
    return found.ok;
}

// The option button a relation letter ticks (a client for anything unknown).
QString relationOf(const QString& letter)
{
    return letter == RELATION_SUPPLIER || letter == RELATION_BOTH ? letter : RELATION_CLIENT;
}

// The form's view of one client-supplier (opening balance as displayed).
void showClientSupplier(ClientSupplierForm& form, const QStringList& cells)
{
    form.code = cells.value(CS_CODE);
    form.name = cells.value(CS_NAME);
    form.address = cells.value(CS_ADDRESS);
    form.telephone = cells.value(CS_TELEPHONE);
    form.tradeRegister = cells.value(CS_TRADE_REGISTER);
    form.taxIdentification = cells.value(CS_TAX_IDENTIFICATION);
    form.taxArticle = cells.value(CS_TAX_ARTICLE);
    form.statisticalNumber = cells.value(CS_STATISTICAL_NUMBER);
    form.openingBalance = cells.value(CS_OPENING_BALANCE);
    form.relation = relationOf(cells.value(CS_RELATION));
}

} // namespace

void loadClientSupplierTab(Env& env, ClientSupplierForm& form)
{
    form.sort = ClientSupplierSort::Name;
    fillList(env, form, QStringLiteral("SELECT * FROM fCf order by Cf"), true);
}

void sortClientSupplierList(Env& env, ClientSupplierForm& form)
{
    switch (form.sort) {
    case ClientSupplierSort::None: return;
    case ClientSupplierSort::Code: fillList(env, form, QStringLiteral("SELECT * FROM fCf order by codeCf"), false); return;
    case ClientSupplierSort::Name: fillList(env, form, QStringLiteral("SELECT * FROM fCf order by Cf"), false); return;
    }
}

void newClientSupplier(Env& env, ClientSupplierForm& form)
{
    clearClientSupplierFields(form);
    form.code = nextClientSupplierCode(env);
    form.focus = ClientSupplierField::Name;
}

void saveClientSupplier(Env& env, ClientSupplierForm& form)
{
    // A new client-supplier without a code gets the next one (the label stays as it is).
    const QString code = integerValue(form.code) > 0 ? form.code : nextClientSupplierCode(env);
    if (code.isEmpty()) return;
    if (form.name.trimmed().isEmpty()) return refuse(env, QStringLiteral("Nom ou Raison sociale incorrecte !"));
    const QueryResult sameName = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {form.name});
    if (!sameName.ok) return;
    for (const QStringList& other : sameName.rows)
        if (integerValue(other.value(CS_CODE)) != integerValue(code))
            return refuse(env, QStringLiteral("Ce Nom existe avec un autre code"));
    Amount balance;
    if (!form.openingBalance.trimmed().isEmpty()) {
        const std::optional<Amount> typed =
            readTypedAmount(env.dialogs, form.openingBalance, QStringLiteral("Solde initial incorrect !"));
        if (!typed) return;
        balance = *typed;
    }

    const QueryResult existing = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where codeCF=?"), {code});
    if (!existing.ok) return;
    const bool update = !existing.isEmpty();
    const QVariantList details{form.name,         form.address,    form.telephone,         form.tradeRegister,
                               form.taxIdentification, form.taxArticle, form.statisticalNumber, balance.cents(),
                               form.relation};
    const bool written =
        update ? env.store.updateChecked(
                     DB_CF, QStringLiteral("update fCF set CF=?,ad=?,tel=?,rc=?,mf=?,art=?,nis=?,si=?,typecf=? where codeCF=?"),
                     details + QVariantList{code})
               : env.store.updateChecked(
                     DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,ad,tel,rc,mf,art,nis,si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
                     QVariantList{code} + details);
    if (!written) return;

    const QStringList row = listRow({code, form.name, form.address, form.telephone, form.tradeRegister,
                                     form.taxIdentification, form.taxArticle, form.statisticalNumber,
                                     QString::number(balance.cents()), form.relation});
    showSavedRecord(form.list, row, !update);
    alignColumns(form.list);
    offerInBox(form.names, form.name);
    clearClientSupplierFields(form);
    form.focus = ClientSupplierField::Name;
}

void deleteClientSupplier(Env& env, ClientSupplierForm& form)
{
    const QString used = QStringLiteral(
        "Ce Client-fournisseur est utilisé au niveau des %1. Impossible de le supprimer de la table. Voir %2 N°: ");
    const QString payments = used.arg(QStringLiteral("versements"), QStringLiteral("bon de versement"));
    const RecordDeletion rules{
        DB_CF,
        "fCF",
        "codeCF",
        QStringLiteral("Code Client-fournisseur introuvable dans la table !"),
        QStringLiteral("Client-fournisseur utilisé"),
        {{DB_BL, "fbl", used.arg(QStringLiteral("livraisons"), QStringLiteral("bon de livraison"))},
         {DB_BR, "fbr", used.arg(QStringLiteral("réceptions"), QStringLiteral("bon de réception"))},
         {DB_FACV, "facv", used.arg(QStringLiteral("factures"), QStringLiteral("facture vente"))},
         {DB_FACP, "facp", used.arg(QStringLiteral("factures"), QStringLiteral("facture proforma"))},
         {DB_VER, "fverR", payments},
         {DB_VER, "fverE", payments},
         // A supplier of purchase orders is used as well: they would print "inconnu".
         {DB_BC, "fbc", used.arg(QStringLiteral("bons de commande"), QStringLiteral("bon de commande"))}},
        QStringLiteral("Confirmation"),
        QStringLiteral("Etes-vous sûr de vouloir supprimer ce Client-fournisseur ?"),
    };
    if (!deleteRecord(env, rules, form.code)) return;
    form.list.removeFirst(CS_CODE, form.code);
    clearClientSupplierFields(form);
}

void clientSupplierReturnPressed(Env& env, ClientSupplierForm& form, ClientSupplierField from)
{
    switch (from) {
    case ClientSupplierField::None: return;
    case ClientSupplierField::OpeningBalance: saveClientSupplier(env, form); return;
    case ClientSupplierField::Name:
        if (!form.name.isEmpty()) findClientSupplierByName(env, form, form.name);
        break;
    default: break;
    }
    form.focus = static_cast<ClientSupplierField>(static_cast<int>(from) + 1);
}

void findClientSupplierByName(Env& env, ClientSupplierForm& form, const QString& name)
{
    if (name.isEmpty()) return;
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * FROM fCF where CF=?"), {name});
    if (!found.isEmpty()) showClientSupplier(form, listRow(found.rows.front()));
}

void selectClientSupplierRow(ClientSupplierForm& form, int row)
{
    if (row < 0 || row >= form.list.size()) return;
    form.list.selected = row;
    showClientSupplier(form, form.list.rows[row]);
    form.focus = ClientSupplierField::Address;
}

void clearClientSupplierFields(ClientSupplierForm& form)
{
    for (QString* field : {&form.code, &form.name, &form.address, &form.telephone, &form.tradeRegister,
                           &form.taxIdentification, &form.taxArticle, &form.statisticalNumber, &form.openingBalance})
        field->clear();
}
