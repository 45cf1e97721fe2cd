#include "widgets/key_dispatch.h"

#include <QApplication>
#include <QWidget>

KeyDispatch::KeyDispatch(int tabCount, std::initializer_list<int> events)
    : tabCount_(tabCount), initialisations_(static_cast<size_t>(tabCount))
{
    for (int event : events) keys_.push_back({event, std::vector<Action>(static_cast<size_t>(tabCount))});
}

const KeyDispatch::KeyRow* KeyDispatch::row(int event) const
{
    for (const KeyRow& keyRow : keys_)
        if (keyRow.event == event) return &keyRow;
    return nullptr;
}

void KeyDispatch::setKeys(int tab, std::initializer_list<std::pair<int, Action>> keys)
{
    Q_ASSERT(tab >= 0 && tab < tabCount_);
    for (const auto& [event, action] : keys) {
        bool found = false;
        for (KeyRow& keyRow : keys_)
            if (keyRow.event == event) {
                keyRow.byTab[static_cast<size_t>(tab)] = action;
                found = true;
            }
        Q_ASSERT_X(found, "KeyDispatch::setKeys", "an event the window does not listen to");
        Q_UNUSED(found);
    }
}

bool KeyDispatch::handles(int tab, int event) const
{
    if (tab < 0 || tab >= tabCount_) return false;
    const KeyRow* keyRow = row(event);
    return keyRow && keyRow->byTab[static_cast<size_t>(tab)];
}

void KeyDispatch::run(int tab, int event) const
{
    if (handles(tab, event)) row(event)->byTab[static_cast<size_t>(tab)]();
}

void KeyDispatch::addReturnStep(QWidget* control, Action action, std::function<QWidget*()> next)
{
    returnSteps_.push_back({control, std::move(action), std::move(next)});
}

void KeyDispatch::returnPressed() const
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return;
    for (const ReturnStep& step : returnSteps_) {
        if (step.control != focused && !step.control->isAncestorOf(focused)) continue;
        if (step.action) step.action();
        if (step.next)
            if (QWidget* next = step.next()) next->setFocus(Qt::TabFocusReason);
        return;
    }
}

void KeyDispatch::setInitialisation(int tab, Action action)
{
    Q_ASSERT(tab >= 0 && tab < tabCount_);
    initialisations_[static_cast<size_t>(tab)] = std::move(action);
}

void KeyDispatch::initialise(int tab) const
{
    if (tab >= 0 && tab < tabCount_ && initialisations_[static_cast<size_t>(tab)]) initialisations_[static_cast<size_t>(tab)]();
}
