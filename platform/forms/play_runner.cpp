#include "platform/forms/play_runner.h"

#include <fstream>

#include "platform/forms/control.h"

namespace forms {

int runPlayScript(const std::string& programName, const std::filesystem::path& script, std::ostream& out,
                  std::ostream& err, const PlayedProgram& program) {
    std::ifstream in(script);
    if (!in) {
        err << programName << ": cannot read the play script " << script.string() << '\n';
        return 2;
    }
    try {
        auto actions = parsePlayScript(in);
        ScriptedDialogs dialogs(&out);
        std::size_t from = queueLeadingAnswers(actions, dialogs);
        try {
            return program(actions, from, dialogs);
        } catch (const ProgramExit& e) {
            return e.status;
        }
    } catch (const PlayError& e) {
        err << programName << ": play script " << script.string() << ", " << e.what() << '\n';
        return 2;
    }
}

}  // namespace forms
