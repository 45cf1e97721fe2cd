#include "widgets/list_table.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QStyledItemDelegate>

class ListTableModel final : public QAbstractTableModel {
public:
    ListTableModel(QStringList titles, QObject* parent) : QAbstractTableModel(parent), titles_(std::move(titles)) {}

    const ListView& rows() const { return rows_; }
    int columns() const { return static_cast<int>(titles_.size()); }
    QString title(int column) const { return titles_.value(column); }

    // True when the rows changed (and the view was told).
    bool show(const ListView& rows, bool zebra)
    {
        if (rows.rows == rows_.rows && rows.alignment == rows_.alignment && rows.tones == rows_.tones && zebra == zebra_) {
            rows_.selected = rows.selected;
            return false;
        }
        beginResetModel();
        rows_ = rows;
        zebra_ = zebra;
        endResetModel();
        return true;
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_.size(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid()) return {};
        const int row = index.row();
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return rows_.rows[static_cast<size_t>(row)].value(column);
        case Qt::TextAlignmentRole: {
            const int alignment = rows_.alignmentOf(column);
            return QVariant::fromValue(alignment == ALIGN_RIGHT    ? Qt::AlignRight | Qt::AlignVCenter
                                       : alignment == ALIGN_CENTRE ? Qt::AlignCenter
                                                                   : Qt::AlignLeft | Qt::AlignVCenter);
        }
        case Qt::BackgroundRole: {
            const int background = rows_.toneOf(row).backgroundOf(column);
            if (background >= 0) return QColor::fromRgb(static_cast<QRgb>(background));
            if (zebra_ && row % 2 == 1) return ZEBRA_GREY;
            return {};
        }
        case Qt::ForegroundRole: {
            const RowTone tone = rows_.toneOf(row);
            if (tone.text >= 0) return QColor::fromRgb(static_cast<QRgb>(tone.text));
            return {};
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return titles_.value(section);
        return {};
    }

private:
    QStringList titles_;
    ListView rows_;
    bool zebra_ = true;
};

namespace {

QStringList titlesOf(const std::vector<ListColumn>& columns)
{
    QStringList titles;
    for (const ListColumn& column : columns) titles.append(column.title);
    return titles;
}

} // namespace

ListTable::ListTable(const std::vector<ListColumn>& columns, const QColor& background, QWidget* parent)
    : QTreeView(parent), model_(new ListTableModel(titlesOf(columns), this))
{
    setModel(model_);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) setColumnWidth(i, columns[i].width);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setItemDelegate(gridLinesDelegate(this));
    header()->setStretchLastSection(false);
    setBackground(viewport(), background);
    setBackground(this, background);

    const auto picked = [this](const QModelIndex& index) {
        if (!showing_ && index.isValid()) emit rowPicked(index.row());
    };
    connect(this, &QAbstractItemView::clicked, this, picked);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, picked);
}

void ListTable::showRows(const ListView& rows, bool zebra)
{
    showing_ = true;
    model_->show(rows, zebra);
    if (rows.selected >= 0 && rows.selected < rows.size()) {
        const QModelIndex index = model_->index(rows.selected, 0);
        setCurrentIndex(index);
        scrollTo(index);
    } else {
        clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    showing_ = false;
}

const ListView& ListTable::rows() const { return model_->rows(); }

int ListTable::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int ListTable::columnCount() const { return model_->columns(); }

QString ListTable::columnTitle(int column) const { return model_->title(column); }
