// What every backend of the object model promises, run against each of them.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/office/ignore_failure.h"
#include "platform/office/memory/memory_host.h"
#include "platform/office/pptx/deck_connector.h"
#include "pptx/deck_files.h"

using namespace office;

namespace {

struct MemoryBackend {
    std::unique_ptr<Application> app = memory::makeApplication(std::make_shared<memory::ProgramState>());
};

struct DeckBackend {
    testdecks::TempDir dir;
    std::unique_ptr<Application> app = [this] {
        auto a = pptx::DeckConnector(dir.file("contract.pptx"), 1).startNew();
        a->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
        return a;
    }();
};

template <typename Backend>
struct HostContract : ::testing::Test {
    Backend backend;
    Application& app = *backend.app;
    SlideHost& host = slideHost(app);
};

using Backends = ::testing::Types<MemoryBackend, DeckBackend>;
TYPED_TEST_SUITE(HostContract, Backends);

TYPED_TEST(HostContract, ShapesAreFoundAgainByName) {
    auto& host = this->host;
    host.addLine(10, 20, 30, 40)->setName("a");
    host.addShape(kShapeOval, 1, 2, 3, 4)->setName("b");
    host.addShape(kShapeOval, 5, 5, 1, 1)->setName("a");  // a second shape of the same name
    EXPECT_EQ(host.item("a")->left(), 10);
    EXPECT_EQ(host.item("a")->type(), shapetype::Line);
    EXPECT_EQ(host.item("b")->type(), shapetype::AutoShape);
    EXPECT_EQ(host.count(), 3);
    EXPECT_THROW(host.item("missing"), HostError);
    EXPECT_THROW(host.item(4), HostError);
    EXPECT_EQ(host.range({"a", "b", "a"})->count(), 2);
    EXPECT_THROW(host.range({"a", "missing"}), HostError);
}

// Tick lines are never formatted: they must look like the black axes beside them.
TYPED_TEST(HostContract, ANewLineIsBlackAndThreeQuartersOfAPoint) {
    auto line = this->host.addLine(0, 0, 10, 0);
    EXPECT_EQ(line->line().foreColor(), common::kBlack);
    EXPECT_EQ(line->line().weight(), 0.75f);
    EXPECT_EQ(line->line().dashStyle(), dash::Solid);
}

TYPED_TEST(HostContract, AGroupNeedsTwoShapesAndListsThem) {
    auto& host = this->host;
    host.addLine(0, 0, 1, 1)->setName("a");
    EXPECT_THROW(host.range({"a"})->group(), HostError);
    host.addLine(0, 0, 2, 2)->setName("b");
    auto group = host.range({"a", "b"})->group();
    EXPECT_EQ(group->type(), shapetype::Group);
    auto items = group->groupItems();
    ASSERT_EQ(items->count(), 2);
    EXPECT_EQ(items->item(2)->name(), "b");
    EXPECT_THROW(items->item(1)->groupItems(), HostError);
}

TYPED_TEST(HostContract, TheWindowsSelectionNamesItsShape) {
    auto& selection = this->app.activeWindow().selection();
    this->host.addLine(0, 0, 1, 1)->setName("x");
    this->host.item("x")->select(true);
    selection.shapeRange()->setName("renamed");
    EXPECT_EQ(this->host.item(1)->name(), "renamed");
    selection.unselect();
    EXPECT_THROW(selection.shapeRange(), HostError);
}

TYPED_TEST(HostContract, CharactersFormatOnlyTheirRange) {
    TextRange& text = this->host.addLabel(kTextHorizontal, 0, 0, 30, 30)->textFrame().textRange();
    text.setText("A1′");
    text.characters(2, 1)->font().setBaselineOffset(-0.25f);
    EXPECT_EQ(text.characters(1, 1)->font().baselineOffset(), 0);
    EXPECT_EQ(text.characters(2, 1)->font().baselineOffset(), -0.25f);
    EXPECT_EQ(text.characters(2, 2)->text(), "1′");
}

TYPED_TEST(HostContract, DeletedShapesFailAndIgnoreFailureGoesOn) {
    auto s = this->host.addLine(0, 0, 1, 1);
    s->remove();
    int after = 0;
    EXPECT_FALSE(ignoreFailure([&] { s->line().setWeight(2); }));
    EXPECT_FALSE(ignoreFailure([&] { s->incrementLeft(1); }));
    EXPECT_TRUE(ignoreFailure([&] { ++after; }));
    EXPECT_EQ(after, 1);
    EXPECT_EQ(this->host.count(), 0);
}

// Infinity, NaN and distances past DrawingML's range never reach the slide.
TYPED_TEST(HostContract, PositionsAndSizesASlideCannotHoldAreRefused) {
    auto& host = this->host;
    const float inf = HUGE_VALF, nan = std::nanf(""), far = 1e12f;
    EXPECT_THROW(host.addLine(0, 0, inf, 5), HostError);
    EXPECT_THROW(host.addLine(nan, 0, 1, 5), HostError);
    EXPECT_THROW(host.addLine(-2e9f, 0, 2e9f, 0), HostError);  // each end fits, the length does not
    EXPECT_THROW(host.addShape(kShapeOval, far, 0, 1, 1), HostError);
    EXPECT_THROW(host.addShape(kShapeOval, 0, 0, -1, 1), HostError);
    EXPECT_THROW(host.addLabel(kTextHorizontal, 0, nan, 30, 30), HostError);
    EXPECT_THROW(host.addCurve({{0, 0}, {1, 1}, {2, inf}, {3, 3}}), HostError);
    EXPECT_EQ(host.count(), 0);

    auto oval = host.addShape(kShapeOval, 10, 20, 30, 40);
    EXPECT_THROW(oval->setLeft(inf), HostError);
    EXPECT_THROW(oval->setTop(far), HostError);
    EXPECT_THROW(oval->setHeight(nan), HostError);
    EXPECT_THROW(oval->incrementLeft(-far), HostError);
    EXPECT_THROW(oval->scaleWidth(1e11f, false, 0), HostError);
    EXPECT_THROW(oval->line().setWeight(inf), HostError);
    EXPECT_THROW(oval->textFrame().setMarginLeft(nan), HostError);
    EXPECT_THROW(oval->textFrame().textRange().font().setSize(inf), HostError);
    EXPECT_EQ(oval->left(), 10);
    EXPECT_EQ(oval->top(), 20);
    EXPECT_EQ(oval->width(), 30);
    EXPECT_EQ(oval->height(), 40);
    host.addLine(-1e9f, 0, 1e9f, 0);  // the far edges of a slide are fine
    EXPECT_EQ(host.count(), 2);
}

}  // namespace
