#pragma once
// What a multi-column list view of a form shows: rows of cell texts and the alignment of each
// column. The windows draw it (with the zebra shading of their list), the operations fill it.

#include <vector>
#include <QList>
#include <QStringList>

enum ColumnAlignment { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };

struct ListView {
    std::vector<QStringList> rows;
    QList<int> alignment; // by column; a column not listed is left-aligned
    int selected = -1;    // the row the user picked, -1 for none

    void clear()
    {
        rows.clear();
        selected = -1;
    }
    int size() const { return static_cast<int>(rows.size()); }
    bool isEmpty() const { return rows.empty(); }
    void append(const QStringList& cells) { rows.push_back(cells); }
    // Index of the first row whose cell `column` equals `value`, or -1.
    int findRow(int column, const QString& value) const
    {
        for (int i = 0; i < size(); ++i)
            if (column < rows[i].size() && rows[i][column] == value) return i;
        return -1;
    }
    // Removes the first row whose cell `column` equals `value`; true when one was removed.
    bool removeFirst(int column, const QString& value)
    {
        const int i = findRow(column, value);
        if (i < 0) return false;
        rows.erase(rows.begin() + i);
        if (selected >= size()) selected = -1;
        return true;
    }
    int alignmentOf(int column) const { return column < alignment.size() ? alignment[column] : ALIGN_LEFT; }
};

// Sets the text alignment of one column: 1 right, 2 centre, anything else left.
inline void setColumnAlignment(ListView& list, int column, int alignment)
{
    while (list.alignment.size() <= column) list.alignment.append(ALIGN_LEFT);
    list.alignment[column] = (alignment == ALIGN_RIGHT || alignment == ALIGN_CENTRE) ? alignment : ALIGN_LEFT;
}
