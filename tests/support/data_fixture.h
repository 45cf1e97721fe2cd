#pragma once
// A temporary Data folder made with makedata's own code, opened in a Store, with a recording
// Dialogs, a fixed clock and an Env; removed at the end of the test.

#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <QStringList>
#include <QTemporaryDir>

#include "common/env.h"
#include "fixed_clock.h"
#include "recording_dialogs.h"

using Rows = std::vector<QStringList>;

// Every row of a query, every column as text (fails the test when the query fails).
Rows rows(Store& store, DbNumber db, const QString& sql, const QVariantList& args = {});

class DataFixture : public ::testing::Test {
protected:
    DataFixture();
    ~DataFixture() override;

    // Runs a statement that must succeed (for setting up data).
    void exec(DbNumber db, const QString& sql, const QVariantList& args = {});
    Rows rows(DbNumber db, const QString& sql, const QVariantList& args = {}) { return ::rows(store, db, sql, args); }
    QString folder() const { return dir.path(); }

    QTemporaryDir dir;
    RecordingDialogs dialogs;
    FixedClock clock;
    Store store{dialogs};
    Env env{store, dialogs, clock};
    // The exit codes shutdownAndExit handed over (the test goes on instead of ending).
    std::vector<int> exitCodes;
};

// Lets gtest print Qt strings in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << qUtf8Printable(text) << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) *os << (i ? ", " : "") << '"' << qUtf8Printable(list[i]) << '"';
    *os << '}';
}
QT_END_NAMESPACE
