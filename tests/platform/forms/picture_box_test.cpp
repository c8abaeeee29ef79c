#include <gtest/gtest.h>

#include "test_form.h"

namespace {

TEST(PictureBox, KeepsWhatWasDrawnUntilCls) {
    forms::ScriptedDialogs dialogs;
    TestForm form(dialogs);
    auto& pic = form.pic;
    pic.scale(-5, 5, 5, -5);
    EXPECT_EQ(pic.scaleHeight(), -10);
    pic.drawWidth = 2;
    pic.drawStyle = 2;
    pic.line(0, 0, 1, 1, common::rgb(255, 0, 0));
    pic.fillStyle = 0;
    pic.fillColor = 7;
    pic.circle(1, 2, 0.5, std::nullopt, 0.6);
    pic.fontName = "Times New Roman";
    pic.fontSize = 12;
    pic.fontItalic = true;
    pic.currentX = -0.4, pic.currentY = 5.2;
    pic.print("y");
    ASSERT_EQ(pic.items().size(), 3u);
    const auto& line = pic.items()[0];
    EXPECT_EQ(line.color, common::rgb(255, 0, 0));
    EXPECT_EQ(line.drawWidth, 2);
    EXPECT_EQ(line.drawStyle, 2);
    const auto& circle = pic.items()[1];
    EXPECT_EQ(circle.fillStyle, 0);
    EXPECT_EQ(circle.fillColor, 7u);
    EXPECT_EQ(circle.aspect, 0.6);
    const auto& text = pic.items()[2];
    EXPECT_EQ(text.text, "y");
    EXPECT_EQ(text.x1, -0.4);
    EXPECT_EQ(text.y1, 5.2);
    EXPECT_TRUE(text.italic);
    EXPECT_EQ(text.fontSize, 12);
    pic.cls();
    EXPECT_TRUE(pic.items().empty());
}

}  // namespace
