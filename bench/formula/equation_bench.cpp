// A typed formula to an equation on the slide: cold, as a teacher's click starts a new
// program, and warm, a further equation in the same run; on the deck file (saved) and,
// where an Impress can be started, on the open presentation.
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

#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/formula/equation_bridge.h"
#ifdef QUILLON_LIVE_BENCH
#include "live_impress.h"
#endif

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kFormula = "x^(2)+y^(2)=r^(2)";

fs::path benchFolder(const char* name) {
    fs::path dir = fs::temp_directory_path() / (std::string(name) + std::to_string(getpid()));
    fs::create_directories(dir);
    return dir;
}

// The program plays the formula window once per iteration; `between` runs untimed.
template <typename Between>
void playFormulaWindow(benchmark::State& state, const fs::path& dir, Between between) {
    std::ofstream(dir / "actions.txt") << "set txtGS " << kFormula << "\nclick cmdOK\n";
    setenv("QUILLON_PLAY", (dir / "actions.txt").c_str(), 1);
    const std::string program = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
    std::vector<char*> argv = {const_cast<char*>(program.c_str()), const_cast<char*>("gs"), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        state.PauseTiming();
        between();
        state.ResumeTiming();
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
    }
    posix_spawn_file_actions_destroy(&quiet);
    unsetenv("QUILLON_PLAY");
}

void BM_ColdNewProgram(benchmark::State& state) {
    const fs::path dir = benchFolder("quillon-equation-cold-");
    setenv("QUILLON_DECK", (dir / "deck.pptx").c_str(), 1);
    playFormulaWindow(state, dir, [&] { fs::remove(dir / "deck.pptx"); });
    unsetenv("QUILLON_DECK");
    fs::remove_all(dir);
}

void BM_WarmSameProgram(benchmark::State& state) {
    const fs::path dir = benchFolder("quillon-equation-warm-");
    const std::string deck = (dir / "deck.pptx").string();
    formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
    bridge.typesetter().start();
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(deck);
        auto app = office::pptx::DeckConnector(deck, 1).startNew();
        app->presentationsAdd(true).slidesAdd(1, office::kLayoutBlank);
        app->save();
        state.ResumeTiming();
        bridge.InsertEquation(*app, kFormula);
        app->save();
    }
    fs::remove_all(dir);
}

#ifdef QUILLON_LIVE_BENCH
void clearSlide(office::Application& app) {
    office::SlideHost& slide = office::slideHost(app);
    while (slide.count() > 0) slide.item(1)->remove();
}

void BM_ColdNewProgramLive(benchmark::State& state) {
    const fs::path dir = benchFolder("quillon-equation-cold-live-");
    {
        LiveImpress impress(dir, dir / "deck.pptx");
        setenv("QUILLON_HOST", "impress", 1);
        setenv("QUILLON_IMPRESS_PIPE", impress.pipe().c_str(), 1);
        playFormulaWindow(state, dir, [&] { clearSlide(*impress.attach()); });
        unsetenv("QUILLON_HOST");
        unsetenv("QUILLON_IMPRESS_PIPE");
    }
    fs::remove_all(dir);
}

void BM_WarmSameProgramLive(benchmark::State& state) {
    const fs::path dir = benchFolder("quillon-equation-warm-live-");
    {
        LiveImpress impress(dir, dir / "deck.pptx");
        auto app = impress.attach();
        formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
        bridge.typesetter().start();
        for (auto _ : state) {
            state.PauseTiming();
            clearSlide(*app);
            state.ResumeTiming();
            bridge.InsertEquation(*app, kFormula);
        }
    }
    fs::remove_all(dir);
}

BENCHMARK(BM_ColdNewProgramLive)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_WarmSameProgramLive)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
#endif

}  // namespace

BENCHMARK(BM_ColdNewProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);
BENCHMARK(BM_WarmSameProgram)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

BENCHMARK_MAIN();
