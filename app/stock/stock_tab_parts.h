#pragma once
// Pieces the tabs of the stock window are built from, so that all tabs look alike.

#include <functional>
#include <tuple>
#include <QString>
#include <QWidget>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QRadioButton;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;
struct ListView;

// Previous button, number field (at most 90 wide), next button:
//   std::tie(previousButton, number, nextButton) = numberNavigator(this);
std::tuple<QToolButton*, QLineEdit*, QToolButton*> numberNavigator(QWidget* parent);
// Adds "N° ...:" and the three pieces to a row.
void addNumberNavigator(QBoxLayout* row, const QString& caption, QToolButton* previous, QLineEdit* number, QToolButton* next);

// The exclusive options ESPECE, CHEQUE, the transfer (captioned as given) and A TERME; their ids
// in the group are the values of PaymentOption:
//   std::tie(paymentOptions, cashOption, chequeOption, transferOption, creditOption) = ...
std::tuple<QButtonGroup*, QRadioButton*, QRadioButton*, QRadioButton*, QRadioButton*>
paymentOptionButtons(QWidget* parent, const QString& transferCaption);

// The 32 x 32 button at the top right of a tab that closes the window.
QToolButton* closeButton(QWidget* parent);
// The 30 x 30 "Initialiser" button that empties the line being entered.
QToolButton* initialiseButton(QWidget* parent);
// The tab's title on the left, its close button (if any) on the right.
QHBoxLayout* titleRow(QLabel* title, QToolButton* close);

// A push button whose caption shows its key, "(#F5) Valider".
QPushButton* keyButton(const QString& caption, QWidget* parent);

// Adds a field's label then the field to a row.
void addField(QBoxLayout* row, const QString& label, QWidget* field, int stretch = 0);
// A frame without title holding a layout.
QGroupBox* frame(QLayout* content, QWidget* parent);
// A frame with a caption holding one widget.
QGroupBox* captionedFrame(const QString& caption, QWidget* content, QWidget* parent);

// "Montant:" shows quantity x unit price whenever either changes (typed or shown), and nothing
// while one of them is not a number; it cannot be typed in.
void showLineAmountOf(QLineEdit* quantity, QLineEdit* unitPrice, QLineEdit* amount);

// Writes a text only when it differs, so that the field being typed in keeps its cursor.
void showText(QLineEdit* edit, const QString& text);
void showText(QLabel* label, const QString& text);
void showText(QComboBox* box, const QString& text);

// Shows a form's line list and its selected row; `shown` is what the list shows, so that it is
// rebuilt only when the rows changed.
void showLines(QTreeWidget* list, const ListView& lines, ListView& shown);
// The row the user picked, -1 for none.
int selectedLine(const QTreeWidget* list);

// A document tab: it copies its fields into its form before an operation (pull) and shows the
// form again after it (push).
class FormTab : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Runs an operation on the tab's form between pull and push.
    void apply(const std::function<void()>& operation);
    // True while an operation runs: the change and focus signals its widgets and message boxes
    // raise then are not the user's, and must not start another operation.
    bool isBusy() const { return busy_; }

protected:
    virtual void pullForm() = 0;
    virtual void pushForm() = 0;

private:
    bool busy_ = false;
};
