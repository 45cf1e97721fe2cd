// The model-based list: what it shows, the colours of its rows and the rows the user picks.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "widgets/list_table.h"

namespace {

ListView sample()
{
    ListView rows;
    rows.append({QStringLiteral("CIMENT"), QStringLiteral("12.50")});
    rows.append({QStringLiteral("SABLE"), QStringLiteral("-3.00")}, RowTone{0xFF0000, -1});
    // The total's amount stands out in blue on its yellow row.
    rows.append({QStringLiteral("TOTAL"), QStringLiteral("9.50")}, RowTone{-1, 0xFFFF00, accentOn({1}), 0x0000FF});
    setColumnAlignment(rows, 1, ALIGN_RIGHT);
    return rows;
}

} // namespace

TEST(ListTable, ShowsCellsAlignmentAndRowColours)
{
    ListTable list({{QStringLiteral("Désignation"), 200}, {QStringLiteral("Montant"), 90}}, Qt::white);
    list.showRows(sample());
    const QAbstractItemModel* model = list.model();
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Montant"));
    EXPECT_EQ(model->index(2, 0).data().toString(), QStringLiteral("TOTAL"));
    EXPECT_EQ(model->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    // The red text of row 1 over the zebra grey; the total's own yellow wins over the list's.
    EXPECT_EQ(model->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(model->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), ZEBRA_GREY);
    EXPECT_EQ(model->index(2, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
    EXPECT_EQ(model->index(2, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_FALSE(model->index(0, 0).data(Qt::BackgroundRole).isValid());
}

TEST(ListTable, ReportsOnlyTheRowsTheUserPicks)
{
    ListTable list({{QStringLiteral("Désignation"), 200}, {QStringLiteral("Montant"), 90}}, Qt::white);
    list.resize(400, 300);
    list.show();
    QSignalSpy picked(&list, &ListTable::rowPicked);
    ListView rows = sample();
    rows.selected = 1;
    list.showRows(rows);
    EXPECT_EQ(list.selectedRow(), 1);
    EXPECT_EQ(picked.count(), 0); // shown by the program, not picked

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    ASSERT_EQ(picked.count(), 1);
    EXPECT_EQ(picked.takeFirst().at(0).toInt(), 2);
    EXPECT_EQ(list.selectedRow(), 2);

    const QRect first = list.visualRect(list.model()->index(0, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first.center());
    ASSERT_FALSE(picked.isEmpty());
    EXPECT_EQ(picked.last().at(0).toInt(), 0);
}

TEST(ListTable, ShowsAHundredThousandRowsWithoutAWidgetEach)
{
    ListTable list({{QStringLiteral("N°"), 60}}, Qt::white);
    ListView rows;
    for (int i = 0; i < 100000; ++i) rows.append({QString::number(i)});
    list.showRows(rows);
    EXPECT_EQ(list.model()->rowCount(), 100000);
    EXPECT_EQ(list.model()->index(99999, 0).data().toString(), QStringLiteral("99999"));
    rows.selected = -1;
    list.showRows(ListView{});
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(list.model()->rowCount(), 0);
}
