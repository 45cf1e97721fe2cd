#pragma once
// What a multi-column list view of a form shows: rows of cell texts and the alignment of each
// column. The windows draw it (with the zebra shading of their list), the operations fill it.

#include <initializer_list>
#include <vector>
#include <QList>
#include <QStringList>

enum ColumnAlignment { ALIGN_LEFT = 0, ALIGN_RIGHT = 1, ALIGN_CENTRE = 2 };

// The colours of one row as 0xRRGGBB (the core has no colour type); -1 keeps the list's own
// (black text on the list's background or the zebra grey). Some cells of a row may stand out
// on a colour of their own (a total's amount): bit n of `accentColumns` for column n.
struct RowTone {
    int text = -1;
    int background = -1;
    quint32 accentColumns = 0;
    int accent = -1;
    bool operator==(const RowTone&) const = default;

    // The background of one cell: the accent, the row's own, or -1 for the list's.
    int backgroundOf(int column) const
    {
        if (accent >= 0 && column >= 0 && column < 32 && (accentColumns >> column & 1u)) return accent;
        return background;
    }
};

// The accent bits of the columns listed: accentOn({4, 5}).
inline quint32 accentOn(std::initializer_list<int> columns)
{
    quint32 bits = 0;
    for (int column : columns) bits |= 1u << column;
    return bits;
}

struct ListView {
    std::vector<QStringList> rows;
    QList<int> alignment;        // by column; a column not listed is left-aligned
    std::vector<RowTone> tones;  // by row; a row beyond its end keeps the list's own colours
    int selected = -1;           // the row the user picked, -1 for none

    void clear()
    {
        rows.clear();
        tones.clear();
        selected = -1;
    }
    int size() const { return static_cast<int>(rows.size()); }
    bool isEmpty() const { return rows.empty(); }
    void append(const QStringList& cells) { rows.push_back(cells); }
    // A row with colours of its own (a total, a negative stock...).
    void append(const QStringList& cells, RowTone tone)
    {
        if (tone != RowTone{}) {
            tones.resize(rows.size());
            tones.push_back(tone);
        }
        rows.push_back(cells);
    }
    RowTone toneOf(int row) const { return row >= 0 && row < static_cast<int>(tones.size()) ? tones[row] : RowTone{}; }
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
        if (i < static_cast<int>(tones.size())) tones.erase(tones.begin() + i);
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
