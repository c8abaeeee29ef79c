// LibreOffice as the judge: decks written through the backend are converted to PDF and
// what a teacher would see is checked in the text boxes' places and the rendered page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>

#include "deck_files.h"
#include "platform/forms/office_profile.h"
#include "platform/office/pptx/deck_connector.h"

using namespace office;
namespace fs = std::filesystem;

namespace {

struct Word {
    double xMin, yMin, xMax, yMax;
    int page;
};

struct Page {
    int width = 0, height = 0;
    std::string rgb;
    common::Rgb at(double x, double y) const {
        std::size_t i = (static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)) * 3;
        return common::rgb(static_cast<unsigned char>(rgb[i]), static_cast<unsigned char>(rgb[i + 1]),
                           static_cast<unsigned char>(rgb[i + 2]));
    }
};

// A colour is near another when every channel is within 60 (edges are blended).
bool near(common::Rgb a, common::Rgb b) {
    auto d = [](unsigned x, unsigned y) { return x > y ? x - y : y - x; };
    return d(common::redOf(a), common::redOf(b)) < 60 && d(common::greenOf(a), common::greenOf(b)) < 60 &&
           d(common::blueOf(a), common::blueOf(b)) < 60;
}

void run(const std::string& command) {
    int status = std::system(command.c_str());
    if (status != 0) throw std::runtime_error("failed (" + std::to_string(status) + "): " + command);
}

std::multimap<std::string, Word> wordsOf(const std::string& pdf) {
    run("pdftotext -bbox '" + pdf + "' '" + pdf + ".html'");
    std::string html = testdecks::readFile(pdf + ".html");
    std::multimap<std::string, Word> words;
    std::regex page("<page "),
        word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    int pageNumber = 0;
    std::size_t at = 0;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
        auto pos = static_cast<std::size_t>(it->position());
        for (std::size_t p = html.find("<page ", at); p != std::string::npos && p < pos;
             p = html.find("<page ", p + 1))
            ++pageNumber, at = p + 1;
        words.emplace((*it)[5], Word{std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                                     std::stod((*it)[4]), pageNumber});
    }
    return words;
}

Page render(const std::string& pdf, int page) {
    std::string base = pdf + "-" + std::to_string(page);
    run("pdftoppm -r 72 -f " + std::to_string(page) + " -l " + std::to_string(page) + " -singlefile '" + pdf +
        "' '" + base + "'");
    run("pdftoppm -png -r 72 -f " + std::to_string(page) + " -l " + std::to_string(page) + " -singlefile '" +
        pdf + "' '" + base + "'");
    std::ifstream in(base + ".ppm", std::ios::binary);
    std::string magic;
    int maxValue = 0;
    Page out;
    in >> magic >> out.width >> out.height >> maxValue;
    in.get();
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height * 3);
    in.read(out.rgb.data(), static_cast<std::streamsize>(out.rgb.size()));
    return out;
}

constexpr const char* kBluePng =
    "iVBORw0KGgoAAAANSUhEUgAAAAQAAAAECAIAAAAmkwkpAAAAEElEQVR4nGNgYPiPhIjiAACOsw/xs6MvMwAAAABJRU5ErkJggg==";

// Two slides as LibreOffice's own document: a word and a picture, then a word and an
// orange rectangle.
std::string flatPresentation() {
    return std::string(
               R"(<?xml version="1.0" encoding="UTF-8"?><office:document)"
               R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
               R"( xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0")"
               R"( xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0")"
               R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")"
               R"( xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0")"
               R"( office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.presentation">)"
               R"(<office:automatic-styles><style:style style:name="orange" style:family="graphic">)"
               R"(<style:graphic-properties draw:fill="solid" draw:fill-color="#ff8000" draw:stroke="none"/>)"
               R"(</style:style></office:automatic-styles><office:body><office:presentation>)"
               R"(<draw:page draw:name="one"><draw:frame svg:x="2cm" svg:y="2cm" svg:width="8cm" svg:height="2cm">)"
               R"(<draw:text-box><text:p>Kiwi</text:p></draw:text-box></draw:frame>)"
               R"(<draw:frame svg:x="2cm" svg:y="8cm" svg:width="4cm" svg:height="4cm"><draw:image>)"
               R"(<office:binary-data>)") +
           kBluePng +
           R"(</office:binary-data></draw:image></draw:frame></draw:page>)"
           R"(<draw:page draw:name="two"><draw:frame svg:x="2cm" svg:y="2cm" svg:width="8cm" svg:height="2cm">)"
           R"(<draw:text-box><text:p>Mango</text:p></draw:text-box></draw:frame>)"
           R"(<draw:rect draw:style-name="orange" svg:x="2cm" svg:y="8cm" svg:width="6cm" svg:height="3cm"/>)"
           R"(</draw:page></office:presentation></office:body></office:document>)";
}

// A folder of its own, with its own LibreOffice profile so tests can run side by side.
struct Peer {
    testdecks::TempDir dir;

    void convert(const std::string& to, const std::string& file) const {
        forms::prepareOfficeProfile(dir.file("profile"));
        run("cd '" + dir.path.string() + "' && timeout 300 soffice -env:UserInstallation=file://" +
            dir.file("profile") + " --headless --convert-to " + to + " --outdir out '" + file +
            "' > soffice.log 2>&1");
    }
    std::string out(const std::string& name) const { return dir.file("out/" + name); }
    ~Peer() {
        if (std::getenv("QUILLON_KEEP_PEER")) {
            std::string kept =
                (fs::temp_directory_path() / ("quillon-peer-" + dir.path.filename().string())).string();
            fs::rename(dir.path / "out", kept);
            std::printf("pages kept in %s\n", kept.c_str());
        }
    }
};

Word wordOf(const std::multimap<std::string, Word>& words, const std::string& text) {
    auto it = words.find(text);
    if (it == words.end()) throw std::runtime_error("LibreOffice shows no \"" + text + "\"");
    return it->second;
}

void drawDeck(const std::string& path) {
    auto app = pptx::DeckConnector(path, 1).startNew();
    app->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
    SlideHost& host = slideHost(*app);
    host.addLabel(kTextHorizontal, 100, 100, 80, 20)->textFrame().textRange().setText("Alpha");
    auto narrow = host.addLabel(kTextHorizontal, 491, 200, 30, 20);
    narrow->textFrame().setMarginLeft(0);
    narrow->textFrame().setMarginTop(0);
    narrow->textFrame().textRange().setText("Beta continues past its narrow box");
    auto big = host.addLabel(kTextHorizontal, 100, 400, 10, 10);
    big->textFrame().textRange().font().setSize(32);
    big->textFrame().textRange().setText("Gamma");
    auto line = [&](float x1, float y1, float x2, float y2, common::Rgb color) {
        auto l = host.addLine(x1, y1, x2, y2);
        l->line().setForeColor(color);
        l->line().setWeight(4);
        return l;
    };
    line(100, 300, 300, 400, common::rgb(255, 0, 0));
    line(600, 100, 500, 200, common::rgb(0, 0, 255))->line().setEndArrowheadStyle(arrow::Stealth);
    line(400, 100, 400, 250, common::rgb(0, 0, 255))->line().setDashStyle(dash::Dash);
    auto oval = host.addShape(kShapeOval, 400, 300, 100, 60);
    oval->fill().setForeColor(common::rgb(0, 160, 0));
    auto curve = host.addCurve({{500, 400}, {550, 300}, {650, 300}, {700, 400}});
    curve->fill().setVisible(false);
    curve->line().setForeColor(common::rgb(255, 0, 255));
    curve->line().setWeight(4);
    app->save();
}

TEST(LibreOfficePeer, WhatTheToolsDrawStandsWhereTheyPutIt) {
    Peer peer;
    drawDeck(peer.dir.file("ours.pptx"));
    peer.convert("pdf", "ours.pptx");
    auto words = wordsOf(peer.out("ours.pdf"));

    Word alpha = wordOf(words, "Alpha");
    EXPECT_NEAR(alpha.xMin, 100 + 7.2, 1);
    EXPECT_NEAR(alpha.yMin, 100 + 3.6, 1);
    Word beta = wordOf(words, "Beta");
    EXPECT_NEAR(beta.xMin, 491, 1);
    EXPECT_NEAR(beta.yMin, 200, 1);
    EXPECT_NEAR(wordOf(words, "narrow").yMin, 200, 1) << "the text wrapped in its narrow box";
    // A box narrower than its margins, with text larger than the box: LibreOffice puts
    // the first line's glyph tops a twentieth of the font size below the margin.
    Word gamma = wordOf(words, "Gamma");
    EXPECT_NEAR(gamma.xMin, 100 + 7.2, 1);
    EXPECT_NEAR(gamma.yMin, 400 + 3.6 + 32 * 0.05, 1);
    EXPECT_NEAR(gamma.yMax - gamma.yMin, 32 * 1.3, 1);

    Page page = render(peer.out("ours.pdf"), 1);
    ASSERT_EQ(page.width, 720);
    ASSERT_EQ(page.height, 540);
    const common::Rgb red = common::rgb(255, 0, 0), blue = common::rgb(0, 0, 255), white = common::kWhite;
    EXPECT_TRUE(near(page.at(200, 350), red));
    EXPECT_TRUE(near(page.at(150, 325), red));
    EXPECT_TRUE(near(page.at(250, 325), white)) << "the line does not run from its begin to its end point";
    EXPECT_TRUE(near(page.at(525, 175), blue));
    EXPECT_TRUE(near(page.at(575, 175), white)) << "the line from right to left is mirrored wrongly";
    int dashed = 0;
    for (int y = 110; y < 240; ++y) dashed += near(page.at(400, y), blue) ? 1 : 0;
    EXPECT_GT(dashed, 40);
    EXPECT_LT(dashed, 120) << "the dashed line is drawn solid";
    EXPECT_TRUE(near(page.at(450, 330), common::rgb(0, 160, 0)));
    EXPECT_TRUE(near(page.at(600, 325), common::rgb(255, 0, 255))) << "the curve's middle";
    EXPECT_TRUE(near(page.at(600, 360), white)) << "the open curve is filled";
}

TEST(LibreOfficePeer, ADeckLibreOfficeSavedKeepsEverySlideAndShape) {
    Peer peer;
    testdecks::writeFile(peer.dir.file("theirs.fodp"), flatPresentation());
    peer.convert("pptx", "theirs.fodp");
    std::string theirs = peer.out("theirs.pptx"), saved = peer.dir.file("saved.pptx");
    fs::copy_file(theirs, saved);
    {
        auto app = pptx::DeckConnector(saved, 2).attach();
        auto label = slideHost(*app).addLabel(kTextHorizontal, 400, 100, 100, 20);
        label->textFrame().textRange().setText("Papaya");
        slideHost(*app).addLine(400, 300, 700, 300)->line().setWeight(4);
        app->save();
    }
    peer.convert("pdf", "saved.pptx");
    auto words = wordsOf(peer.out("saved.pdf"));

    EXPECT_EQ(wordOf(words, "Kiwi").page, 1);
    EXPECT_EQ(wordOf(words, "Mango").page, 2);
    Word papaya = wordOf(words, "Papaya");
    EXPECT_EQ(papaya.page, 2);
    EXPECT_NEAR(papaya.xMin, 400 + 7.2, 1);
    Page first = render(peer.out("saved.pdf"), 1);
    Page second = render(peer.out("saved.pdf"), 2);
    // 2 cm is 56.7 points: the picture fills 56.7..170 x 226.8..340.
    EXPECT_TRUE(near(first.at(110, 280), common::rgb(0, 0, 255))) << "the picture is gone";
    EXPECT_TRUE(near(second.at(110, 280), common::rgb(255, 128, 0))) << "the rectangle is gone";
    EXPECT_TRUE(near(second.at(550, 300), common::kBlack)) << "the new line is missing";
    for (const auto& name : testdecks::entryNames(theirs)) {
        if (!name.starts_with("ppt/media/")) continue;
        EXPECT_EQ(testdecks::rawEntry(saved, name), testdecks::rawEntry(theirs, name)) << name;
    }
}

}  // namespace
