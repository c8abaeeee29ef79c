// The live backend against a real Impress: what it draws is what the deck file gets
// (LibreOffice stores the presentation as .pptx and the deck backend reads it back),
// one command is one undo step, and a vanished office is reported once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "deck_files.h"
#include "live_impress.h"
#include "platform/office/impress/impress_connector.h"
#include "platform/office/pptx/deck_connector.h"
#include "platform/typeset/typesetter.h"

using namespace office;
namespace fs = std::filesystem;

namespace {

struct ImpressPeer : ::testing::Test {
    fs::path dir = fs::path(testing::TempDir()) /
                   ("impress_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
};

// One command's worth of what the graph workspace draws, grouped and named.
void drawCommand(Application& app) {
    SlideHost& host = slideHost(app);
    auto axis = host.addLine(100, 270, 400, 270);
    axis->setName("x轴：1_quillon");
    axis->line().setForeColor(common::rgb(0, 0, 255));
    axis->line().setEndArrowheadLength(arrow::Medium);
    axis->line().setEndArrowheadWidth(arrow::Narrow);
    axis->line().setEndArrowheadStyle(arrow::Stealth);
    axis->line().setWeight(1.5);
    auto guide = host.addLine(400, 100, 300, 250);
    guide->setName("虚线：2_quillon");
    guide->line().setDashStyle(dash::Dash);
    auto oval = host.addShape(kShapeOval, 200, 150, 80, 40);
    oval->setName("圆：3_quillon");
    oval->fill().setVisible(false);
    oval->line().setDashStyle(dash::LongDash);
    oval->line().setForeColor(common::rgb(255, 0, 0));
    auto curve = host.addCurve({{100, 400}, {150, 300}, {250, 300}, {300, 400}});
    curve->setName("抛物线：4_quillon");
    curve->fill().setVisible(false);
    auto label = host.addLabel(kTextHorizontal, 395, 275, 30, 30);
    label->setName("x轴标记：5_quillon");
    label->textFrame().setMarginLeft(0);
    label->textFrame().setMarginTop(0);
    label->textFrame().textRange().setText("x1");
    label->textFrame().textRange().font().setNameAscii("Times New Roman");
    label->textFrame().textRange().font().setSize(20);
    label->textFrame().textRange().font().setItalic(true);
    label->textFrame().textRange().characters(2, 1)->font().setBaselineOffset(-0.25f);
    auto group = host.range({"x轴：1_quillon", "虚线：2_quillon", "圆：3_quillon", "抛物线：4_quillon",
                             "x轴标记：5_quillon"})
                     ->group();
    group->setName("组合：6_quillon");
    group->zOrder(zorder::SendToBack);
    app.save();
}

TEST_F(ImpressPeer, WhatItDrawsIsWhatTheStoredDeckHolds) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    EXPECT_FLOAT_EQ(app->activePresentation().slideWidth(), 720);
    EXPECT_FLOAT_EQ(app->activePresentation().slideHeight(), 540);
    drawCommand(*app);
    impress.storeAs(dir / "stored.pptx");

    auto stored = pptx::DeckConnector((dir / "stored.pptx").string(), 1).attach();
    SlideHost& host = slideHost(*stored);
    ASSERT_EQ(host.count(), 1);
    auto group = host.item(1);
    EXPECT_EQ(group->name(), "组合：6_quillon");
    EXPECT_EQ(group->type(), shapetype::Group);
    auto items = group->groupItems();
    ASSERT_EQ(items->count(), 5);

    auto axis = items->item(1);
    EXPECT_EQ(axis->name(), "x轴：1_quillon");
    EXPECT_NEAR(axis->left(), 100, 0.1);
    EXPECT_NEAR(axis->top(), 270, 0.1);
    EXPECT_NEAR(axis->width(), 300, 0.1);
    EXPECT_EQ(axis->line().foreColor(), common::rgb(0, 0, 255));
    EXPECT_NEAR(axis->line().weight(), 1.5, 0.05);
    EXPECT_EQ(axis->line().endArrowheadStyle(), arrow::Stealth);
    EXPECT_EQ(axis->line().beginArrowheadStyle(), arrow::None);

    auto guide = items->item(2);
    EXPECT_NEAR(guide->left(), 300, 0.1);
    EXPECT_NEAR(guide->top(), 100, 0.1);
    EXPECT_NEAR(guide->height(), 150, 0.1);
    EXPECT_EQ(guide->line().dashStyle(), dash::Dash);

    auto oval = items->item(3);
    EXPECT_EQ(oval->type(), shapetype::AutoShape);
    EXPECT_NEAR(oval->left(), 200, 0.1);
    EXPECT_NEAR(oval->height(), 40, 0.1);
    EXPECT_FALSE(oval->fill().visible());
    EXPECT_EQ(oval->line().dashStyle(), dash::LongDash);
    EXPECT_EQ(oval->line().foreColor(), common::rgb(255, 0, 0));

    auto curve = items->item(4);
    EXPECT_EQ(curve->type(), shapetype::Freeform);
    EXPECT_NEAR(curve->left(), 100, 0.1);
    EXPECT_NEAR(curve->width(), 200, 0.1);

    auto label = items->item(5);
    EXPECT_NEAR(label->left(), 395, 0.1);
    EXPECT_NEAR(label->top(), 275, 0.1);
    auto& text = label->textFrame().textRange();
    EXPECT_EQ(text.text(), "x1");
    EXPECT_EQ(text.characters(1, 1)->font().nameAscii(), "Times New Roman");
    EXPECT_FLOAT_EQ(text.characters(1, 1)->font().size(), 20);
    EXPECT_TRUE(text.characters(1, 1)->font().italic());
    EXPECT_FLOAT_EQ(text.characters(1, 1)->font().baselineOffset(), 0);
    EXPECT_FLOAT_EQ(text.characters(2, 1)->font().baselineOffset(), -0.25f);
    EXPECT_FLOAT_EQ(label->textFrame().marginLeft(), 0);
}

TEST_F(ImpressPeer, TheWindowSelectionIsTheOneTheToolsSeeAndMove) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    drawCommand(*app);
    Selection& selection = app->activeWindow().selection();
    selection.unselect();
    EXPECT_EQ(selection.type(), selection::Slides);
    EXPECT_THROW(selection.shapeRange(), HostError);
    auto group = slideHost(*app).item("组合：6_quillon");
    group->select(true);
    EXPECT_EQ(selection.type(), selection::Shapes);
    auto selected = selection.shapeRange();
    ASSERT_EQ(selected->count(), 1);
    EXPECT_EQ(selected->item(1)->name(), "组合：6_quillon");
    selected->incrementLeft(10);
    selected->incrementTop(-5);
    app->save();
    EXPECT_NEAR(group->left(), 110, 0.1);
    EXPECT_NEAR(group->groupItems()->item(5)->top(), 270, 0.1);
    slideHost(*app).selectAll();
    EXPECT_EQ(selection.shapeRange()->count(), 1);
    EXPECT_THROW(slideHost(*app).item("none such"), HostError);
}

TEST_F(ImpressPeer, AnEquationIsAFormulaObjectThatIsStoredAsOfficeMath) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    typeset::Typesetter mathjax(typeset::typesetFolder(QUILLON_PROGRAM_DIR));
    auto eq = mathjax.typeset("x^{2}+y^{2}=r^{2}");
    app->copyPicture(
        {eq.png, eq.svg, eq.width, eq.height, "x^(2)+y^(2)=r^(2)", "x^{2}+y^{2}=r^{2}", eq.mathml, eq.omml});
    auto pasted = slideHost(*app).paste();
    ASSERT_EQ(pasted->count(), 1);
    auto shape = pasted->item(1);
    EXPECT_TRUE(shape->isEquation());
    EXPECT_EQ(shape->type(), shapetype::Embedded);
    EXPECT_EQ(shape->title(), "x^(2)+y^(2)=r^(2)");
    EXPECT_EQ(shape->alternativeText(), "x^{2}+y^{2}=r^{2}");
    // The typesetter's size, as on the deck file: one line of 12-point text.
    EXPECT_NEAR(shape->width(), eq.width, 0.05);
    EXPECT_NEAR(shape->height(), 15, 0.05);
    app->save();

    impress.storeAs(dir / "stored.pptx");
    const std::string slide = testdecks::entry((dir / "stored.pptx").string(), "ppt/slides/slide1.xml");
    EXPECT_NE(slide.find("<m:oMath"), std::string::npos);
    EXPECT_NE(slide.find("<m:sSup>"), std::string::npos);
    EXPECT_EQ(slide.find("<p:pic>"), std::string::npos) << "a picture stands for the equation";
}

TEST_F(ImpressPeer, OneUndoTakesTheWholeCommandAway) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    drawCommand(*app);
    slideHost(*app).addLine(10, 10, 20, 20);
    app->save();
    ASSERT_EQ(slideHost(*app).count(), 2);
    impress.undo();
    EXPECT_EQ(slideHost(*app).count(), 1);
    impress.undo();
    EXPECT_EQ(slideHost(*app).count(), 0) << "the grouped command took more than one undo step";
}

TEST_F(ImpressPeer, AFailedCommandLeavesTheSlideAndTheUndoStepsAsTheyWere) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    slideHost(*app).addLabel(kTextHorizontal, 10, 10, 100, 30)->setName("before");
    app->save();
    const int steps = impress.undoSteps();
    {
        CommandScope command(*app);
        slideHost(*app).item("before")->setName("renamed");
        slideHost(*app).item("renamed")->textFrame().textRange().setText("changed");
        slideHost(*app).addLine(10, 10, 20, 20)->setName("new line");
        slideHost(*app).item("renamed")->line().setForeColor(common::rgb(255, 0, 0));
    }
    EXPECT_EQ(impress.undoSteps(), steps);
    EXPECT_EQ(impress.redoSteps(), 0);
    ASSERT_EQ(slideHost(*app).count(), 1);
    EXPECT_EQ(slideHost(*app).item(1)->name(), "before");
    EXPECT_EQ(slideHost(*app).item(1)->textFrame().textRange().text(), "");
    {
        CommandScope command(*app);
        slideHost(*app).item("before")->textFrame().textRange().setText("kept");
        command.done();
    }
    EXPECT_EQ(impress.undoSteps(), steps + 1);
    EXPECT_EQ(slideHost(*app).item("before")->textFrame().textRange().text(), "kept");
}

TEST_F(ImpressPeer, MovingAndRetextingShapesOfTheSlideIsOneUndoStepEach) {
    LiveImpress impress(dir, dir / "deck.pptx");
    auto app = impress.attach();
    SlideHost& host = slideHost(*app);
    host.addLabel(kTextHorizontal, 100, 100, 100, 30)->textFrame().textRange().setText("A");
    host.item(1)->setName("label");
    host.addLine(300, 300, 400, 350)->setName("line");
    app->save();
    const int steps = impress.undoSteps();
    auto both = host.range({"label", "line"});
    {
        CommandScope command(*app);
        both->incrementLeft(1);
        both->incrementTop(-2);
        command.done();
    }
    EXPECT_NEAR(host.item("label")->left(), 101, 0.05);
    EXPECT_NEAR(host.item("line")->top(), 298, 0.05);
    {
        CommandScope command(*app);
        host.item("label")->textFrame().textRange().setText("B");
        command.done();
    }
    ASSERT_EQ(host.count(), 2);
    EXPECT_EQ(host.item(1)->name(), "label") << "the retexted shape left its place in the order";
    EXPECT_EQ(host.item("label")->textFrame().textRange().text(), "B");
    EXPECT_NEAR(host.item("label")->left(), 101, 0.05);
    EXPECT_EQ(impress.undoSteps(), steps + 2);
    impress.undo();
    EXPECT_EQ(host.item("label")->textFrame().textRange().text(), "A");
    impress.undo();
    EXPECT_NEAR(host.item("label")->left(), 100, 0.05);
    EXPECT_NEAR(host.item("line")->top(), 300, 0.05);
    EXPECT_EQ(impress.undoSteps(), steps);
}

TEST_F(ImpressPeer, AVanishedOfficeIsReportedOnceAndEveryCallFailsAfter) {
    LiveImpress impress(dir, dir / "deck.pptx");
    impress::ImpressConnector connector(impress.pipe());
    std::vector<std::string> reported;
    connector.whenLost([&](const std::string& message) { reported.push_back(message); });
    auto app = connector.attach();
    slideHost(*app).addLine(10, 10, 20, 20);
    impress.kill();
    EXPECT_THROW(slideHost(*app).addLine(10, 10, 30, 30), HostLost);
    EXPECT_THROW(slideHost(*app).count(), HostLost);
    EXPECT_EQ(reported, std::vector<std::string>{"与演示文稿程序的连接已断开。"});
    EXPECT_NO_THROW(app->save());
}

TEST_F(ImpressPeer, NothingListeningMeansNoPresentationProgram) {
    impress::ImpressConnector connector("quillon-nobody-" + std::to_string(getpid()));
    EXPECT_THROW(connector.attach(), HostNotRunning);
    try {
        connector.startNew();
        FAIL() << "a new instance was started without an office";
    } catch (const HostError& e) {
        EXPECT_STREQ(e.what(), "未找到正在运行的演示文稿程序。");
    }
    EXPECT_FALSE(impress::listening("quillon-nobody-" + std::to_string(getpid())));
}

}  // namespace
