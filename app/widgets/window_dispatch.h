#pragma once
// The dispatch tables of a functional window, as data: the key table (one row per shortcut
// event, one action per tab; an empty cell does nothing), the Return steps of the entry chains
// (Return in a control runs its action, then gives the focus to the next control), and one
// initialisation per tab (run when the tab is shown, at opening as when selected).

#include <functional>
#include <vector>

class QWidget;

class WindowDispatch {
public:
    using Action = std::function<void()>;

    explicit WindowDispatch(int tabCount) : initialisations_(static_cast<size_t>(tabCount)) {}

    // Fills the cell of `event` on `tab`.
    void setKey(int tab, int event, Action action);
    // Whether a shortcut event does something on a tab.
    bool handlesKey(int tab, int event) const;
    // Runs the action of `event` on `tab`; Return goes to the step of the focused control.
    void keyEvent(int tab, int event);

    // Return in `control` (or in a widget inside it): run `action` (if any), then give the focus
    // to what `next` names (nothing: the focus stays).
    void addReturnStep(QWidget* control, Action action, std::function<QWidget*()> next = {});
    // Return on the focused control; false when no step names it.
    bool returnPressed() const;

    void setTabInitialisation(int tab, Action action);
    void initialiseTab(int tab) const;

private:
    struct KeyCell {
        int tab;
        int event;
        Action action;
    };
    struct ReturnStep {
        QWidget* control;
        Action action;
        std::function<QWidget*()> next;
    };
    const KeyCell* cell(int tab, int event) const;

    std::vector<KeyCell> keys_;
    std::vector<ReturnStep> returnSteps_;
    std::vector<Action> initialisations_;
};
