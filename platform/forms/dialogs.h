#pragma once
// Message boxes and the colour dialog. The desktop shows real ones; tests and the
// play mode answer from a queue and keep what was shown.
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/color.h"

namespace forms {

enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer msgBox(const std::string& text, Buttons buttons = Buttons::Ok) = 0;
    // The chosen colour, or nothing when the teacher cancelled.
    virtual std::optional<common::Rgb> chooseColor(common::Rgb initial) = 0;
    // A report with an information icon and a title of its own; where no title can be
    // shown it is an ordinary message box.
    virtual void msgBoxTitled(const std::string& text, const std::string& title) {
        (void)title;
        msgBox(text);
    }
};

// Answers from queues; unanswered questions get OK, an unanswered colour dialog is
// cancelled. Writes "msgbox: TEXT" and "answer: ok|cancel" lines when given a stream.
class ScriptedDialogs : public Dialogs {
public:
    explicit ScriptedDialogs(std::ostream* transcript = nullptr) : transcript_(transcript) {}
    Answer msgBox(const std::string& text, Buttons buttons = Buttons::Ok) override;
    std::optional<common::Rgb> chooseColor(common::Rgb initial) override;

    void queueAnswer(Answer a) { answers_.push_back(a); }
    void queueColor(common::Rgb c) { colors_.push_back(c); }
    const std::vector<std::string>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

private:
    std::ostream* transcript_;
    std::deque<Answer> answers_;
    std::deque<common::Rgb> colors_;
    std::vector<std::string> shown_;
};

}  // namespace forms
