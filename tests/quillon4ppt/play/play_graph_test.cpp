#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/messages.h"
#include "deck_files.h"
#include "platform/office/pptx/deck_connector.h"
#include "play_scripts.h"
#include "run_program.h"

namespace fs = std::filesystem;

namespace {

struct PlayGraphTest : ::testing::Test {
    fs::path dir = fs::path(testing::TempDir()) /
                   ("play_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }

    // The labels of the group's shapes, back to front: each name up to its "：".
    std::vector<std::string> groupLabels(office::ShapePtr group) {
        std::vector<std::string> labels;
        auto items = group->groupItems();
        for (int i = 1; i <= items->count(); ++i) {
            std::string name = items->item(i)->name();
            labels.push_back(name.substr(0, name.find("：")));
        }
        return labels;
    }
};

TEST_F(PlayGraphTest, PointsAndAxesLandInTheDeckAsOneGroup) {
    ProgramRun run = playScript(dir, kPointsSession, "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "List1[0] = 平面直角坐标系(ZBX)\nList1[1] = 点(POINT)  0\nList1[2] = 点(POINT)  1\n"
              "caption = 图像插入PPT已经完成！\n");
    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    auto group = host.item(1);
    EXPECT_EQ(group->name().rfind("组合：", 0), 0u);
    EXPECT_EQ(groupLabels(group),
              (std::vector<std::string>{"x轴", "x轴标记", "y轴", "y轴标记", "原点", "点", "标示横坐标的虚线",
                                        "标示纵坐标的虚线", "横坐标标注", "纵坐标标注", "点", "x轴上刻度标注",
                                        "作图记录"}));
    auto items = group->groupItems();
    auto xAxis = items->item(1);
    EXPECT_FLOAT_EQ(xAxis->left(), 225);
    EXPECT_FLOAT_EQ(xAxis->top(), 270);
    EXPECT_FLOAT_EQ(xAxis->width(), 270);
    auto letter = items->item(2);
    EXPECT_FLOAT_EQ(letter->left(), 491);
    EXPECT_FLOAT_EQ(letter->top(), 266);
    EXPECT_EQ(letter->textFrame().textRange().text(), "x");
    auto dot = items->item(6);
    EXPECT_NEAR(dot->left(), 412.8, 0.01);
    EXPECT_NEAR(dot->top(), 187.8, 0.01);
}

TEST_F(PlayGraphTest, EveryLineAndConicFamilyLandsInListOrder) {
    ProgramRun run = playScript(dir, kConicsSession, "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("List1[1] = 直线(ZX)  0\nList1[2] = 圆(Yuan)  0\nList1[3] = 椭圆(TY)  0\n"
                           "List1[4] = 双曲线(SQX)  0\nList1[5] = 抛物线(PWX)  0\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("caption = 图像插入PPT已经完成！"), std::string::npos);
    office::pptx::DeckConnector deck((dir / "deck.pptx").string(), 1);
    auto app = deck.attach();
    auto& host = office::slideHost(*app);
    ASSERT_EQ(host.count(), 1);
    EXPECT_EQ(groupLabels(host.item(1)),
              (std::vector<std::string>{
                  "x轴",          "x轴标记",    "y轴",        "y轴标记",    "原点",         "直线",
                  "圆",           "圆心",       "椭圆",       "椭圆左焦点", "椭圆右焦点",   "椭圆左准线",
                  "椭圆右准线",   "椭圆对称轴", "椭圆对称轴", "双曲线左支", "双曲线右支",   "左焦点",
                  "右焦点",       "左准线",     "右准线",     "渐近线",     "渐近线",       "双曲线对称轴",
                  "双曲线对称轴", "抛物线",     "抛物线焦点", "抛物线准线", "抛物线对称轴", "作图记录"}));
}

// Decks PowerPoint made: the tools change the slide they draw on and nothing else,
// and what they write is valid (playScript checks the schemas).
TEST_F(PlayGraphTest, APowerPointDeckKeepsEveryOtherPartByteForByte) {
    for (const char* name : {"shp-shapes.pptx", "sld-background.pptx", "tbl-cell.pptx", "txt-text.pptx"}) {
        SCOPED_TRACE(name);
        const fs::path original = fs::path(QUILLON_FIXTURES) / "powerpoint" / name;
        fs::copy_file(original, dir / "deck.pptx", fs::copy_options::overwrite_existing);
        fs::permissions(dir / "deck.pptx", fs::perms::owner_write, fs::perm_options::add);
        ProgramRun run = playScript(dir, kPointsSession, "functiongraph");
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string deck = (dir / "deck.pptx").string();
        EXPECT_EQ(testdecks::entryNames(deck), testdecks::entryNames(original.string()));
        for (const auto& part : testdecks::entryNames(original.string())) {
            if (part == "ppt/slides/slide1.xml") continue;
            EXPECT_EQ(testdecks::rawEntry(deck, part), testdecks::rawEntry(original.string(), part)) << part;
        }
        office::pptx::DeckConnector reader(deck, 1);
        auto app = reader.attach();
        EXPECT_EQ(office::slideHost(*app).item(1)->name().rfind("组合：", 0), 0u);
    }
}

// The point was accepted on the wide frame; on the narrow one it lies past the slide's
// edge, so the insertion fails there and every part of the deck stays as it was.
TEST_F(PlayGraphTest, AnInsertionThatFailsLeavesTheDeckAsItWas) {
    ASSERT_EQ(playScript(dir, kPointsSession, "functiongraph").status, 0);
    const std::string deck = (dir / "deck.pptx").string();
    std::vector<std::string> before;
    for (const auto& part : testdecks::entryNames(deck)) before.push_back(testdecks::entry(deck, part));
    ProgramRun run = playScript(dir, R"(set txtPoint(0) 70000000
set txtPoint(1) 1
click cmdDrawPoint
set txtLenOfAxis_x 2
key txtLenOfAxis_x 13
click cmdOK
print caption
)",
                                "functiongraph");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "msgbox: " + common::messages::fill(common::messages::kGraphItemNotPlaced, {"点(POINT)  0"}) +
                  "\ncaption = 图像插入PPT未能完成。\n");
    std::vector<std::string> after;
    for (const auto& part : testdecks::entryNames(deck)) after.push_back(testdecks::entry(deck, part));
    EXPECT_EQ(after, before);
}

TEST_F(PlayGraphTest, ScriptErrorsExitWithTwoAndLeaveTheDeckAlone) {
    ProgramRun run = playScript(dir, "click cmdNothing\n", "functiongraph");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cmdNothing"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "deck.pptx"));
}

TEST_F(PlayGraphTest, AMissingSettingsFileEndsTheProgramAndChangesNothing) {
    fs::path home = dir / "home";
    fs::create_directories(home);
    std::ofstream(dir / "actions.txt") << "click cmdOK\n";
    int rc = std::system(("cd '" + dir.string() +
                          "' && QUILLON_HOME=home QUILLON_PLAY=actions.txt QUILLON_DECK=deck.pptx '" +
                          QUILLON_PROGRAM_DIR + "/quillon4ppt' functiongraph > out.txt 2>&1")
                             .c_str());
    EXPECT_NE(WEXITSTATUS(rc), 0);
    EXPECT_TRUE(fs::is_empty(home));
    EXPECT_FALSE(fs::exists(dir / "deck.pptx"));
}

TEST_F(PlayGraphTest, ImpressAskedForWithNoneListeningEndsStartUpAndWritesNothing) {
    ProgramRun run =
        playScript(dir, kPointsSession, "functiongraph",
                   "QUILLON_HOST=impress QUILLON_IMPRESS_PIPE=quillon-nobody-" + std::to_string(getpid()));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "msgbox: 未找到正在运行的演示文稿程序。\n");
    EXPECT_FALSE(fs::exists(dir / "deck.pptx"));
}

TEST_F(PlayGraphTest, AnUnknownHostIsRefusedBeforeAnythingStarts) {
    ProgramRun run = playScript(dir, kPointsSession, "functiongraph", "QUILLON_HOST=powerpoint");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("QUILLON_HOST"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "deck.pptx"));
}

}  // namespace
