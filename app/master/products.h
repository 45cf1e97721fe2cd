#pragma once
// Products: the operations the documents use to create a product, its code or its family on
// the fly. (The product tab of the tables window builds on them.)

#include <QString>

struct Env;

// max(codeprod) + 1 as text ("1" for an empty table). 9999 marks summary rows, so it is never
// given to a product: the numbering goes on at 10000.
QString nextProductCode(Env& env);

// Inserts a product with the next code, an empty reference and an initial quantity of 0;
// prices are hundredths texts. Returns the new code, or an empty text when the insert failed.
QString createProductFromDocument(Env& env, const QString& family, const QString& designation, const QString& unit,
                                  const QString& purchasePrice, const QString& retailPrice,
                                  const QString& wholesalePrice);

// Adds the family to ffam unless it is there already (an empty family is stored like any other).
void addFamilyIfNew(Env& env, const QString& family);
