// Times the journals, the statements and the global balance report on a Data folder holding
// years of documents: each the way its tab shows it, with the mean and the slowest of a few runs
// (the first run reads the files from the disk).
//   journals_bench [FOLDER]
// FOLDER is a folder made by `makedata FOLDER --scale N` (opened as it is, nothing is written);
// without it, 100000 documents are generated the same way in a temporary folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "common/env.h"
#include "console_dialogs.h"
#include "journals/document_journals.h"
#include "journals/treasury_journals.h"
#include "scale_data.h"
#include "store/data_folder.h"
#include "treasury/statements.h"

namespace {

using Timer = std::chrono::steady_clock;

// Runs `step` `runs` times and prints the mean and slowest times, the processor time of the
// slowest (what it costs on a machine shared with other work) and what it listed.
void measure(const char* what, int runs, const std::function<int()>& step)
{
    std::vector<double> times, processor;
    int listed = 0;
    for (int i = 0; i < runs; ++i) {
        const Timer::time_point start = Timer::now();
        const std::clock_t cpu = std::clock();
        listed = step();
        processor.push_back(static_cast<double>(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        times.push_back(std::chrono::duration<double, std::milli>(Timer::now() - start).count());
    }
    double total = 0;
    for (double t : times) total += t;
    const auto slowest = std::max_element(times.begin(), times.end());
    std::printf("%-40s %3d runs  mean %8.2f ms  max %8.2f ms (processor %7.2f ms)  %6d rows\n", what, runs, total / runs, *slowest,
                processor[static_cast<size_t>(slowest - times.begin())], listed);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ConsoleDialogs dialogs;
    Store store(dialogs);
    QTemporaryDir generated;
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : generated.path();
    if (argc <= 1 && !createDataFolder(folder).ok()) return 1;
    if (const QString failed = store.openDatabases(folder); !failed.isEmpty()) {
        std::fprintf(stderr, "cannot open %s\n", qUtf8Printable(failed));
        return 1;
    }
    struct FixedDay final : Clock {
        QDate today() const override { return {2026, 3, 14}; }
        QTime now() const override { return {9, 5}; }
    } clock;
    Env env(store, dialogs, clock);
    if (argc <= 1) {
        ScaleDataSize size;
        if (!addScaleData(env, 100000, &size)) return 1;
        std::printf("%lld documents, %lld lines, %lld clients-suppliers, %lld payments\n", static_cast<long long>(size.documents),
                    static_cast<long long>(size.lines), static_cast<long long>(size.clientsSuppliers),
                    static_cast<long long>(size.payments));
    }
    std::printf("%s delivery rows, %s reception rows, %s client-suppliers\n",
                qUtf8Printable(store.scalar(DB_BL, QStringLiteral("select count(*) from fBL"))),
                qUtf8Printable(store.scalar(DB_BR, QStringLiteral("select count(*) from fBr"))),
                qUtf8Printable(store.scalar(DB_CF, QStringLiteral("select count(*) from fCF"))));

    // The last full year of the documents, and its last month.
    const QDate lastDay = QDate::fromString(store.scalar(DB_BL, QStringLiteral("select DateDoc from fBL order by DateNum desc limit 1")),
                                            QStringLiteral("dd/MM/yyyy"));
    const int year = lastDay.month() == 12 ? lastDay.year() : lastDay.year() - 1;
    const QString yearStart = QStringLiteral("01/01/%1").arg(year), yearEnd = QStringLiteral("31/12/%1").arg(year);
    // The client-supplier with the most deliveries.
    const QString busiest = store.scalar(
        DB_BL, QStringLiteral("select CF from fCF where CodeCF = (select CodeCF from fBL group by CodeCF order by count(*) desc limit 1)"));
    std::printf("year %d, statements of %s\n", year, qUtf8Printable(busiest));

    const int runs = 5;
    GlobalBalancesForm balances;
    measure("global balances, debtors", runs, [&] {
        buildGlobalBalances(env, balances);
        return balances.list.size();
    });
    balances.debtorsOnly = false;
    measure("global balances, creditors", runs, [&] {
        buildGlobalBalances(env, balances);
        return balances.list.size();
    });

    StatementForm statement;
    statement.name = busiest;
    statement.from = yearStart;
    statement.to = yearEnd;
    measure("detailed statement, a year", runs, [&] {
        buildDetailedStatement(env, statement);
        return statement.list.size();
    });
    measure("cumulative statement, a year", runs, [&] {
        buildCumulativeStatement(env, statement);
        return statement.list.size();
    });

    DocumentJournalForm journal;
    journal.from = QStringLiteral("01/12/%1").arg(year);
    journal.to = yearEnd;
    measure("delivery journal, a month", runs, [&] {
        showDocumentJournal(env, DocumentJournal::Deliveries, journal);
        return journal.list.size();
    });
    journal.name = busiest;
    journal.family = QStringLiteral("FAMILLE 03");
    measure("delivery journal, a month, both filters", runs, [&] {
        showDocumentJournal(env, DocumentJournal::Deliveries, journal);
        return journal.list.size();
    });
    journal.name.clear();
    journal.family.clear();
    journal.from = yearStart;
    measure("reception journal, a year", runs, [&] {
        showDocumentJournal(env, DocumentJournal::Receptions, journal);
        return journal.list.size();
    });

    TreasuryJournalForm book;
    book.from = yearStart;
    book.to = yearEnd;
    measure("bank journal, a year", runs, [&] {
        showBankJournal(env, book);
        return book.list.size();
    });
    measure("cash journal, a year", runs, [&] {
        showCashJournal(env, book);
        return book.list.size();
    });
    CashPaymentJournalForm cashPayments;
    cashPayments.from = yearStart;
    cashPayments.to = yearEnd;
    measure("cash-payment journal, a year", runs, [&] {
        showCashPaymentJournal(env, cashPayments);
        return cashPayments.list.size();
    });
    return 0;
}
