#pragma once
// The dispatch tables of a functional window, as data: one row per shortcut event with one cell
// per tab (an empty cell does nothing), the Return steps along the entry fields, and each tab's
// initialisation (what selecting it, or opening the window on it, prepares).

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

class KeyDispatch {
public:
    using Action = std::function<void()>;
    // The events the tabs may use; the others do nothing anywhere.
    KeyDispatch(int tabCount, std::initializer_list<int> events);

    // Fills a tab's cells of the key table.
    void setKeys(int tab, std::initializer_list<std::pair<int, Action>> keys);
    // Whether an event does something on a tab.
    bool handles(int tab, int event) const;
    // Runs the tab's cell of that event, if any.
    void run(int tab, int event) const;

    // Return in `control` (or in a widget inside it): runs `action` (if any), then gives the
    // focus to what `next` names (nothing: the focus stays).
    void addReturnStep(QWidget* control, Action action, std::function<QWidget*()> next);
    // Return in the focused widget.
    void returnPressed() const;

    void setInitialisation(int tab, Action action);
    void initialise(int tab) const;

private:
    struct KeyRow {
        int event;
        std::vector<Action> byTab;
    };
    struct ReturnStep {
        QWidget* control;
        Action action;
        std::function<QWidget*()> next;
    };
    const KeyRow* row(int event) const;

    int tabCount_;
    std::vector<KeyRow> keys_;
    std::vector<ReturnStep> returnSteps_;
    std::vector<Action> initialisations_;
};

// The `next` of a Return step that always goes to `widget`.
inline std::function<QWidget*()> focusOn(QWidget* widget)
{
    return [widget] { return widget; };
}
