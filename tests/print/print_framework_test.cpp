#include <gtest/gtest.h>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <optional>

#include "data_fixture.h"
#include "print/print_framework.h"
#include "recording_canvas.h"

namespace {

const Letterheads NO_LETTERHEADS{};

} // namespace

TEST(PrintScale, MapsUnitsOntoThePrintableAreaRoundingToNearestTiesToEven)
{
    RecordingCanvas canvas(4800, 6800);
    const Printout page(canvas, NO_LETTERHEADS);
    EXPECT_EQ(page.scaleX(1.2f), 274); // 274.29
    EXPECT_EQ(page.scaleY(0.6f), 137); // 137.37
    EXPECT_EQ(page.scaleX(21.0f), 4800);
    EXPECT_EQ(page.scaleY(29.7f), 6800);

    // 42 pixels across 21 units: two pixels a unit, so quarter units fall on halves.
    EXPECT_EQ(scaleUnits(0.25f, 42, PAGE_WIDTH_CM), 0);  // 0.5
    EXPECT_EQ(scaleUnits(0.75f, 42, PAGE_WIDTH_CM), 2);  // 1.5
    EXPECT_EQ(scaleUnits(1.25f, 42, PAGE_WIDTH_CM), 2);  // 2.5
    EXPECT_EQ(scaleUnits(-0.25f, 42, PAGE_WIDTH_CM), 0); // -0.5
}

TEST(PrintFonts, FollowThePageHeightAndTheScreenResolution)
{
    // Font 20, arial 0.25: scaleY(0.25) = 57 points on a 6800-pixel page, 57 x 96 / 72 = 76 pixels.
    EXPECT_EQ(printFont(20, 6800, 96), (PrintFont{20, QStringLiteral("arial"), 76, false}));
    EXPECT_EQ(printFont(28, 6800, 96), (PrintFont{28, QStringLiteral("verdana"), 367, true}));  // 275 points
    EXPECT_EQ(printFont(36, 6800, 96), (PrintFont{36, QStringLiteral("arial"), 67, false}));   // 50 points
    EXPECT_EQ(printFont(53, 6800, 96), (PrintFont{53, QStringLiteral("arial"), 83, true}));    // 62 points
    EXPECT_EQ(printFont(24, 6800, 96).face, QStringLiteral("Trebuchet ms"));
    EXPECT_EQ(printFont(27, 6800, 96).face, QStringLiteral("times new roman"));
    // A sharper screen makes every print font larger; a taller page too.
    EXPECT_EQ(printFont(20, 6800, 120).pixelSize, 95);
    EXPECT_EQ(printFont(20, 13600, 96).pixelSize, 152);
    // Without a screen (no application in this test) the resolution is 96.
    EXPECT_EQ(screenResolution(), 96);

    RecordingCanvas canvas(4800, 6800);
    Printout page(canvas, NO_LETTERHEADS);
    page.setFont(52);
    page.drawText(0, 0, QStringLiteral("x"));
    EXPECT_EQ(canvas.record().texts().at(0).font, printFont(52, 6800, 96));
}

TEST(PrintDrawing, RightAlignedFiguresEndWhereTheirLastCharacterCellEnds)
{
    RecordingCanvas canvas(4800, 6800);
    Printout page(canvas, NO_LETTERHEADS);
    page.setFont(36);
    const int step = page.scaleX(0.18f);
    ASSERT_EQ(step, 41);
    const int charWidth = printFont(36, 6800, 96).pixelSize / 2; // the recording canvas's measure
    // Texts of any length end at the same x, each drawn whole: "1 234.56" is not spread out.
    for (const QString& figure : {QStringLiteral("1 234.56"), QStringLiteral("5.00"), QString()}) {
        page.drawRightAligned(figure, 3000, 500, 0.18f);
        const CanvasCall drawn = canvas.record().texts().back();
        EXPECT_EQ(drawn.text, figure);
        EXPECT_EQ(drawn.x + recordedTextWidth(drawn.font, figure), 3000 + step);
        EXPECT_EQ(drawn.x, 3000 + step - figure.size() * charWidth);
        EXPECT_EQ(drawn.y, 500);
        EXPECT_EQ(page.cursor.rightX, drawn.x);
    }
    EXPECT_EQ(canvas.record().texts().size(), 3u);
}

TEST(PrintDrawing, TableGridHasARuleAtEachStopAndThreeAcross)
{
    RecordingCanvas canvas(4800, 6800);
    Printout page(canvas, NO_LETTERHEADS);
    page.drawTableGrid({100, 250, 900}, 40, 80, 300);

    std::vector<std::array<int, 4>> lines;
    for (const CanvasCall& line : canvas.record().ofKind(CanvasCall::Line)) {
        EXPECT_EQ(line.front, QColor(0, 0, 0));
        lines.push_back({line.x, line.y, line.x2, line.y2});
    }
    const std::vector<std::array<int, 4>> expected{
        {100, 40, 100, 300}, {250, 40, 250, 300}, {900, 40, 900, 300},
        {100, 40, 900, 40},  {100, 80, 900, 80},  {100, 300, 900, 300},
    };
    EXPECT_EQ(lines, expected);
}

TEST(PrintDrawing, LetterheadsFillTheirBandsWithoutDistortion)
{
    QTemporaryDir folder;
    QImage square(200, 200, QImage::Format_RGB32);
    square.fill(Qt::red);
    ASSERT_TRUE(square.save(folder.filePath(QStringLiteral("entete_court.png"))));
    RecordingCanvas canvas(4800, 6800);
    Printout page(canvas, loadLetterheads(folder.path()));
    page.drawLetterheadThin();
    page.drawLetterheadTall();

    const std::vector<CanvasCall> images = canvas.record().ofKind(CanvasCall::Image);
    ASSERT_EQ(images.size(), 2u);
    // The built-in full letterhead has the proportions of its band, 19.4 x 1 units at (1, 0.2):
    // it fills it, give or take the pixel that rounding takes.
    EXPECT_EQ(images[0].image, loadLetterhead(LETTERHEAD_FULL, QString()));
    EXPECT_EQ(images[0].x, 229);      // scaleX(1.0)
    EXPECT_EQ(images[0].y, 46);       // scaleY(0.2)
    EXPECT_EQ(images[0].width, 4434); // scaleX(19.4)
    EXPECT_NEAR(images[0].height, 229, 1);
    // A square picture in the 19.4 x 3 band: as high as the band, square, centred across it.
    EXPECT_EQ(images[1].height, 687); // scaleY(3.0)
    EXPECT_EQ(images[1].width, 687);
    EXPECT_EQ(images[1].x, 229 + (4434 - 687) / 2);
    EXPECT_EQ(images[1].y, 46);
}

TEST(Letterheads, TheBusinessOwnPicturesReplaceTheBuiltInOnes)
{
    QTemporaryDir folder;
    const QImage builtInFull = loadLetterhead(LETTERHEAD_FULL, folder.path());
    const QImage builtInShort = loadLetterhead(LETTERHEAD_SHORT, folder.path());
    ASSERT_EQ(builtInFull.size(), QSize(1940, 100));
    ASSERT_EQ(builtInShort.size(), QSize(1940, 300));

    QImage red(40, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(folder.filePath(QStringLiteral("entete_complet.png"))));
    QImage blue(30, 10, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(folder.filePath(QStringLiteral("entete_court.jpg"))));

    const Letterheads own = loadLetterheads(folder.path());
    EXPECT_EQ(own.full.size(), QSize(40, 10));
    EXPECT_EQ(QColor(own.full.pixel(5, 5)), QColor(Qt::red));
    EXPECT_EQ(own.shortForm.size(), QSize(30, 10));
    EXPECT_GT(QColor(own.shortForm.pixel(5, 5)).blue(), 200); // JPEG keeps it nearly pure blue

    // A file of that name that is no picture leaves the built-in letterhead.
    QFile broken(folder.filePath(QStringLiteral("entete_complet.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("not a picture");
    broken.close();
    EXPECT_EQ(loadLetterhead(LETTERHEAD_FULL, folder.path()), builtInFull);
}

TEST(PrintDrawing, ReportsBreakThePageWhenARowReachesTheBottomMargin)
{
    RecordingCanvas canvas(4800, 6800);
    Printout page(canvas, NO_LETTERHEADS);
    int headers = 0;
    const PageHeader header = [&](Printout& p) {
        ++headers;
        p.setColumnStops({1, 10, 20});
        p.cursor.y = p.scaleY(2);
        p.cursor.tableTop = p.cursor.y;
        p.cursor.headerBottom = p.cursor.y + p.scaleY(0.5f);
        p.setFont(33);
        p.drawText(p.col(1), p.cursor.y, QStringLiteral("HEADER"));
        p.cursor.y = p.cursor.headerBottom;
    };
    header(page);
    page.setFont(43);
    const int limit = 6800 - BOTTOM_MARGIN_PX;
    std::vector<int> breaksAt;
    for (int row = 0; row < 120; ++row) {
        page.drawText(page.col(1), page.cursor.y, QStringLiteral("row %1").arg(row));
        page.down(0.5f);
        const int y = page.cursor.y;
        if (page.breakPage(header, 43)) breaksAt.push_back(y);
    }

    const CanvasRecord& record = canvas.record();
    ASSERT_EQ(record.pages, 3); // 114 pixels a row from 572: 53 rows a page
    EXPECT_EQ(headers, 3);
    for (int y : breaksAt) {
        EXPECT_GE(y, limit);
        EXPECT_LT(y - page.scaleY(0.5f), limit); // the row before it stayed above the limit
    }
    int rowsSeen = 0;
    for (const CanvasCall& text : record.texts()) {
        if (text.text == u"HEADER") continue;
        EXPECT_EQ(text.text, QStringLiteral("row %1").arg(rowsSeen++));
        EXPECT_EQ(text.font.number, 43) << "the row font is selected again after each header";
        EXPECT_LT(text.y, limit);
    }
    EXPECT_EQ(rowsSeen, 120);
    // Each broken page is closed by the grid down to the y where it broke.
    const std::vector<CanvasCall> lines = record.ofKind(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 2 * 6u);
    EXPECT_EQ(lines[5].y, breaksAt[0]);
    EXPECT_EQ(lines[5].page, 1);
}

class PrintJobTest : public DataFixture {
protected:
    RecordingPrinterChoice printers;
    int reads = 0;
    int draws = 0;

    bool run(bool isEmpty, std::optional<QString> title = std::nullopt)
    {
        PrintJob job;
        if (title) job.title = *title;
        job.isEmpty = isEmpty;
        job.readFields = [&] { ++reads; };
        job.drawPages = [&](Printout& page) {
            ++draws;
            page.setFont(20);
            page.drawText(0, 0, QStringLiteral("x"));
        };
        return runPrintJob(env, printers, job);
    }
};

TEST_F(PrintJobTest, AnEmptySourceSaysSoAndAsksForNoPrinter)
{
    EXPECT_FALSE(run(true));
    EXPECT_EQ(dialogs.shown, (std::vector<ShownBox>{{QStringLiteral("message"), QStringLiteral("Erreur"),
                                                     QStringLiteral("Il n'y a rien à imprimer ! ")}}));
    EXPECT_EQ(printers.asked, 0);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(draws, 0);
}

TEST_F(PrintJobTest, ACancelledChoiceEndsSilentlyAndAnAcceptedOneDrawsTheJob)
{
    printers.cancel = true;
    EXPECT_FALSE(run(false));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(printers.asked, 1);
    EXPECT_EQ(reads, 1); // the fields are read before the printer is chosen
    EXPECT_EQ(draws, 0);
    EXPECT_TRUE(printers.jobs.empty());

    printers.cancel = false;
    EXPECT_TRUE(run(false));
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(printers.jobs.size(), 1u);
    EXPECT_EQ(draws, 1);
    EXPECT_TRUE(printers.last().hasText(QStringLiteral("x")));
}

TEST_F(PrintJobTest, TheJobAsksForItsPrinterUnderItsTitle)
{
    printers.cancel = true;
    run(false, QStringLiteral("Facture 12"));
    run(false);                // a job that names nothing
    run(false, QString());     // or names it empty
    EXPECT_EQ(printers.titles, (std::vector<QString>{QStringLiteral("Facture 12"), QStringLiteral("Impression"),
                                                     QStringLiteral("Impression")}));
}
