// The object model on a real deck: what the tools do ends up in the file as DrawingML
// that reads back the same.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "deck_files.h"
#include "platform/office/ignore_failure.h"
#include "platform/office/pptx/deck_connector.h"
#include "schema_check.h"

using namespace office;
using testdecks::entry;

namespace {

struct NewDeck : ::testing::Test {
    testdecks::TempDir dir;
    std::string path = dir.file("lesson.pptx");
    std::unique_ptr<Application> app = [this] {
        auto a = pptx::DeckConnector(path, 1).startNew();
        a->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
        return a;
    }();
    SlideHost& host = slideHost(*app);

    std::string savedSlide() {
        app->save();
        return entry(path, "ppt/slides/slide1.xml");
    }
    std::unique_ptr<Application> reopen() { return pptx::DeckConnector(path, 1).attach(); }
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DeckConnector, AMissingDeckIsANewInstanceWrittenOnlyWhenSaved) {
    testdecks::TempDir dir;
    std::string path = dir.file("new.pptx");
    pptx::DeckConnector connector(path, 1);
    EXPECT_THROW(connector.attach(), HostNotRunning);
    auto app = connector.startNew();
    EXPECT_THROW(app->activePresentation(), HostError);
    EXPECT_THROW(app->activeWindow(), HostError);
    auto& presentation = app->presentationsAdd(true);
    presentation.slidesAdd(1, kLayoutBlank);
    EXPECT_EQ(presentation.slideWidth(), 720);
    EXPECT_EQ(presentation.slideHeight(), 540);
    EXPECT_EQ(slideHost(*app).count(), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
    app->save();
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(contains(entry(path, "ppt/presentation.xml"), R"(<p:sldSz cx="9144000" cy="6858000")"));
    auto again = connector.attach();
    EXPECT_EQ(again->activePresentation().slideWidth(), 720);
    EXPECT_EQ(slideHost(*again).count(), 0);
}

TEST_F(NewDeck, ShapesAreFoundAgainByNameAfterTheDeckIsReopened) {
    host.addLine(10, 20, 30, 40)->setName("a");
    host.addShape(kShapeOval, 1, 2, 3, 4)->setName("b");
    host.addShape(kShapeOval, 5, 5, 1, 1)->setName("a");
    auto label = host.addLabel(kTextHorizontal, 100, 200, 50, 20);
    label->setName("x轴");
    label->textFrame().textRange().setText("f(x) = x²");
    app->save();

    auto other = reopen();
    SlideHost& shapes = slideHost(*other);
    EXPECT_EQ(shapes.count(), 4);
    EXPECT_EQ(shapes.item("a")->left(), 10);
    EXPECT_EQ(shapes.item("a")->type(), shapetype::Line);
    EXPECT_EQ(shapes.item("b")->type(), shapetype::AutoShape);
    EXPECT_EQ(shapes.item("x轴")->type(), shapetype::TextBox);
    EXPECT_EQ(shapes.item("x轴")->textFrame().textRange().text(), "f(x) = x²");
    EXPECT_FLOAT_EQ(shapes.item("x轴")->top(), 200);
    EXPECT_EQ(shapes.item(4)->name(), "x轴");
    EXPECT_THROW(shapes.item("missing"), HostError);
    EXPECT_THROW(shapes.item(5), HostError);
    EXPECT_EQ(shapes.range({"a", "b", "a"})->count(), 2);
    EXPECT_THROW(shapes.range({"a", "missing"}), HostError);
}

TEST_F(NewDeck, EveryNewShapeGetsItsOwnIdAndADefaultName) {
    auto line = host.addLine(0, 0, 1, 1);
    auto oval = host.addShape(kShapeOval, 0, 0, 1, 1);
    auto label = host.addLabel(kTextHorizontal, 0, 0, 1, 1);
    EXPECT_EQ(line->name(), "Line 2");
    EXPECT_EQ(oval->name(), "Shape 3");
    EXPECT_EQ(label->name(), "TextBox 4");
    std::string xml = savedSlide();
    for (const char* id : {R"(id="2")", R"(id="3")", R"(id="4")"}) EXPECT_TRUE(contains(xml, id)) << id;
    auto again = reopen();
    EXPECT_EQ(slideHost(*again).addLine(0, 0, 1, 1)->name(), "Line 5");
}

TEST_F(NewDeck, LinesRunFromBeginToEndInAnyDirection) {
    host.addLine(100, 100, 50, 200)->setName("down-left");
    host.addLine(10, 80, 60, 30)->setName("up-right");
    host.addLine(60, 80, 10, 30)->setName("up-left");
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(
        xml, R"(<a:xfrm flipH="1"><a:off x="635000" y="1270000"/><a:ext cx="635000" cy="1270000"/>)"));
    EXPECT_TRUE(contains(xml, R"(<a:xfrm flipV="1"><a:off x="127000" y="381000"/>)"));
    EXPECT_TRUE(contains(xml, R"(<a:xfrm flipH="1" flipV="1">)"));
    EXPECT_TRUE(contains(xml, R"(<p:cxnSp>)"));
    auto line = host.item("down-left");
    EXPECT_FLOAT_EQ(line->left(), 50);
    EXPECT_FLOAT_EQ(line->width(), 50);
    EXPECT_FLOAT_EQ(line->height(), 100);
}

TEST_F(NewDeck, LineFormatIsWrittenAsPowerPointWritesIt) {
    auto line = host.addLine(0, 0, 100, 0);
    line->setName("axis");
    const char* dashes[] = {"solid",   "sysDash",      "sysDot", "dash",
                            "dashDot", "lgDashDotDot", "lgDash", "lgDashDot"};
    for (int style = dash::Solid; style <= dash::LongDashDot; ++style) {
        line->line().setDashStyle(style);
        EXPECT_TRUE(contains(savedSlide(), std::string(R"(<a:prstDash val=")") + dashes[style - 1] + "\"/>"));
        EXPECT_EQ(line->line().dashStyle(), style);
    }
    EXPECT_THROW(line->line().setDashStyle(9), HostError);
    line->line().setForeColor(common::rgb(255, 0, 0));
    line->line().setWeight(1.5f);
    line->line().setEndArrowheadStyle(arrow::Stealth);
    line->line().setEndArrowheadLength(arrow::Long);
    line->line().setEndArrowheadWidth(arrow::Narrow);
    line->line().setBeginArrowheadStyle(arrow::Oval);
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(<a:ln w="19050"><a:solidFill><a:srgbClr val="FF0000"/></a:solidFill>)"
                              R"(<a:prstDash val="lgDashDot"/><a:headEnd type="oval"/>)"
                              R"(<a:tailEnd type="stealth" len="lg" w="sm"/></a:ln>)"))
        << xml;
    EXPECT_EQ(line->line().foreColor(), common::rgb(255, 0, 0));
    EXPECT_FLOAT_EQ(line->line().weight(), 1.5f);
    EXPECT_EQ(line->line().endArrowheadStyle(), arrow::Stealth);
    EXPECT_EQ(line->line().beginArrowheadStyle(), arrow::Oval);
    EXPECT_THROW(line->line().setWeight(-1), HostError);
}

TEST_F(NewDeck, HiddenLinesAndFillsKeepTheirColourForWhenTheyAreShown) {
    auto oval = host.addShape(kShapeOval, 10, 10, 40, 40);
    EXPECT_TRUE(oval->line().visible());
    EXPECT_TRUE(oval->fill().visible());
    EXPECT_EQ(oval->fill().foreColor(), common::rgb(0x4F, 0x81, 0xBD));
    oval->fill().setVisible(false);
    oval->line().setVisible(false);
    oval->line().setForeColor(common::rgb(0, 0, 255));
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(<a:noFill/><a:ln w="9525"><a:noFill/></a:ln>)")) << xml;
    EXPECT_FALSE(oval->line().visible());
    EXPECT_EQ(oval->line().foreColor(), common::rgb(0, 0, 255));
    oval->line().setVisible(true);
    oval->fill().setForeColor(common::rgb(0, 255, 0));
    EXPECT_FALSE(oval->fill().visible());
    oval->fill().setVisible(true);
    xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(<a:solidFill><a:srgbClr val="00FF00"/></a:solidFill><a:ln w="9525">)"
                              R"(<a:solidFill><a:srgbClr val="0000FF"/></a:solidFill></a:ln>)"))
        << xml;
}

TEST_F(NewDeck, TextBoxesDoNotWrapAndStartAtTheirLeftEdge) {
    auto label = host.addLabel(kTextHorizontal, 491, 100, 30, 20);
    EXPECT_FALSE(label->line().visible());
    EXPECT_FALSE(label->fill().visible());
    EXPECT_FLOAT_EQ(label->textFrame().marginLeft(), 7.2f);
    EXPECT_FLOAT_EQ(label->textFrame().marginTop(), 3.6f);
    label->textFrame().setMarginLeft(0);
    label->textFrame().setMarginTop(1.5f);
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(<p:cNvSpPr txBox="1"/>)"));
    EXPECT_TRUE(contains(xml, R"(<a:bodyPr wrap="none" lIns="0" tIns="19050")"));
    EXPECT_FALSE(contains(xml, "spAutoFit"));
    EXPECT_FLOAT_EQ(label->textFrame().marginTop(), 1.5f);
    auto tiny = host.addLabel(kTextHorizontal, 10, 10, 5, 5);
    EXPECT_FLOAT_EQ(tiny->width(), 7.2f + 7.2f + 1);
    tiny->textFrame().setMarginRight(20);
    EXPECT_FLOAT_EQ(tiny->width(), 7.2f + 20 + 1);
    tiny->scaleWidth(0.1f, false, 0);
    EXPECT_FLOAT_EQ(tiny->width(), 7.2f + 20 + 1);
}

TEST_F(NewDeck, CharactersFormatOnlyTheirRange) {
    auto label = host.addLabel(kTextHorizontal, 0, 0, 30, 30);
    TextRange& text = label->textFrame().textRange();
    text.setText("A1′");
    text.characters(2, 1)->font().setBaselineOffset(-0.25f);
    text.characters(3, 1)->font().setColor(common::rgb(0, 0, 255));
    EXPECT_EQ(text.characters(1, 1)->font().baselineOffset(), 0);
    EXPECT_EQ(text.characters(2, 1)->font().baselineOffset(), -0.25f);
    EXPECT_EQ(text.characters(3, 1)->font().color(), common::rgb(0, 0, 255));
    EXPECT_EQ(text.characters(2, 2)->text(), "1′");
    EXPECT_EQ(text.characters(2, 5)->text(), "1′");
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(baseline="0"><a:solidFill><a:srgbClr val="000000"/></a:solidFill>)"
                              R"(<a:latin typeface="Arial"/></a:rPr><a:t>A</a:t></a:r>)"));
    EXPECT_TRUE(contains(xml, R"(baseline="-25000"><a:solidFill><a:srgbClr val="000000"/></a:solidFill>)"
                              R"(<a:latin typeface="Arial"/></a:rPr><a:t>1</a:t>)"));
    EXPECT_TRUE(contains(
        xml, R"(<a:srgbClr val="0000FF"/></a:solidFill><a:latin typeface="Arial"/></a:rPr><a:t>′</a:t>)"));
}

TEST_F(NewDeck, WholeTextFormattingAlsoAppliesToTextTypedLater) {
    auto label = host.addLabel(kTextHorizontal, 0, 0, 30, 30);
    TextRange& text = label->textFrame().textRange();
    text.font().setSize(24);
    text.font().setNameAscii("Times New Roman");
    text.font().setItalic(true);
    text.setText("xy");
    text.characters(1, 1)->font().setBold(true);
    EXPECT_FLOAT_EQ(text.characters(2, 1)->font().size(), 24);
    EXPECT_EQ(text.characters(2, 1)->font().nameAscii(), "Times New Roman");
    EXPECT_TRUE(text.characters(2, 1)->font().italic());
    EXPECT_TRUE(text.characters(1, 1)->font().bold());
    EXPECT_FALSE(text.characters(2, 1)->font().bold());
    EXPECT_THROW(text.font().setSize(0), HostError);
    app->save();
    auto again = reopen();
    auto& reread = slideHost(*again).item(1)->textFrame().textRange();
    EXPECT_EQ(reread.text(), "xy");
    EXPECT_FLOAT_EQ(reread.characters(2, 1)->font().size(), 24);
    EXPECT_TRUE(reread.characters(1, 1)->font().bold());
}

TEST_F(NewDeck, ReplacingCharactersKeepsTheRestOfTheText) {
    auto label = host.addLabel(kTextHorizontal, 0, 0, 30, 30);
    TextRange& text = label->textFrame().textRange();
    text.setText("a+b");
    text.characters(3, 1)->font().setBold(true);
    auto middle = text.characters(2, 1);
    middle->setText("−−");
    EXPECT_EQ(middle->text(), "−−");
    EXPECT_EQ(text.text(), "a−−b");
    EXPECT_TRUE(text.characters(4, 1)->font().bold());
    text.setText("one\rtwo\vthree");
    EXPECT_EQ(text.text(), "one\rtwo\vthree");
    EXPECT_EQ(text.characters(5, 3)->text(), "two");
    text.characters(3, 3)->setText("");
    EXPECT_EQ(text.text(), "onwo\vthree");
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, "<a:br>"));
    EXPECT_EQ(std::count(xml.begin(), xml.end(), '\r'), 0);
}

TEST_F(NewDeck, CurvesAreOneOpenBezierPath) {
    EXPECT_THROW(host.addCurve({{0, 0}, {1, 1}}), HostError);
    EXPECT_THROW(host.addCurve({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}), HostError);
    auto curve = host.addCurve({{10, 50}, {20, 0}, {40, 0}, {50, 50}, {60, 100}, {80, 100}, {90, 50}});
    EXPECT_EQ(curve->type(), shapetype::Freeform);
    EXPECT_FALSE(curve->hasTextFrame());
    EXPECT_FLOAT_EQ(curve->left(), 10);
    EXPECT_FLOAT_EQ(curve->width(), 80);
    EXPECT_FLOAT_EQ(curve->height(), 100);
    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml,
                         R"(<a:path w="1016000" h="1270000"><a:moveTo><a:pt x="0" y="635000"/></a:moveTo>)"
                         R"(<a:cubicBezTo><a:pt x="127000" y="0"/><a:pt x="381000" y="0"/>)"
                         R"(<a:pt x="508000" y="635000"/></a:cubicBezTo><a:cubicBezTo>)"))
        << xml;
    auto flat = host.addCurve({{0, 10}, {10, 10}, {20, 10}, {30, 10}});
    EXPECT_TRUE(contains(savedSlide(), R"(h="1")"));
    EXPECT_FLOAT_EQ(flat->height(), 0);
}

TEST_F(NewDeck, GroupKeepsChildrenOnThePageAndTakesTheirPlaceInTheZOrder) {
    host.addLabel(kTextHorizontal, 0, 0, 30, 30)->setName("back");
    auto line = host.addLine(10, 10, 50, 10);
    line->setName("l");
    auto oval = host.addShape(kShapeOval, 40, 0, 20, 30);
    oval->setName("o");
    auto group = host.range({"o", "l"})->group();
    EXPECT_EQ(group->type(), shapetype::Group);
    EXPECT_EQ(host.count(), 2);
    EXPECT_EQ(host.item(2)->name(), group->name());
    EXPECT_FLOAT_EQ(group->left(), 10);
    EXPECT_FLOAT_EQ(group->width(), 50);
    EXPECT_FLOAT_EQ(group->height(), 30);
    EXPECT_FLOAT_EQ(line->left(), 10);
    EXPECT_FLOAT_EQ(line->top(), 10);
    group->incrementLeft(100);
    EXPECT_FLOAT_EQ(line->left(), 110);
    group->scaleWidth(2, false, 0);
    EXPECT_FLOAT_EQ(line->width(), 80);
    group->zOrder(zorder::SendToBack);
    EXPECT_EQ(host.item(1)->name(), group->name());
    group->line().setForeColor(common::rgb(0, 128, 0));
    EXPECT_EQ(line->line().foreColor(), common::rgb(0, 128, 0));
    std::string xml = savedSlide();
    auto at = xml.find("<p:grpSp>");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(xml.find(R"(name="l")", at), xml.find(R"(name="o")", at));
    EXPECT_THROW(host.range({"back"})->group(), HostError);
    line->remove();
    EXPECT_EQ(host.count(), 2);
    oval->remove();
    EXPECT_EQ(host.count(), 1) << "an empty group stayed on the slide";
    EXPECT_THROW(group->name(), HostError);
}

TEST_F(NewDeck, ZOrderMovesToFrontOrBackOnly) {
    for (const char* n : {"a", "b", "c"}) host.addShape(kShapeOval, 0, 0, 1, 1)->setName(n);
    auto order = [&] {
        std::string out;
        for (int i = 1; i <= host.count(); ++i) out += host.item(i)->name();
        return out;
    };
    host.item("a")->zOrder(zorder::BringToFront);
    EXPECT_EQ(order(), "bca");
    host.item("a")->zOrder(zorder::SendToBack);
    EXPECT_EQ(order(), "abc");
    host.item("b")->zOrder(zorder::SendBehindText);
    host.item("b")->zOrder(zorder::BringInFrontOfText);
    EXPECT_EQ(order(), "abc");
    host.item("a")->zOrder(zorder::BringForward);
    EXPECT_EQ(order(), "bac");
}

TEST_F(NewDeck, SelectionIsOnlyTheStateOfThisRun) {
    Selection& selection = app->activeWindow().selection();
    EXPECT_EQ(selection.type(), selection::Slides);
    EXPECT_THROW(selection.shapeRange(), HostError);
    host.addLine(0, 0, 1, 1)->setName("x");
    host.addLabel(kTextHorizontal, 0, 0, 9, 9)->setName("t");
    host.item("x")->select(true);
    EXPECT_EQ(selection.type(), selection::Shapes);
    selection.shapeRange()->setName("renamed");
    EXPECT_EQ(host.item(1)->name(), "renamed");
    host.item("t")->select(false);
    EXPECT_EQ(selection.shapeRange()->count(), 2);
    EXPECT_THROW(selection.textRange(), HostError);
    host.item("t")->select(true);
    selection.textRange()->setText("typed");
    EXPECT_EQ(host.item("t")->textFrame().textRange().text(), "typed");
    host.selectAll();
    EXPECT_EQ(selection.shapeRange()->count(), 2);
    selection.unselect();
    EXPECT_THROW(selection.shapeRange(), HostError);
    host.item("t")->select(true);
    app->save();
    EXPECT_THROW(reopen()->activeWindow().selection().shapeRange(), HostError);
}

TEST_F(NewDeck, ANamedShapeStandsSelectedWhenTheDeckIsAttached) {
    host.addLine(0, 0, 1, 1)->setName("axis");
    host.addLabel(kTextHorizontal, 0, 0, 9, 9)->setName("graph");
    app->save();
    auto selecting = pptx::DeckConnector(path, 1, "graph").attach();
    auto selected = selecting->activeWindow().selection().shapeRange();
    ASSERT_EQ(selected->count(), 1);
    EXPECT_EQ(selected->item(1)->name(), "graph");
    auto missing = pptx::DeckConnector(path, 1, "no such shape").attach();
    EXPECT_THROW(missing->activeWindow().selection().shapeRange(), HostError);
}

TEST_F(NewDeck, ACommandThatFailsLeavesTheDeckAsTheLastCommandLeftIt) {
    {
        CommandScope command(*app);
        host.addLine(0, 0, 1, 1)->setName("kept");
        command.done();
    }
    const std::string saved = entry(path, "ppt/slides/slide1.xml");
    {
        CommandScope command(*app);
        host.item("kept")->remove();
        host.addLine(2, 2, 3, 3)->setName("half made");
    }
    EXPECT_EQ(host.item("kept")->name(), "kept");
    EXPECT_THROW(host.item("half made"), HostError);
    app->save();
    EXPECT_EQ(entry(path, "ppt/slides/slide1.xml"), saved);
}

TEST_F(NewDeck, DeletedShapesFailAndLeaveTheSelection) {
    auto s = host.addLine(0, 0, 1, 1);
    s->setName("gone");
    s->select(true);
    s->remove();
    EXPECT_EQ(host.count(), 0);
    EXPECT_THROW(app->activeWindow().selection().shapeRange(), HostError);
    try {
        s->line().setWeight(2);
        ADD_FAILURE() << "a deleted shape took a new weight";
    } catch (const HostError& e) {
        EXPECT_TRUE(contains(e.what(), "gone"));
    }
    EXPECT_FALSE(ignoreFailure([&] { s->incrementLeft(1); }));
    EXPECT_FALSE(contains(savedSlide(), "gone"));
}

TEST_F(NewDeck, MovingAndScalingKeepTheChosenCorner) {
    auto oval = host.addShape(kShapeOval, 100, 100, 40, 20);
    oval->incrementLeft(-10);
    oval->incrementTop(5);
    EXPECT_FLOAT_EQ(oval->left(), 90);
    EXPECT_FLOAT_EQ(oval->top(), 105);
    oval->scaleWidth(2, false, 1);
    EXPECT_FLOAT_EQ(oval->left(), 70);
    EXPECT_FLOAT_EQ(oval->width(), 80);
    oval->scaleHeight(0.5f, false, 2);
    EXPECT_FLOAT_EQ(oval->top(), 115);
    EXPECT_FLOAT_EQ(oval->height(), 10);
    oval->setHeight(30);
    oval->setLeft(0);
    oval->setTop(1);
    EXPECT_FLOAT_EQ(oval->height(), 30);
    EXPECT_TRUE(contains(savedSlide(), R"(<a:off x="0" y="12700"/><a:ext cx="1016000" cy="381000"/>)"));
    EXPECT_THROW(oval->scaleWidth(-1, false, 0), HostError);
    EXPECT_THROW(host.addShape(2, 0, 0, 1, 1), HostError);
}

TEST_F(NewDeck, EveryKindOfShapeIsWrittenAsTheSchemasAllow) {
    host.addLine(10, 10, 100, 50)->setName("line");
    auto oval = host.addShape(kShapeOval, 20, 20, 30, 30);
    oval->setName("oval");
    oval->line().setDashStyle(dash::Dash);
    oval->line().setEndArrowheadStyle(arrow::Stealth);
    host.addCurve({{0, 0}, {10, 20}, {20, 20}, {30, 0}})->setName("curve");
    auto label = host.addLabel(kTextHorizontal, 40, 40, 30, 30);
    label->textFrame().textRange().setText("x²\n1");
    label->textFrame().textRange().characters(1, 1)->font().setItalic(true);
    label->textFrame().setMarginLeft(0);
    host.range({"line", "oval"})->group()->setName("pair");
    app->activePresentation().slidesAdd(2, kLayoutBlank);
    app->save();
    EXPECT_EQ(testdecks::schemaErrors(path), "");
}

TEST_F(NewDeck, ThereIsNoClipboardToPasteFrom) {
    EXPECT_THROW(host.paste(), HostError);
    EXPECT_THROW(app->activeWindow().viewPaste(), HostError);
}

TEST(ForeignDeck, ShapesAreListedWithTypesPositionsAndText) {
    testdecks::TempDir dir;
    std::string path = dir.file("foreign.pptx");
    testdecks::writeZip(path, testdecks::foreignDeck());
    auto app = pptx::DeckConnector(path, 1).attach();
    EXPECT_FLOAT_EQ(app->activePresentation().slideWidth(), 960);
    SlideHost& host = slideHost(*app);
    ASSERT_EQ(host.count(), 4);
    EXPECT_EQ(host.item(1)->name(), "Title 1");
    EXPECT_EQ(host.item(1)->type(), shapetype::Placeholder);
    EXPECT_EQ(host.item(1)->textFrame().textRange().text(), "Circles");
    EXPECT_FLOAT_EQ(host.item(1)->left(), 36);
    EXPECT_FLOAT_EQ(host.item(1)->width(), 648);
    EXPECT_EQ(host.item(2)->type(), shapetype::Picture);
    EXPECT_FLOAT_EQ(host.item(2)->left(), 10);
    EXPECT_FLOAT_EQ(host.item(2)->height(), 50);
    EXPECT_EQ(host.item(3)->type(), shapetype::Group);
    EXPECT_FLOAT_EQ(host.item(3)->width(), 200);
    EXPECT_EQ(host.item(4)->name(), "Table 5");
    EXPECT_FLOAT_EQ(host.item(4)->top(), 300);
    EXPECT_FALSE(host.item(4)->hasTextFrame());

    host.item(1)->incrementTop(10);
    app->save();
    EXPECT_TRUE(
        contains(entry(path, "ppt/slides/slide1.xml"),
                 R"(<p:spPr><a:xfrm><a:off x="457200" y="401638"/><a:ext cx="8229600" cy="1143000"/>)"));

    auto second = pptx::DeckConnector(path, 2).attach();
    auto box = slideHost(*second).item("Note box");
    EXPECT_EQ(box->type(), shapetype::TextBox);
    EXPECT_EQ(box->textFrame().textRange().text(), "first line\rsecond");
    EXPECT_FLOAT_EQ(box->left(), 50);
    auto styled = slideHost(*second).item("Styled");
    EXPECT_TRUE(styled->line().visible());
    EXPECT_EQ(styled->line().foreColor(), common::rgb(0xC0, 0x50, 0x4D));
    EXPECT_EQ(styled->fill().foreColor(), common::rgb(0x2E, 0x8B, 0x57));
    EXPECT_EQ(styled->textFrame().textRange().font().color(), common::rgb(0xFF, 0xFF, 0xF0));
}

TEST(ForeignDeck, ASlideWhoseIdsAreUsedUpTakesNoNewShape) {
    testdecks::TempDir dir;
    std::string path = dir.file("foreign.pptx");
    auto entries = testdecks::foreignDeck();
    for (auto& [name, xml] : entries)
        if (name == "ppt/slides/slide2.xml") xml.replace(xml.find(R"(id="7")"), 6, R"(id="4294967295")");
    testdecks::writeZip(path, entries);
    auto app = pptx::DeckConnector(path, 2).attach();
    EXPECT_THROW(slideHost(*app).addLine(0, 0, 1, 1), HostError);
    EXPECT_EQ(slideHost(*app).count(), 2);
}

TEST(ForeignDeck, ANewSlideGoesWhereItIsAskedAndUsesTheBlankLayout) {
    testdecks::TempDir dir;
    std::string path = dir.file("foreign.pptx");
    testdecks::writeZip(path, testdecks::foreignDeck());
    auto app = pptx::DeckConnector(path, 2).attach();
    app->activePresentation().slidesAdd(2, kLayoutBlank);
    EXPECT_THROW(app->activePresentation().slidesAdd(9, kLayoutBlank), HostError);
    EXPECT_THROW(app->activePresentation().slidesAdd(1, 1), HostError);
    EXPECT_EQ(slideHost(*app).count(), 0);
    slideHost(*app).addLabel(kTextHorizontal, 10, 10, 10, 10)->setName("on the new slide");
    app->save();
    EXPECT_TRUE(contains(entry(path, "ppt/slides/slide3.xml"), "on the new slide"));
    EXPECT_TRUE(
        contains(entry(path, "ppt/slides/_rels/slide3.xml.rels"), "../slideLayouts/slideLayout2.xml"));
    EXPECT_TRUE(contains(entry(path, "[Content_Types].xml"), R"(PartName="/ppt/slides/slide3.xml")"));
    EXPECT_TRUE(
        contains(entry(path, "ppt/presentation.xml"),
                 R"(<p:sldId id="257" r:id="rId3"/><p:sldId id="258" r:id="rId4"/><p:sldId id="256")"));
    auto third = pptx::DeckConnector(path, 3).attach();
    EXPECT_EQ(slideHost(*third).item(1)->name(), "Note box");
    auto second = pptx::DeckConnector(path, 2).attach();
    EXPECT_EQ(slideHost(*second).item(1)->name(), "on the new slide");
}

}  // namespace

namespace {

// A label made as the point labeler makes it: through the window's selection.
TEST_F(NewDeck, SelectedCharactersTakeTheirOwnFontsAndTheSlideStaysValid) {
    host.addLabel(kTextHorizontal, 55, 50, 40, 70)->select(true);
    Selection& selection = app->activeWindow().selection();
    selection.textRange()->setText("A1");
    selection.textRange()->font().setNameAscii("Times New Roman");
    selection.shapeRange()->textFrame().textRange().characters(2, 1)->select();
    EXPECT_EQ(selection.type(), selection::Text);
    auto index = selection.textRange();
    EXPECT_EQ(index->text(), "1");
    index->font().setNameAscii("宋体");
    index->font().setNameFarEast("宋体");
    index->font().setBaselineOffset(-0.25f);
    EXPECT_EQ(index->font().nameFarEast(), "宋体");
    EXPECT_EQ(selection.shapeRange()->type(), shapetype::TextBox);
    host.addLine(0, 0, 1, 1)->select(false);
    EXPECT_EQ(selection.shapeRange()->type(), shapetype::Mixed);
    EXPECT_THROW(selection.shapeRange()->textFrame(), HostError);

    std::string xml = savedSlide();
    EXPECT_TRUE(contains(xml, R"(baseline="-25000"><a:solidFill><a:srgbClr val="000000"/></a:solidFill>)"
                              R"(<a:latin typeface="宋体"/><a:ea typeface="宋体"/></a:rPr><a:t>1</a:t>)"));
    ASSERT_TRUE(std::filesystem::exists(QUILLON_SHARED_XSD)) << "no schemas at " QUILLON_SHARED_XSD;
    testdecks::writeFile(dir.file("slide1.xml"), xml);
    std::string check = "xmllint --noout --nonet --schema '" QUILLON_SHARED_XSD
                        "/ISO-IEC29500-4_2016/pml.xsd' '" +
                        dir.file("slide1.xml") + "' 2>/dev/null";
    EXPECT_EQ(std::system(check.c_str()), 0);
}

}  // namespace
