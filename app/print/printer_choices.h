#pragma once
// Where a print goes: the printer the user picks in the system print dialog (which also offers
// a PDF file where no printer is installed), or straight into a PDF file.

#include <QString>

#include "print/canvas.h"

class QWidget;

// The PDF file the print dialog proposes for a job: the title, made fit for a file name, in the
// user's documents folder (the home folder when there is none).
QString proposedPrintFile(const QString& title);

class DialogPrinterChoice final : public PrinterChoice {
public:
    explicit DialogPrinterChoice(QWidget* parent = nullptr) : parent_(parent) {}
    // Shows the print dialog with one copy preset and the job's PDF file proposed; nothing when
    // the user cancels it.
    std::unique_ptr<Canvas> startJob(const QString& title) override;

private:
    QWidget* parent_;
};

class PdfPrinterChoice final : public PrinterChoice {
public:
    explicit PdfPrinterChoice(QString fileName) : fileName_(std::move(fileName)) {}
    // Every job goes into the same file, whatever its title.
    std::unique_ptr<Canvas> startJob(const QString& title) override;

private:
    QString fileName_;
};
