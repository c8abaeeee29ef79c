// A large deck: 100 slides, each with a picture of 500 KB of random bytes (50 MB that
// do not compress), deflated as PowerPoint and LibreOffice store pictures. Adding 500 shapes to slide 50 and
// saving is set beside copying the file with cp; the peak memory of a run that adds and saves is measured in
// a process of its own.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/office/pptx/deck_connector.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace office;

constexpr int kSlides = 100;
constexpr std::size_t kPictureBytes = 500 * 1000;

const fs::path& folder() {
    static const fs::path dir = [] {
        auto d = fs::temp_directory_path() / ("quillon-deck-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::string slideXml(int n) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?><p:sld)"
           R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
           R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
           R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"><p:cSld><p:spTree>)"
           R"(<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>)"
           R"(<p:pic><p:nvPicPr><p:cNvPr id="2" name="Picture )" +
           std::to_string(n) +
           R"("/><p:cNvPicPr/><p:nvPr/></p:nvPicPr><p:blipFill><a:blip r:embed="rId2"/></p:blipFill>)"
           R"(<p:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="3048000" cy="2286000"/></a:xfrm>)"
           R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic></p:spTree></p:cSld></p:sld>)";
}

// The deck starts as a new one from the backend, then its slides and pictures are added.
std::string makeDeck() {
    std::string path = (folder() / "big.pptx").string();
    {
        auto app = pptx::DeckConnector(path, 1).startNew();
        auto& presentation = app->presentationsAdd(true);
        for (int i = 1; i <= kSlides; ++i) presentation.slidesAdd(i, kLayoutBlank);
        app->save();
    }
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), 0, &error);
    std::mt19937_64 random(42);
    std::vector<std::string> keep;
    keep.reserve(2 * kSlides + 1);
    auto add = [&](const std::string& name, std::string data, bool stored) {
        const std::string& d = keep.emplace_back(std::move(data));
        zip_int64_t i =
            zip_file_add(zip, name.c_str(), zip_source_buffer(zip, d.data(), d.size(), 0), ZIP_FL_OVERWRITE);
        zip_set_file_compression(zip, i, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    };
    for (int n = 1; n <= kSlides; ++n) {
        std::string picture(kPictureBytes, '\0');
        for (std::size_t i = 0; i + 8 <= picture.size(); i += 8) {
            auto v = random();
            std::memcpy(picture.data() + i, &v, 8);
        }
        std::string number = std::to_string(n);
        add("ppt/media/image" + number + ".png", std::move(picture), false);
        add("ppt/slides/slide" + number + ".xml", slideXml(n), false);
        add("ppt/slides/_rels/slide" + number + ".xml.rels",
            R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
            R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
            R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)"
            R"(slideLayout" Target="../slideLayouts/slideLayout1.xml"/><Relationship Id="rId2" )"
            R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" )"
            R"(Target="../media/image)" +
                number + R"(.png"/></Relationships>)",
            false);
    }
    std::string types = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
    zip_stat_t st;
    zip_stat(zip, "[Content_Types].xml", 0, &st);
    std::string old(st.size, '\0');
    zip_file_t* f = zip_fopen(zip, "[Content_Types].xml", 0);
    zip_fread(f, old.data(), old.size());
    zip_fclose(f);
    old.insert(old.find("</Types>"), R"(<Default Extension="png" ContentType="image/png"/>)");
    add("[Content_Types].xml", old, false);
    zip_close(zip);
    return path;
}

const std::string& deck() {
    static const std::string path = makeDeck();
    return path;
}

int spawn(std::vector<std::string> args, rusage* usage = nullptr) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    rusage ignored;
    ::wait4(pid, &status, 0, usage ? usage : &ignored);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void addShapesAndSave(const std::string& path) {
    auto app = pptx::DeckConnector(path, 50).attach();
    SlideHost& host = slideHost(*app);
    for (int i = 0; i < 500; ++i) {
        float x = static_cast<float>(i % 50) * 14, y = static_cast<float>(i / 50) * 50;
        if (i % 2 == 0) {
            auto label = host.addLabel(kTextHorizontal, x, y, 20, 12);
            label->setName("label " + std::to_string(i));
            label->textFrame().textRange().setText("P" + std::to_string(i));
            label->textFrame().textRange().characters(2, 1)->font().setBaselineOffset(-0.25f);
        } else if (i % 4 == 1) {
            auto line = host.addLine(x, y, x + 10, y + 30);
            line->line().setForeColor(common::rgb(200, 0, 0));
            line->line().setEndArrowheadStyle(arrow::Stealth);
        } else {
            host.addShape(kShapeOval, x, y, 4, 4)->fill().setForeColor(common::rgb(0, 0, 200));
        }
    }
    app->save();
}

void BM_CopyDeckWithCp(benchmark::State& state) {
    std::string copy = (folder() / "cp.pptx").string();
    for (auto _ : state) spawn({"cp", deck(), copy});
    state.counters["deck_MB"] = static_cast<double>(fs::file_size(deck())) / 1e6;
}
BENCHMARK(BM_CopyDeckWithCp)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_CopyDeckWithCpAndSync(benchmark::State& state) {
    std::string copy = (folder() / "cp-sync.pptx").string();
    for (auto _ : state) {
        spawn({"cp", deck(), copy});
        spawn({"sync", copy});
    }
}
BENCHMARK(BM_CopyDeckWithCpAndSync)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Add500ShapesToSlide50AndSave(benchmark::State& state) {
    std::string work = (folder() / "work.pptx").string();
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(deck(), work, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        addShapesAndSave(work);
    }
}
BENCHMARK(BM_Add500ShapesToSlide50AndSave)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_OpenAndListSlide50(benchmark::State& state) {
    for (auto _ : state) {
        auto app = pptx::DeckConnector(deck(), 50).attach();
        SlideHost& host = slideHost(*app);
        for (int i = 1; i <= host.count(); ++i) {
            auto s = host.item(i);
            benchmark::DoNotOptimize(s->name());
            benchmark::DoNotOptimize(s->type() + s->left() + s->top() + s->width() + s->height());
        }
    }
}
BENCHMARK(BM_OpenAndListSlide50)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_PeakMemoryOfAddAndSave(benchmark::State& state) {
    std::string work = (folder() / "memory.pptx").string();
    rusage usage{};
    for (auto _ : state) {
        fs::copy_file(deck(), work, fs::copy_options::overwrite_existing);
        if (spawn({"/proc/self/exe", "--add-and-save", work}, &usage) != 0)
            state.SkipWithError("the run failed");
    }
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
    state.counters["deck_MB"] = static_cast<double>(fs::file_size(work)) / 1e6;
}
BENCHMARK(BM_PeakMemoryOfAddAndSave)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--add-and-save") {
        addShapesAndSave(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    deck();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(folder());
}
