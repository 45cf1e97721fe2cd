#include "print/form_layout.h"

#include <algorithm>

#include "common/values.h"

namespace {

// Draws nothing and remembers how low the drawing went.
class MeasuringCanvas final : public Canvas {
public:
    MeasuringCanvas(int width, int height) : width_(width), height_(height) {}
    int lowest = 0;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setFont(const PrintFont& font) override { fontHeight_ = font.pixelSize; }
    int textWidth(const QString&) const override { return 0; } // only heights matter here
    void drawText(int, int y, const QString&, const QColor&, const QColor&) override { reach(y + fontHeight_); }
    void drawLine(int, int y1, int, int y2, const QColor&) override { reach(std::max(y1, y2)); }
    void fillBox(int, int y, int, int height, const QColor&) override { reach(y + height); }
    void drawImage(int, int y, int, int height, const QImage&) override { reach(y + height); }
    void newPage() override {}

private:
    void reach(int y) { lowest = std::max(lowest, y); }
    int width_;
    int height_;
    int fontHeight_ = 0;
};

// The rules of the line table, closed at y.
void closeLineTable(Printout& printout)
{
    PrintCursor& c = printout.cursor;
    c.footerY = c.y;
    printout.drawTableGrid(c.stops(), c.tableTop, c.headerBottom, c.footerY);
}

void closeTableAndFinish(Printout& printout, const FormPages& form)
{
    closeLineTable(printout);
    if (form.closing) form.closing(printout);
}

// How low the table rules and the closing would reach if the table ended at `tableEnd`.
int closingReach(const Printout& printout, const FormPages& form, int tableEnd)
{
    MeasuringCanvas measuring(printout.width(), printout.height());
    Printout trial = printout.onCanvas(measuring);
    if (printout.font().number != 0) trial.setFont(printout.font().number);
    trial.cursor.y = tableEnd;
    closeTableAndFinish(trial, form);
    return measuring.lowest;
}

} // namespace

void printFormPages(Printout& printout, const FormPages& form)
{
    const int rowsLimit = printout.scaleY(form.rowsBottom);
    int closingLimit = printout.height() - BOTTOM_MARGIN_PX;
    if (form.closingBottom > 0) closingLimit = std::min(closingLimit, printout.scaleY(form.closingBottom));
    const auto endPage = [&] {
        if (form.pageFooter) form.pageFooter(printout);
    };

    form.pageHeader(printout);
    printout.setFont(form.rowFont);
    int rowsOnPage = 0;
    for (int row = 0; row < form.rowCount; ++row) {
        const int rowEnd = printout.cursor.y + printout.scaleY(form.rowStep);
        const bool fits =
            rowEnd <= rowsLimit && (row + 1 < form.rowCount || closingReach(printout, form, rowEnd) <= closingLimit);
        if (!fits && rowsOnPage > 0) {
            closeLineTable(printout);
            endPage();
            printout.continueOnNewPage(form.pageHeader, form.rowFont);
            rowsOnPage = 0;
        }
        form.drawRow(printout, row);
        printout.down(form.rowStep);
        ++rowsOnPage;
    }
    closeTableAndFinish(printout, form);
    if (form.lastPageMarks) form.lastPageMarks(printout);
    endPage();
}

void drawTableHeading(Printout& printout, const std::vector<Heading>& headings, std::optional<QColor> band,
                      const QColor& text, const QColor& textBack)
{
    PrintCursor& c = printout.cursor;
    c.tableTop = c.y;
    c.headerBottom = c.y + printout.scaleY(0.8);
    if (band) {
        const int first = c.col(1);
        printout.fillBox(first, c.tableTop, c.col(c.columnCount) - first, c.headerBottom - c.tableTop, *band);
    }
    c.y = c.tableTop + printout.scaleY(0.3);
    printout.setFont(20);
    for (const Heading& heading : headings)
        printout.drawText(printout.at(heading.column, heading.offset), c.y, heading.text, text, textBack);
    c.y = c.headerBottom + printout.scaleY(0.4);
}

void drawFormRow(Printout& printout, const QString& reference, const QStringList& cells, float unitOffset)
{
    const int y = printout.cursor.y;
    printout.drawText(printout.at(1, 0.5f), y, reference);
    printout.drawText(printout.at(2, 0.2f), y, cells.value(1));
    printout.drawText(printout.at(3, unitOffset), y, cells.value(2));
    printout.drawRightAligned(cells.value(3), printout.at(5, -0.4f), y, FORM_FIGURE_STEP);
    printout.drawRightAligned(cells.value(4), printout.at(6, -0.4f), y, FORM_FIGURE_STEP);
    printout.drawRightAligned(cells.value(5), printout.at(7, -0.4f), y, FORM_FIGURE_STEP);
}

void drawLabelledLines(Printout& printout, const std::vector<QStringList>& lines, const std::vector<int>& columns,
                       float lineStep)
{
    const int gap = printout.scaleX(LABEL_GAP);
    std::vector<int> x = columns;
    for (size_t column = 1; column < x.size(); ++column)
        for (const QStringList& line : lines)
            if (line.size() > qsizetype(column))
                x[column] = std::max(x[column], x[column - 1] + printout.textWidth(line[qsizetype(column - 1)]) + gap);
    PrintCursor& c = printout.cursor;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) printout.down(lineStep);
        for (qsizetype column = 0; column < lines[i].size() && size_t(column) < x.size(); ++column)
            printout.drawText(x[size_t(column)], c.y, lines[i][column]);
    }
}

void drawTotalsBox(Printout& printout, const std::vector<TotalLine>& lines, float labelOffset, float bottomPadding)
{
    PrintCursor& c = printout.cursor;
    c.tableTop = c.footerY;
    c.y = c.tableTop + printout.scaleY(0.3);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) printout.down(0.6);
        printout.drawText(printout.at(5, labelOffset), c.y, lines[i].label);
        printout.drawRightAligned(lines[i].value, printout.at(7, -0.4f), c.y, FORM_FIGURE_STEP);
        if (i + 1 < lines.size()) {
            const int ruleY = c.y + printout.scaleY(0.4);
            printout.drawLine(printout.col(5), ruleY, printout.col(7), ruleY);
        }
    }
    c.headerBottom = c.y + printout.scaleY(bottomPadding);
    for (int column : {5, 7}) printout.drawLine(printout.col(column), c.tableTop, printout.col(column), c.headerBottom);
    printout.drawLine(printout.col(5), c.headerBottom, printout.col(7), c.headerBottom);
}

bool isPrintedTotal(const QString& text) { return integerValue(text) > 0; }

void drawFooterBand(Printout& printout)
{
    const PrintCursor& c = printout.cursor;
    const int first = c.col(1);
    printout.fillBox(first, printout.scaleY(FOOTER_BAND_TOP), c.col(c.columnCount) - first, printout.scaleY(0.2),
                     FOOTER_BAND_COLOUR);
}
