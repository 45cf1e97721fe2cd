// Real output: forms printed to PDF through the painter canvas and read back with pdftotext,
// the system print dialog cancelled, and the windows' fonts after a print.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include "data_fixture.h"
#include "form_samples.h"
#include "pdf_text.h"
#include "print/invoice_forms.h"
#include "print/print_framework.h"
#include "print/printer_choices.h"
#include "print/stock_forms.h"
#include "widgets/screen_fonts.h"

namespace {

// Where a text went on the page and the room it took: its measured width, one em high.
struct PlacedText {
    int page;
    QRect box;
    QString text;
};

// Draws on a real canvas and keeps where each text went.
class PlacingCanvas final : public Canvas {
public:
    PlacingCanvas(std::unique_ptr<Canvas> inner, std::vector<PlacedText>& placed)
        : inner_(std::move(inner)), placed_(placed)
    {
    }
    int width() const override { return inner_->width(); }
    int height() const override { return inner_->height(); }
    void setFont(const PrintFont& font) override
    {
        em_ = font.pixelSize;
        inner_->setFont(font);
    }
    int textWidth(const QString& text) const override { return inner_->textWidth(text); }
    void drawText(int x, int y, const QString& text, const QColor& front, const QColor& back) override
    {
        if (!text.trimmed().isEmpty()) placed_.push_back({page_, QRect(x, y, textWidth(text), em_), text});
        inner_->drawText(x, y, text, front, back);
    }
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour) override { inner_->drawLine(x1, y1, x2, y2, colour); }
    void fillBox(int x, int y, int w, int h, const QColor& colour) override { inner_->fillBox(x, y, w, h, colour); }
    void drawImage(int x, int y, int w, int h, const QImage& image) override { inner_->drawImage(x, y, w, h, image); }
    void newPage() override
    {
        ++page_;
        inner_->newPage();
    }

private:
    std::unique_ptr<Canvas> inner_;
    std::vector<PlacedText>& placed_;
    int page_ = 1;
    int em_ = 0;
};

// Prints into a PDF file through the painter canvas and keeps where each text went.
class PlacingPrinterChoice final : public PrinterChoice {
public:
    explicit PlacingPrinterChoice(const QString& pdf) : pdf_(pdf) {}
    std::vector<PlacedText> placed;
    std::unique_ptr<Canvas> startJob(const QString& title) override
    {
        placed.clear();
        std::unique_ptr<Canvas> inner = pdf_.startJob(title);
        if (!inner) return {};
        return std::make_unique<PlacingCanvas>(std::move(inner), placed);
    }

private:
    PdfPrinterChoice pdf_;
};

// Every pair of texts of a page that run into each other.
QStringList overprints(const std::vector<PlacedText>& placed)
{
    QStringList found;
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j)
            if (placed[i].page == placed[j].page && placed[i].box.intersects(placed[j].box))
                found.append(placed[i].text + QStringLiteral(" / ") + placed[j].text);
    return found;
}

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
                                 exact(QStringLiteral("%1.00").arg(n)), exact(QStringLiteral("2.00")),
                                 exact(QStringLiteral("%1.00").arg(2 * n))}))
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
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("TOTAL HT:"), exact(QStringLiteral("3 660.00"))}));
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("NOUVEAU SOLDE :"), exact(QStringLiteral("4 910.00"))}));
    EXPECT_TRUE(hasRow(pages[1], {QStringLiteral("ANCIEN SOLDE:"), QStringLiteral("1 250.00")}));
    // The letterhead picture heads both pages.
    EXPECT_EQ(pdfImages(pdf), (QStringList{QStringLiteral("1 1940x100"), QStringLiteral("2 1940x100")}));
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
    EXPECT_TRUE(hasRow(page, {QStringLiteral("1"), QStringLiteral("CIMENT 50KG"), QStringLiteral("SAC"), exact(QStringLiteral("10.00")),
                              exact(QStringLiteral("850.00")), exact(QStringLiteral("8 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("2"), QStringLiteral("FER A BETON 12"), QStringLiteral("KG"),
                              exact(QStringLiteral("250.00")), exact(QStringLiteral("120.00")), exact(QStringLiteral("30 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("3"), QStringLiteral("BRIQUE"), QStringLiteral("U"), exact(QStringLiteral("1 000.00")),
                              exact(QStringLiteral("25.00")), exact(QStringLiteral("25 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total HT:"), exact(QStringLiteral("63 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Versement:"), exact(QStringLiteral("60 000.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Remise :"), exact(QStringLiteral("500.00"))}));
    // The previous balance stands level with the last total.
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Ancien solde: 1 250.00"), QStringLiteral("Nouveau solde:"),
                              exact(QStringLiteral("3 000.00"))}));
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
    EXPECT_TRUE(hasRow(page, {QStringLiteral("FACTURE N° 1"), QStringLiteral("DATE : 14/03/2026")}));
    // Every figure reads back whole: no blank after a point or inside a group of digits.
    for (const char* figure : {"10.00", "850.00", "8 500.00", "100.00", "25.00", "2 500.00", "4.00", "375.00",
                               "1 500.00", "12 500.00", "2 375.00", "148.75", "15 023.75"})
        EXPECT_TRUE(hasRow(page, {exact(QString::fromLatin1(figure))})) << figure;
    EXPECT_TRUE(hasRow(page, {QStringLiteral("CLIENT:"), QStringLiteral("ETS BENALI - 12 RUE DES PINS ORAN")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("N° R.C.:"), QStringLiteral("31/00-0012345 B 09"), QStringLiteral("N° FISCAL:"),
                              QStringLiteral("000931012345678")}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("2"), QStringLiteral("FER A BETON 12"), QStringLiteral("KG"),
                              exact(QStringLiteral("100.00")), exact(QStringLiteral("25.00")), exact(QStringLiteral("2 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total HT:"), exact(QStringLiteral("12 500.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("TVA \\(19%\\):"), exact(QStringLiteral("2 375.00"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Timbre :"), exact(QStringLiteral("148.75"))}));
    EXPECT_TRUE(hasRow(page, {QStringLiteral("Total TTC :"), exact(QStringLiteral("15 023.75"))}));
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
    EXPECT_TRUE(hasRow(proforma, {QStringLiteral("Total TTC :"), exact(QStringLiteral("15 023.75"))}));
    EXPECT_TRUE(proforma.contains(QStringLiteral("Quinze Mille Vingt Trois Dinars 75 Cts")));
}

TEST_F(PrintOutputTest, EveryPrintFontDrawsItsDigitsAtOneWidth)
{
    PdfPrinterChoice printers(pdfPath("digits.pdf"));
    std::unique_ptr<Canvas> canvas = printers.startJob(QStringLiteral("Chiffres"));
    ASSERT_NE(canvas, nullptr);
    Printout page(*canvas, Letterheads{});
    for (int font = FIRST_PRINT_FONT; font <= LAST_PRINT_FONT; ++font) {
        page.setFont(font);
        const int zero = page.textWidth(QStringLiteral("0"));
        EXPECT_GT(zero, 0) << font;
        for (char digit = '1'; digit <= '9'; ++digit)
            EXPECT_EQ(page.textWidth(QString(QChar(digit))), zero) << "font " << font << " digit " << digit;
    }
}

// The forms with long names and the largest figures, as the printer's fonts measure them.
TEST_F(PrintOutputTest, LabelsAndValuesNeverRunIntoEachOther)
{
    PlacingPrinterChoice printers(pdfPath("placed.pdf"));
    const QString largest = QStringLiteral("999 999 999.99");
    for (const InvoiceKind kind : {InvoiceKind::Invoice, InvoiceKind::Proforma}) {
        InvoiceForm form = sampleInvoice(env, kind);
        form.client = QStringLiteral("ETABLISSEMENTS BENALI ET FILS");
        form.address = QStringLiteral("12 RUE DES PINS, CITE DES 200 LOGEMENTS, ORAN");
        form.rc = QStringLiteral("31/00-0012345 B 09 BIS");
        form.art = QStringLiteral("31012345678901");
        form.lines.rows[1] = {QStringLiteral("6"), QStringLiteral("FER A BETON 12"), QStringLiteral("KG"),
                              QStringLiteral("10 000.00"), QStringLiteral("99 999.99"), largest};
        form.totalHt = form.totalVat = form.stamp = form.totalTtc = largest;
        (kind == InvoiceKind::Invoice ? printInvoice : printProforma)(env, printers, form);
        ASSERT_FALSE(printers.placed.empty());
        EXPECT_EQ(overprints(printers.placed), QStringList()) << (kind == InvoiceKind::Invoice ? "invoice" : "proforma");
    }
    for (const bool delivery : {false, true}) {
        StockFormData data = delivery ? sampleDelivery() : sampleReception();
        data.partyName = delivery ? QStringLiteral("ETS BENALI") : QStringLiteral("SOCIETE DES MATERIAUX DU SAHEL");
        data.lines[0][3] = QStringLiteral("100 000.00");
        data.lines[0][4] = QStringLiteral("999 999.99");
        data.lines[0][5] = largest;
        data.totalHt = data.payment = data.discount = data.newBalance = data.oldBalance = largest;
        (delivery ? printDeliveryForm : printReceptionForm)(env, printers, data);
        ASSERT_FALSE(printers.placed.empty());
        EXPECT_EQ(overprints(printers.placed), QStringList()) << (delivery ? "delivery" : "reception");
    }
    EXPECT_TRUE(dialogs.shown.empty());
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

TEST_F(PrintOutputTest, ThePrintDialogProposesAFileNamedAfterWhatIsPrinted)
{
    QString proposed;
    QString shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(widget);
            if (dialog == nullptr || !dialog->isVisible()) continue;
            proposed = dialog->printer()->outputFileName();
            // The file name box of the dialog, where no printer is installed.
            if (const auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) shown = box->text();
            dialog->reject();
        }
    });
    watcher.start(20);
    DialogPrinterChoice printers;
    printDeliveryForm(env, printers, delivery(3));
    EXPECT_EQ(proposed, proposedPrintFile(QStringLiteral("Bon de livraison 61")));
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        EXPECT_EQ(shown, proposed);
    }

    // The documents folder, or the home folder where there is none.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(folder).exists()) folder = QDir::homePath();
    const struct {
        const char* title;
        const char* file;
    } cases[] = {
        {"Facture 12", "Facture 12.pdf"},
        {"Bon de réception 3", "Bon de réception 3.pdf"},
        {"Journal du 01/03/2026 au 31/03/2026", "Journal du 01-03-2026 au 31-03-2026.pdf"}, // no sub-folders
        {"Etat: \"A*B?\" <1|2>", "Etat- -A-B-- -1-2-.pdf"},
        {"", "Impression.pdf"},
        {"  ", "Impression.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(proposedPrintFile(QString::fromUtf8(c.title)), QDir(folder).filePath(QString::fromUtf8(c.file))) << c.title;
}

TEST_F(PrintOutputTest, AJobThatCannotStartEndsSilently)
{
    const QString pdf = dir.filePath(QStringLiteral("no such folder/delivery.pdf"));
    PdfPrinterChoice printers(pdf);
    EXPECT_EQ(printers.startJob(QStringLiteral("Bon de livraison 61")), nullptr);
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
