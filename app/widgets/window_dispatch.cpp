#include "widgets/window_dispatch.h"

#include <QApplication>
#include <QWidget>

#include "widgets/functional_window.h"

void WindowDispatch::setKey(int tab, int event, Action action)
{
    for (KeyCell& key : keys_)
        if (key.tab == tab && key.event == event) {
            key.action = std::move(action);
            return;
        }
    keys_.push_back({tab, event, std::move(action)});
}

const WindowDispatch::KeyCell* WindowDispatch::cell(int tab, int event) const
{
    for (const KeyCell& key : keys_)
        if (key.tab == tab && key.event == event && key.action) return &key;
    return nullptr;
}

bool WindowDispatch::handlesKey(int tab, int event) const { return cell(tab, event) != nullptr; }

void WindowDispatch::keyEvent(int tab, int event)
{
    if (event == EV_RETURN && returnPressed()) return;
    if (const KeyCell* key = cell(tab, event)) key->action();
}

void WindowDispatch::addReturnStep(QWidget* control, Action action, std::function<QWidget*()> next)
{
    returnSteps_.push_back({control, std::move(action), std::move(next)});
}

bool WindowDispatch::returnPressed() const
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused) return false;
    for (const ReturnStep& step : returnSteps_) {
        if (step.control != focused && !step.control->isAncestorOf(focused)) continue;
        if (step.action) step.action();
        if (step.next)
            if (QWidget* next = step.next()) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

void WindowDispatch::setTabInitialisation(int tab, Action action)
{
    if (tab >= 0 && tab < static_cast<int>(initialisations_.size())) initialisations_[static_cast<size_t>(tab)] = std::move(action);
}

void WindowDispatch::initialiseTab(int tab) const
{
    if (tab >= 0 && tab < static_cast<int>(initialisations_.size()) && initialisations_[static_cast<size_t>(tab)])
        initialisations_[static_cast<size_t>(tab)]();
}
