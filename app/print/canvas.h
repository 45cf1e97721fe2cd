#pragma once
// What printing draws on, and where a printed job comes from. The forms and reports only see
// these two interfaces: the program gives them a painter on the printer chosen in the print
// dialog, the tests a recorder or a PDF file.

#include <memory>
#include <QColor>
#include <QImage>
#include <QString>

// One of the numbered print fonts, ready for the device: `pixelSize` is the em height in device
// pixels. `face` is passed as the layouts name it ("arial", "verdana"...); the canvas finds the
// nearest installed family.
struct PrintFont {
    int number = 0;
    QString face;
    int pixelSize = 0;
    bool bold = false;
    bool operator==(const PrintFont&) const = default;
};

// A printer page surface. Coordinates are device pixels from the top-left corner of the printable
// area.
class Canvas {
public:
    virtual ~Canvas() = default;
    // The printable area in device pixels.
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setFont(const PrintFont& font) = 0;
    // How wide `text` is in the current font, in device pixels (what drawText covers).
    virtual int textWidth(const QString& text) const = 0;
    // Draws `text` in the current font with its top-left corner at (x, y); the background colour
    // fills the cell behind the characters (opaque text).
    virtual void drawText(int x, int y, const QString& text, const QColor& front, const QColor& back) = 0;
    // A one-pixel line.
    virtual void drawLine(int x1, int y1, int x2, int y2, const QColor& colour) = 0;
    virtual void fillBox(int x, int y, int width, int height, const QColor& colour) = 0;
    // Draws the picture resized to width x height.
    virtual void drawImage(int x, int y, int width, int height, const QImage& image) = 0;
    // Ends the current page and begins the next one.
    virtual void newPage() = 0;
};

// The job name every print is spooled under.
inline const QString PRINT_JOB_NAME = QStringLiteral("Print-Doc");

// Asks where to print. The job is ended (its last page ejected) when the canvas is destroyed.
class PrinterChoice {
public:
    virtual ~PrinterChoice() = default;
    // A canvas on the first page of a new job named PRINT_JOB_NAME, one copy; nothing when the
    // user cancels, no printer is available or the job cannot be started. `title` says what is
    // printed ("Facture 12"): the print dialog proposes it as the name of a PDF file.
    virtual std::unique_ptr<Canvas> startJob(const QString& title) = 0;
};
