#pragma once
// What the printed forms (receptions, deliveries, invoices, proformas, purchase orders) have in
// common: a page header ending on a table heading, rows of equal height, a closing (totals,
// balances, signature) under the last row, and a footer on every page. A form whose rows do
// not fit one page goes on on further pages, each with the page header and headings again;
// the closing follows the last row.

#include <functional>
#include <optional>
#include <vector>
#include <QString>
#include <QStringList>

#include "print/print_framework.h"

// Right-aligned figures of the forms use this pitch.
inline constexpr float FORM_FIGURE_STEP = 0.18f;
// The footer band of the forms stands at this height; rows stay above it.
inline constexpr float FOOTER_BAND_TOP = 28.0f;

struct FormPages {
    PageHeader pageHeader; // letterhead, titles, headings; sets the stops and leaves y on the first row
    int rowFont = 36;
    float rowStep = 0.4f;
    int rowCount = 0;
    std::function<void(Printout&, int row)> drawRow; // draws row `row` at y (y advances by rowStep after it)
    PageHeader closing;    // after the last row's table rules, from footerY down
    PageHeader pageFooter; // on every page (may be empty)
    float rowsBottom = FOOTER_BAND_TOP; // in units: rows stay above it
    // In units: the closing stays above it as well as above the page's bottom margin (0: the
    // margin alone).
    float closingBottom = 0.0f;
    // What the last page carries at a fixed height (the invoice's signature line), drawn after
    // the closing; may be empty.
    PageHeader lastPageMarks;
};

// Draws the whole form: on each page the rows that fit above rowsBottom, the table rules down
// to the last of them (footerY) and the footer; on the last page the closing and the fixed
// marks as well; the closing must end above the page's bottom margin (BOTTOM_MARGIN_PX) and
// closingBottom. A form that fits one page is drawn as its layout says; a page always keeps
// at least one row, and the last row goes to a new page when the closing would not fit under
// it.
void printFormPages(Printout& printout, const FormPages& form);

// A column heading: its text at col(column) + offset.
struct Heading {
    QString text;
    int column;
    float offset;
};

// The table heading under a page header: tableTop at y and headerBottom 0.8 below it, an
// optional band filling them from the first stop to the last, the headings in print font 20
// 0.3 below tableTop; y then stands on the first row, 0.4 under headerBottom.
void drawTableHeading(Printout& printout, const std::vector<Heading>& headings, std::optional<QColor> band,
                      const QColor& text = TEXT_COLOUR, const QColor& textBack = PAPER_COLOUR);

// One row of a form's line table at y: `reference` (a line number or a product code) at
// col1 + 0.5, the designation at col2 + 0.2, the unit at col3 + unitOffset, and the quantity,
// unit price and amount right-aligned from col5 - 0.4, col6 - 0.4 and col7 - 0.4, each as near
// its column's right rule, so that a quantity of several thousands stays in its column. `cells`
// are the line list's: first cell, designation, unit, quantity, unit price, amount.
void drawFormRow(Printout& printout, const QString& reference, const QStringList& cells, float unitOffset);

// The least room between a label and the value beside it, in units.
inline constexpr float LABEL_GAP = 0.2f;

// Lines of labels and values side by side in the current font (a client's name, address and
// registration numbers), the first at y and the next ones lineStep apart; y stays on the last.
// Cell n of every line stands at columns[n], or further right when a cell n - 1 of a line that
// has a cell n would reach it: so no label or value runs into the next, and the cells of a
// column stay aligned.
void drawLabelledLines(Printout& printout, const std::vector<QStringList>& lines, const std::vector<int>& columns,
                       float lineStep);

// One line of a totals box.
struct TotalLine {
    QString label;
    QString value;
};

// The totals box between col5 and col7 under the line table: tableTop := footerY, the first
// line 0.3 below it, the next ones 0.6 apart, each label at col5 + labelOffset and its value
// right-aligned from col7 - 0.4, a rule 0.4 under every line but the last. The box is closed
// `bottomPadding` under the last line, which becomes headerBottom; y stays on the last line.
void drawTotalsBox(Printout& printout, const std::vector<TotalLine>& lines, float labelOffset, float bottomPadding);

// Whether an optional total (a payment, a discount, a tax) gets its line: the whole number its
// text begins with is above 0, so an empty text or an amount below 1 prints none.
bool isPrintedTotal(const QString& text);

// The grey band across the foot of a form page, from the first stop to the last.
void drawFooterBand(Printout& printout);
