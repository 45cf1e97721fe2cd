#pragma once
// Where a print goes: the printer the user picks in the system print dialog (which also offers
// a PDF file where no printer is installed), or straight into a PDF file.

#include <QString>

#include "print/canvas.h"

class QWidget;

class DialogPrinterChoice final : public PrinterChoice {
public:
    explicit DialogPrinterChoice(QWidget* parent = nullptr) : parent_(parent) {}
    // Shows the print dialog with one copy preset; nothing when the user cancels it.
    std::unique_ptr<Canvas> startJob() override;

private:
    QWidget* parent_;
};

class PdfPrinterChoice final : public PrinterChoice {
public:
    explicit PdfPrinterChoice(QString fileName) : fileName_(std::move(fileName)) {}
    std::unique_ptr<Canvas> startJob() override;

private:
    QString fileName_;
};
