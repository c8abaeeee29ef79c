// From process start, as a toolbar button starts it, to the tool's window shown and
// painted, for every tool, on a new default deck: the program quits right after its
// first paint (QUILLON_QUIT_AFTER_SHOW) off screen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

const char* const kVerbs[] = {"functiongraph", "gs", "tk", "shapeselecter", "dot"};

// Runs the program once to its end; false when it did not end cleanly.
bool run(const std::string& program, const char* verb) {
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>(verb), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_WindowShownAndPainted(benchmark::State& state) {
    namespace fs = std::filesystem;
    const char* verb = kVerbs[state.range(0)];
    state.SetLabel(verb);
    const fs::path dir = fs::temp_directory_path() / ("quillon-startup-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string program = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
    // The selector opens on a slide with a graph on it: on an empty one it first asks.
    const bool keepDeck = std::string(verb) == "shapeselecter";
    if (keepDeck) {
        std::ofstream(dir / "insert.txt") << "click cmdOK\n";
        setenv("QUILLON_PLAY", (dir / "insert.txt").c_str(), 1);
        if (!run(program, "functiongraph")) state.SkipWithError("cannot put a graph on the deck");
        unsetenv("QUILLON_PLAY");
    }
    setenv("QUILLON_QUIT_AFTER_SHOW", "1", 1);
    for (auto _ : state) {
        if (!keepDeck) fs::remove(dir / "quillon.pptx");
        if (!run(program, verb)) {
            state.SkipWithError("quillon4ppt did not end cleanly");
            break;
        }
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_WindowShownAndPainted)
    ->DenseRange(0, std::size(kVerbs) - 1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);

BENCHMARK_MAIN();
