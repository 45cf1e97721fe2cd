#pragma once
// The documents the form tests print: a reception of three lines and a delivery of two, with
// the client and products the delivery form looks up.

#include <initializer_list>
#include <QStringList>

#include "print/stock_forms.h"
#include "store/store.h"

// A row of a line list: NL, designation, unit, quantity, unit price, amount.
inline QStringList listRow(std::initializer_list<const char*> cells)
{
    QStringList row;
    for (const char* cell : cells) row.append(QString::fromUtf8(cell));
    return row;
}

inline StockFormData sampleReception()
{
    StockFormData data;
    data.number = QStringLiteral("12");
    data.date = QStringLiteral("14/03/2026");
    data.partyName = QStringLiteral("SARL ATLAS");
    data.lines = {
        listRow({"1", "CIMENT 50KG", "SAC", "10.00", "850.00", "8 500.00"}),
        listRow({"2", "FER A BETON 12", "KG", "250.00", "120.00", "30 000.00"}),
        listRow({"3", "BRIQUE", "U", "1 000.00", "25.00", "25 000.00"}),
    };
    data.totalHt = QStringLiteral("63 500.00");
    data.payment = QStringLiteral("60 000.00");
    data.discount = QStringLiteral("500.00");
    data.newBalance = QStringLiteral("3 000.00");
    data.oldBalance = QStringLiteral("1 250.00");
    return data;
}

// Client "ETS BENALI" of "12 RUE DES PINS ORAN"; "CIMENT 50KG" coded 3 and "BRIQUE" coded 5.
inline void addSampleClientAndProducts(Store& store)
{
    store.updateChecked(DB_CF, QStringLiteral("insert into fCF values(4,'ETS BENALI','12 RUE DES PINS ORAN',"
                                              "'041000000','x','x','x','x',0,'C')"));
    store.updateChecked(DB_PROD, QStringLiteral("insert into fprod values(3,'LIANTS','','CIMENT 50KG','SAC',0,85000,95000,95000)"));
    store.updateChecked(DB_PROD, QStringLiteral("insert into fprod values(5,'BRIQUES','','BRIQUE','U',0,2500,3000,3000)"));
}

inline StockFormData sampleDelivery()
{
    StockFormData data;
    data.number = QStringLiteral("7");
    data.date = QStringLiteral("14/03/2026");
    data.partyName = QStringLiteral("ETS BENALI");
    data.paymentMode = QStringLiteral("ESPECE");
    data.lines = {
        listRow({"1", "CIMENT 50KG", "SAC", "10.00", "950.00", "9 500.00"}),
        listRow({"2", "BRIQUE", "U", "1 000.00", "30.00", "30 000.00"}),
    };
    data.totalHt = QStringLiteral("39 500.00");
    data.payment = QStringLiteral("39 000.00");
    data.discount = QStringLiteral("500.00");
    data.newBalance = QStringLiteral("1 250.00");
    data.oldBalance = QStringLiteral("1 250.00");
    return data;
}
