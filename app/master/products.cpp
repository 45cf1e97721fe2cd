#include "master/products.h"

#include "common/env.h"
#include "common/values.h"

QString nextProductCode(Env& env)
{
    qint64 next = integerValue(env.store.scalar(DB_PROD, QStringLiteral("SELECT max(codeprod) FROM fprod"))) + 1;
    if (next == integerValue(SUMMARY_CODE)) ++next;
    return QString::number(next);
}

QString createProductFromDocument(Env& env, const QString& family, const QString& designation, const QString& unit,
                                  const QString& purchasePrice, const QString& retailPrice,
                                  const QString& wholesalePrice)
{
    const QString code = nextProductCode(env);
    const bool inserted = env.store.updateChecked(
        DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)"),
        {code, family, QString(), designation, unit, QStringLiteral("0"), purchasePrice, retailPrice, wholesalePrice});
    return inserted ? code : QString();
}

void addFamilyIfNew(Env& env, const QString& family)
{
    const QueryResult found = env.store.queryChecked(DB_FAM, QStringLiteral("SELECT * FROM ffam where fam=?"), {family});
    if (found.ok && found.isEmpty())
        env.store.updateChecked(DB_FAM, QStringLiteral("insert into ffam (fam) values (?)"), {family});
}
