#include "quillon4ppt/launch/startup.h"

#include "platform/forms/control.h"
#include "platform/forms/play.h"
#include "platform/forms/play_runner.h"

namespace launch {

std::variant<std::unique_ptr<forms::Form>, int> startProgram(Program& program, const VerbTable& verbs,
                                                             const std::string& commandLine,
                                                             std::ostream& err, bool onTerminal) {
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

int runPlay(const Environment& env, const std::string& commandLine, office::HostConnector& connector,
            const VerbTable& verbs, std::ostream& out, std::ostream& err) {
    return forms::runPlayScript("quillon4ppt", *env.playScript, out, err,
                                [&](const std::vector<forms::PlayAction>& actions, std::size_t from,
                                    forms::ScriptedDialogs& dialogs) {
                                    Program program(env, dialogs, connector);
                                    auto started = startProgram(program, verbs, commandLine, err, false);
                                    if (auto* status = std::get_if<int>(&started)) return *status;
                                    auto& window = *std::get<std::unique_ptr<forms::Form>>(started);
                                    forms::PlaySession session{window, dialogs, out, [&program] {
                                                                   return selectedShapeNames(program);
                                                               }};
                                    forms::play(actions, from, session);
                                    program.ExitProgram(0);
                                });
}

}  // namespace launch
