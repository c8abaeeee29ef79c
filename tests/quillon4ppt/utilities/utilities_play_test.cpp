// The slide utilities played end to end on a deck the graph workspace filled.
#include <gtest/gtest.h>

#include <filesystem>

#include "../play/play_scripts.h"
#include "../play/run_program.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/launch/instance_lock.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTwoIndexedLabels = "choose optType(0)\nset txtDotNumber 2\nclick cmdOk\n";

constexpr const char* kSelecterSession = R"(print List1
tick List1 2 1
print selection
print txtTextBox
set txtTextBox P
click cmdChangeText
click Command1(3)
tick List1 0 1
print selection
click Command1(0)
)";

struct UtilitiesPlayTest : ::testing::Test {
    fs::path dir =
        fs::path(testing::TempDir()) /
        ("utilities_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    std::unique_ptr<office::Application> deck() {
        return office::pptx::DeckConnector((dir / "deck.pptx").string(), 1).attach();
    }
};

TEST_F(UtilitiesPlayTest, LabelsAndTheGraphAreSelectedNudgedAndRetexted) {
    ASSERT_EQ(playScript(dir, kPointsSession, "functiongraph").status, 0);
    ProgramRun dot = playScript(dir, kTwoIndexedLabels, "dot");
    ASSERT_EQ(dot.status, 0) << dot.err;
    EXPECT_EQ(dot.out, "");
    auto before = deck();
    auto& slide = office::slideHost(*before);
    ASSERT_EQ(slide.count(), 3);
    const std::string group = slide.item(1)->name(), a2 = slide.item(2)->name(), a1 = slide.item(3)->name();
    EXPECT_EQ(slide.item(3)->textFrame().textRange().text(), "A1");
    const float groupTop = slide.item(1)->top();

    ProgramRun run = playScript(dir, kSelecterSession, "shapeselecter");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "List1[0] = 组合\nList1[1] = " + a2 + "\nList1[2] = " + a1 + "\nselection[0] = " + a1 +
                           "\ntxtTextBox = A1\nselection[0] = " + group + "\nselection[1] = " + a1 + "\n");
    auto after = deck();
    auto& shapes = office::slideHost(*after);
    auto label = shapes.item(a1);
    EXPECT_EQ(label->textFrame().textRange().text(), "P");
    EXPECT_FLOAT_EQ(label->left(), 56);
    EXPECT_FLOAT_EQ(label->top(), 49);
    EXPECT_FLOAT_EQ(shapes.item(group)->top(), groupTop - 1);
    EXPECT_FLOAT_EQ(shapes.item(a2)->top(), 50);
}

TEST_F(UtilitiesPlayTest, ASelecterStartedBesideAnotherProgramEndsAtOnce) {
    ASSERT_EQ(playScript(dir, kTwoIndexedLabels, "dot").status, 0);
    launch::InstanceLock running(dir);
    ProgramRun run = playScript(dir, "tick List1 0 1\nclick Command1(0)\nprint List1\n", "shapeselecter");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FLOAT_EQ(office::slideHost(*deck()).item(1)->top(), 50);
}

TEST_F(UtilitiesPlayTest, RefusedLabelRunsAreReportedAndTheDotWindowStaysOpen) {
    ProgramRun run = playScript(
        dir, "set txtDotNumber 101\nclick cmdOk\nset txtDotNumber 0\nkey txtDotNumber 13\n", "dot");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "msgbox: 标注个数不能超过100。\n");
}

}  // namespace
