#include "scale_data.h"

#include <random>
#include <vector>

#include "common/env.h"
#include "common/values.h"

namespace {

const char* const UNITS[] = {"U", "SAC", "KG", "BTE", "M"};
constexpr int FAMILIES = 20;
constexpr int YEARS = 6;

struct Product {
    qint64 purchasePrice;
    qint64 salePrice;
    QString unit;
};

const QString INSERT_DOCUMENT_ROW = QStringLiteral(
    "insert into %1 (numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,ttc,modep,camion,chauf,"
    "ver,lastsolde,newsolde) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");

} // namespace

bool addScaleData(Env& env, qint64 documents, ScaleDataSize* size)
{
    Store& store = env.store;
    std::mt19937_64 random(20);
    const auto between = [&random](qint64 low, qint64 high) {
        return std::uniform_int_distribution<qint64>(low, high)(random);
    };
    ScaleDataSize made;
    made.products = std::max<qint64>(50, documents / 50);
    made.clientsSuppliers = std::max<qint64>(20, documents / 200);

    Transaction guard(store, DB_PROD);
    if (!guard.isActive()) return false;
    PreparedStatement family = store.prepare(DB_FAM, QStringLiteral("insert into ffam (fam) values (?)"));
    PreparedStatement product = store.prepare(
        DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)"));
    PreparedStatement clientSupplier = store.prepare(
        DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,?,?,?,?,?,?,?)"));
    PreparedStatement receptionRow = store.prepare(DB_BR, INSERT_DOCUMENT_ROW.arg(QStringLiteral("fBr")));
    PreparedStatement deliveryRow = store.prepare(DB_BL, INSERT_DOCUMENT_ROW.arg(QStringLiteral("fBL")));
    const QString insertPayment = QStringLiteral("insert into %1 (numdoc,DateDoc,DateNum,CodeCF,Mnt,Modep,obs) values (?,?,?,?,?,?,?)");
    PreparedStatement paymentReceived = store.prepare(DB_VER, insertPayment.arg(QStringLiteral("fVerR")));
    PreparedStatement paymentIssued = store.prepare(DB_VER, insertPayment.arg(QStringLiteral("fVerE")));

    for (int f = 1; f <= FAMILIES; ++f)
        if (!family.run({QStringLiteral("FAMILLE %1").arg(f, 2, 10, QLatin1Char('0'))})) return false;

    std::vector<Product> products;
    for (qint64 code = 1; code <= made.products; ++code) {
        if (code == integerValue(SUMMARY_CODE)) continue; // never a product's code
        const qint64 purchase = between(100, 500000);
        const Product p{purchase, purchase + purchase / 4, QString::fromLatin1(UNITS[code % 5])};
        products.push_back(p);
        if (!product.run({code, QStringLiteral("FAMILLE %1").arg(code % FAMILIES + 1, 2, 10, QLatin1Char('0')), QString(),
                          QStringLiteral("PRODUIT %1").arg(code, 6, 10, QLatin1Char('0')), p.unit, between(0, 1000) * 100,
                          p.purchasePrice, p.salePrice, p.salePrice}))
            return false;
    }
    const auto productCode = [](std::size_t index) {
        const qint64 code = static_cast<qint64>(index) + 1;
        return code >= integerValue(SUMMARY_CODE) ? code + 1 : code;
    };

    // Suppliers are F or X, clients C or X.
    std::vector<qint64> suppliers, clients, balances(static_cast<std::size_t>(made.clientsSuppliers) + 1, 0);
    const QString relations[] = {QStringLiteral("F"), QStringLiteral("C"), QStringLiteral("X")};
    for (qint64 code = 1; code <= made.clientsSuppliers; ++code) {
        const QString& relation = relations[code % 3];
        if (relation != u"C") suppliers.push_back(code);
        if (relation != u"F") clients.push_back(code);
        balances[static_cast<std::size_t>(code)] = between(-500000, 500000);
        const QString x = QStringLiteral("x");
        if (!clientSupplier.run({code, QStringLiteral("CLIENT-FOURNISSEUR %1").arg(code, 5, 10, QLatin1Char('0')), x, x, x, x,
                                 x, x, balances[static_cast<std::size_t>(code)], relation}))
            return false;
    }

    const QDate firstDay(2020, 1, 1);
    const qint64 days = YEARS * 365;
    qint64 receptionNumber = 0, deliveryNumber = 0, paymentNumber = 0;
    for (qint64 i = 0; i < documents; ++i) {
        const bool isReception = i % 2 == 0;
        const QDate day = firstDay.addDays(i * days / documents);
        const QString date = dateText(day);
        const qint64 dateNum = toDateNum(date);
        const std::vector<qint64>& partners = isReception ? suppliers : clients;
        const qint64 partner = partners[static_cast<std::size_t>(between(0, static_cast<qint64>(partners.size()) - 1))];
        const qint64 number = isReception ? ++receptionNumber : ++deliveryNumber;
        PreparedStatement& row = isReception ? receptionRow : deliveryRow;
        const QString driver = QStringLiteral("CHAUFFEUR %1").arg(i % 10);
        const QString zero = QStringLiteral("0");

        qint64 total = 0;
        const qint64 lineCount = between(1, 5);
        for (qint64 line = 1; line <= lineCount; ++line) {
            const std::size_t index = static_cast<std::size_t>(between(0, static_cast<qint64>(products.size()) - 1));
            const Product& p = products[index];
            // A little more comes in than goes out, as in a shop that keeps its shelves filled.
            const qint64 quantity = (isReception ? between(5, 55) : between(1, 50)) * 100;
            const qint64 unitPrice = isReception ? p.purchasePrice : p.salePrice;
            const QString amount = lineAmountText(QString::number(quantity), QString::number(unitPrice));
            total += integerValue(amount);
            if (!row.run({number, date, dateNum, partner, productCode(index), p.unit, quantity, unitPrice, amount, zero, line,
                          zero, zero, QString(), QString(), driver, zero, zero, zero}))
                return false;
        }
        made.lines += lineCount;

        const qint64 discount = i % 7 == 0 ? total / 100 : 0;
        QString mode;
        qint64 paid = 0;
        switch (i % 4) {
        case 0:
            mode = QStringLiteral("ESPECE");
            paid = total - discount;
            break;
        case 1: mode = QStringLiteral("A TERME"); break;
        case 2:
            mode = QStringLiteral("Chèque n° %1").arg(i);
            paid = total - discount;
            break;
        default:
            mode = QStringLiteral("Virement n° %1").arg(i);
            paid = (total - discount) / 2;
        }
        qint64& balance = balances[static_cast<std::size_t>(partner)];
        const qint64 before = balance;
        balance += (isReception ? -1 : 1) * (total - paid - discount);
        if (!row.run({number, date, dateNum, partner, SUMMARY_CODE, QString(), QString(), QString(), zero, total, 99, discount,
                      total - discount, mode, QString(), driver, paid, before, balance}))
            return false;

        if (i % 10 == 9) {
            const bool received = (i / 10) % 2 == 0;
            const std::vector<qint64>& payers = received ? clients : suppliers;
            const qint64 payer = payers[static_cast<std::size_t>(between(0, static_cast<qint64>(payers.size()) - 1))];
            const qint64 amount = between(1000, 1000000);
            balances[static_cast<std::size_t>(payer)] += received ? -amount : amount;
            if (!(received ? paymentReceived : paymentIssued)
                     .run({++paymentNumber, date, dateNum, payer, amount, QStringLiteral("ESPECE"), QStringLiteral("VERSEMENT")}))
                return false;
        }
    }
    made.documents = documents;
    made.payments = paymentNumber;
    if (!guard.commit()) return false;
    if (size) *size = made;
    return true;
}
