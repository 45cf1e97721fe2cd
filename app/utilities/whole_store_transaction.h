#pragma once
// The writes of an operation that changes tables on every connection of the store: the
// documents' files, the cash book and the bank book. SQLite commits each connection on its
// own, so the three are committed one after the other, documents first; the caller keeps a
// checked copy of the data to put back should a later commit fail after an earlier one.

#include <memory>
#include <vector>

class Store;
class Transaction;

class WholeStoreTransaction {
public:
    explicit WholeStoreTransaction(Store& store);
    ~WholeStoreTransaction();
    WholeStoreTransaction(const WholeStoreTransaction&) = delete;
    WholeStoreTransaction& operator=(const WholeStoreTransaction&) = delete;

    bool isActive() const;

    enum class Outcome {
        Committed,         // every change is in the files
        NothingCommitted,  // every change was undone
        PartlyCommitted,   // the documents were committed, the cash or bank book was not
    };
    Outcome commit();

private:
    std::vector<std::unique_ptr<Transaction>> transactions_;
};
