// quillon4ppt VERB: opens the verb's window on the running Impress or on the deck that
// stands for the presentation (QUILLON_HOST), or plays a session (QUILLON_PLAY).
#include <csignal>
#include <filesystem>
#include <iostream>

#include "common/program_path.h"
#include "quillon4ppt/desktop.h"
#include "quillon4ppt/host_choice.h"
#include "quillon4ppt/launch/startup.h"

int main(int argc, char** argv) {
    // A presentation program or typesetter that went away shows as a failed write, which
    // the window reports, instead of ending the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    launch::Environment env;
    try {
        env = launch::readEnvironment(common::executablePath(argv[0]));
    } catch (const launch::EnvironmentError& e) {
        std::cerr << "quillon4ppt: " << e.what() << '\n';
        return 1;
    }
    const std::string commandLine = launch::commandLineOf(argc, argv);
    auto connector = chooseHost(env);
    const launch::VerbTable verbs = launch::knownVerbs();
    if (env.playScript) return launch::runPlay(env, commandLine, *connector, verbs, std::cout, std::cerr);
    return runDesktop(argc, argv, env, commandLine, *connector, verbs);
}
