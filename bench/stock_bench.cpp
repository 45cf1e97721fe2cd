// Times what the stock window does at every line and every pick on a Data folder holding years
// of documents: validating a reception and a delivery line, a product's stock, a
// client-supplier's balance.
//   stock_bench [DOCUMENTS]   (100000 by default)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "common/env.h"
#include "common/values.h"
#include "console_dialogs.h"
#include "scale_data.h"
#include "stock/receptions_deliveries.h"
#include "stock/stock.h"
#include "store/data_folder.h"
#include "treasury/balances.h"

namespace {

using Timer = std::chrono::steady_clock;

double millisecondsSince(Timer::time_point start)
{
    return std::chrono::duration<double, std::milli>(Timer::now() - start).count();
}

// Runs `step` for every index and prints the mean and the slowest time.
void measure(const char* what, int runs, const std::function<void(int)>& prepare, const std::function<void(int)>& step)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare(i);
        const Timer::time_point start = Timer::now();
        step(i);
        times.push_back(millisecondsSince(start));
    }
    double total = 0;
    for (double t : times) total += t;
    std::printf("%-32s %4d runs  mean %7.3f ms  max %7.3f ms\n", what, runs, total / runs,
                *std::max_element(times.begin(), times.end()));
}

QString name(const char* prefix, qint64 number, int width)
{
    return QString::fromLatin1(prefix) + QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const qint64 documents = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLongLong() : 100000;
    QTemporaryDir dir;
    if (!createDataFolder(dir.path()).ok()) return 1;
    ConsoleDialogs dialogs;
    Store store(dialogs);
    if (!store.openDatabases(dir.path()).isEmpty()) return 1;
    struct FixedDay final : Clock {
        QDate today() const override { return {2026, 3, 14}; }
        QTime now() const override { return {9, 5}; }
    } clock;
    Env env(store, dialogs, clock);

    ScaleDataSize size;
    const Timer::time_point start = Timer::now();
    if (!addScaleData(env, documents, &size)) return 1;
    std::printf("%lld documents, %lld lines, %lld products, %lld clients-suppliers, %lld payments made in %.1f s\n",
                static_cast<long long>(size.documents), static_cast<long long>(size.lines),
                static_cast<long long>(size.products), static_cast<long long>(size.clientsSuppliers),
                static_cast<long long>(size.payments), millisecondsSince(start) / 1000);

    const int runs = 100;
    const auto product = [&](int i) { return name("PRODUIT ", 1 + (i * 37) % (size.products - 1), 6); };
    // Suppliers have codes 3k or 3k+2 (F, X), clients 3k+1 or 3k+2 (C, X).
    const auto clientSupplier = [&](qint64 code) { return name("CLIENT-FOURNISSEUR ", code, 5); };

    ReceptionForm reception;
    measure("validateReceptionLine", runs,
            [&](int i) {
                if (i % 10 == 0) newReception(env, reception); // ten lines per document
                reception.partner = clientSupplier(3 * (i % 50) + 3);
                reception.product = product(i);
                reception.quantity = QStringLiteral("12");
                reception.unitPrice = QStringLiteral("850.50");
            },
            [&](int) { validateReceptionLine(env, reception); });

    // Deliveries take products that are in stock.
    std::vector<QString> inStock;
    for (qint64 code = 1; code < size.products && inStock.size() < runs; ++code) {
        const std::optional<ProductRow> p = findProductByName(env, name("PRODUIT ", code, 6));
        if (p && computeStock(env, p->code, p->initialQuantity).value >= Amount::fromUnits(1)) inStock.push_back(p->designation);
    }
    DeliveryForm delivery;
    measure("validateDeliveryLine", runs,
            [&](int i) {
                if (i % 10 == 0) newDelivery(env, delivery);
                delivery.partner = clientSupplier(3 * (i % 50) + 1);
                delivery.product = inStock[static_cast<std::size_t>(i) % inStock.size()];
                delivery.quantity = QStringLiteral("0.01");
                delivery.unitPrice = QStringLiteral("990");
            },
            [&](int) { validateDeliveryLine(env, delivery); });
    const QString written = store.scalar(DB_BR, QStringLiteral("select count(*) from fBr where datenum=?"), {toDateNum(QStringLiteral("14/03/2026"))});
    const QString delivered = store.scalar(DB_BL, QStringLiteral("select count(*) from fBL where datenum=?"), {toDateNum(QStringLiteral("14/03/2026"))});
    std::printf("rows written: %s reception rows, %s delivery rows (%d lines and %d summaries each expected)\n",
                qUtf8Printable(written), qUtf8Printable(delivered), runs, runs / 10);

    measure("computeStock", runs, [](int) {},
            [&](int i) {
                const QString code = QString::number(1 + (i * 53) % (size.products - 1));
                computeStock(env, code, QStringLiteral("1000"));
            });
    measure("computeClientSupplierBalance", runs, [](int) {},
            [&](int i) { computeClientSupplierBalance(env, clientSupplier(1 + (i * 7) % size.clientsSuppliers)); });
    return 0;
}
