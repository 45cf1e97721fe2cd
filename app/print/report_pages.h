#pragma once
// The printed reports (journals, statements, balances): a page header with the titles and the
// column headings, then the rows of the list as shown, in one font and one step, over as many
// pages as they need. Each page closes its table grid and the next one starts with the page
// header again; a closing total never stands alone on a page.
//
// Most reports are a table of the list's cells under a few titles: they describe themselves as
// a ReportLayout (data) and print with printReport. A report with a page of its own kind gives
// printReportPages its page header and row drawing.

#include <functional>
#include <vector>
#include <QString>
#include <QStringList>

#include "print/print_framework.h"

struct ReportPages {
    PageHeader pageHeader; // sets the stops, tableTop and headerBottom; leaves y on the first row
    int rowFont = 43;
    float rowStep = 0.6f;
    int rowCount = 0;
    std::function<void(Printout&, int row)> drawRow; // draws one row at y
    // The last row is a total: the row before it goes to the next page with it rather than
    // leave it alone under the headings.
    bool lastRowIsTotal = false;
};

// Draws the page header and the rows; after each row y moves down a step and, once it reaches
// the page's bottom margin, the grid is closed and the report goes on on a new page (never after
// the last row). The grid is closed under the last row.
void printReportPages(Printout& printout, const ReportPages& report);

// A text at a column stop plus an offset in units (negative: left of the stop).
struct ReportText {
    QString text;
    int font;
    int column;
    float offset;
    float down = 0; // units below the title line
};

// One cell of a list row: written from col(column) + offset, or, for a figure, right-aligned
// one character at a time from col(column) - offset.
struct ReportCell {
    int cell;
    int column;
    float offset;
    bool figure = false;
};

struct ReportLayout {
    bool letterhead = true;           // the thin letterhead at the top of each page
    float top = 4.0f;                 // the title line, in units from the top
    std::vector<float> stops;         // column stops in units; the grid is drawn on every one
    std::vector<ReportText> titles;   // the title, the period, a name...
    float tableDown = 1.0f;           // tableTop under the title line
    float headingHeight = 1.0f;       // headerBottom under tableTop
    float headingDown = 0.3f;         // the headings' line under tableTop
    int headingFont = 40;
    std::vector<ReportText> headings; // their `down` is not used
    float firstRowDown = 0.4f;        // the first row under headerBottom
    int rowFont = 43;
    float rowStep = 0.6f;
    float figureStep = 0.16f;         // pitch of the right-aligned figures
    std::vector<ReportCell> cells;
    bool lastRowIsTotal = false;
};

// Prints the rows (cell texts as the list shows them) with that layout.
void printReport(Printout& printout, const ReportLayout& layout, const std::vector<QStringList>& rows);
