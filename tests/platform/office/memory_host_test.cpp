#include "platform/office/memory/memory_host.h"

#include <gtest/gtest.h>

using namespace office;

namespace {

struct MemoryHostTest : ::testing::Test {
    std::shared_ptr<memory::ProgramState> state = std::make_shared<memory::ProgramState>();
    std::unique_ptr<Application> app = memory::makeApplication(state);
    SlideHost& host = slideHost(*app);
};

TEST_F(MemoryHostTest, GroupKeepsChildrenAndTakesTheirPlaceInTheZOrder) {
    host.addLabel(kTextHorizontal, 0, 0, 30, 30)->setName("back");
    host.addLine(10, 10, 50, 10)->setName("l");
    host.addShape(kShapeOval, 40, 0, 20, 30)->setName("o");
    auto group = host.range({"l", "o"})->group();
    EXPECT_EQ(group->type(), shapetype::Group);
    EXPECT_EQ(host.count(), 2);
    EXPECT_EQ(host.item(2)->name(), group->name());
    EXPECT_FLOAT_EQ(group->left(), 10);
    EXPECT_FLOAT_EQ(group->width(), 50);
    EXPECT_FLOAT_EQ(group->height(), 30);
    group->zOrder(zorder::SendToBack);
    EXPECT_EQ(host.item(1)->name(), group->name());
    EXPECT_EQ(state->slide().shapes[0]->children.size(), 2u);
}

TEST_F(MemoryHostTest, AGroupWhoseLastMemberGoesGoesWithIt) {
    host.addLine(10, 10, 50, 10)->setName("l");
    host.addShape(kShapeOval, 40, 0, 20, 30)->setName("o");
    auto group = host.range({"l", "o"})->group();
    auto members = group->groupItems();
    auto line = members->item(1), oval = members->item(2);
    line->remove();
    EXPECT_EQ(host.count(), 1);
    EXPECT_EQ(group->groupItems()->count(), 1);
    oval->remove();
    EXPECT_EQ(host.count(), 0);
    EXPECT_THROW(group->name(), HostError);
}

TEST_F(MemoryHostTest, ACallTheTestRefusesIsRecordedAndThrows) {
    state->refuses = [](const std::string& call) { return call.rfind("AddLine", 0) == 0; };
    EXPECT_THROW(host.addLine(0, 0, 1, 1), HostError);
    EXPECT_EQ(host.count(), 0);
    EXPECT_EQ(state->calls, std::vector<std::string>{"AddLine(0,0,1,1)"});
    host.addLabel(kTextHorizontal, 0, 0, 30, 30);
    EXPECT_EQ(host.count(), 1);
}

TEST_F(MemoryHostTest, EveryCallIsRecordedInOrder) {
    auto s = host.addLine(225, 270, 495, 270);
    s->setName("x轴");
    s->line().setEndArrowheadStyle(arrow::Stealth);
    app->save();
    std::vector<std::string> expected = {"AddLine(225,270,495,270)", "Line 2.Name=x轴",
                                         "x轴.Line.EndArrowheadStyle=4", "Save"};
    EXPECT_EQ(state->calls, expected);
}

TEST(MemoryConnector, NewInstanceHasNoPresentationUntilOneIsAdded) {
    auto state = std::make_shared<memory::ProgramState>();
    state->running = false;
    memory::Connector connector(state);
    EXPECT_THROW(connector.attach(), HostNotRunning);
    auto app = connector.startNew();
    EXPECT_THROW(app->activePresentation(), HostError);
    app->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
    EXPECT_EQ(state->slides.size(), 1u);
    EXPECT_EQ(app->activePresentation().slideWidth(), 720);
}

}  // namespace

namespace {

TEST_F(MemoryHostTest, SelectedCharactersAreTheSelectionsTextAndARangeHasOneType) {
    auto label = host.addLabel(kTextHorizontal, 0, 0, 40, 60);
    label->select(true);
    Selection& selection = app->activeWindow().selection();
    selection.textRange()->setText("A10");
    selection.shapeRange()->textFrame().textRange().characters(2, 1)->select();
    EXPECT_EQ(selection.type(), selection::Text);
    EXPECT_EQ(selection.textRange()->text(), "1");
    selection.textRange()->font().setNameFarEast("宋体");
    EXPECT_EQ(state->slide().shapes[0]->charFonts[1].nameFarEast, "宋体");
    EXPECT_EQ(state->slide().shapes[0]->charFonts[2].nameFarEast, "");
    label->select(true);
    EXPECT_EQ(selection.textRange()->text(), "A10");

    host.addLine(0, 0, 1, 1)->select(false);
    EXPECT_EQ(selection.shapeRange()->type(), shapetype::Mixed);
    EXPECT_THROW(selection.shapeRange()->textFrame(), HostError);
    label->select(true);
    EXPECT_EQ(selection.shapeRange()->type(), shapetype::TextBox);
}

}  // namespace
