// The played sessions against a live Impress: the transcript is the deck file's, and
// the slide Impress stores holds the shapes the deck file gets, where it gets them;
// one undo takes the inserted graph away.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "live_impress.h"
#include "platform/office/pptx/deck_connector.h"
#include "play_scripts.h"
#include "run_program.h"

namespace fs = std::filesystem;
using namespace office;

namespace {

std::string labelOf(const std::string& name) {
    return name.substr(0, name.find("："));
}

// Every shape of the slide and of its groups, in order, compared with the deck file's.
void expectSameShapes(ShapeRange& live, ShapeRange& file, const std::string& where) {
    ASSERT_EQ(live.count(), file.count()) << where;
    for (int i = 1; i <= live.count(); ++i) {
        auto a = live.item(i), b = file.item(i);
        const std::string at = where + "/" + b->name();
        EXPECT_EQ(labelOf(a->name()), labelOf(b->name())) << at;
        EXPECT_TRUE(a->name().ends_with("_quillon")) << at;
        EXPECT_EQ(a->type(), b->type()) << at;
        EXPECT_NEAR(a->left(), b->left(), 0.1) << at;
        EXPECT_NEAR(a->top(), b->top(), 0.1) << at;
        EXPECT_NEAR(a->width(), b->width(), 0.1) << at;
        EXPECT_NEAR(a->height(), b->height(), 0.1) << at;
        if (b->type() == shapetype::Group) {
            expectSameShapes(*a->groupItems(), *b->groupItems(), at);
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
        if (b->type() == shapetype::TextBox) {
            EXPECT_EQ(a->textFrame().textRange().text(), b->textFrame().textRange().text()) << at;
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
    ProgramRun playLive(const std::string& script) {
        return playScript(dir / "live", script, "functiongraph",
                          "QUILLON_HOST=impress QUILLON_IMPRESS_PIPE=" + impress->pipe());
    }
    void expectSameSlide(const std::string& script) {
        writeBlankDeck(dir / "file" / "deck.pptx");
        ProgramRun file = playScript(dir / "file", script, "functiongraph");
        ASSERT_EQ(file.status, 0) << file.err;
        ProgramRun live = playLive(script);
        ASSERT_EQ(live.status, 0) << live.err;
        EXPECT_EQ(live.out, file.out);
        EXPECT_FALSE(fs::exists(dir / "live" / "deck.pptx")) << "the live run wrote a deck file";
        impress->storeAsPptx(dir / "stored.pptx");
        auto stored = pptx::DeckConnector((dir / "stored.pptx").string(), 1).attach();
        auto deck = pptx::DeckConnector((dir / "file" / "deck.pptx").string(), 1).attach();
        SlideShapes liveShapes(slideHost(*stored)), fileShapes(slideHost(*deck));
        ASSERT_EQ(fileShapes.count(), 1);
        expectSameShapes(liveShapes, fileShapes, "slide");
    }
};

TEST_F(PlayImpress, PointsLandOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kPointsSession);
}

TEST_F(PlayImpress, EveryLineAndConicLandsOnTheOpenSlideAsOnTheDeckFile) {
    expectSameSlide(kConicsSession);
}

TEST_F(PlayImpress, OneUndoTakesTheInsertedGraphAway) {
    ASSERT_EQ(playLive(kConicsSession).status, 0);
    auto app = impress->attach();
    ASSERT_EQ(slideHost(*app).count(), 1);
    impress->undo();
    EXPECT_EQ(slideHost(*app).count(), 0);
}

}  // namespace
