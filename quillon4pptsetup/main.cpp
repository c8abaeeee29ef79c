// QuillonSetup [config|test]: installs the tools for the user, removes them again, and
// edits their settings; QUILLON_PLAY plays a session without showing anything.
#include <cstdlib>
#include <iostream>

#include "common/program_path.h"
#include "quillon4pptsetup/setup_desktop.h"
#include "quillon4pptsetup/setup_play.h"

int main(int argc, char** argv) {
    setup::SetupPaths paths;
    try {
        paths = setup::readSetupPaths(common::executablePath(argv[0]));
    } catch (const setup::SetupPathError& e) {
        std::cerr << "QuillonSetup: " << e.what() << '\n';
        return 1;
    }
    const std::string commandLine = common::commandLineOf(argc, argv);
    if (const char* play = std::getenv("QUILLON_PLAY"); play && *play)
        return setup::runSetupPlay(paths, commandLine, play, std::cout, std::cerr);
    return setup::runSetupDesktop(argc, argv, paths, commandLine);
}
