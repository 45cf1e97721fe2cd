#include "print/printer_choices.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "print/painter_canvas.h"
#include "print/print_framework.h"

namespace {

std::unique_ptr<QPrinter> jobPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(PRINT_JOB_NAME);
    printer->setCopyCount(1);
    return printer;
}

// The print dialog shows the printer's output file as the file it proposes. Naming a PDF file
// turns the printer to PDF output, so an installed printer is chosen again: it stays the
// dialog's first choice, and the file is there for whoever picks printing to a file.
void proposeFile(QPrinter& printer, const QString& file)
{
    printer.setOutputFileName(file);
    QString installed = QPrinterInfo::defaultPrinterName();
    if (installed.isEmpty()) installed = QPrinterInfo::availablePrinterNames().value(0);
    if (!installed.isEmpty()) printer.setPrinterName(installed);
}

} // namespace

QString proposedPrintFile(const QString& title)
{
    // Characters that some file systems refuse in a name: a date's slashes among them.
    static const QRegularExpression refused(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    QString name = QString(title).replace(refused, QStringLiteral("-")).trimmed();
    if (name.isEmpty()) name = DEFAULT_PRINT_TITLE;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

std::unique_ptr<Canvas> DialogPrinterChoice::startJob(const QString& title)
{
    std::unique_ptr<QPrinter> printer = jobPrinter();
    proposeFile(*printer, proposedPrintFile(title));
    QPrintDialog dialog(printer.get(), parent_);
    dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted) return {};
    return PainterCanvas::start(std::move(printer));
}

std::unique_ptr<Canvas> PdfPrinterChoice::startJob(const QString&)
{
    std::unique_ptr<QPrinter> printer = jobPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName_);
    return PainterCanvas::start(std::move(printer));
}
