#include "print/report_pages.h"

void printReportPages(Printout& printout, const ReportPages& report)
{
    PrintCursor& cursor = printout.cursor;
    const int limit = printout.height() - BOTTOM_MARGIN_PX;
    report.pageHeader(printout);
    printout.setFont(report.rowFont);
    int rowsOnPage = 0;
    for (int row = 0; row < report.rowCount; ++row) {
        // The row before a total breaks the page itself when the break after it would leave
        // the total alone on the next page.
        const bool beforeTotal = report.lastRowIsTotal && row == report.rowCount - 2;
        if (beforeTotal && rowsOnPage > 0 && cursor.y + printout.scaleY(report.rowStep) >= limit) {
            printout.drawTableGrid(cursor.stops(), cursor.tableTop, cursor.headerBottom, cursor.y);
            printout.continueOnNewPage(report.pageHeader, report.rowFont);
            rowsOnPage = 0;
        }
        report.drawRow(printout, row);
        printout.down(report.rowStep);
        ++rowsOnPage;
        // No page of headings alone after the last row.
        if (row + 1 < report.rowCount && printout.breakPage(report.pageHeader, report.rowFont)) rowsOnPage = 0;
    }
    printout.drawTableGrid(cursor.stops(), cursor.tableTop, cursor.headerBottom, cursor.y);
}

void printReport(Printout& printout, const ReportLayout& layout, const std::vector<QStringList>& rows)
{
    const auto drawAt = [&printout](const ReportText& text, int y) {
        printout.setFont(text.font);
        printout.drawText(printout.at(text.column, text.offset), y, text.text);
    };
    ReportPages report;
    report.pageHeader = [&](Printout& page) {
        PrintCursor& cursor = page.cursor;
        page.setColumnStops(layout.stops);
        if (layout.letterhead) page.drawLetterheadThin();
        const int titleLine = page.scaleY(layout.top);
        for (const ReportText& title : layout.titles) drawAt(title, titleLine + page.scaleY(title.down));
        cursor.tableTop = titleLine + page.scaleY(layout.tableDown);
        cursor.headerBottom = cursor.tableTop + page.scaleY(layout.headingHeight);
        for (ReportText heading : layout.headings) {
            heading.font = layout.headingFont;
            drawAt(heading, cursor.tableTop + page.scaleY(layout.headingDown));
        }
        cursor.y = cursor.headerBottom + page.scaleY(layout.firstRowDown);
    };
    report.rowFont = layout.rowFont;
    report.rowStep = layout.rowStep;
    report.rowCount = static_cast<int>(rows.size());
    report.lastRowIsTotal = layout.lastRowIsTotal;
    report.drawRow = [&](Printout& page, int row) {
        const QStringList& cells = rows[static_cast<size_t>(row)];
        const int y = page.cursor.y;
        for (const ReportCell& cell : layout.cells) {
            const QString text = cells.value(cell.cell);
            if (text.isEmpty()) continue;
            if (cell.figure)
                page.drawRightAligned(text, page.at(cell.column, -cell.offset), y, layout.figureStep);
            else
                page.drawText(page.at(cell.column, cell.offset), y, text);
        }
    };
    printReportPages(printout, report);
}
