#include "stock/stock_tab_parts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "widgets/form_widgets.h"

NumberNavigator numberNavigator(QWidget* parent)
{
    return {imageButton(QStringLiteral(":/icons/previous.png"), 28, 28, QStringLiteral("Numéro précédent"), parent),
            new QLineEdit(parent),
            imageButton(QStringLiteral(":/icons/next.png"), 28, 28, QStringLiteral("Numéro suivant"), parent)};
}

void addNumberNavigator(QBoxLayout* row, const QString& caption, const NumberNavigator& navigator)
{
    row->addWidget(fieldLabel(caption, navigator.number));
    row->addWidget(navigator.previous);
    row->addWidget(navigator.number);
    row->addWidget(navigator.next);
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
