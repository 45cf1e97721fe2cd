#pragma once
// A large data set for benchmarks: years of receptions and deliveries with their products,
// clients-suppliers and payments, written in one transaction.

#include <QtGlobal>

struct Env;

struct ScaleDataSize {
    qint64 documents = 0; // receptions + deliveries
    qint64 lines = 0;
    qint64 products = 0;
    qint64 clientsSuppliers = 0;
    qint64 payments = 0;
};

// Adds `documents` receptions and deliveries (half each, one to five lines, dated over six
// years), the products and clients-suppliers they name, and one payment for every ten
// documents. Summary rows carry the running balances. False when a write failed (nothing is
// then kept).
bool addScaleData(Env& env, qint64 documents, ScaleDataSize* size = nullptr);
