#pragma once
// A Data folder with a few products and clients-suppliers, for the stock documents' tests.

#include "data_fixture.h"
#include "stock/receptions_deliveries.h"

class StockFixture : public DataFixture {
protected:
    // Prices and quantities in hundredths.
    void addProduct(int code, const QString& family, const QString& designation, const QString& unit,
                    qint64 initialQuantity, qint64 purchasePrice, qint64 retailPrice, qint64 wholesalePrice = 0)
    {
        exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,?,?,?,?,?,?,?)"),
             {code, family, QString(), designation, unit, initialQuantity, purchasePrice, retailPrice, wholesalePrice});
    }
    void addClientSupplier(int code, const QString& name, qint64 openingBalance, const QString& relation)
    {
        exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
             {code, name, QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x"),
              QStringLiteral("x"), QStringLiteral("x"), openingBalance, relation});
    }
    // Fills the line fields as a user would type them.
    template <typename Form>
    static void typeLine(Form& form, const QString& product, const QString& quantity, const QString& unitPrice)
    {
        form.product = product;
        form.quantity = quantity;
        form.unitPrice = unitPrice;
    }
    // The boxes shown so far, and forgets them.
    std::vector<ShownBox> shown() { return dialogs.takeShown(); }
    static ShownBox error(const char* text) { return {QStringLiteral("message"), QStringLiteral("Erreur"), QString::fromUtf8(text)}; }
};
