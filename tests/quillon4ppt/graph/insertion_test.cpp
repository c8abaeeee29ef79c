// An insertion lands whole or not at all: whichever call of the presentation program
// fails, every shape it added leaves the slide and the teacher is told which item.
#include "common/messages.h"
#include "graph_fixture.h"
#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/curves/exponential.h"
#include "quillon4ppt/graph/curves/expression_family.h"
#include "quillon4ppt/graph/curves/logarithm.h"
#include "quillon4ppt/graph/curves/power.h"
#include "quillon4ppt/graph/curves/trig.h"

using namespace graph;
namespace msg = common::messages;

namespace {

// Every shape of the slide, members of groups included, with what a teacher would see.
std::string describe(const std::vector<std::shared_ptr<office::memory::ShapeData>>& shapes) {
    std::string out;
    for (const auto& s : shapes)
        out += s->name + " " + std::to_string(s->type) + " " + std::to_string(s->left) + "," +
               std::to_string(s->top) + " " + std::to_string(s->width) + "x" + std::to_string(s->height) +
               " [" + describe(s->children) + "]\n";
    return out;
}

struct InsertionTest : GraphFixture {
    std::string before;

    void SetUp() override {
        GraphFixture::SetUp();
        // The teacher's own shape, already on the slide.
        program.slideHost().addLine(10, 10, 50, 50)->setName("teacher");
        g->shapeNames.random = [n = 0]() mutable { return (n++ % 999) / 999.0; };
        plotOneOfEachFamily();
        dialogs.clearShown();  // the sine's range leaves the frame
        before = describe(state->slide().shapes);
    }
    template <typename Family>
    Family& family(const char* key) {
        return dynamic_cast<Family&>(*g->family(key));
    }
    void plotOneOfEachFamily() {
        point("2", "3");
        g->SSTab1.setTab(kTabCircle);
        auto& circle = family<CircleFamily>("Yuan");
        circle.optXYR.click();
        circle.txtR2.setText("4");
        circle.cmdOK_Y.click();
        auto& exp = family<ExponentialFamily>("AX");
        exp.txtA_Exponent[0].setText("2");
        exp.txtXmin_Exponent.setText("-2");
        exp.txtXmax_Exponent.setText("2");
        exp.cmdOK_Exponent.click();
        auto& log = family<LogarithmFamily>("LogX");
        log.optLogX.click();
        log.txtA_log.setText("2");
        log.txtXmin_Log.setText("0.5");
        log.txtXmax_Log.setText("4");
        log.cmdOK_log.click();
        family<TrigFamily>("SJ").cmdOK_sin.click();
        auto& any = family<ExpressionFamily>("ANY");
        any.txtExp.setText("x/2");
        any.txtXmin_Any.setText("-3");
        any.txtXmax_Any.setText("3");
        any.cmdOK_Any.click();
        auto& power = family<PowerFamily>("MI");
        power.optXn_Power.click();
        power.txtN_Power.setText("2");
        power.txtXmin_Power.setText("-2");
        power.txtXmax_Power.setText("2");
        power.cmdOK_Pwoer.click();
    }
    void refuse(std::string part) {
        state->refuses = [part](const std::string& call) { return call.find(part) != std::string::npos; };
    }
    void expectSlideAsBefore(const std::string& message) {
        EXPECT_EQ(describe(state->slide().shapes), before);
        EXPECT_EQ(dialogs.shown(), std::vector<std::string>{message});
        EXPECT_EQ(g->caption(), msg::kGraphInsertFailed);
        EXPECT_EQ(g->shapeNames.counter(), 0);
    }
};

TEST_F(InsertionTest, EveryFamilyIsListedAndInsertsAsOneGroup) {
    EXPECT_EQ(g->List1.items(),
              (std::vector<std::string>{kAxesEntry, "点(POINT)  0", "圆(Yuan)  0", "指数函数(AX)  0",
                                        "对数函数(LogX)  0", "点(POINT)  1", "点(POINT)  2",
                                        "三角函数(SJ)  0", "任意函数(ANY)  0", "幂函数(MI)  0"}));
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 2u);
    EXPECT_EQ(state->slide().shapes[0]->type, office::shapetype::Group);
    EXPECT_EQ(g->caption(), msg::kGraphInserted);
}

// The first shape of the label cannot be named; the item it belongs to is named.
struct FailingItem {
    const char* label;
    const char* entry;
};

class AnItemThatFails : public InsertionTest, public ::testing::WithParamInterface<FailingItem> {};

TEST_P(AnItemThatFails, TakesEveryShapeAwayAndNamesTheItem) {
    refuse(std::string(".Name=") + GetParam().label + "：");
    g->cmdOK.click();
    expectSlideAsBefore(msg::fill(msg::kGraphItemNotPlaced, {GetParam().entry}));

    state->refuses = nullptr;
    dialogs.clearShown();
    g->cmdOK.click();
    EXPECT_EQ(state->slide().shapes.size(), 2u);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(g->caption(), msg::kGraphInserted);
}

INSTANTIATE_TEST_SUITE_P(
    EachFamily, AnItemThatFails,
    ::testing::Values(FailingItem{"x轴", kAxesEntry}, FailingItem{"原点", kAxesEntry},
                      FailingItem{"点", "点(POINT)  0"}, FailingItem{"纵坐标标注", "点(POINT)  0"},
                      FailingItem{"圆", "圆(Yuan)  0"}, FailingItem{"指数函数", "指数函数(AX)  0"},
                      FailingItem{"对数函数", "对数函数(LogX)  0"},
                      FailingItem{"正弦函数", "三角函数(SJ)  0"}, FailingItem{"任意函数", "任意函数(ANY)  0"},
                      FailingItem{"幂函数", "幂函数(MI)  0"}));

TEST_F(InsertionTest, AShapeTheSlideRefusesToAddFailsItsItem) {
    refuse("AddCurve");
    g->cmdOK.click();
    expectSlideAsBefore(msg::fill(msg::kGraphItemNotPlaced, {"指数函数(AX)  0"}));
}

class TheGroupStepThatFails : public InsertionTest, public ::testing::WithParamInterface<const char*> {};

// Grouping refused with the group made, naming it, sending it to the back.
TEST_P(TheGroupStepThatFails, TakesTheGroupAndItsShapesAway) {
    refuse(GetParam());
    g->cmdOK.click();
    expectSlideAsBefore(msg::kGraphGroupNotMade);
}

INSTANTIATE_TEST_SUITE_P(Grouping, TheGroupStepThatFails,
                         ::testing::Values("Range.Group", ".Name=组合：", ".ZOrder(1)"));

}  // namespace
