#pragma once
// Reading printed PDF files back: the text of each page (pdftotext), the pictures (pdfimages),
// and patterns for the texts and rows the reports and forms draw.

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// The text of each page of a PDF (pdftotext ends every page with a form feed).
inline QStringList pdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(60000)) << "pdftotext did not finish";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// "page widthxheight" of each picture of a PDF.
inline QStringList pdfImages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_TRUE(process.waitForFinished(60000)) << "pdfimages did not finish";
    QStringList images;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() > 4) images.append(fields[0] + u' ' + fields[3] + u'x' + fields[4]);
    }
    return images;
}

// A text to find as it stands (a figure, a name) in a row of hasRow.
inline QString exact(const QString& text) { return QRegularExpression::escape(text); }

// Whether `text` holds the cells in that order, blanks between them.
inline bool hasRow(const QString& text, const QStringList& cells)
{
    return text.contains(QRegularExpression(QStringLiteral("(^|\\s)") + cells.join(QStringLiteral("\\s+")) + QStringLiteral("(\\s|$)")));
}

// Set VARKEL_PRINT_SAMPLES to a folder to keep the printed PDF files and look at them.
inline void keepSample(const QString& pdf, const QString& name)
{
    const QString folder = qEnvironmentVariable("VARKEL_PRINT_SAMPLES");
    if (folder.isEmpty()) return;
    QFile::remove(folder + u'/' + name);
    QFile::copy(pdf, folder + u'/' + name);
}
