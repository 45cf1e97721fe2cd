#pragma once
// A progress bar and the status line under it, as a long operation moves them. The window
// repaints them as soon as they change (onChange), so that the user sees the work go on.

#include <functional>
#include <QString>

struct Progress {
    int value = 0;
    QString status;
    std::function<void()> onChange;

    void set(int newValue)
    {
        if (newValue == value) return;
        value = newValue;
        changed();
    }
    void setStatus(const QString& text)
    {
        if (text == status) return;
        status = text;
        changed();
    }
    // `done` of `total` items walked between the bar's values `from` and `to`.
    void setWithin(int from, int to, qint64 done, qint64 total)
    {
        set(total <= 0 ? to : from + static_cast<int>((to - from) * done / total));
    }

private:
    void changed()
    {
        if (onChange) onChange();
    }
};
