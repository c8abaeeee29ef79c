// The played sessions against a live Impress: the transcript is the deck file's, and
// the slide Impress stores holds the shapes the deck file gets, where it gets them;
// one undo takes the inserted graph away.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>

#include "common/text.h"
#include "live_impress.h"
#include "platform/office/pptx/deck_connector.h"
#include "play_curves_session.h"
#include "play_scripts.h"
#include "power_curves_session.h"
#include "run_program.h"
#include "trig_session.h"

namespace fs = std::filesystem;
using namespace office;

namespace {

// What a shape's name says of it without its number: "x轴" of "x轴：3_quillon", "Picture"
// of "Picture 12". The numbers are drawn at random or follow each backend's own count, and
// a long label's name is cut at 32 characters, "_quillon" and all.
std::string kindOf(const std::string& name) {
    if (name.find("：") != std::string::npos) return name.substr(0, name.find("："));
    return name.substr(0, name.find_last_not_of("0123456789 ") + 1);
}

// LibreOffice opens the text boxes of a figure sheet as rectangles holding text, and
// stores them so: they look the same on the slide.
bool sameType(Shape& live, Shape& file, bool sheetShapes) {
    return live.type() == file.type() ||
           (sheetShapes && file.type() == shapetype::TextBox && live.type() == shapetype::AutoShape);
}

// The text, and the font of every character of it.
void expectSameText(TextRange& live, TextRange& file, const std::string& at) {
    const std::string text = file.text();
    ASSERT_EQ(live.text(), text) << at;
    const int characters = static_cast<int>(common::toUtf32(text).size());
    for (int i = 1; i <= characters; ++i) {
        auto a = live.characters(i, 1), b = file.characters(i, 1);
        const std::string where = at + " character " + std::to_string(i) + " of \"" + text + "\"";
        Font &x = a->font(), &y = b->font();
        EXPECT_EQ(x.nameAscii(), y.nameAscii()) << where;
        EXPECT_EQ(x.nameFarEast(), y.nameFarEast()) << where;
        EXPECT_NEAR(x.size(), y.size(), 0.05) << where;
        EXPECT_EQ(x.bold(), y.bold()) << where;
        EXPECT_EQ(x.italic(), y.italic()) << where;
        EXPECT_NEAR(x.baselineOffset(), y.baselineOffset(), 0.005) << where;
        EXPECT_EQ(x.color(), y.color()) << where;
    }
}

// A graph's record says where its shapes stood, which the live slide keeps only to a
// hundredth of a millimetre; the rest of it is the same.
void expectSameRecord(const std::string& live, const std::string& file, const std::string& at) {
    auto a = nlohmann::json::parse(live), b = nlohmann::json::parse(file);
    for (const char* f : {"left", "top", "width", "height"}) {
        EXPECT_NEAR(a["slide"][f].get<double>(), b["slide"][f].get<double>(), 0.1) << at << " " << f;
        a["slide"].erase(f), b["slide"].erase(f);
    }
    EXPECT_EQ(a, b) << at;
}

// Every shape of the slide and of its groups, in order, compared with the deck file's.
void expectSameShapes(ShapeRange& live, ShapeRange& file, const std::string& where, bool sheetShapes) {
    ASSERT_EQ(live.count(), file.count()) << where;
    for (int i = 1; i <= live.count(); ++i) {
        auto a = live.item(i), b = file.item(i);
        const std::string at = where + "/" + b->name() + " (live: " + a->name() + ")";
        EXPECT_EQ(kindOf(a->name()), kindOf(b->name())) << at;
        EXPECT_TRUE(sameType(*a, *b, sheetShapes)) << at << ": " << a->type() << " for " << b->type();
        EXPECT_NEAR(a->left(), b->left(), 0.1) << at;
        EXPECT_NEAR(a->top(), b->top(), 0.1) << at;
        EXPECT_NEAR(a->width(), b->width(), 0.1) << at;
        EXPECT_NEAR(a->height(), b->height(), 0.1) << at;
        // LibreOffice writes no description of a group into .pptx: only the deck file has one.
        if (b->type() == shapetype::Group) {
            expectSameShapes(*a->groupItems(), *b->groupItems(), at, sheetShapes);
            continue;
        }
        EXPECT_EQ(a->line().visible(), b->line().visible()) << at;
        if (b->line().visible()) {
            EXPECT_EQ(a->line().foreColor(), b->line().foreColor()) << at;
            EXPECT_EQ(a->line().dashStyle(), b->line().dashStyle()) << at;
            EXPECT_NEAR(a->line().weight(), b->line().weight(), 0.05) << at;
            EXPECT_EQ(a->line().beginArrowheadStyle(), b->line().beginArrowheadStyle()) << at;
            EXPECT_EQ(a->line().endArrowheadStyle(), b->line().endArrowheadStyle()) << at;
        }
        if (b->type() != shapetype::Line && b->type() != shapetype::Picture) {
            EXPECT_EQ(a->fill().visible(), b->fill().visible()) << at;
            if (b->fill().visible()) {
                EXPECT_EQ(a->fill().foreColor(), b->fill().foreColor()) << at;
            }
        }
        // LibreOffice 7.4 stores a formula object into .pptx without its title and description.
        EXPECT_EQ(a->isEquation(), b->isEquation()) << at;
        if (!b->isEquation()) {
            if (b->hasTextFrame() && kindOf(b->name()) == "作图记录") {
                expectSameRecord(a->textFrame().textRange().text(), b->textFrame().textRange().text(), at);
            } else if (b->hasTextFrame()) {
                expectSameText(a->textFrame().textRange(), b->textFrame().textRange(), at);
            }
            EXPECT_EQ(a->alternativeText(), b->alternativeText()) << at;
        }
    }
}

struct SlideShapes : ShapeRange {
    SlideHost& host;
    explicit SlideShapes(SlideHost& h) : host(h) {}
    int count() const override { return host.count(); }
    ShapePtr item(int index) override { return host.item(index); }
    void setName(const std::string&) override {}
    ShapePtr group() override { return nullptr; }
    void select(bool) override {}
    void zOrder(int) override {}
    void remove() override {}
    void incrementLeft(float) override {}
    void incrementTop(float) override {}
    int type() const override { return shapetype::Mixed; }
    TextFrame& textFrame() override { throw HostError("A slide has no text frame."); }
};

struct PlayImpress : ::testing::Test {
    static inline std::unique_ptr<LiveImpress> impress;
    // Each test process has its office of its own: CTest runs them side by side.
    static fs::path officeDir() {
        return fs::path(testing::TempDir()) / ("play_impress_office_" + std::to_string(getpid()));
    }
    static void TearDownTestSuite() { impress.reset(); }

    fs::path dir =
        fs::path(testing::TempDir()) /
        ("play_impress_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    // The office starts with the first test, so that a failing start fails the test.
    void SetUp() override {
        if (!impress) {
            fs::remove_all(officeDir());
            fs::create_directories(officeDir());
            impress = std::make_unique<LiveImpress>(officeDir(), officeDir() / "deck.pptx");
        }
        fs::remove_all(dir);
        fs::create_directories(dir / "file");
        fs::create_directories(dir / "live");
        auto app = impress->attach();
        SlideHost& slide = slideHost(*app);
        while (slide.count() > 0) slide.item(1)->remove();
        app->save();
    }
    ProgramRun playLive(const std::string& script, const std::string& verb = "functiongraph") {
        return playScript(dir / "live", script, verb,
                          "QUILLON_HOST=impress QUILLON_IMPRESS_PIPE=" + impress->pipe());
    }
    // The sessions played one after the other, each by its verb, on the deck file and on
    // the open presentation: the same transcripts and the same shapes.
    void expectSameSlide(const std::vector<std::pair<std::string, std::string>>& sessions) {
        writeBlankDeck(dir / "file" / "deck.pptx");
        for (const auto& [verb, script] : sessions) {
            ProgramRun file = playScript(dir / "file", script, verb);
            ASSERT_EQ(file.status, 0) << verb << ": " << file.err;
            ProgramRun live = playLive(script, verb);
            ASSERT_EQ(live.status, 0) << verb << ": " << live.err;
            EXPECT_EQ(live.out, file.out) << verb;
        }
        EXPECT_FALSE(fs::exists(dir / "live" / "deck.pptx")) << "the live run wrote a deck file";
        impress->storeAs(dir / "stored.pptx");
        auto stored = pptx::DeckConnector((dir / "stored.pptx").string(), 1).attach();
        auto deck = pptx::DeckConnector((dir / "file" / "deck.pptx").string(), 1).attach();
        SlideShapes liveShapes(slideHost(*stored)), fileShapes(slideHost(*deck));
        ASSERT_GT(fileShapes.count(), 0);
        expectSameShapes(liveShapes, fileShapes, "slide", sessions.front().first == "tk");
    }
    void expectSameSlide(const std::string& graphSession) {
        expectSameSlide({{"functiongraph", graphSession}});
    }
    // One command played live: Impress has one step more to undo, and undoing it gives
    // back the slide as Impress stored it before, every shape where and as it was; redoing
    // it brings the command's work back.
    void expectOneUndoStep(const std::string& verb, const std::string& script) {
        impress->storeAs(dir / "before.pptx");
        const int steps = impress->undoSteps();
        ProgramRun live = playLive(script, verb);
        ASSERT_EQ(live.status, 0) << verb << ": " << live.err;
        ASSERT_EQ(impress->undoSteps(), steps + 1) << verb;
        impress->storeAs(dir / "after.pptx");
        impress->undo();
        impress->storeAs(dir / "undone.pptx");
        auto before = pptx::DeckConnector((dir / "before.pptx").string(), 1).attach();
        auto after = pptx::DeckConnector((dir / "after.pptx").string(), 1).attach();
        auto undone = pptx::DeckConnector((dir / "undone.pptx").string(), 1).attach();
        SlideShapes was(slideHost(*before)), changed(slideHost(*after)), is(slideHost(*undone));
        EXPECT_NE(shapeNames(changed), shapeNames(was)) << verb << " changed nothing to undo";
        EXPECT_EQ(shapeNames(is), shapeNames(was)) << verb;
        expectSameShapes(is, was, verb, false);
        // The next command works on what this one made.
        impress->redo();
        impress->storeAs(dir / "redone.pptx");
        auto redone = pptx::DeckConnector((dir / "redone.pptx").string(), 1).attach();
        SlideShapes back(slideHost(*redone));
        EXPECT_EQ(shapeNames(back), shapeNames(changed)) << verb;
    }
    static std::vector<std::string> shapeNames(ShapeRange& shapes) {
        std::vector<std::string> names;
        for (int i = 1; i <= shapes.count(); ++i) {
            auto shape = shapes.item(i);
            names.push_back(shape->name() + " " + std::to_string(shape->left()) + " " +
                            std::to_string(shape->top()) +
                            (shape->hasTextFrame() ? " " + shape->textFrame().textRange().text() : ""));
        }
        return names;
    }
};

TEST_F(PlayImpress, PointsLandOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kPointsSession);
}

TEST_F(PlayImpress, EveryLineAndConicLandsOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kConicsSession);
}

TEST_F(PlayImpress, FreeExpressionCurvesLandOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kExpressionSession);
}

TEST_F(PlayImpress, PowerCurvesLandOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kPowerCurvesSession);
}

TEST_F(PlayImpress, TheSineWithItsTypesetLabelsLandsOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kTrigSession);
}

TEST_F(PlayImpress, AFormulaLandsOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide({{"gs", "set txtGS x^2+y^2=r^2\nclick cmdOK\n"}});
}

TEST_F(PlayImpress, TheSelectedFormulaObjectIsReopenedAndReplacedInPlace) {
    ASSERT_EQ(playLive("set txtGS x\nclick cmdOK\n", "gs").status, 0);
    {
        auto app = impress->attach();
        auto shape = slideHost(*app).item(1);
        ASSERT_TRUE(shape->isEquation());
        shape->setLeft(200);
        shape->setTop(150);
        shape->select(true);
    }
    ProgramRun again = playLive("print txtGS\nset txtGS x^(2)+y^(2)=r^(2)\nclick cmdOK\n", "gs");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "txtGS = x\n");
    auto app = impress->attach();
    ASSERT_EQ(slideHost(*app).count(), 1);
    auto shape = slideHost(*app).item(1);
    EXPECT_TRUE(shape->isEquation());
    EXPECT_EQ(shape->title(), "x^(2)+y^(2)=r^(2)");
    EXPECT_NEAR(shape->left(), 200, 0.1);
    EXPECT_NEAR(shape->top(), 150, 0.1);
    EXPECT_NEAR(shape->height(), 45, 0.1);
    // One Ctrl+Z brings the equation replaced back where it stood.
    impress->undo();
    auto undone = impress->attach();
    ASSERT_EQ(slideHost(*undone).count(), 1);
    auto old = slideHost(*undone).item(1);
    EXPECT_TRUE(old->isEquation());
    EXPECT_EQ(old->title(), "x");
    EXPECT_NEAR(old->left(), 200, 0.1);
}

// The heights of the letter x on the first page of the PDF, as its words' boxes say.
std::vector<double> heightsOfX(const fs::path& pdf) {
    std::unique_ptr<FILE, int (*)(FILE*)> out(
        popen(("pdftotext -bbox -f 1 -l 1 '" + pdf.string() + "' - 2>/dev/null").c_str(), "r"), pclose);
    std::vector<double> heights;
    char line[512];
    while (out && fgets(line, sizeof line, out.get())) {
        double x0, y0, x1, y1;
        char word[64];
        if (std::sscanf(line, R"( <word xMin="%lf" yMin="%lf" xMax="%lf" yMax="%lf">%63[^<]</word>)", &x0,
                        &y0, &x1, &y1, word) == 5 &&
            std::string(word) == "x")
            heights.push_back(y1 - y0);
    }
    return heights;
}

TEST_F(PlayImpress, AfterThe45PointRuleALoneXIsAsHighAsTheXBesideExponents) {
    ASSERT_EQ(playLive("set txtGS x\nclick cmdOK\n", "gs").status, 0);
    {
        auto app = impress->attach();
        slideHost(*app).item(1)->setTop(200);
        app->activeWindow().selection().unselect();
        app->save();
    }
    ASSERT_EQ(playLive("set txtGS x^(2)+y^(2)=r^(2)\nclick cmdOK\n", "gs").status, 0);
    impress->storeAs(dir / "slide.pdf");
    const auto heights = heightsOfX(dir / "slide.pdf");
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_GT(heights[0], 30) << "the equations were not enlarged";
    EXPECT_NEAR(heights[0], heights[1], heights[1] * 0.01);
}

TEST_F(PlayImpress, LabelsAndTheSelectorWorkOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide({{"functiongraph", kPointsSession},
                     {"dot", "choose optType(0)\nset txtDotNumber 2\nclick cmdOk\n"},
                     {"shapeselecter",
                      "print List1\ntick List1 2 1\nprint selection\nset txtTextBox P\n"
                      "click cmdChangeText\nclick Command1(3)\nclick Command1(0)\n"}});
}

TEST_F(PlayImpress, FiguresFromTheLibraryLandOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide({{"tk",
                      "node TreeView1 C1\nclick cmdInsert2PPT\nnode TreeView1 C13\npick dsoFramer1 数轴\n"
                      "click cmdInsert2PPT\nprint dsoFramer1\n"}});
}

TEST_F(PlayImpress, EveryCommandPlayedLiveIsOneUndoStep) {
    expectOneUndoStep("functiongraph", kPointsSession);
    expectOneUndoStep("dot", "choose optType(0)\nset txtDotNumber 2\nclick cmdOk\n");
    expectOneUndoStep("shapeselecter", "tick List1 0 1\nclick Command1(3)\n");
    expectOneUndoStep("shapeselecter", "tick List1 1 1\nclick Command1(0)\n");
    expectOneUndoStep("shapeselecter", "tick List1 2 1\nset txtTextBox P\nclick cmdChangeText\n");
    expectOneUndoStep("tk", "node TreeView1 C1\nclick cmdInsert2PPT\n");
    expectOneUndoStep("gs", "set txtGS x^2+y^2=r^2\nclick cmdOK\n");
}

TEST_F(PlayImpress, OneUndoTakesTheInsertedGraphAway) {
    ASSERT_EQ(playLive(kConicsSession).status, 0);
    auto app = impress->attach();
    ASSERT_EQ(slideHost(*app).count(), 1);
    impress->undo();
    EXPECT_EQ(slideHost(*app).count(), 0);
}

// The point fits the wide frame but not the narrow one: the failed insertion leaves the
// slide as it was, and the teacher's next undo still takes away the graph before it.
TEST_F(PlayImpress, AFailedInsertionLeavesTheSlideAndTheUndoListAsTheyWere) {
    ASSERT_EQ(playLive(kPointsSession).status, 0);
    auto app = impress->attach();
    ASSERT_EQ(slideHost(*app).count(), 1);
    const std::string graph = slideHost(*app).item(1)->name();
    ProgramRun run = playLive(
        "set txtPoint(0) 70000000\nset txtPoint(1) 1\nclick cmdDrawPoint\nset txtLenOfAxis_x 2\n"
        "key txtLenOfAxis_x 13\nclick cmdOK\nprint caption\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("caption = 图像插入PPT未能完成。"), std::string::npos) << run.out;
    ASSERT_EQ(slideHost(*app).count(), 1);
    EXPECT_EQ(slideHost(*app).item(1)->name(), graph);
    impress->undo();
    EXPECT_EQ(slideHost(*app).count(), 0);
}

}  // namespace
