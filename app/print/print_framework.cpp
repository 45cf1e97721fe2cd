#include "print/print_framework.h"

#include <cmath>
#include <QGuiApplication>
#include <QScreen>

#include "common/env.h"

namespace {

struct PrintFontSpec {
    const char* face;
    float height; // nominal height in units
    bool bold;
};

// Print fonts 20 to 53, in order.
const std::array<PrintFontSpec, LAST_PRINT_FONT - FIRST_PRINT_FONT + 1> PRINT_FONTS{{
    {"arial", 0.25f, false},           // 20
    {"verdana", 0.28f, false},         // 21
    {"verdana", 0.29f, false},         // 22
    {"arial", 0.4f, false},            // 23
    {"Trebuchet ms", 0.5f, false},     // 24
    {"verdana", 0.55f, false},         // 25
    {"Arial", 0.6f, false},            // 26
    {"times new roman", 1.0f, false},  // 27
    {"verdana", 1.2f, true},           // 28
    {"Arial", 2.0f, true},             // 29
    {"times new roman", 1.0f, false},  // 30
    {"verdana", 0.38f, true},          // 31
    {"arial", 0.22f, true},            // 32
    {"arial", 0.4f, true},             // 33
    {"verdana", 0.32f, false},         // 34
    {"arial", 0.35f, false},           // 35
    {"arial", 0.22f, false},           // 36
    {"arial", 0.18f, false},           // 37
    {"arial", 0.45f, false},           // 38
    {"arial", 0.35f, false},           // 39
    {"arial", 0.25f, true},            // 40
    {"arial", 0.21f, true},            // 41
    {"arial", 0.3f, false},            // 42
    {"arial", 0.2f, false},            // 43
    {"arial", 0.2f, true},             // 44
    {"arial", 0.25f, false},           // 45
    {"verdana", 0.4f, false},          // 46
    {"verdana", 0.26f, false},         // 47
    {"arial", 0.27f, false},           // 48
    {"arial", 0.28f, false},           // 49
    {"arial", 0.38f, false},           // 50
    {"verdana", 0.37f, false},         // 51
    {"verdana", 0.3f, false},          // 52
    {"arial", 0.27f, true},            // 53
}};

} // namespace

int scaleUnits(float units, int pixels, float unitsAcross)
{
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(double(units) * (double(pixels) / double(unitsAcross))));
}

int screenResolution()
{
    static const int dpi = [] {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                if (const int read = qRound(screen->logicalDotsPerInchY()); read > 0) return read;
        return 96;
    }();
    return dpi;
}

PrintFont printFont(int number, int pageHeight, int dpi)
{
    Q_ASSERT(number >= FIRST_PRINT_FONT && number <= LAST_PRINT_FONT);
    const PrintFontSpec& entry = PRINT_FONTS[static_cast<size_t>(number - FIRST_PRINT_FONT)];
    const int points = scaleUnits(entry.height, pageHeight, PAGE_HEIGHT_CM);
    const int pixels = static_cast<int>(std::lround(double(points) * dpi / 72.0));
    return {number, QString::fromLatin1(entry.face), std::max(1, pixels), entry.bold};
}

Printout::Printout(Canvas& canvas, Letterheads letterheads, int dpi)
    : canvas_(&canvas), width_(canvas.width()), height_(canvas.height()), letterheads_(std::move(letterheads))
{
    for (int number = FIRST_PRINT_FONT; number <= LAST_PRINT_FONT; ++number)
        fonts_[static_cast<size_t>(number - FIRST_PRINT_FONT)] = printFont(number, height_, dpi);
}

Printout Printout::onCanvas(Canvas& other) const
{
    Printout copy = *this;
    copy.canvas_ = &other;
    return copy;
}

void Printout::setColumnStops(const std::vector<float>& units)
{
    Q_ASSERT(units.size() <= cursor.cols.size());
    cursor.cols = {};
    cursor.columnCount = 0;
    for (float stop : units) cursor.cols[static_cast<size_t>(cursor.columnCount++)] = scaleX(stop);
}

void Printout::setFont(int number)
{
    font_ = fonts_[static_cast<size_t>(number - FIRST_PRINT_FONT)];
    canvas_->setFont(font_);
}

void Printout::drawText(int x, int y, const QString& text, const QColor& front, const QColor& back)
{
    canvas_->drawText(x, y, text, front, back);
}

void Printout::drawLine(int x1, int y1, int x2, int y2, const QColor& colour)
{
    canvas_->drawLine(x1, y1, x2, y2, colour);
}

void Printout::fillBox(int x, int y, int width, int height, const QColor& colour)
{
    canvas_->fillBox(x, y, width, height, colour);
}

void Printout::drawRightAligned(const QString& text, int startX, int y, float step)
{
    cursor.rightX = startX + scaleX(step) - textWidth(text);
    drawText(cursor.rightX, y, text);
}

void Printout::drawTableGrid(const std::vector<int>& stops, int top, int headerBottom, int bottom)
{
    if (stops.empty()) return;
    for (int x : stops) drawLine(x, top, x, bottom);
    for (int y : {top, headerBottom, bottom}) drawLine(stops.front(), y, stops.back(), y);
}

void Printout::drawLetterhead(const QImage& picture, float bandHeight)
{
    if (picture.isNull()) return;
    const QSize band(scaleX(19.4f), scaleY(bandHeight));
    const QSize size = picture.size().scaled(band, Qt::KeepAspectRatio);
    canvas_->drawImage(scaleX(1.0f) + (band.width() - size.width()) / 2, scaleY(0.2f), size.width(), size.height(),
                       picture);
}

void Printout::drawLetterheadThin() { drawLetterhead(letterheads_.full, 1.0f); }

void Printout::drawLetterheadTall() { drawLetterhead(letterheads_.shortForm, 3.0f); }

void Printout::continueOnNewPage(const PageHeader& pageHeader, int rowFont)
{
    canvas_->newPage();
    pageHeader(*this);
    setFont(rowFont);
}

bool Printout::breakPage(const PageHeader& pageHeader, int rowFont)
{
    if (cursor.y < height_ - BOTTOM_MARGIN_PX) return false;
    drawTableGrid(cursor.stops(), cursor.tableTop, cursor.headerBottom, cursor.y);
    continueOnNewPage(pageHeader, rowFont);
    return true;
}

bool runPrintJob(Env& env, PrinterChoice& printers, const PrintJob& job)
{
    if (job.isEmpty) {
        env.dialogs.message(QStringLiteral("Erreur"), QStringLiteral("Il n'y a rien à imprimer ! "));
        return false;
    }
    if (job.readFields) job.readFields();
    std::unique_ptr<Canvas> canvas = printers.startJob(job.title.isEmpty() ? DEFAULT_PRINT_TITLE : job.title);
    if (!canvas) return false;
    Printout printout(*canvas, loadLetterheads(env.store.folder()));
    job.drawPages(printout);
    return true; // the canvas ends the job as it goes
}
