// Real output: forms printed to PDF through the painter canvas and read back with pdftotext,
// the system print dialog cancelled, and the windows' fonts after a print.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "data_fixture.h"
#include "form_samples.h"
#include "pdf_text.h"
#include "print/invoice_forms.h"
#include "print/printer_choices.h"
#include "print/stock_forms.h"
#include "widgets/screen_fonts.h"

namespace {

class PrintOutputTest : public DataFixture {
protected:
    PrintOutputTest() { addSampleClientAndProducts(store); }

    QString pdfPath(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A delivery of `count` lines of products coded 101, 102...
    StockFormData delivery(int count)
    {
        StockFormData data;
        data.number = QStringLiteral("61");
        data.date = QStringLiteral("14/03/2026");
        data.partyName = QStringLiteral("ETS BENALI");
        data.paymentMode = QStringLiteral("A TERME");
        for (int n = 1; n <= count; ++n) {
            const QString name = QStringLiteral("PRODUIT %1").arg(n, 2, 10, QLatin1Char('0'));
            exec(DB_PROD, QStringLiteral("insert into fprod values(?,'DIVERS','',?,'U',0,100,200,200)"), {100 + n, name});
            data.lines.push_back({QString::number(n), name, n % 2 ? QStringLiteral("U") : QStringLiteral("KG"),
                                  QStringLiteral("%1.00").arg(n), QStringLiteral("2.00"), QStringLiteral("%1.00").arg(2 * n)});
        }
        data.totalHt = QStringLiteral("3 660.00");
        data.newBalance = QStringLiteral("4 910.00");
        data.oldBalance = QStringLiteral("1 250.00");
        return data;
    }
};

} // namespace

TEST_F(PrintOutputTest, ASixtyLineDeliveryPrintsEveryLineOnTwoPages)
{
    const QString pdf = pdfPath("delivery.pdf");
    PdfPrinterChoice printers(pdf);
    printDeliveryForm(env, printers, delivery(60));
    EXPECT_TRUE(dialogs.shown.empty());
    keepSample(pdf, QStringLiteral("delivery-60.pdf"));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    const QString all = pages.join(QString());
    for (int n = 1; n <= 60; ++n) {
        const QString name = QStringLiteral("PRODUIT %1").arg(n, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(all.count(name), 1) << qUtf8Printable(name);
        // The line: the product's code, its designation, unit, quantity, price and amount.
        EXPECT_TRUE(hasRow(all, {QString::number(100 + n), name, n % 2 ? QStringLiteral("U") : QStringLiteral("KG"),
                                 figure(QStringLiteral("%1.00").arg(n)), figure(QStringLiteral("2.00")),
                                 figure(QStringLiteral("%1.00").arg(2 * n))}))
            << qUtf8Printable(name);
    }
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains(QStringLiteral("BON DE LIVRAISON N° 61")));
        EXPECT_TRUE(page.contains(QStringLiteral("DATE : 14/03/2026 (09:05)")));
        EXPECT_TRUE(page.contains(QStringLiteral("CLIENT:")));
        EXPECT_TRUE(page.contains(QStringLiteral("ETS BENALI 12 RUE DES PINS ORAN")));
        EXPECT_TRUE(page.contains(QStringLiteral("Prix unitaire")));
    }
    EXPECT_FALSE(pages[0].contains(QStringLiteral("CACHET ET SIGNATURE")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("CACHET ET SIGNATURE")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("MODE DE PAYEMENT:")));
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("TOTAL HT:"), figure(QStringLiteral("3 660.00"))}));
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("NOUVEAU SOLDE :"), figure(QStringLiteral("4 910.00"))}));
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("ANCIEN SOLDE:"), QStringLiteral("1 250.00")}));
    // The letterhead picture heads both pages.
    EXPECT_EQ(pdfImages(pdf), (QStringList{QStringLiteral("1 997x165"), QStringLiteral("2 997x165")}));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("VERSEMENT")));
}

TEST_F(PrintOutputTest, AReceptionPrintsToPdf)
{
    const QString pdf = pdfPath("reception.pdf");
    PdfPrinterChoice printers(pdf);
    printReceptionForm(env, printers, sampleReception());
    keepSample(pdf, QStringLiteral("reception.pdf"));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    EXPECT_TRUE(page.contains(QStringLiteral("BON DE RECEPTION N° 12")));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("FOURNISSEUR:"), QStringLiteral("SARL ATLAS")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("1"), QStringLiteral("CIMENT 50KG"), QStringLiteral("SAC"), figure(QStringLiteral("10.00")),
                              figure(QStringLiteral("850.00")), figure(QStringLiteral("8 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("2"), QStringLiteral("FER A BETON 12"), QStringLiteral("KG"),
                              figure(QStringLiteral("250.00")), figure(QStringLiteral("120.00")), figure(QStringLiteral("30 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("3"), QStringLiteral("BRIQUE"), QStringLiteral("U"), figure(QStringLiteral("1 000.00")),
                              figure(QStringLiteral("25.00")), figure(QStringLiteral("25 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total HT:"), figure(QStringLiteral("63 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Versement:"), figure(QStringLiteral("60 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Remise :"), figure(QStringLiteral("500.00"))}));
    // The previous balance stands level with the last total.
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Ancien solde: 1 250.00"), QStringLiteral("Nouveau solde:"),
                              figure(QStringLiteral("3 000.00"))}));
    EXPECT_TRUE(page.contains(QStringLiteral("CACHET ET SIGNATURE")));
}

TEST_F(PrintOutputTest, AnInvoiceAndAProformaPrintToPdfWithTheirTotalsAndWords)
{
    const QString pdf = pdfPath("invoice.pdf");
    PdfPrinterChoice printers(pdf);
    printInvoice(env, printers, sampleInvoice(env, InvoiceKind::Invoice));
    EXPECT_TRUE(dialogs.shown.empty());
    keepSample(pdf, QStringLiteral("invoice.pdf"));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QString& page = pages[0];
    EXPECT_TRUE(hasRow(page, {QStringLiteral("FACTURE"), QStringLiteral("N° 1"), QStringLiteral("DATE : 14/03/2026")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("CLIENT:"), QStringLiteral("ETS BENALI - 12 RUE DES PINS ORAN")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("N° R.C.:"), QStringLiteral("31/00-0012345 B 09"), QStringLiteral("N° FISCAL:"),
                              QStringLiteral("000931012345678")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("2"), QStringLiteral("FER A BETON 12"), QStringLiteral("KG"),
                              figure(QStringLiteral("100.00")), figure(QStringLiteral("25.00")), figure(QStringLiteral("2 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total HT:"), figure(QStringLiteral("12 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("TVA \\(19%\\):"), figure(QStringLiteral("2 375.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Timbre :"), figure(QStringLiteral("148.75"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total TTC :"), figure(QStringLiteral("15 023.75"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("MODE DE PAYEMENT:"), QStringLiteral("ESPECE")}));
    EXPECT_TRUE(page.contains(QStringLiteral("ARRETE LA PRESENTE FACTURE A LA SOMME DE")));
    EXPECT_TRUE(page.contains(QStringLiteral("Quinze Mille Vingt Trois Dinars 75 Cts")));
    EXPECT_TRUE(page.contains(QStringLiteral("CACHET ET SIGNATURE")));
    // The words come before the signature line.
    EXPECT_LT(page.indexOf(QStringLiteral("Quinze Mille")), page.indexOf(QStringLiteral("CACHET ET SIGNATURE")));

    const QString proformaPdf = pdfPath("proforma.pdf");
    PdfPrinterChoice proformaPrinter(proformaPdf);
    printProforma(env, proformaPrinter, sampleInvoice(env, InvoiceKind::Proforma));
    keepSample(proformaPdf, QStringLiteral("proforma.pdf"));
    const QStringList proformaPages = pdfPages(proformaPdf);
    ASSERT_EQ(proformaPages.size(), 1);
    const QString& proforma = proformaPages[0];
    EXPECT_TRUE(hasRow(proforma, {QStringLiteral("FACTURE PROFORMA N° 1"), QStringLiteral("DATE : 14/03/2026")}));
    EXPECT_TRUE(hasRow(proforma, {QStringLiteral("CLIENT:"), QStringLiteral("ETS BENALI"), QStringLiteral("ADRESSE:"),
                                  QStringLiteral("12 RUE DES PINS ORAN")}));
    EXPECT_TRUE(hasRow(proforma, {QStringLiteral("7"), QStringLiteral("PEINTURE BLANCHE"), QStringLiteral("LITRE")}));
    EXPECT_TRUE(hasRow(proforma, {QStringLiteral("Total TTC :"), figure(QStringLiteral("15 023.75"))}));
    EXPECT_TRUE(proforma.contains(QStringLiteral("Quinze Mille Vingt Trois Dinars 75 Cts")));
}

TEST_F(PrintOutputTest, CancellingThePrintDialogPrintsAndShowsNothing)
{
    int copies = 0;
    QString jobName;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) continue;
            copies = dialog->printer()->copyCount();
            jobName = dialog->printer()->docName();
            dialog->reject();
        }
    });
    watcher.start(20);

    DialogPrinterChoice printers;
    printDeliveryForm(env, printers, delivery(3));
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(jobName, QStringLiteral("Print-Doc"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PrintOutputTest, AJobThatCannotStartEndsSilently)
{
    const QString pdf = dir.filePath(QStringLiteral("no such folder/delivery.pdf"));
    PdfPrinterChoice printers(pdf);
    EXPECT_EQ(printers.startJob(), nullptr);
    printDeliveryForm(env, printers, delivery(3));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintOutputTest, AfterAPrintTheWindowsKeepTheirScreenFonts)
{
    QLabel title(QStringLiteral("BON DE LIVRAISON"));
    title.setFont(screenFont(TITLE_FONT));
    const QFont titleFont = title.font();
    const QFont applicationFont = QApplication::font();

    PdfPrinterChoice printers(pdfPath("fonts.pdf"));
    printDeliveryForm(env, printers, delivery(5));
    ASSERT_TRUE(QFile::exists(pdfPath("fonts.pdf")));

    EXPECT_EQ(title.font(), titleFont);
    EXPECT_EQ(QApplication::font(), applicationFont);
    EXPECT_EQ(screenFont(TITLE_FONT), titleFont);
    const QLabel later(QStringLiteral("Date:"));
    EXPECT_EQ(later.font(), applicationFont);
}
