#pragma once
// Finding the controls of a window the way the user does: by their text.

#include <gtest/gtest.h>
#include <QPushButton>

inline QPushButton* buttonOf(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    ADD_FAILURE() << "no button " << qUtf8Printable(text);
    return nullptr;
}
