#include "widgets/form_widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>

#include "common/values.h"
#include "widgets/screen_fonts.h"

namespace {

// Calls an action when the watched widget loses the keyboard focus.
class FocusLossWatcher : public QObject {
public:
    FocusLossWatcher(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) action_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

// Draws the grid lines of a list over the normal cell, so row colours and the selection stay
// as the style paints them (an item style sheet would hide both).
class GridLinesDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        painter->save();
        painter->setPen(QColor(180, 180, 180));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

} // namespace

void makeUpperCase(QLineEdit* edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(upper);
        edit->setCursorPosition(cursor);
    });
}

QComboBox* upperCaseComboBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // Matching names are offered in a popup, never written into the field: inline completion
    // would turn a new name typed before Return into an existing one.
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    makeUpperCase(box->lineEdit());
    return box;
}

void setComboItems(QComboBox* box, const QStringList& items)
{
    const QString typed = box->currentText();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
}

void onNameBoxEdited(QComboBox* box, std::function<void()> action)
{
    QObject::connect(box, &QComboBox::editTextChanged, box, [action] { action(); });
    box->lineEdit()->installEventFilter(new FocusLossWatcher(box, action));
}

QDateEdit* datePicker(QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setDisplayFormat(QString::fromLatin1(DATE_FORMAT));
    picker->setCalendarPopup(true);
    return picker;
}

QString datePickerText(const QDateEdit* picker) { return dateText(picker->date()); }

void setDatePickerText(QDateEdit* picker, const QString& text)
{
    const QDate date = QDate::fromString(text.trimmed(), QString::fromLatin1(DATE_FORMAT));
    if (date.isValid()) picker->setDate(date);
}

void checkOption(QButtonGroup* options, int id)
{
    if (QAbstractButton* button = options->button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last button by itself.
    options->setExclusive(false);
    for (QAbstractButton* button : options->buttons()) button->setChecked(false);
    options->setExclusive(true);
}

QLabel* titleLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(screenFont(TITLE_FONT));
    return label;
}

QLabel* displayLabel(const QColor& background, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    setBackground(label, background);
    return label;
}

QLineEdit* amountEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

QLabel* fieldLabel(const QString& text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    nameField(field, text);
    return label;
}

void nameField(QWidget* field, const QString& name) { field->setAccessibleName(name.trimmed()); }

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColours(QWidget* widget, const QColor& text, const QColor& background)
{
    setBackground(widget, background);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

QToolButton* imageButton(const QString& picture, int width, int height, const QString& toolTip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(picture));
    button->setIconSize(QSize(width - 4, height - 4));
    button->setFixedSize(width, height);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setAutoRaise(true);
    return button;
}

QStyledItemDelegate* gridLinesDelegate(QObject* parent) { return new GridLinesDelegate(parent); }

void setupList(QTreeWidget* list, const std::vector<ListColumn>& columns, const QColor& background)
{
    QStringList titles;
    for (const ListColumn& column : columns) titles.append(column.title);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) list->setColumnWidth(i, columns[i].width);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setItemDelegate(gridLinesDelegate(list));
    list->header()->setStretchLastSection(false);
    setBackground(list->viewport(), background);
    setBackground(list, background);
}

void showList(QTreeWidget* list, const ListView& rows, bool zebra)
{
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (int r = 0; r < rows.size(); ++r) {
        auto* item = new QTreeWidgetItem(rows.rows[r]);
        for (int c = 0; c < list->columnCount(); ++c) {
            const int alignment = rows.alignmentOf(c);
            item->setTextAlignment(c, alignment == ALIGN_RIGHT    ? Qt::AlignRight | Qt::AlignVCenter
                                      : alignment == ALIGN_CENTRE ? Qt::AlignCenter
                                                                  : Qt::AlignLeft | Qt::AlignVCenter);
            if (zebra && r % 2 == 1) item->setBackground(c, ZEBRA_GREY);
        }
        items.append(item);
    }
    list->addTopLevelItems(items);
    if (rows.selected >= 0 && rows.selected < rows.size()) list->setCurrentItem(items[rows.selected]);
}

ListView readList(QTreeWidget* list)
{
    ListView view;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        QStringList cells;
        const QTreeWidgetItem* item = list->topLevelItem(r);
        for (int c = 0; c < list->columnCount(); ++c) cells.append(item->text(c));
        view.append(cells);
        if (item == list->currentItem()) view.selected = r;
    }
    return view;
}
