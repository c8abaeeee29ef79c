#include <gtest/gtest.h>

#include "common/text.h"
#include "quillon4ppt/utilities/frm_dot.h"
#include "utilities_fixture.h"

using office::memory::FontData;
using office::memory::ShapeData;
using utilities::frmDot;

namespace {

struct DotTest : UtilitiesFixture {
    std::unique_ptr<frmDot> form;

    void SetUp() override {
        start();
        form = std::make_unique<frmDot>(*program);
    }
    // OK ends the program once the labels are made.
    void ok() { EXPECT_THROW(form->cmdOk.click(), forms::ProgramExit); }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : slideShapes()) out.push_back(common::toUtf8(s->text));
        return out;
    }
    const FontData& fontOf(std::size_t shape, std::size_t character) const {
        return slideShapes().at(shape)->charFonts.at(character);
    }
};

TEST_F(DotTest, TheDefaultsMakeOneBoldItalicA) {
    EXPECT_EQ(form->caption(), "点标注符");
    EXPECT_EQ(form->txtDotNumber.text(), "1");
    EXPECT_TRUE(form->optType[2].value());
    EXPECT_EQ(form->cmbSize.text(), "28");
    EXPECT_EQ(form->cmbSize.items().size(), 34u);
    EXPECT_EQ(form->txtDotInfo[7].text(), "′");
    ok();
    ASSERT_EQ(slideShapes().size(), 1u);
    const ShapeData& label = *slideShapes()[0];
    EXPECT_EQ(label.type, office::shapetype::TextBox);
    EXPECT_EQ(common::toUtf8(label.text), "A");
    EXPECT_FLOAT_EQ(label.left, 55);
    EXPECT_FLOAT_EQ(label.top, 50);
    EXPECT_FLOAT_EQ(label.width, 40);
    EXPECT_FLOAT_EQ(label.height, 60);
    const FontData& a = fontOf(0, 0);
    EXPECT_EQ(a.nameAscii, "Times New Roman");
    EXPECT_FLOAT_EQ(a.size, 28);
    EXPECT_TRUE(a.bold && a.italic);
    EXPECT_EQ(a.color, common::kBlack);
    EXPECT_GE(state->saves, 1);
}

TEST_F(DotTest, LettersCountPastZOnTheirCodesLastFirst) {
    form->txtDotInfo[4].setText(" X ");
    form->txtDotNumber.setText("4");
    ok();
    EXPECT_EQ(texts(), (std::vector<std::string>{"[", "Z", "Y", "X"}));
}

TEST_F(DotTest, AnIndexThatVariesLowersOnlyTheSecondCharacter) {
    form->optType[0].click();
    form->txtDotInfo[1].setText("9");
    form->txtDotNumber.setText("2");
    ok();
    ASSERT_EQ(texts(), (std::vector<std::string>{"A10", "A9"}));
    EXPECT_FLOAT_EQ(slideShapes()[0]->height, 70);
    const FontData& one = fontOf(0, 1);
    EXPECT_EQ(one.nameAscii, "宋体");
    EXPECT_EQ(one.nameFarEast, "宋体");
    EXPECT_TRUE(one.bold);
    EXPECT_FALSE(one.italic);
    EXPECT_FLOAT_EQ(one.baselineOffset, -0.25f);
    const FontData& zero = fontOf(0, 2);
    EXPECT_EQ(zero.nameAscii, "Times New Roman");
    EXPECT_TRUE(zero.italic);
    EXPECT_FLOAT_EQ(zero.baselineOffset, 0);
    EXPECT_FLOAT_EQ(fontOf(1, 1).baselineOffset, -0.25f);
    EXPECT_FLOAT_EQ(fontOf(1, 0).baselineOffset, 0);
}

TEST_F(DotTest, AFixedIndexFollowsCountedLetters) {
    form->optType[1].click();
    form->txtDotInfo[3].setText(" 2 ");
    form->txtDotNumber.setText("2");
    ok();
    EXPECT_EQ(texts(), (std::vector<std::string>{"B2", "A2"}));
    EXPECT_FLOAT_EQ(fontOf(0, 1).baselineOffset, -0.25f);
}

TEST_F(DotTest, NumbersStandUprightInSongtiAfterABlank) {
    form->optType[3].click();
    form->txtDotInfo[5].setText("5");
    form->txtDotNumber.setText("2");
    form->cmbSize.setText("36");
    ok();
    ASSERT_EQ(texts(), (std::vector<std::string>{" 6", " 5"}));
    for (std::size_t c = 0; c < 2; ++c) {
        EXPECT_EQ(fontOf(0, c).nameAscii, "宋体");
        EXPECT_EQ(fontOf(0, c).nameFarEast, "宋体");
        EXPECT_FALSE(fontOf(0, c).italic);
        EXPECT_TRUE(fontOf(0, c).bold);
        EXPECT_FLOAT_EQ(fontOf(0, c).size, 36);
        EXPECT_FLOAT_EQ(fontOf(0, c).baselineOffset, 0);
    }
    EXPECT_FLOAT_EQ(slideShapes()[0]->height, 60);
}

TEST_F(DotTest, PrimesStayUprightOnTheBaseline) {
    form->optType[4].click();
    form->txtDotNumber.setText("3");
    ok();
    ASSERT_EQ(texts(), (std::vector<std::string>{"C′", "B′", "A′"}));
    const FontData& prime = fontOf(2, 1);
    EXPECT_EQ(prime.nameAscii, "宋体");
    EXPECT_FALSE(prime.italic);
    EXPECT_FLOAT_EQ(prime.baselineOffset, 0);
    EXPECT_TRUE(fontOf(2, 0).italic);
}

TEST_F(DotTest, ChoosingATypeClearsTheOtherFour) {
    form->optType[0].click();
    form->optType[4].click();
    int chosen = 0;
    for (int i = 0; i < 5; ++i) chosen += form->optType[i].value();
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(form->optType[4].value());
}

TEST_F(DotTest, EnterInTheNumberBoxMakesTheLabelsInTheChosenColour) {
    dialogs.queueColor(common::rgb(255, 0, 0));
    form->Label1[3].click();
    form->swatch().click();
    EXPECT_EQ(form->swatch().backColor(), common::rgb(255, 0, 0));
    form->txtDotNumber.setText("2");
    EXPECT_THROW(form->txtDotNumber.pressKey(13), forms::ProgramExit);
    ASSERT_EQ(slideShapes().size(), 2u);
    EXPECT_EQ(fontOf(1, 0).color, common::rgb(255, 0, 0));
}

TEST_F(DotTest, RefusedRunsCreateNothingAndKeepTheWindow) {
    form->txtDotNumber.setText("101");
    form->cmdOk.click();
    form->txtDotNumber.setText("3");
    form->txtDotInfo[4].setText("  ");
    form->cmdOk.click();
    form->txtDotInfo[4].setText("A");
    form->cmbSize.setText("0");
    form->cmdOk.click();
    form->cmbSize.setText("28");
    form->optType[0].click();
    form->txtDotInfo[0].setText("");
    form->cmdOk.click();
    EXPECT_EQ(dialogs.shown(), (std::vector<std::string>{"标注个数不能超过100。", "请输入起始字母。",
                                                         utilities::kBadFontSize, "请输入起始字母。"}));
    EXPECT_TRUE(slideShapes().empty());
    EXPECT_FALSE(form->unloaded());
}

TEST_F(DotTest, NoLabelsToMakeStillEndsTheProgram) {
    form->txtDotNumber.setText("abc");
    ok();
    EXPECT_TRUE(slideShapes().empty());
    EXPECT_TRUE(form->unloaded());
}

}  // namespace
