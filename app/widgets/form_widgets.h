#pragma once
// Small pieces every window builds its tabs from, so that all windows look and behave alike.

#include <functional>
#include <vector>
#include <QColor>
#include <QString>

#include "common/list_view.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QObject;
class QStyledItemDelegate;
class QToolButton;
class QTreeWidget;
class QWidget;

// Grey of every second row of a shaded list.
inline const QColor ZEBRA_GREY(218, 218, 218);

// Turns every typed letter into a capital while typing, accented ones included (é -> É).
void makeUpperCase(QLineEdit* edit);
// An editable combo box whose text is upper-cased while typing.
QComboBox* upperCaseComboBox(QWidget* parent = nullptr);
// A line edit whose text stands on the right, for amounts.
QLineEdit* amountEdit(QWidget* parent = nullptr);

// Replaces a combo box's list and keeps the text typed in it.
void setComboItems(QComboBox* box, const QStringList& items);
// Runs `action` when the text of a name box changes (typed or picked) and when it loses the
// keyboard focus, and on nothing else.
void onNameBoxEdited(QComboBox* box, std::function<void()> action);

// A date picker showing dd/mm/yyyy, with a calendar; its text is the program's date text.
QDateEdit* datePicker(QWidget* parent = nullptr);
QString datePickerText(const QDateEdit* picker);
// A text that is not a date leaves the picker as it was.
void setDatePickerText(QDateEdit* picker, const QString& text);

// Checks the option button with that id, or none for -1.
void checkOption(QButtonGroup* options, int id);

// The bold title of a tab.
QLabel* titleLabel(const QString& text, QWidget* parent = nullptr);
// A framed label that shows a value on a background colour.
QLabel* displayLabel(const QColor& background, QWidget* parent = nullptr);

// A label for an entry field: screen readers announce the field by the label's text.
QLabel* fieldLabel(const QString& text, QWidget* field, QWidget* parent = nullptr);
// Sets the accessible name of a field that has no label of its own.
void nameField(QWidget* field, const QString& name);

void setBackground(QWidget* widget, const QColor& colour);
void setTextColours(QWidget* widget, const QColor& text, const QColor& background);

// An image button of the given size showing a picture of the resources (":/icons/close.png").
QToolButton* imageButton(const QString& picture, int width, int height, const QString& toolTip,
                         QWidget* parent = nullptr);

struct ListColumn {
    QString title;
    int width;
};
// Draws the grid lines of a list's cells over what the style paints.
QStyledItemDelegate* gridLinesDelegate(QObject* parent);
// Multi-column list: whole-row selection, grid lines, the given columns and background.
void setupList(QTreeWidget* list, const std::vector<ListColumn>& columns, const QColor& background);
// Shows the rows of a ListView with its column alignment; every second row is grey when `zebra`.
void showList(QTreeWidget* list, const ListView& rows, bool zebra);
// Copies the cell texts of every row of the widget back (what the user sees).
ListView readList(QTreeWidget* list);
