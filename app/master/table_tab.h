#pragma once
// What the two tabs of the tables window have in common: the same keys (F5 save, F6 new,
// Alt+Delete delete, Return next field), the same layout (title, entry frame, three buttons,
// list, sort options) and the copying between the widgets and the tab's form around each
// operation.

#include <functional>
#include <utility>
#include <vector>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include "common/list_view.h"

class QGroupBox;
class QLabel;
class QLineEdit;
struct Env;

// The tab as the window sees it: what its keys do.
class TableTab : public QWidget {
public:
    using QWidget::QWidget;

    // The tab is shown (the window opened on it or the user selected it): fills its list and
    // combo boxes the first time, and puts the focus in its first field.
    virtual void shown() = 0;
    virtual void save() = 0;
    virtual void startNew() = 0;
    virtual void remove() = 0;
    // Return: the field that has the keyboard focus decides.
    virtual void returnPressed() = 0;

protected:
    // Lays the tab out: the title, the entry frame, the buttons "(#Alt+#SUP) Supprimer",
    // `newCaption` and "(#F5) Valider", the list and, after "Trier la liste sur >>", the sort options.
    void buildLayout(const QString& title, QGroupBox* fields, const QString& newCaption, QTreeWidget* list,
                     const std::vector<QCheckBox*>& sortOptions);

    // Redraws the list only when its rows changed (a save or a delete touches one row, a click
    // none), then marks its selected row.
    void showListIfChanged(QTreeWidget* widget, const ListView& list);
    // The read-only label of the record's code.
    static QLabel* codeLabel();
    // The image button "Initialiser les champs de saisie...".
    static QToolButton* clearButton();
    // Replaces the items of a combo box when they changed, then shows `text` in it.
    static void showCombo(QComboBox* combo, const QStringList& items, const QString& text);
    // Sets an edit's text unless it holds it already (so the cursor stays where it is).
    static void showText(QLineEdit* edit, const QString& text);

private:
    ListView shownList_;
    bool listShown_ = false;
};

// A tab whose operations work on a form struct `Form` (with its fields' texts, `list`, `sort`
// and `focus`) and entry fields `Field` (an enum whose first value, Field{}, means no field).
template <typename Form, typename Field>
class FormTab : public TableTab {
public:
    using Sort = decltype(Form::sort);
    struct Operations {
        void (*load)(Env&, Form&);
        void (*save)(Env&, Form&);
        void (*startNew)(Env&, Form&);
        void (*remove)(Env&, Form&);
        void (*returnKey)(Env&, Form&, Field from);
        void (*sort)(Env&, Form&);
        void (*clear)(Form&);                       // "Initialiser les champs de saisie..."
        void (*pick)(Env&, Form&, const QString&);  // an item picked in the tab's main combo box
        void (*selectRow)(Form&, int row);          // a click on a list row
    };

    FormTab(Env& env, const Operations& operations, QWidget* parent = nullptr)
        : TableTab(parent), env_(env), operations_(operations)
    {
    }

    void shown() override
    {
        // Once loaded, the list is kept up to date by the operations: a saved record must not
        // stand for the whole table.
        if (!loaded_) run(operations_.load);
        loaded_ = true;
        if (!fields_.empty()) fields_.front().first->setFocus(Qt::OtherFocusReason);
    }
    void save() override { run(operations_.save); }
    void startNew() override { run(operations_.startNew); }
    void remove() override { run(operations_.remove); }
    void returnPressed() override
    {
        const Field from = focusedField();
        runStep([&] { operations_.returnKey(env_, form_, from); });
    }

    const Form& form() const { return form_; }

protected:
    // Lays the tab out (see buildLayout) and connects its controls to the operations.
    void buildTab(const QString& title, QGroupBox* fields, const QString& newCaption, QToolButton* clear,
                  QComboBox* pick, QTreeWidget* list, const std::vector<std::pair<QCheckBox*, Sort>>& sortOptions)
    {
        list_ = list;
        sortOptions_ = sortOptions;
        std::vector<QCheckBox*> boxes;
        for (const auto& [box, sort] : sortOptions_) {
            boxes.push_back(box);
            connect(box, &QCheckBox::clicked, this, [this, sort = sort](bool ticked) {
                runStep([&] {
                    form_.sort = ticked ? sort : Sort{};
                    operations_.sort(env_, form_);
                });
            });
        }
        buildLayout(title, fields, newCaption, list, boxes);
        connect(clear, &QToolButton::clicked, this, [this] { runStep([&] { operations_.clear(form_); }); });
        connect(pick, &QComboBox::activated, this, [this, pick](int index) {
            runStep([&] { operations_.pick(env_, form_, pick->itemText(index)); });
        });
        connect(list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
            runStep([&] { operations_.selectRow(form_, list_->indexOfTopLevelItem(item)); });
        });
        pushAll();
    }

    void run(void (*operation)(Env&, Form&))
    {
        runStep([&] { operation(env_, form_); });
    }
    // Widgets into the form, the step, the form back into the widgets and the focus where the
    // step wants it.
    void runStep(const std::function<void()>& step)
    {
        pullFields();
        form_.list.selected = list_->indexOfTopLevelItem(list_->currentItem());
        step();
        pushAll();
    }
    // The entry fields only; the list and the sort options are done here.
    virtual void pullFields() = 0;
    virtual void pushFields() = 0;

    Env& env_;
    Form form_;
    std::vector<std::pair<QWidget*, Field>> fields_; // the entry fields, in Return order

private:
    void pushAll()
    {
        pushFields();
        showListIfChanged(list_, form_.list);
        for (const auto& [box, sort] : sortOptions_) box->setChecked(form_.sort == sort);
        for (const auto& [widget, field] : fields_)
            if (field == form_.focus && field != Field{}) widget->setFocus(Qt::OtherFocusReason);
        form_.focus = Field{};
    }
    Field focusedField() const
    {
        const QWidget* focused = QApplication::focusWidget();
        for (const auto& [widget, field] : fields_)
            if (focused && (focused == widget || widget->isAncestorOf(focused))) return field;
        return Field{};
    }

    Operations operations_;
    bool loaded_ = false;
    QTreeWidget* list_ = nullptr;
    std::vector<std::pair<QCheckBox*, Sort>> sortOptions_;
};
