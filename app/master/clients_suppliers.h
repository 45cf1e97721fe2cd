#pragma once
// Clients and suppliers: the operations the documents, journals and reports use to number,
// create and name a client-supplier. (The client-supplier tab of the tables window builds on them.)

#include <QString>

struct Env;

// Relation letters of fCF.typecf.
inline const QString RELATION_CLIENT = QStringLiteral("C");
inline const QString RELATION_SUPPLIER = QStringLiteral("F");
inline const QString RELATION_BOTH = QStringLiteral("X");

// max(codeCF) + 1 as text ("1" for an empty table).
QString nextClientSupplierCode(Env& env);

// Inserts a client-supplier known only by its name: "x" in its six detail fields, an opening
// balance of 0 and the given relation letter. False when the insert failed.
bool createClientSupplierFromDocument(Env& env, const QString& code, const QString& name, const QString& relation);

// The name of a code, "inconnu" when no client-supplier has it.
QString clientSupplierName(Env& env, const QString& code);
