#include "master/clients_suppliers.h"

#include "common/env.h"
#include "common/values.h"

QString nextClientSupplierCode(Env& env)
{
    return QString::number(integerValue(env.store.scalar(DB_CF, QStringLiteral("SELECT max(codeCF) FROM fCF"))) + 1);
}

bool createClientSupplierFromDocument(Env& env, const QString& code, const QString& name, const QString& relation)
{
    const QString x = QStringLiteral("x");
    return env.store.updateChecked(
        DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
        {code, name, x, x, x, x, x, x, QStringLiteral("0"), relation});
}

QString clientSupplierName(Env& env, const QString& code)
{
    const QueryResult found = env.store.queryChecked(DB_CF, QStringLiteral("SELECT * from fCF where codeCF=?"), {code});
    return found.isEmpty() ? QStringLiteral("inconnu") : found.first(1);
}
