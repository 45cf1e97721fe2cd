#pragma once
// The message boxes, questions, input box and folder choice of the real program.

#include "common/dialogs.h"

class QWidget;

class QtDialogs final : public Dialogs {
public:
    void message(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    Answer askYesNoCancel(const QString& title, const QString& text) override;
    std::optional<QString> input(const QString& title, const QString& prompt, const QString& defaultText) override;
    QString chooseFolder(const QString& title) override;
};
