#pragma once
// The canvas of real prints: a QPainter on a paged device (the printer chosen in the print
// dialog, or a PDF file). The device is owned: destroying the canvas ends the painting and with
// it the job, which ejects the last page.

#include <memory>
#include <QPainter>

#include "print/canvas.h"

class QPagedPaintDevice;

class PainterCanvas final : public Canvas {
public:
    // A canvas on the device's first page, or nothing when painting cannot begin.
    static std::unique_ptr<Canvas> start(std::unique_ptr<QPagedPaintDevice> device);
    ~PainterCanvas() override;

    int width() const override;
    int height() const override;
    void setFont(const PrintFont& font) override;
    int textWidth(const QString& text) const override;
    void drawText(int x, int y, const QString& text, const QColor& front, const QColor& back) override;
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour) override;
    void fillBox(int x, int y, int width, int height, const QColor& colour) override;
    void drawImage(int x, int y, int width, int height, const QImage& image) override;
    void newPage() override;

private:
    explicit PainterCanvas(std::unique_ptr<QPagedPaintDevice> device);

    std::unique_ptr<QPagedPaintDevice> device_;
    QPainter painter_;
};
