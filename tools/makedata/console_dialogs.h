#pragma once
// Dialogs for a command-line tool: messages go to the error output, questions get "no".

#include <cstdio>

#include "common/dialogs.h"

class ConsoleDialogs final : public Dialogs {
public:
    void message(const QString& title, const QString& text) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    Answer askYesNoCancel(const QString&, const QString&) override { return Answer::Cancel; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString chooseFolder(const QString&) override { return {}; }
};
