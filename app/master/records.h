#pragma once
// What the product and client-supplier tables share: the refusal box, a saved record's place
// in the list, and the deletion (the record must exist, must not be used by any document, and
// the user must answer Yes).

#include <vector>
#include <QString>

#include "common/list_view.h"
#include "store/store.h"

struct Env;

// A document table where the record may be used; the sentence is followed by the document
// number (column 0 of the first row found).
struct RecordUse {
    DbNumber db;
    const char* table;
    QString sentence;
};

struct RecordDeletion {
    DbNumber db;
    const char* table;
    const char* keyColumn; // the code column, in the record's table and in the document tables
    QString notFoundText;  // shown under "Erreur inattendue"
    QString usedTitle;
    std::vector<RecordUse> uses; // searched in this order
    QString confirmTitle;
    QString confirmText;
};

// Refuses what the user typed: the "Erreur" box with the reason.
void refuse(Env& env, const QString& text);

// Checks, asks and deletes; true when the record was deleted.
bool deleteRecord(Env& env, const RecordDeletion& rules, const QString& code);

// Shows a saved record in the list (column 0 holds the code): a new one is appended, a changed
// one replaces its row when the list shows it. The row becomes the selected one.
void showSavedRecord(ListView& list, const QStringList& row, bool isNew);

// A family, designation or name just saved is offered by its box at once, in the box's order.
void offerInBox(QStringList& items, const QString& item);
