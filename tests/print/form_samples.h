#pragma once
// The documents the form tests print: a reception of three lines and a delivery of two, with
// the client and products the delivery form looks up; an invoice or proforma of three lines
// made by the tab's own operations.

#include <initializer_list>
#include <QStringList>

#include "common/env.h"
#include "print/stock_forms.h"
#include "stock/invoices.h"
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

// Client "ETS BENALI" of "12 RUE DES PINS ORAN"; "CIMENT 50KG" coded 3 and "BRIQUE" coded 5;
// "FER A BETON 12" coded 6 sold by "KG" and "PEINTURE BLANCHE" coded 7 by the "LITRE".
inline void addSampleClientAndProducts(Store& store)
{
    store.updateChecked(DB_CF, QStringLiteral("insert into fCF values(4,'ETS BENALI','12 RUE DES PINS ORAN',"
                                              "'041000000','x','x','x','x',0,'C')"));
    store.updateChecked(DB_PROD, QStringLiteral("insert into fprod values(3,'LIANTS','','CIMENT 50KG','SAC',0,85000,95000,95000)"));
    store.updateChecked(DB_PROD, QStringLiteral("insert into fprod values(5,'BRIQUES','','BRIQUE','U',0,2500,3000,3000)"));
    store.updateChecked(DB_PROD, QStringLiteral("insert into fprod values(6,'FER','','FER A BETON 12','KG',0,2000,2500,2500)"));
    store.updateChecked(DB_PROD,
                        QStringLiteral("insert into fprod values(7,'PEINTURES','','PEINTURE BLANCHE','LITRE',0,30000,37500,37500)"));
}

// Adds a line to an invoice or proforma as its tab does on F5.
inline void addInvoiceLine(Env& env, InvoiceForm& form, const char* designation, const char* quantity, const char* unitPrice)
{
    form.designation = QString::fromUtf8(designation);
    form.quantity = QString::fromUtf8(quantity);
    form.unitPrice = QString::fromUtf8(unitPrice);
    (form.kind == InvoiceKind::Invoice ? validateInvoiceLine : validateProformaLine)(env, form);
}

// What the invoice or proforma tab shows after New (VAT at 19 %, paid "ESPECE" by default),
// the client ETS BENALI with its numbers typed in, and three lines totalling 12 500.00 of
// units of three, two and five letters. addSampleClientAndProducts first.
inline InvoiceForm sampleInvoice(Env& env, InvoiceKind kind)
{
    LoadedParameters parameters;
    parameters.tauxTva = QStringLiteral("19");
    parameters.modepFac = QStringLiteral("ESPECE");
    env.setParameters(parameters);
    const bool invoice = kind == InvoiceKind::Invoice;
    InvoiceForm form(kind);
    form.date = QStringLiteral("14/03/2026");
    (invoice ? newInvoice : newProforma)(env, form);
    form.client = QStringLiteral("ETS BENALI");
    (invoice ? showInvoiceClient : showProformaClient)(env, form);
    form.rc = QStringLiteral("31/00-0012345 B 09");
    form.mf = QStringLiteral("000931012345678");
    form.art = QStringLiteral("31012345678");
    form.nis = QStringLiteral("099331001234567");
    addInvoiceLine(env, form, "CIMENT 50KG", "10", "850");
    addInvoiceLine(env, form, "FER A BETON 12", "100", "25");
    addInvoiceLine(env, form, "PEINTURE BLANCHE", "4", "375");
    return form;
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
