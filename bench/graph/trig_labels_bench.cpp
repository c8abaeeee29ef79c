// Inserting a sine over four periods, symmetric: one curve and 16 key-point labels
// typeset by one typesetting process. Cold: a new window, so the typesetter starts
// within the insertion; warm: the window's typesetter already runs.
#include <benchmark/benchmark.h>

#include <memory>

#include "memory_program.h"
#include "quillon4ppt/graph/curves/trig.h"

namespace {

struct Workspace : MemoryProgram {
    launch::Program program{env, dialogs, connector};
    std::unique_ptr<graph::frmGraph> g;

    Workspace() {
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
};

void InsertSineWith16LabelsCold(benchmark::State& state) {
    Workspace w;
    for (auto _ : state) {
        w.g->cmdOK.click();
        state.PauseTiming();
        w.state->slide().shapes.clear();
        w.open();
        state.ResumeTiming();
    }
}

void InsertSineWith16LabelsWarm(benchmark::State& state) {
    Workspace w;
    w.g->cmdOK.click();
    for (auto _ : state) {
        w.state->slide().shapes.clear();
        w.g->cmdOK.click();
    }
    state.counters["groupedShapes"] = static_cast<double>(w.state->slide().shapes.back()->children.size());
}

BENCHMARK(InsertSineWith16LabelsCold)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(InsertSineWith16LabelsWarm)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
