// Inserting a sine over four periods, symmetric: one curve and 16 key-point labels
// (equations) typeset by one typesetting process, on the deck file and, where an Impress
// can be started, on the open presentation. Cold: a new window, so the typesetter starts
// within the insertion; warm: the window's typesetter already runs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "memory_program.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/graph/curves/trig.h"
#ifdef QUILLON_LIVE_BENCH
#include "live_impress.h"
#include "platform/office/impress/impress_connector.h"
#endif

namespace {

namespace fs = std::filesystem;

struct Workspace : MemoryProgram {
    launch::Program program;
    std::unique_ptr<graph::frmGraph> g;

    explicit Workspace(office::HostConnector& host) : program(env, dialogs, host) {
        program.CheckHost();
        program.LoadSettings();
        program.MathTypeFound = true;
        open();
    }
    // A new window with the axes and the sine listed.
    void open() {
        g = std::make_unique<graph::frmGraph>(program);
        g->SSTab1.setTab(graph::kTabTrig);
        auto& trig = static_cast<graph::TrigFamily&>(*g->family("SJ"));
        trig.optFS[0].click();
        trig.txtXmin_SJ.setText("4");
        trig.cmdOK_sin.click();
    }
    void clearSlide() {
        office::SlideHost& slide = program.slideHost();
        while (slide.count() > 0) slide.item(1)->remove();
    }
};

void cold(benchmark::State& state, office::HostConnector& host) {
    Workspace w(host);
    for (auto _ : state) {
        w.g->cmdOK.click();
        state.PauseTiming();
        w.clearSlide();
        w.open();
        state.ResumeTiming();
    }
}

void warm(benchmark::State& state, office::HostConnector& host) {
    Workspace w(host);
    w.g->cmdOK.click();
    for (auto _ : state) {
        state.PauseTiming();
        w.clearSlide();
        state.ResumeTiming();
        w.g->cmdOK.click();
    }
}

struct Deck {
    fs::path dir = fs::temp_directory_path() / ("quillon-trig-bench-" + std::to_string(getpid()));
    office::pptx::DeckConnector connector{(dir / "deck.pptx").string(), 1};
    Deck() {
        fs::create_directories(dir);
        auto app = connector.startNew();
        app->presentationsAdd(true).slidesAdd(1, office::kLayoutBlank);
        app->save();
    }
    ~Deck() { fs::remove_all(dir); }
};

// One run on a fresh presentation of the kind Host.
template <typename Host, void (*Insert)(benchmark::State&, office::HostConnector&)>
void onFresh(benchmark::State& state) {
    Host host;
    Insert(state, host.connector);
}

BENCHMARK_TEMPLATE(onFresh, Deck, cold)
    ->Name("InsertSineWith16LabelsColdDeck")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_TEMPLATE(onFresh, Deck, warm)
    ->Name("InsertSineWith16LabelsWarmDeck")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

#ifdef QUILLON_LIVE_BENCH
struct Live {
    fs::path dir = fs::temp_directory_path() / ("quillon-trig-live-bench-" + std::to_string(getpid()));
    std::unique_ptr<LiveImpress> impress = [this] {
        fs::create_directories(dir);
        return std::make_unique<LiveImpress>(dir, dir / "deck.pptx");
    }();
    office::impress::ImpressConnector connector{impress->pipe()};
    ~Live() {
        impress.reset();
        fs::remove_all(dir);
    }
};

BENCHMARK_TEMPLATE(onFresh, Live, cold)
    ->Name("InsertSineWith16LabelsColdLive")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_TEMPLATE(onFresh, Live, warm)
    ->Name("InsertSineWith16LabelsWarmLive")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
#endif

}  // namespace

BENCHMARK_MAIN();
