// Showing a figure sheet in the document view as the window does: the page read by
// the deck reader, drawn by LibreOffice (first show) or taken from the pictures kept
// beside the sheet (later shows, page turns), and loaded as the widget loads it.
#include <benchmark/benchmark.h>

#include <QImage>
#include <filesystem>

#include "platform/forms/dialogs.h"
#include "platform/forms/document_view.h"
#include "platform/forms/form.h"
#include "platform/forms/page_pictures.h"
#include "quillon4ppt/library/sheet_source.h"

namespace {

namespace fs = std::filesystem;

struct Viewer {
    fs::path sheet;
    forms::ScriptedDialogs dialogs;
    forms::Form form{"bench", dialogs};
    forms::DocumentView view{form, "dsoFramer1"};
    library::DeckSheets sheets;

    Viewer() {
        fs::path dir = fs::temp_directory_path() / "quillon_sheet_bench";
        fs::create_directories(dir);
        sheet = dir / "quillon_temp4show1.pptx";
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / ".." / "sample_library" / "sheet2.pptx", sheet,
                      fs::copy_options::overwrite_existing);
        view.setSource(&sheets);
    }
    // What the widget does to show the page.
    void show(benchmark::State& state) {
        QImage picture(QString::fromStdString(view.pagePicture().string()));
        if (picture.isNull()) state.SkipWithError("the page was not drawn");
        benchmark::DoNotOptimize(picture);
    }
};

void BM_FirstShow(benchmark::State& state) {
    Viewer v;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(forms::pictureFolderOf(v.sheet));
        state.ResumeTiming();
        v.view.open(v.sheet);
        v.show(state);
    }
}
BENCHMARK(BM_FirstShow)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_LaterShow(benchmark::State& state) {
    Viewer v;
    v.view.open(v.sheet);
    v.show(state);
    for (auto _ : state) {
        v.view.open(v.sheet);
        v.show(state);
    }
}
BENCHMARK(BM_LaterShow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageTurn(benchmark::State& state) {
    Viewer v;
    v.view.open(v.sheet);
    v.show(state);
    v.view.nextPage();
    v.show(state);
    bool forward = false;
    for (auto _ : state) {
        if (forward)
            v.view.nextPage();
        else
            v.view.previousPage();
        forward = !forward;
        v.show(state);
    }
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
