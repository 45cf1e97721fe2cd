#include "print/painter_canvas.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>

#include "print/font_faces.h"

std::unique_ptr<Canvas> PainterCanvas::start(std::unique_ptr<QPagedPaintDevice> device)
{
    std::unique_ptr<PainterCanvas> canvas(new PainterCanvas(std::move(device)));
    if (!canvas->painter_.isActive()) return {};
    return canvas;
}

PainterCanvas::PainterCanvas(std::unique_ptr<QPagedPaintDevice> device) : device_(std::move(device))
{
    painter_.begin(device_.get());
}

PainterCanvas::~PainterCanvas()
{
    if (painter_.isActive()) painter_.end();
}

int PainterCanvas::width() const { return device_->width(); }

int PainterCanvas::height() const { return device_->height(); }

void PainterCanvas::setFont(const PrintFont& font)
{
    QFont qfont;
    qfont.setFamilies(fontFamilies(font.face));
    qfont.setPixelSize(font.pixelSize);
    qfont.setBold(font.bold);
    painter_.setFont(qfont);
}

int PainterCanvas::textWidth(const QString& text) const { return painter_.fontMetrics().horizontalAdvance(text); }

void PainterCanvas::drawText(int x, int y, const QString& text, const QColor& front, const QColor& back)
{
    const QFontMetrics metrics = painter_.fontMetrics();
    painter_.fillRect(x, y, textWidth(text), metrics.height(), back);
    painter_.setPen(front);
    painter_.drawText(x, y + metrics.ascent(), text);
}

void PainterCanvas::drawLine(int x1, int y1, int x2, int y2, const QColor& colour)
{
    painter_.setPen(QPen(colour, 0)); // cosmetic: one device pixel whatever the resolution
    painter_.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::fillBox(int x, int y, int width, int height, const QColor& colour)
{
    painter_.fillRect(x, y, width, height, colour);
}

void PainterCanvas::drawImage(int x, int y, int width, int height, const QImage& image)
{
    painter_.drawImage(QRect(x, y, width, height), image);
}

void PainterCanvas::newPage() { device_->newPage(); }
