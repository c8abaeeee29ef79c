// From process start to the graph workspace shown and painted, on a new default deck:
// the program quits right after its first paint (QUILLON_QUIT_AFTER_SHOW) off screen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

void BM_WindowShownAndPainted(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quillon-startup-" + std::to_string(getpid()));
    fs::create_directories(dir);
    fs::current_path(dir);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QUILLON_QUIT_AFTER_SHOW", "1", 1);
    const std::string program = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>("functiongraph"),
                               nullptr};
    for (auto _ : state) {
        fs::remove(dir / "quillon.pptx");
        pid_t pid = 0;
        if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("cannot start quillon4ppt");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("quillon4ppt did not end cleanly");
            break;
        }
    }
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_WindowShownAndPainted)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
