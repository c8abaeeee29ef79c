#pragma once
// Start-up in its order: host check, settings, then the verb's window.
#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "common/program_path.h"
#include "quillon4ppt/launch/program.h"
#include "quillon4ppt/launch/verbs.h"

namespace launch {

// The verb's window, or the exit status when the program ends without one.
// Throws forms::ProgramExit when start-up ends the program.
std::variant<std::unique_ptr<forms::Form>, int> startProgram(Program& program, const VerbTable& verbs,
                                                             const std::string& commandLine,
                                                             std::ostream& err, bool onTerminal);

using common::commandLineOf;

// Plays QUILLON_PLAY against the verb's window without showing anything; returns
// the exit status (2 for a script error).
int runPlay(const Environment& env, const std::string& commandLine, office::HostConnector& connector,
            const VerbTable& verbs, std::ostream& out, std::ostream& err);

constexpr const char* kUsage =
    "usage: quillon4ppt functiongraph|gs|tk|shapeselecter|dot|test  (see README.md for the environment)";

}  // namespace launch
