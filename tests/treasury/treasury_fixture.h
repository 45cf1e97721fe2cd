#pragma once
// A Data folder for the treasury's tests, with the rows the treasury counts: summary rows of
// deliveries and receptions, payments, cash and bank operations, opening balances.

#include "common/values.h"
#include "data_fixture.h"

class TreasuryFixture : public DataFixture {
protected:
    void addClientSupplier(int code, const QString& name, qint64 openingBalance, const QString& relation = QStringLiteral("X"))
    {
        exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,?,?,?,?,?,?,?,?)"),
             {code, name, QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x"),
              QStringLiteral("x"), QStringLiteral("x"), openingBalance, relation});
    }
    // The summary row of a delivery (fBL) or reception (fBr): its total, discount, payment and mode.
    void addSummary(DbNumber db, int number, int partner, qint64 ht, qint64 discount, qint64 paid, const QString& mode,
                    const QString& date = QStringLiteral("10/03/2026"))
    {
        exec(db,
             QStringLiteral("insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Mnt,ht,frais,remise,ttc,modep,ver) "
                            "values (?,?,?,?,9999,0,?,99,?,?,?,?)")
                 .arg(db == DB_BL ? QStringLiteral("fBL") : QStringLiteral("fBr")),
             {number, date, toDateNum(date), partner, ht, discount, ht - discount, mode, paid});
    }
    // A line row of a delivery or reception.
    void addLine(DbNumber db, int number, int partner, int product, qint64 quantity, qint64 amount,
                 const QString& date = QStringLiteral("10/03/2026"))
    {
        exec(db,
             QStringLiteral("insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Qte,Pu,Mnt,ht,frais,remise,ver) "
                            "values (?,?,?,?,?,?,0,?,0,1,0,0)")
                 .arg(db == DB_BL ? QStringLiteral("fBL") : QStringLiteral("fBr")),
             {number, date, toDateNum(date), partner, product, quantity, amount});
    }
    // A payment received (fVerR) or issued (fVerE).
    void addPayment(const char* table, int number, int partner, qint64 amount, const QString& mode,
                    const QString& date = QStringLiteral("10/03/2026"))
    {
        exec(DB_VER,
             QStringLiteral("insert into %1 (numdoc,DateDoc,DateNum,CodeCF,Mnt,Modep,obs) values (?,?,?,?,?,?,'')")
                 .arg(QLatin1String(table)),
             {number, date, toDateNum(date), partner, amount, mode});
    }
    // A cash (fcaisse) or bank (fbank) operation.
    void addOperation(DbNumber db, int number, qint64 receipt, qint64 expense, const QString& text,
                      const QString& date = QStringLiteral("10/03/2026"))
    {
        exec(db,
             QStringLiteral("insert into %1 values (?,?,?,?,?,?)")
                 .arg(db == DB_CAISSE ? QStringLiteral("fcaisse") : QStringLiteral("fbank")),
             {number, date, toDateNum(date), receipt, expense, text});
    }
    void setOpeningBalances(qint64 cash, qint64 bank)
    {
        exec(DB_SITRES, QStringLiteral("insert into fSitres (sicaisse,sibank) values (?,?)"), {cash, bank});
    }

    // The boxes shown so far, and forgets them.
    std::vector<ShownBox> shown() { return dialogs.takeShown(); }
    static ShownBox error(const char* text) { return {QStringLiteral("message"), QStringLiteral("Erreur"), QString::fromUtf8(text)}; }
};
