// The formula window on an in-memory presentation with the real typesetter.
#include "quillon4ppt/formula/frm_gs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../memory_program.h"
#include "platform/office/memory/memory_host.h"

namespace {

using office::memory::ShapeData;

struct FormulaWindow : ::testing::Test, MemoryProgram {
    launch::Program program{env, dialogs, connector};
    std::unique_ptr<formula::frmGS> gs;

    void SetUp() override {
        program.CheckHost();
        program.LoadSettings();
        gs = std::make_unique<formula::frmGS>(program);
    }
    // OK, which ends the program when it inserts.
    bool okEndsProgram() {
        try {
            gs->cmdOK.click();
        } catch (const forms::ProgramExit&) {
            return true;
        }
        return false;
    }
    bool okEndsProgramWith(const std::string& text) {
        gs->txtGS.setText(text);
        return okEndsProgram();
    }
    std::shared_ptr<ShapeData> selectedOval(float width, float height) {
        program.slideHost().addShape(office::kShapeOval, 300, 200, width, height)->select(true);
        return state->slide().shapes.back();
    }
};

TEST_F(FormulaWindow, OpensWithItsCaptionTopicsAndTheFractionHelp) {
    EXPECT_EQ(gs->caption(), "单击下方蓝色文字可显示对应公式录入规则");
    const char* captions[] = {"分式", "根式", "上标", "下标", "向量和弧", "排列组合", "方程组"};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(gs->lbhelp[i].caption(), captions[i - 1]);
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "分式录入规则： \r\n标准形式：\r\n(分子)/(分母)\r\n简化形式：\r\n分子/分母");
    EXPECT_EQ(gs->lbhelp[0].fontSize, 10);
    EXPECT_EQ(gs->Image1.picture(), (std::filesystem::path(QUILLON_PROGRAM_DIR) / "img" / "fs.png").string());
    EXPECT_TRUE(std::filesystem::exists(gs->Image1.picture()));
}

TEST_F(FormulaWindow, TopicLabelsShowTheirRulesAndPictures) {
    gs->lbhelp[2].click();
    EXPECT_EQ(
        gs->lbhelp[0].caption(),
        "根式录入规则： \r\n标准形式：\r\ng(根指数,被开方数)\r\n或 sqr(根指数,被开方数)\r\n简化形式：\r\n"
        "g被开方数或 sqr被开方数\r\n注意：简化形式的被开方数仅允许一个字母或数字且为平方根");
    EXPECT_EQ(gs->lbhelp[0].fontSize, 9);
    gs->lbhelp[3].click();
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "上标(乘方)录入规则： "
              "\r\n标准形式：底数^(指数)\r\n简化形式：底数^指数\r\n注意：简化形式的上标仅允许一个字母或数字");
    EXPECT_EQ(gs->lbhelp[0].fontSize, 10);
    gs->lbhelp[4].click();
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "下标录入规则： "
              "\r\n标准形式：字母_(下标)\r\n简化形式：字母_下标\r\n注意：简化形式的下标仅允许一个字母或数字");
    gs->lbhelp[5].click();
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "向量和弧录入规则： "
              "\r\n向量：xl(字母)\r\n弧：hu(字母)\r\n注意：公式编辑器中暂不支持向量的命令行代码");
    gs->lbhelp[6].click();
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "排列、组合录入规则： \r\n排列：A(m,n)  或 P(m,n)\r\n组合：C(m,n)\r\n注意：A,P,C均要用大写");
    gs->lbhelp[7].click();
    EXPECT_EQ(gs->lbhelp[0].caption(),
              "方程组录入规则： \r\nfcz(方程1,方程2,....)\r\n注意：方程之间逗号隔开");
    for (const char* name : {"fs", "gs", "cf", "xb", "xl", "pl", "fcz"})
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(QUILLON_PROGRAM_DIR) / "img" /
                                            (name + std::string(".png"))))
            << name;
    EXPECT_TRUE(gs->Image1.picture().ends_with("fcz.png"));
}

TEST_F(FormulaWindow, TypedCharactersShowTheirTopicAndStayInTheText) {
    auto topicAfter = [&](int key) {
        gs->lbhelp[3].click();
        EXPECT_EQ(gs->txtGS.pressKey(key), key);
        return gs->Image1.picture().substr(gs->Image1.picture().rfind('/') + 1);
    };
    EXPECT_EQ(topicAfter('A'), "pl.png");
    EXPECT_EQ(topicAfter('P'), "pl.png");
    EXPECT_EQ(topicAfter('C'), "pl.png");
    EXPECT_EQ(topicAfter('f'), "fcz.png");
    EXPECT_EQ(topicAfter('s'), "gs.png");
    EXPECT_EQ(topicAfter('g'), "gs.png");
    EXPECT_EQ(topicAfter('/'), "fs.png");
    EXPECT_EQ(topicAfter('_'), "xb.png");
    EXPECT_EQ(topicAfter('h'), "xl.png");
    EXPECT_EQ(topicAfter('x'), "xl.png");
    EXPECT_EQ(topicAfter('^'), "cf.png");
    // Compared case-sensitively.
    EXPECT_EQ(topicAfter('a'), "cf.png");
    EXPECT_EQ(topicAfter('S'), "cf.png");
}

TEST_F(FormulaWindow, OkWithoutTextDoesNothing) {
    auto teachers = selectedOval(20, 20);
    EXPECT_FALSE(okEndsProgram());
    EXPECT_FALSE(gs->unloaded());
    EXPECT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_FLOAT_EQ(teachers->left, 300);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FormulaWindow, OkWithBlanksOnlyDoesNothing) {
    auto teachers = selectedOval(20, 20);
    for (const char* blanks : {" ", "   ", "\u3000 \u3000"}) {
        EXPECT_FALSE(okEndsProgramWith(blanks)) << blanks;
        EXPECT_FALSE(gs->unloaded());
    }
    EXPECT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_FLOAT_EQ(teachers->left, 300);
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(state->saves, 0);
}

TEST_F(FormulaWindow, AFullWidthFormulaLandsTypesetAtTheTopLeftAndEndsTheProgram) {
    // The teacher's own flat shape is no stray part of the paste.
    program.slideHost().addShape(office::kShapeOval, 50, 60, 100, 0);
    gs->txtGS.setText("（a+b）/（c-d）＋x^(2)");
    EXPECT_TRUE(okEndsProgram());
    EXPECT_TRUE(gs->unloaded());
    ASSERT_EQ(state->slide().shapes.size(), 2u);
    auto picture = state->slide().shapes.back();
    EXPECT_EQ(picture->type, office::shapetype::Picture);
    EXPECT_EQ(picture->title, "(a+b)/(c-d)+x^(2)");
    EXPECT_EQ(picture->description, "\\frac{a+b}{c-d}+x^{2}");
    EXPECT_FALSE(picture->svg.empty());
    EXPECT_FLOAT_EQ(picture->left, 10);
    EXPECT_FLOAT_EQ(picture->top, 10);
    // Its height is taken in whole points, so it ends a little above 45.
    EXPECT_GE(picture->height, 45);
    EXPECT_LT(picture->height, 48);
    ASSERT_EQ(state->selected.size(), 1u);
    EXPECT_EQ(state->selected[0], picture);
    EXPECT_GE(state->saves, 1);
}

TEST_F(FormulaWindow, LowSelectionsGrowToAbout45PointsAndHighOnesKeepTheirSize) {
    program.MathTypeFound = false;
    auto low = selectedOval(30, 20.7f);
    EXPECT_TRUE(okEndsProgramWith("x"));
    EXPECT_FLOAT_EQ(low->width, 67.5f);
    EXPECT_FLOAT_EQ(low->height, 20.7f * 2.25f);
    EXPECT_FLOAT_EQ(low->left, 10);
    EXPECT_FLOAT_EQ(low->top, 10);

    SetUp();
    program.MathTypeFound = false;
    auto high = selectedOval(30, 50);
    EXPECT_TRUE(okEndsProgramWith("x"));
    EXPECT_FLOAT_EQ(high->height, 50);
    EXPECT_FLOAT_EQ(high->width, 30);
    EXPECT_FLOAT_EQ(high->left, 10);
    EXPECT_FLOAT_EQ(high->top, 10);
}

TEST_F(FormulaWindow, WithoutAHeightOrASelectionNothingMovesButTheProgramEnds) {
    program.MathTypeFound = false;
    auto flat = selectedOval(30, 0.5f);
    EXPECT_TRUE(okEndsProgramWith("x"));
    EXPECT_FLOAT_EQ(flat->left, 300);
    EXPECT_FLOAT_EQ(flat->height, 0.5f);

    SetUp();
    program.MathTypeFound = false;
    EXPECT_TRUE(okEndsProgramWith("x"));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(FormulaWindow, AFormulaMathJaxCannotSetIsReportedAndTheWindowStaysOpen) {
    gs->txtGS.setText("x^");
    EXPECT_FALSE(okEndsProgram());
    EXPECT_FALSE(gs->unloaded());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], "公式无法排版：某个运算缺少它的内容，请检查括号和运算符后面是否写全。");
    EXPECT_TRUE(state->slide().shapes.empty());
}

TEST_F(FormulaWindow, ASelectedEquationOpensWithItsFormulaAndOkReplacesItInPlace) {
    gs->bridge().InsertEquation(program.host(), "x");
    auto old = state->slide().shapes.back();
    const float height = old->height;
    // Where the teacher moved it, at the size the window gave it.
    old->left = 120, old->top = 200, old->height *= 3;
    EXPECT_TRUE(old->equation);
    auto again = std::make_unique<formula::frmGS>(program);
    EXPECT_EQ(again->txtGS.text(), "x");
    again->txtGS.setText("x^(2)+y^(2)=r^(2)");
    EXPECT_THROW(again->cmdOK.click(), forms::ProgramExit);
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    auto now = state->slide().shapes.back();
    EXPECT_EQ(now->title, "x^(2)+y^(2)=r^(2)");
    EXPECT_FLOAT_EQ(now->left, 120);
    EXPECT_FLOAT_EQ(now->top, 200);
    // The same line height, so x comes out as large as a lone x would.
    EXPECT_FLOAT_EQ(height, 15);
    EXPECT_FLOAT_EQ(now->height, 45);
}

TEST_F(FormulaWindow, AnEquationTheTeacherResizedIsReplacedAtTheSameScale) {
    gs->bridge().InsertEquation(program.host(), "x");
    auto old = state->slide().shapes.back();
    old->height *= 2;
    auto again = std::make_unique<formula::frmGS>(program);
    again->txtGS.setText("(a+b)/(c-d)");
    EXPECT_THROW(again->cmdOK.click(), forms::ProgramExit);
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    auto now = state->slide().shapes.back();
    EXPECT_NEAR(now->height, 2 * gs->bridge().naturalHeight("(a+b)/(c-d)"), 1e-3);
}

TEST_F(FormulaWindow, AnEquationWithoutItsTitleOpensEmptyAndIsStillReplaced) {
    gs->bridge().InsertEquation(program.host(), "x");
    state->slide().shapes.back()->title.clear();
    auto again = std::make_unique<formula::frmGS>(program);
    EXPECT_EQ(again->txtGS.text(), "");
    again->txtGS.setText("y");
    EXPECT_THROW(again->cmdOK.click(), forms::ProgramExit);
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_EQ(state->slide().shapes.back()->title, "y");
}

TEST_F(FormulaWindow, AnotherSelectedShapeIsNoEquationToReplace) {
    selectedOval(30, 20);
    auto again = std::make_unique<formula::frmGS>(program);
    EXPECT_EQ(again->txtGS.text(), "");
    again->txtGS.setText("y");
    EXPECT_THROW(again->cmdOK.click(), forms::ProgramExit);
    EXPECT_EQ(state->slide().shapes.size(), 2u);
}

}  // namespace

namespace {

// A presentation program that cannot take pictures.
struct NoPictures : office::Application {
    explicit NoPictures(std::unique_ptr<office::Application> inner) : inner_(std::move(inner)) {}
    office::DocumentWindow& activeWindow() override { return inner_->activeWindow(); }
    office::Presentation& activePresentation() override { return inner_->activePresentation(); }
    void setVisible(bool on) override { inner_->setVisible(on); }
    void activate() override { inner_->activate(); }
    office::Presentation& presentationsAdd(bool withWindow) override {
        return inner_->presentationsAdd(withWindow);
    }
    void save() override { inner_->save(); }
    std::unique_ptr<office::Application> inner_;
};

struct NoPicturesConnector : office::HostConnector {
    explicit NoPicturesConnector(std::shared_ptr<office::memory::ProgramState> s) : state(std::move(s)) {}
    std::unique_ptr<office::Application> attach() override {
        return std::make_unique<NoPictures>(office::memory::makeApplication(state));
    }
    std::unique_ptr<office::Application> startNew() override { return attach(); }
    std::shared_ptr<office::memory::ProgramState> state;
};

TEST(FormulaWindowPaste, AFailedPasteLeavesTheTeachersSelectionWhereItWas) {
    auto state = std::make_shared<office::memory::ProgramState>();
    NoPicturesConnector connector(state);
    forms::ScriptedDialogs dialogs;
    launch::Environment env;
    env.home = QUILLON_PROGRAM_DIR;
    launch::Program program(env, dialogs, connector);
    program.CheckHost();
    program.LoadSettings();
    program.slideHost().addShape(office::kShapeOval, 300, 200, 30, 20)->select(true);
    formula::frmGS gs(program);
    gs.txtGS.setText("a/b");
    EXPECT_NO_THROW(gs.cmdOK.click());
    EXPECT_FALSE(gs.unloaded());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0], "这个演示文稿程序无法粘贴图片。");
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_FLOAT_EQ(state->slide().shapes[0]->left, 300);
    EXPECT_FLOAT_EQ(state->slide().shapes[0]->height, 20);
}

}  // namespace
