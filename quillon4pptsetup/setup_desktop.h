#pragma once
#include <string>

#include "quillon4pptsetup/setup_paths.h"

namespace setup {

// The setup program with real windows; without a display only "test" can run.
int runSetupDesktop(int argc, char** argv, const SetupPaths& paths, const std::string& commandLine);

}  // namespace setup
