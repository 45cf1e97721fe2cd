#pragma once
// Dialogs for tests: records every box shown and answers questions from queues.

#include <deque>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "common/dialogs.h"

struct ShownBox {
    QString kind; // "message", "yesno", "yesnocancel", "input", "folder"
    QString title;
    QString text;
    bool operator==(const ShownBox&) const = default;
};

class RecordingDialogs final : public Dialogs {
public:
    std::vector<ShownBox> shown;
    // Answers, taken in order; when a queue is empty: No, Cancel, cancelled input, no folder.
    std::deque<Answer> answers;
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> folders;

    void message(const QString& title, const QString& text) override { shown.push_back({QStringLiteral("message"), title, text}); }
    bool askYesNo(const QString& title, const QString& text) override
    {
        shown.push_back({QStringLiteral("yesno"), title, text});
        return take(answers, Answer::No) == Answer::Yes;
    }
    Answer askYesNoCancel(const QString& title, const QString& text) override
    {
        shown.push_back({QStringLiteral("yesnocancel"), title, text});
        return take(answers, Answer::Cancel);
    }
    std::optional<QString> input(const QString& title, const QString& prompt, const QString&) override
    {
        shown.push_back({QStringLiteral("input"), title, prompt});
        if (inputs.empty()) return std::nullopt;
        std::optional<QString> answer = std::move(inputs.front());
        inputs.pop_front();
        return answer;
    }
    QString chooseFolder(const QString& title) override
    {
        shown.push_back({QStringLiteral("folder"), title, QString()});
        return take(folders, QString());
    }

    // The messages (title and text) shown so far, and forgets them.
    std::vector<ShownBox> takeShown() { return std::exchange(shown, {}); }

private:
    template <typename T>
    static T take(std::deque<T>& queue, T fallback)
    {
        if (queue.empty()) return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

// Lets gtest print a box in failure messages.
inline void PrintTo(const ShownBox& box, std::ostream* os)
{
    *os << qUtf8Printable(box.kind) << " [" << qUtf8Printable(box.title) << "] " << qUtf8Printable(box.text);
}
