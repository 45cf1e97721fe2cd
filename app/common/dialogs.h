#pragma once
// Everything the operations ask or tell the user goes through this interface: the windows give
// it message boxes, the tests a recorder that answers from a queue.

#include <optional>
#include <QString>

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;
    // A box with an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& title, const QString& text) = 0;
    // The typed text, or nothing when the user cancels.
    virtual std::optional<QString> input(const QString& title, const QString& prompt, const QString& defaultText) = 0;
    // An existing folder, or an empty text when the user cancels.
    virtual QString chooseFolder(const QString& title) = 0;
};
