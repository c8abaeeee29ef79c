#pragma once
// A played session of a whole program: the script is read, the answers at its head
// go to start-up's questions, then the program runs with dialogs that answer from it.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/forms/play.h"

namespace forms {

// Starts the program and plays actions[from...]; returns the exit status, or ends
// the program with ProgramExit.
using PlayedProgram =
    std::function<int(const std::vector<PlayAction>& actions, std::size_t from, ScriptedDialogs& dialogs)>;

// The exit status: the program's, or 2 for a script that cannot be read or played,
// reported on err under the program's name.
int runPlayScript(const std::string& programName, const std::filesystem::path& script, std::ostream& out,
                  std::ostream& err, const PlayedProgram& program);

}  // namespace forms
