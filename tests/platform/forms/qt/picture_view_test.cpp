#include "platform/forms/qt/picture_view.h"

#include <gtest/gtest.h>

#include "platform/forms/form.h"

namespace {

constexpr common::Rgb kRed = common::rgb(255, 0, 0);
constexpr common::Rgb kBlue = common::rgb(0, 0, 255);

// A 200-pixel canvas from -10 to 10 both ways, y growing upward.
struct PictureTest : ::testing::Test {
    forms::ScriptedDialogs dialogs;
    forms::Form form{"frmPicture", dialogs};
    forms::PictureBox box{form, "pic"};

    void SetUp() override {
        box.layout.width = box.layout.height = 3000;
        box.scale(-10, 10, 10, -10);
    }
    QImage render(int size = 200) { return forms::qt::renderPicture(box, QSize(size, size)); }
    static QColor color(common::Rgb c) {
        return QColor(common::redOf(c), common::greenOf(c), common::blueOf(c));
    }
    // How many pixels of the column or row have the colour.
    static int countInColumn(const QImage& image, int x, QColor c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) n += image.pixelColor(x, y) == c;
        return n;
    }
    static int countInRow(const QImage& image, int y, QColor c) {
        int n = 0;
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == c;
        return n;
    }
};

TEST_F(PictureTest, ALineIsDrawnInItsColourWithYGrowingUpward) {
    box.backColor = common::rgb(255, 255, 200);
    box.drawWidth = 3;
    box.line(-10, 5, 10, 5, kRed);
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(100, 50), color(kRed));
    EXPECT_EQ(image.pixelColor(100, 150), QColor(255, 255, 200));
    EXPECT_GE(countInColumn(image, 100, color(kRed)), 2);
}

TEST_F(PictureTest, DrawStylesLeaveGapsAndASolidLineNone) {
    box.line(-10, 5, 10, 5, kRed);
    box.drawStyle = 1;
    box.line(-10, -5, 10, -5, kRed);
    const QImage image = render();
    EXPECT_EQ(countInRow(image, 50, color(common::kWhite)), 0);
    EXPECT_GT(countInRow(image, 150, color(common::kWhite)), 20);
}

TEST_F(PictureTest, ASolidFillFillsTheCircleInsideItsOutline) {
    box.fillStyle = 0;
    box.fillColor = kBlue;
    box.drawWidth = 3;
    box.circle(0, 0, 5, kRed);
    box.fillStyle = 1;
    box.circle(5, 5, 2, kRed);
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(100, 100), color(kBlue));
    EXPECT_EQ(image.pixelColor(150, 100), color(kRed));
    EXPECT_EQ(image.pixelColor(160, 100), color(common::kWhite));
    EXPECT_EQ(image.pixelColor(150, 50), color(common::kWhite));
}

TEST_F(PictureTest, AspectBelowOneFlattensAndAboveOneNarrows) {
    box.fillStyle = 0;
    box.fillColor = kBlue;
    box.circle(-5, 0, 4, kBlue, 0.5);
    box.circle(5, 0, 4, kBlue, 2);
    const QImage image = render();
    EXPECT_EQ(image.pixelColor(50 - 35, 100), color(kBlue));
    EXPECT_EQ(image.pixelColor(50, 100 - 35), color(common::kWhite));
    EXPECT_EQ(image.pixelColor(150, 100 - 35), color(kBlue));
    EXPECT_EQ(image.pixelColor(150 - 35, 100), color(common::kWhite));
}

TEST_F(PictureTest, TextStandsBelowAndRightOfItsPoint) {
    box.foreColor = kRed;
    box.fontName = "DejaVu Sans";
    box.fontSize = 20;
    box.fontBold = true;
    box.currentX = 0, box.currentY = 0;
    box.print("HH");
    const QImage image = render();
    int below = 0, above = 0;
    for (int x = 0; x < 200; ++x) {
        below += countInColumn(image.copy(0, 100, 200, 100), x, color(kRed));
        above += countInColumn(image.copy(0, 0, 200, 100), x, color(kRed));
    }
    EXPECT_GT(below, 20);
    EXPECT_EQ(above, 0);
    EXPECT_EQ(countInColumn(image.copy(0, 0, 100, 200), 99, color(kRed)), 0);
}

TEST_F(PictureTest, PensGrowWithTheCanvas) {
    box.drawWidth = 4;
    box.line(-10, 0, 10, 0, kRed);
    const int small = countInColumn(render(200), 100, color(kRed));
    const int large = countInColumn(render(400), 200, color(kRed));
    EXPECT_GE(small, 3);
    EXPECT_NEAR(large, 2 * small, 1);
}

TEST_F(PictureTest, ClsLeavesTheBackColourOnly) {
    box.line(-10, 0, 10, 0, kRed);
    box.cls();
    EXPECT_EQ(countInColumn(render(), 100, color(common::kWhite)), 200);
}

}  // namespace
