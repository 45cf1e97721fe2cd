#pragma once
// The reception and delivery tabs: the same controls in the same order, with their own
// captions and colours. The tab copies its fields into the document's form before an operation
// (pull) and shows the form again after it (push).

#include <QColor>

#include "stock/receptions_deliveries.h"
#include "stock/stock_tab_parts.h"

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QTreeWidget;

struct NoteTabCaptions {
    QString title;
    QString numberLabel;
    QString partnerLabel;
    QString saveButton;
    QColor listColour;
};

class NoteTab : public FormTab {
    Q_OBJECT
public:
    NoteTab(const NoteTabCaptions& captions, const QString& openingTime, QWidget* parent = nullptr);

    virtual NoteForm& noteForm() = 0;

    QLabel* title;
    QToolButton* closeButton;
    // Header.
    QToolButton* previousButton;
    QLineEdit* number;
    QToolButton* nextButton;
    QDateEdit* date;
    QLabel* time;
    QComboBox* partner;
    // Line being entered.
    QLineEdit* family;
    QLabel* stock;
    QLabel* lineNumber;
    QComboBox* product;
    QToolButton* initialiseButton;
    QLineEdit* unit;
    QLineEdit* quantity;
    QLineEdit* unitPrice;
    QLineEdit* amount;
    // Buttons.
    QPushButton* printButton;
    QPushButton* cancelButton;
    QPushButton* deleteButton;
    QPushButton* validateButton;
    QPushButton* newButton;
    // Lines and prices.
    QTreeWidget* lines;
    QLabel* purchasePrice;
    QLineEdit* salePrice;
    QLabel* oldBalance;
    // Payment and totals.
    QLineEdit* paymentMode;
    QButtonGroup* paymentOptions; // ids are PaymentOption values
    QRadioButton* cashOption;
    QRadioButton* chequeOption;
    QRadioButton* transferOption;
    QRadioButton* creditOption;
    QLineEdit* truck;
    QLineEdit* driver;
    QLabel* lineCount;
    QPushButton* saveButton;
    QLineEdit* totalHt;
    QLineEdit* payment;
    QLineEdit* discount;
    QLineEdit* newBalance;

protected:
    void pullForm() override { pull(noteForm()); }
    void pushForm() override { push(noteForm()); }

private:
    void pull(NoteForm& form) const;
    void push(NoteForm& form);
    // Gives the keyboard focus to the field the operation named.
    void moveFocus(NoteForm& form);

    // What the widgets show, so that push() rebuilds a list only when it changed.
    ListView shownLines_;
    QStringList shownPartnerItems_;
    QStringList shownProductItems_;
};

class ReceptionTab final : public NoteTab {
public:
    ReceptionTab(const QString& openingTime, QWidget* parent = nullptr);
    NoteForm& noteForm() override { return form; }
    ReceptionForm form;
};

class DeliveryTab final : public NoteTab {
public:
    DeliveryTab(const QString& openingTime, QWidget* parent = nullptr);
    NoteForm& noteForm() override { return form; }
    DeliveryForm form;
};
