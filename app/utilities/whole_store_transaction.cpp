#include "utilities/whole_store_transaction.h"

#include "store/store.h"

WholeStoreTransaction::WholeStoreTransaction(Store& store)
{
    for (DbNumber db : {DB_PROD, DB_CAISSE, DB_BANK}) transactions_.push_back(std::make_unique<Transaction>(store, db));
}

WholeStoreTransaction::~WholeStoreTransaction() = default;

bool WholeStoreTransaction::isActive() const
{
    for (const auto& transaction : transactions_)
        if (!transaction->isActive()) return false;
    return true;
}

WholeStoreTransaction::Outcome WholeStoreTransaction::commit()
{
    bool committedOne = false;
    for (const auto& transaction : transactions_) {
        // A failed commit rolls its own connection back; the ones not reached roll back as
        // they go.
        if (!transaction->commit()) return committedOne ? Outcome::PartlyCommitted : Outcome::NothingCommitted;
        committedOne = true;
    }
    return Outcome::Committed;
}
