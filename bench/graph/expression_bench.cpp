// The expression evaluator against muparser on the same expressions and samples, and
// the whole free-expression draw into the preview.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <memory>
#include <vector>

#include "platform/office/memory/memory_host.h"
#include "platform/script/expression.h"
#include "quillon4ppt/graph/curves/expression_family.h"

namespace {

// 1000 samples over -5..5 on a grid that misses 0.
std::vector<double> Samples() {
    std::vector<double> xs;
    for (int i = 0; i < 1000; ++i) xs.push_back(-4.995 + 0.01 * i);
    return xs;
}

struct Case {
    const char* ours;
    const char* theirs;
};

const Case kCases[] = {
    {"3*x^4-2*x^3+x^2-7*x+5", "3*x^4-2*x^3+x^2-7*x+5"},
    {"sin(2*x+1)*x^2-3/x", "sin(2*x+1)*x^2-3/x"},
    {"Sqr(Abs(x))+Exp(-x*x)", "sqrt(abs(x))+exp(-x*x)"},
    {"((x+1)*(x-1)/(x*x+1)+Sin(x)*Cos(x))*((x+2)/(Abs(x)+3))-(x^3)/((x^2)+1)+Tan(x/7)*(1-(x/(1+(x*x))))",
     "((x+1)*(x-1)/(x*x+1)+sin(x)*cos(x))*((x+2)/(abs(x)+3))-(x^3)/((x^2)+1)+tan(x/7)*(1-(x/(1+(x*x))))"},
};

void Ours(benchmark::State& state) {
    const script::Expression e(kCases[state.range(0)].ours);
    const std::vector<double> xs = Samples();
    for (auto _ : state)
        for (double x : xs) benchmark::DoNotOptimize(e.evaluate(x));
    state.SetItemsProcessed(state.iterations() * static_cast<long>(xs.size()));
}

void MuParser(benchmark::State& state) {
    double x = 0;
    mu::Parser p;
    p.DefineVar("x", &x);
    p.SetExpr(kCases[state.range(0)].theirs);
    const std::vector<double> xs = Samples();
    for (auto _ : state)
        for (double v : xs) {
            x = v;
            benchmark::DoNotOptimize(p.Eval());
        }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(xs.size()));
}

BENCHMARK(Ours)->DenseRange(0, 3)->ArgName("expression");
BENCHMARK(MuParser)->DenseRange(0, 3)->ArgName("expression");

// "确定" on sin(x)*x from -5 to 5: normalise, compile, 1000 samples traced into the preview.
void FreeExpressionDraw(benchmark::State& state) {
    auto programState = std::make_shared<office::memory::ProgramState>();
    office::memory::Connector connector{programState};
    forms::ScriptedDialogs dialogs;
    launch::Environment env;
    env.home = QUILLON_PROGRAM_DIR;
    launch::Program program{env, dialogs, connector};
    program.CheckHost();
    program.LoadSettings();
    graph::frmGraph g(program);
    auto& family = static_cast<graph::ExpressionFamily&>(*g.family("ANY"));
    family.txtExp.setText("sin(x)*x");
    family.txtXmin_Any.setText("-5");
    family.txtXmax_Any.setText("5");
    for (auto _ : state) {
        family.cmdOK_Any_Click();
        state.PauseTiming();
        family.counter = 0;
        g.List1.clear();
        g.Picture1.cls();
        state.ResumeTiming();
    }
}

BENCHMARK(FreeExpressionDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
