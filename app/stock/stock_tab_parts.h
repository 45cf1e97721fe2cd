#pragma once
// Pieces the tabs of the stock window are built from, so that all tabs look alike.

#include <tuple>
#include <QString>

class QBoxLayout;
class QButtonGroup;
class QRadioButton;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

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
