#include "stock/stock_tab_parts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeWidget>

#include "common/list_view.h"
#include "stock/payment_options.h"
#include "stock/stock.h"
#include "widgets/form_widgets.h"

std::tuple<QToolButton*, QLineEdit*, QToolButton*> numberNavigator(QWidget* parent)
{
    auto* number = new QLineEdit(parent);
    number->setMaximumWidth(90);
    return {imageButton(QStringLiteral(":/icons/previous.png"), 28, 28, QStringLiteral("Numéro précédent"), parent), number,
            imageButton(QStringLiteral(":/icons/next.png"), 28, 28, QStringLiteral("Numéro suivant"), parent)};
}

void addNumberNavigator(QBoxLayout* row, const QString& caption, QToolButton* previous, QLineEdit* number, QToolButton* next)
{
    row->addWidget(fieldLabel(caption, number));
    row->addWidget(previous);
    row->addWidget(number);
    row->addWidget(next);
}

std::tuple<QButtonGroup*, QRadioButton*, QRadioButton*, QRadioButton*, QRadioButton*>
paymentOptionButtons(QWidget* parent, const QString& transferCaption)
{
    auto* group = new QButtonGroup(parent);
    const auto option = [group, parent](const QString& caption, PaymentOption id) {
        auto* button = new QRadioButton(caption, parent);
        group->addButton(button, static_cast<int>(id));
        return button;
    };
    return {group, option(QStringLiteral("ESPECE"), PaymentOption::Espece), option(QStringLiteral("CHEQUE"), PaymentOption::Cheque),
            option(transferCaption, PaymentOption::Virement), option(QStringLiteral("A TERME"), PaymentOption::ATerme)};
}

QToolButton* closeButton(QWidget* parent)
{
    return imageButton(QStringLiteral(":/icons/close.png"), 32, 32, QStringLiteral("Fermer"), parent);
}

QToolButton* initialiseButton(QWidget* parent)
{
    return imageButton(QStringLiteral(":/icons/clear.png"), 30, 30, QStringLiteral("Initialiser"), parent);
}

QHBoxLayout* titleRow(QLabel* title, QToolButton* close)
{
    auto* row = new QHBoxLayout;
    row->addWidget(title, 1);
    if (close) row->addWidget(close, 0, Qt::AlignRight | Qt::AlignTop);
    return row;
}

QPushButton* keyButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void addField(QBoxLayout* row, const QString& label, QWidget* field, int stretch)
{
    row->addWidget(fieldLabel(label, field));
    row->addWidget(field, stretch);
}

QGroupBox* frame(QLayout* content, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setLayout(content);
    return box;
}

QGroupBox* captionedFrame(const QString& caption, QWidget* content, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

void showLineAmountOf(QLineEdit* quantity, QLineEdit* unitPrice, QLineEdit* amount)
{
    amount->setReadOnly(true);
    amount->setFocusPolicy(Qt::NoFocus);
    const auto show = [=] { amount->setText(typedLineAmount(quantity->text(), unitPrice->text())); };
    QObject::connect(quantity, &QLineEdit::textChanged, amount, show);
    QObject::connect(unitPrice, &QLineEdit::textChanged, amount, show);
}

void showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) edit->setText(text);
}

void showText(QLabel* label, const QString& text)
{
    if (label->text() != text) label->setText(text);
}

void showText(QComboBox* box, const QString& text)
{
    if (box->currentText() != text) box->setEditText(text);
}

void showLines(QTreeWidget* list, const ListView& lines, ListView& shown)
{
    if (lines.rows != shown.rows || lines.alignment != shown.alignment) {
        showList(list, lines, true);
        shown = lines;
    }
    if (lines.selected >= 0)
        list->setCurrentItem(list->topLevelItem(lines.selected));
    else
        list->clearSelection();
}

int selectedLine(const QTreeWidget* list)
{
    QTreeWidgetItem* current = list->currentItem();
    return current && current->isSelected() ? list->indexOfTopLevelItem(current) : -1;
}

void FormTab::apply(const std::function<void()>& operation)
{
    if (busy_) return;
    busy_ = true;
    pullForm();
    operation();
    pushForm();
    busy_ = false;
}
