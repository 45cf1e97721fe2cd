#pragma once
// What the two tabs of the tables window have in common: the same keys (F5 save, F6 new,
// Alt+Delete delete, Return next field), the same layout (title, entry frame, three buttons,
// list, sort options) and the copying between the widgets and the tab's form around each
// operation.

#include <functional>
#include <utility>
#include <vector>
#include <QApplication>
#include <QWidget>

#include "common/list_view.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QTreeWidget;
struct Env;

// The tab as the window sees it: what its keys do.
class TableTab : public QWidget {
public:
    using QWidget::QWidget;

    // The tab was selected: fills its list and combo boxes when the list is empty.
    virtual void loadIfEmpty() = 0;
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
    // Replaces the items of a combo box when they changed, then shows `text` in it.
    static void showCombo(QComboBox* combo, const QStringList& items, const QString& text);
    // Sets an edit's text unless it holds it already (so the cursor stays where it is).
    static void showText(QLineEdit* edit, const QString& text);

private:
    ListView shownList_;
    bool listShown_ = false;
};

// A tab whose operations work on a form struct `Form` with entry fields `Field` (an enum whose
// first value, Field{}, means no field).
template <typename Form, typename Field>
class FormTab : public TableTab {
public:
    struct Operations {
        void (*load)(Env&, Form&);
        void (*save)(Env&, Form&);
        void (*startNew)(Env&, Form&);
        void (*remove)(Env&, Form&);
        void (*returnKey)(Env&, Form&, Field from);
    };

    FormTab(Env& env, const Operations& operations, QWidget* parent = nullptr)
        : TableTab(parent), env_(env), operations_(operations)
    {
    }

    void loadIfEmpty() override
    {
        if (form_.list.isEmpty()) run(operations_.load);
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
    void run(void (*operation)(Env&, Form&))
    {
        runStep([&] { operation(env_, form_); });
    }
    // Widgets into the form, the step, the form back into the widgets and the focus where the
    // step wants it.
    void runStep(const std::function<void()>& step)
    {
        pullFields();
        step();
        pushFields();
        for (const auto& [widget, field] : fields_)
            if (field == form_.focus && field != Field{}) widget->setFocus(Qt::OtherFocusReason);
        form_.focus = Field{};
    }
    virtual void pullFields() = 0;
    virtual void pushFields() = 0;

    Env& env_;
    Form form_;
    std::vector<std::pair<QWidget*, Field>> fields_; // the entry fields, in Return order

private:
    Field focusedField() const
    {
        const QWidget* focused = QApplication::focusWidget();
        for (const auto& [widget, field] : fields_)
            if (focused && (focused == widget || widget->isAncestorOf(focused))) return field;
        return Field{};
    }

    Operations operations_;
};
