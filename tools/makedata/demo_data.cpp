#include "demo_data.h"

#include <vector>

#include "common/env.h"
#include "common/values.h"
#include "stock/receptions_deliveries.h"

namespace {

struct DemoProduct {
    const char* family;
    const char* designation;
    const char* unit;
    int initialUnits;
    int purchasePrice; // hundredths
    int retailPrice;
    int wholesalePrice;
};

const DemoProduct PRODUCTS[] = {
    {"CIMENTERIE", "CIMENT CPJ 42.5 SAC 50KG", "SAC", 200, 85000, 98000, 93000},
    {"CIMENTERIE", "CIMENT BLANC SAC 25KG", "SAC", 40, 120000, 145000, 138000},
    {"CIMENTERIE", "PLÂTRE DE MOULAGE 25KG", "SAC", 60, 65000, 78000, 74000},
    {"QUINCAILLERIE", "POINTES 70MM BOÎTE 1KG", "BTE", 120, 22000, 30000, 27000},
    {"QUINCAILLERIE", "VIS À BOIS 4X40 (100)", "BTE", 80, 18000, 26000, 23000},
    {"QUINCAILLERIE", "CADENAS LAITON 40MM", "U", 35, 45000, 65000, 58000},
    {"PEINTURE", "PEINTURE À EAU BLANCHE 25KG", "SEAU", 30, 420000, 520000, 490000},
    {"PEINTURE", "VERNIS INCOLORE 1L", "U", 48, 55000, 75000, 69000},
    {"PLOMBERIE", "TUBE PVC Ø110 - 4M", "U", 90, 110000, 145000, 135000},
    {"PLOMBERIE", "ROBINET D'ARRÊT 1/2\"", "U", 64, 38000, 55000, 49000},
    {"ÉLECTRICITÉ", "CÂBLE RIGIDE 2.5MM² (100M)", "RLX", 25, 480000, 590000, 560000},
    {"ÉLECTRICITÉ", "AMPOULE LED 12W E27", "U", 300, 9000, 15000, 13000},
    {"FER À BÉTON", "ROND À BÉTON Ø12 - 12M", "BARRE", 500, 98000, 115000, 108000},
    {"FER À BÉTON", "FIL À LIGATURER", "KG", 150, 21000, 28000, 26000},
};

struct DemoClientSupplier {
    const char* name;
    const char* address;
    const char* telephone;
    const char* rc;
    const char* mf;
    const char* art;
    const char* nis;
    int openingBalance; // hundredths; positive is owed to the business
    const char* relation;
};

const DemoClientSupplier CLIENTS_SUPPLIERS[] = {
    {"SARL ATLAS MATÉRIAUX", "ZONE INDUSTRIELLE, LOT 14 - BLIDA", "025 41 12 30", "09B0123456", "000909012345678",
     "09012345671", "000909012345600", -1250000, "F"},
    {"ETS BENALI & FILS", "12 RUE DES FRÈRES AMIR - MÉDÉA", "025 58 33 10", "26A0456789", "000926045678912",
     "26045678911", "000926045678900", 0, "F"},
    {"CIMENTERIE DU CHÉLIFF", "ROUTE NATIONALE 4 - CHLEF", "027 77 21 05", "02B0987654", "000202098765432",
     "02098765431", "000202098765400", -4800000, "F"},
    {"ENTREPRISE BATIR PLUS", "CITÉ 500 LOGTS, BT 3 - BOUFARIK", "0550 12 34 56", "09A0654321", "000909065432198",
     "09065432191", "000909065432100", 350000, "C"},
    {"M. KACI ALI", "HAI EL AMEL N° 7 - BLIDA", "0661 22 44 88", "x", "x", "x", "x", 0, "C"},
    {"SNC OUALI ET CIE", "45 BD DE L'ALN - KOLÉA", "024 38 12 12", "42B0321654", "000942032165498",
     "42032165491", "000942032165400", 1275050, "C"},
    {"QUINCAILLERIE L'ÉTOILE", "PLACE DU MARCHÉ - OUED EL ALLEUG", "025 39 90 01", "09A0789123", "000909078912345",
     "09078912341", "000909078912300", 0, "X"},
};

struct DemoLine {
    const char* product;
    const char* quantity;
};

struct DemoDocument {
    int daysAgo;
    const char* partner;
    PaymentOption option;
    const char* payment;   // typed VERSEMENT, or null for what the option proposes
    const char* reference; // completes the mode of a cheque or a transfer
    const char* truck;
    const char* driver;
    std::vector<DemoLine> lines;
};

const DemoDocument RECEPTIONS[] = {
    {40, "CIMENTERIE DU CHÉLIFF", PaymentOption::Cheque, nullptr, " 0045871", "01234-116-09", "MOURAD",
     {{"CIMENT CPJ 42.5 SAC 50KG", "100"}, {"CIMENT BLANC SAC 25KG", "20"}}},
    {25, "SARL ATLAS MATÉRIAUX", PaymentOption::ATerme, nullptr, "", "", "",
     {{"ROND À BÉTON Ø12 - 12M", "200"}, {"FIL À LIGATURER", "50"}, {"TUBE PVC Ø110 - 4M", "30"}}},
    {10, "ETS BENALI & FILS", PaymentOption::Espece, nullptr, "", "", "SAMIR",
     {{"POINTES 70MM BOÎTE 1KG", "40"}, {"VIS À BOIS 4X40 (100)", "30"}, {"CADENAS LAITON 40MM", "12"},
      {"AMPOULE LED 12W E27", "100"}}},
};

const DemoDocument DELIVERIES[] = {
    {20, "ENTREPRISE BATIR PLUS", PaymentOption::Espece, "50000", "", "00987-115-16", "KARIM",
     {{"CIMENT CPJ 42.5 SAC 50KG", "60"}, {"ROND À BÉTON Ø12 - 12M", "80"}, {"FIL À LIGATURER", "20"}}},
    {5, "M. KACI ALI", PaymentOption::Espece, nullptr, "", "", "",
     {{"PEINTURE À EAU BLANCHE 25KG", "4"}, {"VERNIS INCOLORE 1L", "6"}, {"AMPOULE LED 12W E27", "20"}}},
    {2, "SNC OUALI ET CIE", PaymentOption::Virement, nullptr, " BNA 2231-7", "", "",
     {{"TUBE PVC Ø110 - 4M", "10"}, {"ROBINET D'ARRÊT 1/2\"", "12"}, {"CÂBLE RIGIDE 2.5MM² (100M)", "3"}}},
};

// Types a document as a user does on its tab: partner, each line picked by its designation
// with the price the tab proposes, then the payment. False when a line was refused.
template <typename Form>
bool typeDocument(Env& env, const NoteOperations<Form>& operations, const DemoDocument& document)
{
    Form form;
    operations.newNote(env, form);
    form.date = dateText(env.clock.today().addDays(-document.daysAgo));
    form.partner = QString::fromUtf8(document.partner);
    form.truck = QString::fromUtf8(document.truck);
    form.driver = QString::fromUtf8(document.driver);
    operations.showBalance(env, form);
    for (const DemoLine& line : document.lines) {
        form.product = QString::fromUtf8(line.product);
        operations.productChanged(env, form);
        operations.showProduct(env, form);
        form.quantity = QString::fromUtf8(line.quantity);
        const int before = form.lines.size();
        operations.validate(env, form);
        if (form.lines.size() != before + 1) return false;
    }
    operations.setOption(env, form, document.option);
    form.paymentMode += QString::fromUtf8(document.reference);
    if (document.payment) form.payment = QString::fromUtf8(document.payment);
    operations.computeTotals(env, form);
    operations.saveSummary(env, form);
    return true;
}

} // namespace

bool addDemoData(Env& env)
{
    Store& store = env.store;
    Transaction products(store, DB_PROD);
    int code = 0;
    for (const DemoProduct& p : PRODUCTS) {
        const QString family = QString::fromUtf8(p.family);
        if (!store.updateChecked(DB_PROD,
                                 QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) "
                                                "values (?,?,?,?,?,?,?,?,?)"),
                                 {++code, family, QString(), QString::fromUtf8(p.designation),
                                  QString::fromUtf8(p.unit), qint64(p.initialUnits) * 100, p.purchasePrice,
                                  p.retailPrice, p.wholesalePrice}))
            return false;
        if (store.queryChecked(DB_FAM, QStringLiteral("select * from ffam where fam=?"), {family}).isEmpty()
            && !store.updateChecked(DB_FAM, QStringLiteral("insert into ffam (fam) values (?)"), {family}))
            return false;
    }
    code = 0;
    for (const DemoClientSupplier& c : CLIENTS_SUPPLIERS) {
        if (!store.updateChecked(DB_CF,
                                 QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) "
                                                "values (?,?,?,?,?,?,?,?,?,?)"),
                                 {++code, QString::fromUtf8(c.name), QString::fromUtf8(c.address),
                                  QString::fromUtf8(c.telephone), QString::fromUtf8(c.rc), QString::fromUtf8(c.mf),
                                  QString::fromUtf8(c.art), QString::fromUtf8(c.nis), c.openingBalance,
                                  QString::fromUtf8(c.relation)}))
            return false;
    }
    if (!products.commit()) return false;

    for (const DemoDocument& document : RECEPTIONS)
        if (!typeDocument(env, RECEPTION_OPERATIONS, document)) return false;
    for (const DemoDocument& document : DELIVERIES)
        if (!typeDocument(env, DELIVERY_OPERATIONS, document)) return false;
    return true;
}
