#pragma once
// A Data folder with the rows the journals, statements and balances read: products,
// client-suppliers, document lines and summary rows, payments, cash and bank operations.
// Amounts and quantities are in hundredths; dates are date texts.

#include "common/values.h"
#include "data_fixture.h"

class LedgerFixture : public DataFixture {
protected:
    void addProduct(int code, const QString& family, const QString& designation, qint64 initialQuantity = 0)
    {
        exec(DB_PROD, QStringLiteral("insert into fprod (Codeprod,fam,ref,Prod,Um,Qi,Pa,Pvd,Pvg) values (?,?,'',?,'U',?,0,0,0)"),
             {code, family, designation, initialQuantity});
    }
    void addClientSupplier(int code, const QString& name, qint64 openingBalance = 0, const QString& relation = QStringLiteral("X"))
    {
        exec(DB_CF, QStringLiteral("insert into fCF (CodeCF,CF,Ad,Tel,Rc,Mf,Art,Nis,Si,typecf) values (?,?,'','','','','','',?,?)"),
             {code, name, openingBalance, relation});
    }
    // A line of a reception (fBr), delivery (fBL) or invoice (facv).
    void addLine(DbNumber db, int number, const QString& date, int client, int product, qint64 quantity, qint64 unitPrice,
                 qint64 amount, const QString& driver = QString())
    {
        if (db == DB_FACV)
            exec(db, QStringLiteral("insert into facv (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht) "
                                    "values (?,?,?,?,?,'U',?,?,?,0)"),
                 {number, date, toDateNum(date), client, product, quantity, unitPrice, amount});
        else
            exec(db, QStringLiteral("insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,"
                                    "ttc,modep,camion,chauf,ver,lastsolde,newsolde) "
                                    "values (?,?,?,?,?,'U',?,?,?,0,1,0,0,'','',?,0,0,0)")
                         .arg(tableOf(db)),
                 {number, date, toDateNum(date), client, product, quantity, unitPrice, amount, driver});
    }
    // The summary row of a reception or delivery.
    void addSummary(DbNumber db, int number, const QString& date, int client, qint64 ht, qint64 discount, qint64 paid,
                    const QString& mode, const QString& driver = QString())
    {
        exec(db, QStringLiteral("insert into %1 (Numdoc,DateDoc,DateNum,CodeCF,CodeProd,Um,Qte,Pu,Mnt,ht,frais,remise,"
                                "ttc,modep,camion,chauf,ver,lastsolde,newsolde) "
                                "values (?,?,?,?,9999,'',0,0,0,?,99,?,?,?,'',?,?,0,0)")
                     .arg(tableOf(db)),
             {number, date, toDateNum(date), client, ht, discount, ht - discount, mode, driver, paid});
    }
    // A payment received (fVerR) or issued (fVerE).
    void addPayment(const QString& table, int number, const QString& date, int client, qint64 amount, const QString& mode,
                    const QString& remark = QString())
    {
        exec(DB_VER, QStringLiteral("insert into %1 (numdoc,DateDoc,DateNum,CodeCF,Mnt,Modep,obs) values (?,?,?,?,?,?,?)").arg(table),
             {number, date, toDateNum(date), client, amount, mode, remark});
    }
    void addCashOperation(int number, const QString& date, qint64 receipt, qint64 expense, const QString& motive)
    {
        exec(DB_CAISSE, QStringLiteral("insert into fcaisse (NumOp,DateOp,DateNum,rec,dep,obs) values (?,?,?,?,?,?)"),
             {number, date, toDateNum(date), receipt, expense, motive});
    }
    void addBankOperation(int number, const QString& date, qint64 receipt, qint64 expense, const QString& references)
    {
        exec(DB_BANK, QStringLiteral("insert into fbank (NumOp,DateOp,DateNum,rec,dep,ref) values (?,?,?,?,?,?)"),
             {number, date, toDateNum(date), receipt, expense, references});
    }
    void setOpeningBalances(qint64 cash, qint64 bank)
    {
        exec(DB_SITRES, QStringLiteral("delete from fSitres"));
        exec(DB_SITRES, QStringLiteral("insert into fSitres (sicaisse,sibank) values (?,?)"), {cash, bank});
    }

    static QString tableOf(DbNumber db)
    {
        return db == DB_BL ? QStringLiteral("fBL") : db == DB_BR ? QStringLiteral("fBr") : QStringLiteral("facv");
    }
    // The boxes shown so far, and forgets them.
    std::vector<ShownBox> shown() { return dialogs.takeShown(); }
    static ShownBox error(const char* text) { return {QStringLiteral("message"), QStringLiteral("Erreur"), QString::fromUtf8(text)}; }
};
