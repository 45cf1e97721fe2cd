#include "print/printer_choices.h"

#include <QPrintDialog>
#include <QPrinter>

#include "print/painter_canvas.h"

namespace {

std::unique_ptr<QPrinter> jobPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(PRINT_JOB_NAME);
    printer->setCopyCount(1);
    return printer;
}

} // namespace

std::unique_ptr<Canvas> DialogPrinterChoice::startJob()
{
    std::unique_ptr<QPrinter> printer = jobPrinter();
    QPrintDialog dialog(printer.get(), parent_);
    dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted) return {};
    return PainterCanvas::start(std::move(printer));
}

std::unique_ptr<Canvas> PdfPrinterChoice::startJob()
{
    std::unique_ptr<QPrinter> printer = jobPrinter();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName_);
    return PainterCanvas::start(std::move(printer));
}
