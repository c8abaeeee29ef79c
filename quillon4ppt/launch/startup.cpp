#include "quillon4ppt/launch/startup.h"

#include <fstream>

#include "platform/forms/control.h"
#include "platform/forms/play.h"

namespace launch {

std::variant<std::unique_ptr<forms::Form>, int> startProgram(Program& program, const VerbTable& verbs,
                                                             const std::string& commandLine, std::ostream& err,
                                                             bool onTerminal) {
    program.CheckHost();
    try {
        program.LoadSettings();
    } catch (const settings::SettingsError& e) {
        program.dialogs().msgBox(e.what());
        return 1;
    }
    Dispatch d = verbs.dispatch(program, commandLine);
    switch (d.result) {
        case Dispatch::Result::Opened:
            return std::move(d.window);
        case Dispatch::Result::NotBuilt:
            err << "quillon4ppt: the window of \"" << d.verb << "\" is not part of this build yet\n";
            return 3;
        case Dispatch::Result::NoVerb:
            break;
    }
    if (!onTerminal) return 0;
    err << kUsage << '\n';
    return 2;
}

namespace {

// The shapes of the presentation window's selection, by name; none when nothing (or
// no presentation) is there.
std::vector<std::string> selectedShapeNames(Program& program) {
    std::vector<std::string> names;
    try {
        auto& selection = program.host().activeWindow().selection();
        if (selection.type() == office::selection::Slides) return names;
        auto range = selection.shapeRange();
        for (int i = 1; i <= range->count(); ++i) names.push_back(range->item(i)->name());
    } catch (const office::HostError&) {
    }
    return names;
}

}  // namespace

std::string commandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) line += (i > 1 ? " " : "") + std::string(argv[i]);
    return line;
}

int runPlay(const Environment& env, const std::string& commandLine, office::HostConnector& connector,
            const VerbTable& verbs, std::ostream& out, std::ostream& err) {
    std::ifstream in(*env.playScript);
    if (!in) {
        err << "quillon4ppt: cannot read the play script " << env.playScript->string() << '\n';
        return 2;
    }
    try {
        auto actions = forms::parsePlayScript(in);
        forms::ScriptedDialogs dialogs(&out);
        std::size_t from = forms::queueLeadingAnswers(actions, dialogs);
        Program program(env, dialogs, connector);
        try {
            auto started = startProgram(program, verbs, commandLine, err, false);
            if (auto* status = std::get_if<int>(&started)) return *status;
            auto& window = *std::get<std::unique_ptr<forms::Form>>(started);
            forms::PlaySession session{window, dialogs, out,
                                       [&program] { return selectedShapeNames(program); }};
            forms::play(actions, from, session);
            program.ExitProgram(0);
        } catch (const forms::ProgramExit& e) {
            return e.status;
        }
    } catch (const forms::PlayError& e) {
        err << "quillon4ppt: play script " << env.playScript->string() << ", " << e.what() << '\n';
        return 2;
    }
}

}  // namespace launch
