#include "master/records.h"

#include <algorithm>

#include "common/env.h"

namespace {

QString selectByKey(const char* table, const char* keyColumn)
{
    return QStringLiteral("SELECT * FROM %1 where %2=?").arg(QLatin1String(table), QLatin1String(keyColumn));
}

} // namespace

void refuse(Env& env, const QString& text) { env.dialogs.message(QStringLiteral("Erreur"), text); }

bool deleteRecord(Env& env, const RecordDeletion& rules, const QString& code)
{
    Store& store = env.store;
    const QueryResult record = store.queryChecked(rules.db, selectByKey(rules.table, rules.keyColumn), {code});
    if (!record.ok) return false;
    if (record.isEmpty()) {
        env.dialogs.message(QStringLiteral("Erreur inattendue"), rules.notFoundText);
        return false;
    }
    for (const RecordUse& use : rules.uses) {
        const QueryResult found = store.queryChecked(use.db, selectByKey(use.table, rules.keyColumn), {code});
        // A search that failed cannot prove the record unused.
        if (!found.ok) return false;
        if (!found.isEmpty()) {
            env.dialogs.message(rules.usedTitle, use.sentence + found.first(0));
            return false;
        }
    }
    if (env.dialogs.askYesNoCancel(rules.confirmTitle, rules.confirmText) != Dialogs::Answer::Yes) return false;
    return store.updateChecked(
        rules.db, QStringLiteral("Delete from %1 where %2=?").arg(QLatin1String(rules.table), QLatin1String(rules.keyColumn)),
        {code});
}

void showSavedRecord(ListView& list, const QStringList& row, bool isNew)
{
    if (isNew) {
        list.append(row);
        list.selected = list.size() - 1;
        return;
    }
    const int shown = list.findRow(0, row.value(0));
    if (shown < 0) return;
    list.rows[shown] = row;
    list.selected = shown;
}

void offerInBox(QStringList& items, const QString& item)
{
    const auto place = std::lower_bound(items.begin(), items.end(), item);
    if (place == items.end() || *place != item) items.insert(place, item);
}
