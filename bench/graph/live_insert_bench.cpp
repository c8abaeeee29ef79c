// From process start to the conic session's group on the slide of a live Impress: the
// program plays the session with QUILLON_HOST=impress against an Impress started here
// with its own profile and pipe; the slide is cleared between runs, untimed.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "live_impress.h"
#include "play_scripts.h"

extern char** environ;

namespace {

void clearSlide(const LiveImpress& impress) {
    auto app = impress.attach();
    office::SlideHost& slide = office::slideHost(*app);
    while (slide.count() > 0) slide.item(1)->remove();
    app->save();
}

void BM_ConicSessionIntoLiveImpress(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quillon-live-bench-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    {
        LiveImpress impress(dir, dir / "deck.pptx");
        std::ofstream(dir / "actions.txt") << kConicsSession;
        setenv("QUILLON_PLAY", (dir / "actions.txt").c_str(), 1);
        setenv("QUILLON_HOST", "impress", 1);
        setenv("QUILLON_IMPRESS_PIPE", impress.pipe().c_str(), 1);
        const std::string program = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
        std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>("functiongraph"),
                                   nullptr};
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        for (auto _ : state) {
            pid_t pid = 0;
            if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), environ) != 0) {
                state.SkipWithError("cannot start quillon4ppt");
                break;
            }
            int status = 0;
            waitpid(pid, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                state.SkipWithError("quillon4ppt did not end cleanly");
                break;
            }
            state.PauseTiming();
            clearSlide(impress);
            state.ResumeTiming();
        }
        posix_spawn_file_actions_destroy(&quiet);
    }
    fs::remove_all(dir);
}

}  // namespace

BENCHMARK(BM_ConicSessionIntoLiveImpress)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

BENCHMARK_MAIN();
