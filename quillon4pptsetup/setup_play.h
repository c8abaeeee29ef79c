#pragma once
#include <filesystem>
#include <ostream>
#include <string>

#include "quillon4pptsetup/setup_paths.h"

namespace setup {

// Plays the script against the setup program's windows, following it from window to
// window, without showing anything; returns the exit status (2 for a script error).
int runSetupPlay(const SetupPaths& paths, const std::string& commandLine, const std::filesystem::path& script,
                 std::ostream& out, std::ostream& err);

}  // namespace setup
