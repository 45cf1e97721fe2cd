#pragma once
// The page every printed form and report is drawn on. Whatever the printer, its printable area
// is an A4 portrait sheet of PAGE_WIDTH_CM x PAGE_HEIGHT_CM units: positions are written in
// units and scaled term by term to device pixels (col5 + scaleX(0.3), y + scaleY(0.6)), so a
// layout keeps its proportions on any printer. The print fonts, the letterheads, the drawing
// cursor and the drawing operations live here; runPrintJob is the sequence of every print.

#include <array>
#include <functional>
#include <vector>
#include <QColor>
#include <QString>

#include "print/canvas.h"
#include "print/letterheads.h"

struct Env;

inline constexpr float PAGE_WIDTH_CM = 21.0f;
inline constexpr float PAGE_HEIGHT_CM = 29.7f;
// Reports start a new page once a row leaves less than this many device pixels at the bottom.
inline constexpr int BOTTOM_MARGIN_PX = 200;

inline const QColor TEXT_COLOUR{0, 0, 0};
inline const QColor PAPER_COLOUR{255, 255, 255};
inline const QColor HEADING_BAND_COLOUR{206, 206, 206};
inline const QColor HEADING_TEXT_COLOUR{69, 69, 69};
inline const QColor FOOTER_BAND_COLOUR{159, 159, 159};

// `units` of a page `unitsAcross` long mapped onto `pixels`: computed in double from the
// single-precision value and rounded to the nearest pixel, ties to even.
int scaleUnits(float units, int pixels, float unitsAcross);

// The print fonts are numbered 20 to 53, like the layouts name them.
inline constexpr int FIRST_PRINT_FONT = 20;
inline constexpr int LAST_PRINT_FONT = 53;
// The vertical resolution of the screen the print font sizes follow: the primary screen's
// logical dots per inch, read once; 96 when the program has no screen.
int screenResolution();
// Print font `number` for a printable area `pageHeight` device pixels high: its size in points
// is scaleY(h) of its nominal height h, and a point is dpi / 72 device pixels.
PrintFont printFont(int number, int pageHeight, int dpi);

// Where the drawing stands on the page; every page header resets it.
struct PrintCursor {
    int y = 0;                  // the current line
    std::array<int, 8> cols{};  // column stops col1..col8 in device pixels
    int columnCount = 0;        // how many stops the page uses
    int tableTop = 0;           // top rule of the table
    int headerBottom = 0;       // rule under the column headings (or bottom of a totals box)
    int footerY = 0;            // closing rule of the line table
    int rightX = 0;             // the moving x of drawRightAligned

    int col(int n) const { return cols[static_cast<size_t>(n - 1)]; }
    std::vector<int> stops() const { return {cols.begin(), cols.begin() + columnCount}; }
};

class Printout;
using PageHeader = std::function<void(Printout&)>;

// One print job's page: the canvas, the print fonts made for its height, the letterheads and
// the cursor.
class Printout {
public:
    Printout(Canvas& canvas, Letterheads letterheads, int dpi = screenResolution());
    // The same job state drawing on another canvas (used to measure a layout without printing).
    Printout onCanvas(Canvas& other) const;

    Canvas& canvas() const { return *canvas_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int scaleX(float units) const { return scaleUnits(units, width_, PAGE_WIDTH_CM); }
    int scaleY(float units) const { return scaleUnits(units, height_, PAGE_HEIGHT_CM); }

    PrintCursor cursor;
    // Sets the column stops col1, col2... from positions in units.
    void setColumnStops(const std::vector<float>& units);
    int col(int n) const { return cursor.col(n); }
    // col(n) + scaleX(offset)
    int at(int column, float offset) const { return col(column) + scaleX(offset); }
    // y += scaleY(units)
    void down(float units) { cursor.y += scaleY(units); }

    void setFont(int number);
    const PrintFont& font() const { return font_; }

    void drawText(int x, int y, const QString& text, const QColor& front = TEXT_COLOUR,
                  const QColor& back = PAPER_COLOUR);
    void drawLine(int x1, int y1, int x2, int y2, const QColor& colour = TEXT_COLOUR);
    void fillBox(int x, int y, int width, int height, const QColor& colour);
    // How wide `text` is in the current font, in device pixels.
    int textWidth(const QString& text) const { return canvas_->textWidth(text); }
    // A figure (amount, quantity, price) right-aligned as a whole text: its last character
    // starts at startX in a cell `step` units wide, so the text ends at startX + scaleX(step).
    // The print fonts draw every digit at the same width, so the decimal points of a column
    // of figures line up. rightX is left at the text's left edge.
    void drawRightAligned(const QString& text, int startX, int y, float step);
    // Vertical rules at each stop from top to bottom, then horizontal rules at top, headerBottom
    // and bottom from the first stop to the last.
    void drawTableGrid(const std::vector<int>& stops, int top, int headerBottom, int bottom);
    // The full letterhead in a band of 19.4 x 1 units, or the short one in 19.4 x 3 units, at
    // (1, 0.2): as large as the band allows without distorting the picture, centred across it.
    void drawLetterheadThin();
    void drawLetterheadTall();

    // Ends the page, begins the next one with `pageHeader` and selects `rowFont` again.
    void continueOnNewPage(const PageHeader& pageHeader, int rowFont);
    // The page break of the reports, after a row has advanced y: once y reaches the bottom limit
    // the table grid is closed down to y and the report goes on on a new page. True when it did.
    bool breakPage(const PageHeader& pageHeader, int rowFont);

private:
    void drawLetterhead(const QImage& picture, float bandHeight);

    Canvas* canvas_;
    int width_;
    int height_;
    Letterheads letterheads_;
    std::array<PrintFont, LAST_PRINT_FONT - FIRST_PRINT_FONT + 1> fonts_;
    PrintFont font_;
};

// The title of a job that names none.
inline const QString DEFAULT_PRINT_TITLE = QStringLiteral("Impression");

// What one print needs: what is printed ("Facture 12", "Bon de réception 3": the print dialog
// proposes it as the PDF file's name), whether its source is empty, what to read before the
// print dialog (optional), and how to draw its pages.
struct PrintJob {
    QString title = DEFAULT_PRINT_TITLE;
    bool isEmpty = false;
    std::function<void()> readFields;
    std::function<void(Printout&)> drawPages;
};

// The sequence of every print: an empty source shows "Il n'y a rien à imprimer ! " and prints
// nothing; otherwise the fields are read, the user chooses a printer and the pages are drawn on a
// job named "Print-Doc". A cancelled choice or a job that cannot start ends silently. True when
// the job was printed. The letterheads come from the folder that holds the Data folder.
bool runPrintJob(Env& env, PrinterChoice& printers, const PrintJob& job);
