#pragma once
// A multi-column list that shows a ListView through a model: the rows are not copied into one
// widget item each, so a journal or a report of a hundred thousand rows appears at once and
// scrolls smoothly. Whole-row selection, grid lines, column alignment, zebra rows and the row
// colours the operations give (RowTone).

#include <vector>
#include <QColor>
#include <QTreeView>

#include "common/list_view.h"
#include "widgets/form_widgets.h"

class ListTableModel;

class ListTable : public QTreeView {
    Q_OBJECT
public:
    ListTable(const std::vector<ListColumn>& columns, const QColor& background, QWidget* parent = nullptr);

    // Shows these rows (every second one grey when `zebra`) and selects `rows.selected`. Rows
    // equal to those shown are not laid out again, so the list keeps its scroll position.
    void showRows(const ListView& rows, bool zebra = true);
    // What the list shows.
    const ListView& rows() const;
    // The row the user picked, -1 for none.
    int selectedRow() const;
    int columnCount() const;
    QString columnTitle(int column) const;

signals:
    // The user picked a row, with the mouse or by moving along the list.
    void rowPicked(int row);

private:
    ListTableModel* model_;
    bool showing_ = false;
};
