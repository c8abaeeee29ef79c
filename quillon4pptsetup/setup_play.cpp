#include "quillon4pptsetup/setup_play.h"

#include "platform/forms/play_runner.h"
#include "quillon4pptsetup/setup_program.h"

namespace setup {

int runSetupPlay(const SetupPaths& paths, const std::string& commandLine, const std::filesystem::path& script,
                 std::ostream& out, std::ostream& err) {
    return forms::runPlayScript("QuillonSetup", script, out, err,
                                [&](const std::vector<forms::PlayAction>& actions, std::size_t from,
                                    forms::ScriptedDialogs& dialogs) {
                                    UnopkgRegistrar toolbar;
                                    SetupProgram program(paths, dialogs, toolbar);
                                    if (!program.Main(commandLine)) return 0;
                                    forms::play(
                                        actions, from, [&] { return program.window(); }, dialogs, out);
                                    program.EndProgram();
                                });
}

}  // namespace setup
