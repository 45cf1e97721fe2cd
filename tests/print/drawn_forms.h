#pragma once
// What a form test compares: the texts, lines and boxes a job drew on the recording printer's
// page (4800 x 6800 device pixels), and builders for what a page should show.

#include <array>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>
#include <QColor>
#include <QStringList>

#include <gtest/gtest.h>

#include "print/form_layout.h"
#include "print/print_framework.h"
#include "recording_canvas.h"

inline int sx(float units) { return scaleUnits(units, 4800, PAGE_WIDTH_CM); }
inline int sy(float units) { return scaleUnits(units, 6800, PAGE_HEIGHT_CM); }

inline const QColor BLACK(0, 0, 0);
inline const QColor WHITE(255, 255, 255);

struct DrawnText {
    QString text;
    int x, y, font;
    QColor front = BLACK;
    QColor back = WHITE;
    bool operator==(const DrawnText&) const = default;
};

inline void PrintTo(const DrawnText& t, std::ostream* os)
{
    *os << '"' << qUtf8Printable(t.text) << "\" at (" << t.x << ", " << t.y << ") font " << t.font << ' '
        << qUtf8Printable(t.front.name()) << " on " << qUtf8Printable(t.back.name());
}

struct DrawnLine {
    int x1, y1, x2, y2;
    bool operator==(const DrawnLine&) const = default;
};

inline void PrintTo(const DrawnLine& l, std::ostream* os)
{
    *os << '(' << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ')';
}

// Builds the texts a page should show, in drawing order.
struct ExpectedTexts {
    std::vector<DrawnText> texts;
    void text(const QString& t, int x, int y, int font, QColor front = BLACK, QColor back = WHITE)
    {
        texts.push_back({t, x, y, font, front, back});
    }
    // A figure of the forms in print font 36: the whole text, ending 0.18 unit right of startX
    // (where its last character begins).
    void figure(const QString& t, int startX, int y)
    {
        text(t, startX + sx(0.18f) - recordedTextWidth(printFont(36, 6800, 96), t), y, 36);
    }
    // The rows of a form's line table from y, `step` apart, under the stops `cols`: the first
    // cell at col1 + 0.5, the designation at col2 + 0.2, the unit at col3 + unitOffset(unit),
    // the figures from col5 - 0.4, col6 - 0.4, col7 - 0.4. Returns the y under the last one.
    int rows(const std::vector<QStringList>& lines, const QStringList& firstCells, const std::vector<int>& cols, int y,
             float step, const std::function<float(const QString&)>& unitOffset)
    {
        auto col = [&](int n) { return cols[static_cast<size_t>(n - 1)]; };
        for (size_t row = 0; row < lines.size(); ++row, y += sy(step)) {
            const QStringList& cells = lines[row];
            text(firstCells[static_cast<qsizetype>(row)], col(1) + sx(0.5f), y, 36);
            text(cells[1], col(2) + sx(0.2f), y, 36);
            text(cells[2], col(3) + sx(unitOffset(cells[2])), y, 36);
            figure(cells[3], col(5) - sx(0.4f), y);
            figure(cells[4], col(6) - sx(0.4f), y);
            figure(cells[5], col(7) - sx(0.4f), y);
        }
        return y;
    }
    // The lines of a totals box from 0.3 under footerY, 0.6 apart; returns the y of the last.
    int totals(const QStringList& labels, const QStringList& values, int labelX, int valueX, int footerY)
    {
        int y = footerY + sy(0.3f);
        for (qsizetype i = 0; i < labels.size(); ++i) {
            if (i > 0) y += sy(0.6f);
            text(labels[i], labelX, y, 36);
            figure(values[i], valueX, y);
        }
        return y;
    }
};

inline std::vector<DrawnText> drawnTexts(const CanvasRecord& record)
{
    std::vector<DrawnText> found;
    for (const CanvasCall& call : record.texts())
        found.push_back({call.text, call.x, call.y, call.font.number, call.front, call.back});
    return found;
}

// x, y, width, height and colour of each filled box.
using DrawnBox = std::pair<std::array<int, 4>, QColor>;
inline std::vector<DrawnBox> drawnBoxes(const CanvasRecord& record)
{
    std::vector<DrawnBox> found;
    for (const CanvasCall& call : record.ofKind(CanvasCall::Box))
        found.push_back({{call.x, call.y, call.width, call.height}, call.front});
    return found;
}

inline std::vector<DrawnLine> drawnLines(const CanvasRecord& record)
{
    std::vector<DrawnLine> found;
    for (const CanvasCall& call : record.ofKind(CanvasCall::Line)) {
        EXPECT_EQ(call.front, BLACK);
        found.push_back({call.x, call.y, call.x2, call.y2});
    }
    return found;
}

// Vertical rules at each stop and the three rules across: the line table closed at footerY.
inline void tableRules(std::vector<DrawnLine>& lines, const std::vector<int>& stops, int top, int headerBottom, int footerY)
{
    for (int x : stops) lines.push_back({x, top, x, footerY});
    for (int y : {top, headerBottom, footerY}) lines.push_back({stops.front(), y, stops.back(), y});
}

// The totals box of `count` lines under a line table closed at footerY, between two stops,
// closed `padding` under its last line.
inline void totalsBoxRules(std::vector<DrawnLine>& lines, int left, int right, int footerY, int count,
                           float padding = 0.4f)
{
    const int firstTotal = footerY + sy(0.3f);
    for (int i = 0; i + 1 < count; ++i) {
        const int rule = firstTotal + i * sy(0.6f) + sy(0.4f);
        lines.push_back({left, rule, right, rule});
    }
    const int bottom = firstTotal + (count - 1) * sy(0.6f) + sy(padding);
    lines.push_back({left, footerY, left, bottom});
    lines.push_back({right, footerY, right, bottom});
    lines.push_back({left, bottom, right, bottom});
}

// A form on several pages: each page carries the letterhead, the title and the column headings
// and footer band once; each of `closingTexts` stands once, on the last page.
inline void expectFramedPages(const CanvasRecord& record, const QString& title, const QStringList& closingTexts,
                              const std::string& what)
{
    std::vector<int> titles, headings, images, bands;
    std::vector<std::vector<int>> closing(static_cast<size_t>(closingTexts.size()));
    for (const CanvasCall& call : record.calls) {
        if (call.kind == CanvasCall::Text) {
            if (call.text == title) titles.push_back(call.page);
            if (call.text == u"Désignation") headings.push_back(call.page);
            if (const qsizetype i = closingTexts.indexOf(call.text); i >= 0)
                closing[static_cast<size_t>(i)].push_back(call.page);
        }
        if (call.kind == CanvasCall::Image) images.push_back(call.page);
        if (call.kind == CanvasCall::Box && call.y == sy(FOOTER_BAND_TOP)) bands.push_back(call.page);
    }
    std::vector<int> everyPage;
    for (int page = 1; page <= record.pages; ++page) everyPage.push_back(page);
    EXPECT_EQ(titles, everyPage) << what;
    EXPECT_EQ(headings, everyPage) << what;
    EXPECT_EQ(images, everyPage) << what;
    EXPECT_EQ(bands, everyPage) << what;
    for (size_t i = 0; i < closing.size(); ++i)
        EXPECT_EQ(closing[i], std::vector<int>{record.pages}) << what << ": " << qUtf8Printable(closingTexts[static_cast<qsizetype>(i)]);
}
