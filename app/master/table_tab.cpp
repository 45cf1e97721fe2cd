#include "master/table_tab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/form_widgets.h"
#include "widgets/screen_fonts.h"

void TableTab::buildLayout(const QString& title, QGroupBox* fields, const QString& newCaption, QTreeWidget* list,
                           const std::vector<QCheckBox*>& sortOptions)
{
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(title);
    heading->setFont(screenFont(TITLE_FONT));
    layout->addWidget(heading);
    layout->addWidget(fields);

    auto* buttons = new QHBoxLayout;
    const std::pair<QString, void (TableTab::*)()> actions[] = {
        {QStringLiteral("(#Alt+#SUP) Supprimer"), &TableTab::remove},
        {newCaption, &TableTab::startNew},
        {QStringLiteral("(#F5) Valider"), &TableTab::save},
    };
    for (const auto& [caption, action] : actions) {
        auto* button = new QPushButton(caption);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    // A narrow face, so the cells fit the columns' widths.
    list->setFont(screenFont(1));
    layout->addWidget(list, 1);

    auto* sorting = new QHBoxLayout;
    sorting->addWidget(new QLabel(QStringLiteral("Trier la liste sur >>")));
    for (QCheckBox* option : sortOptions) sorting->addWidget(option);
    sorting->addStretch();
    layout->addLayout(sorting);
}

void TableTab::showListIfChanged(QTreeWidget* widget, const ListView& list)
{
    const bool sameRows = listShown_ && list.rows == shownList_.rows && list.alignment == shownList_.alignment;
    if (!sameRows) {
        showList(widget, list, true);
        shownList_ = list;
        listShown_ = true;
    }
    QTreeWidgetItem* current = list.selected >= 0 ? widget->topLevelItem(list.selected) : nullptr;
    widget->setCurrentItem(current);
    if (current) widget->scrollToItem(current);
}

void TableTab::showCombo(QComboBox* combo, const QStringList& items, const QString& text)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown.append(combo->itemText(i));
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentText() != text) {
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
    }
}

void TableTab::showText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) edit->setText(text);
}

QLabel* TableTab::codeLabel()
{
    auto* label = new QLabel;
    setBackground(label, QColor(176, 217, 214));
    label->setFixedWidth(100);
    return label;
}

QToolButton* TableTab::clearButton()
{
    return imageButton(QStringLiteral(":/icons/init39.png"), 39, 39, QStringLiteral("Initialiser les champs de saisie..."));
}
