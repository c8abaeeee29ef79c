#pragma once
// The play mode: a window session replayed from a script against the controls, with
// message boxes and the colour dialog answered from the script.
#include <functional>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/dialogs.h"
#include "platform/forms/form.h"

namespace forms {

// A script that cannot be played: an unknown action or control, a bad argument.
class PlayError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PlayAction {
    int line = 0;
    std::string verb;
    std::string name;
    std::string argument;
};

// What the actions of one played session act on and write to.
struct PlaySession {
    Form& form;
    ScriptedDialogs& dialogs;
    std::ostream& out;
    // The names of the shapes selected in the presentation window, for "print selection".
    std::function<std::vector<std::string>()> selectionNames;
};

std::vector<PlayAction> parsePlayScript(std::istream& script);

// Answers ("answer", "color") at the head of the script belong to start-up's
// questions; they go to the dialogs before the window exists. Returns how many
// actions were taken.
std::size_t queueLeadingAnswers(const std::vector<PlayAction>& actions, ScriptedDialogs& dialogs);

// Plays the actions in order, one table entry an action. PlayError for a script
// error; ProgramExit passes through when the window ends the program.
void play(const std::vector<PlayAction>& actions, std::size_t from, PlaySession& session);
void play(const std::vector<PlayAction>& actions, std::size_t from, Form& form, ScriptedDialogs& dialogs,
          std::ostream& out);

// Plays into whichever window is current: after every action `current` names the
// window the next one goes to; the play ends when it names none.
void play(const std::vector<PlayAction>& actions, std::size_t from, const std::function<Form*()>& current,
          ScriptedDialogs& dialogs, std::ostream& out);

}  // namespace forms
