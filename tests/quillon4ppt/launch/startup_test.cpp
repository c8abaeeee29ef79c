#include "quillon4ppt/launch/startup.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/forms/controls.h"
#include "platform/office/memory/memory_host.h"

namespace fs = std::filesystem;
using namespace launch;

namespace {

struct FakeWindow : forms::Form {
    explicit FakeWindow(Program& p) : Form("frmFake", p.dialogs()) {
        cmdExit.Click = [&p] { p.ExitProgram(); };
        cmdInsert.Click = [&p] {
            auto command = p.command();
            p.slideHost().addLine(0, 0, 1, 1)->setName("inserted");
            p.commandDone(command);
        };
    }
    forms::CommandButton cmdExit{*this, "cmdExit"};
    forms::CommandButton cmdInsert{*this, "cmdInsert"};
};

struct StartupTest : ::testing::Test {
    fs::path dir = fs::path(testing::TempDir()) /
                   ("startup_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::shared_ptr<office::memory::ProgramState> state = std::make_shared<office::memory::ProgramState>();
    office::memory::Connector connector{state};
    forms::ScriptedDialogs dialogs;
    Environment env;
    VerbTable verbs;
    std::ostringstream err;

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
        env.home = QUILLON_PROGRAM_DIR;
        verbs.add("functiongraph", [](Program& p) { return std::make_unique<FakeWindow>(p); });
    }
    void TearDown() override { fs::remove_all(dir); }

    void registry(const std::string& curVer, const std::string& displayVersion) {
        env.registry = dir / "system.reg";
        std::ofstream(*env.registry)
            << "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Word.Application\\CurVer]\n@=\"" << curVer
            << "\"\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\"
               "Uninstall\\DSMT6]\n\"DisplayVersion\"=\""
            << displayVersion << "\"\n";
    }
    std::variant<std::unique_ptr<forms::Form>, int> start(Program& p, const std::string& line,
                                                          bool terminal = false) {
        return startProgram(p, verbs, line, err, terminal);
    }
    int play(const std::string& script, const std::string& verb, std::ostream& out) {
        env.playScript = dir / "actions.txt";
        std::ofstream(*env.playScript) << script;
        return runPlay(env, verb, connector, verbs, out, err);
    }
};

TEST_F(StartupTest, VerbsCompareInLowerCaseWithoutTrimming) {
    Program p(env, dialogs, connector);
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<forms::Form>>(start(p, "FunctionGraph")));
    EXPECT_EQ(std::get<int>(start(p, " functiongraph")), 0);
    EXPECT_EQ(std::get<int>(start(p, "nonsense", true)), 2);
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
    EXPECT_EQ(std::get<int>(start(p, "dot")), 3);
}

TEST_F(StartupTest, WithoutARegistryNoQuestionIsAskedAndFormulasAreAvailable) {
    Program p(env, dialogs, connector);
    start(p, "functiongraph");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(p.MathTypeFound);
    EXPECT_EQ(p.AxisSettings.intK, 2);
}

TEST_F(StartupTest, OfficeVersionQuestionOnlyOutside2003) {
    registry("Word.Application.11", "6.5");
    Program ok(env, dialogs, connector);
    start(ok, "functiongraph");
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(ok.MathTypeFound);

    registry("Word.Application.12", "6.0");
    Program asked(env, dialogs, connector);
    dialogs.queueAnswer(forms::Answer::Cancel);
    EXPECT_THROW(start(asked, "functiongraph"), forms::ProgramExit);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].find("PowerPoint2003"), std::string::npos);
}

// A registry that cannot be read has no values: the version question is asked and
// the equation editor counts as missing, as on a system without them.
TEST_F(StartupTest, ARegistryThatIsAFolderGivesEmptyValues) {
    env.registry = dir;
    Program p(env, dialogs, connector);
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<forms::Form>>(start(p, "functiongraph")));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].find("PowerPoint2003"), std::string::npos);
    EXPECT_FALSE(p.MathTypeFound);
}

TEST_F(StartupTest, FormulaVerbAsksWhenTheEquationEditorIsMissing) {
    registry("Word.Application.11", "6.0");
    verbs.add("gs", [](Program& p) { return std::make_unique<FakeWindow>(p); });
    Program p(env, dialogs, connector);
    dialogs.queueAnswer(forms::Answer::Cancel);
    EXPECT_THROW(start(p, "gs"), forms::ProgramExit);
    EXPECT_NE(dialogs.shown().at(0).find("mathtype6.5"), std::string::npos);
    dialogs.clearShown();
    verbs.add("test", [](Program& p) { return std::make_unique<FakeWindow>(p); });
    Program t(env, dialogs, connector);
    start(t, "test");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(StartupTest, NoRunningPresentationStartsANewOneWithABlankSlide) {
    state->running = false;
    Program p(env, dialogs, connector);
    start(p, "functiongraph");
    auto& calls = state->calls;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Presentations.Add(-1)"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Slides.Add(1,12)"), calls.end());
    EXPECT_EQ(state->slides.size(), 1u);
}

TEST_F(StartupTest, AFailedStartIsReportedAndEndsWithAnError) {
    state->running = false;
    connector.failToStart("无法启动演示程序");
    Program p(env, dialogs, connector);
    try {
        start(p, "functiongraph");
        FAIL() << "start-up went on";
    } catch (const forms::ProgramExit& e) {
        EXPECT_NE(e.status, 0);
    }
    EXPECT_EQ(
        dialogs.shown(),
        (std::vector<std::string>{"演示文稿程序未能完成这一操作。请检查演示文稿和当前幻灯片后再试一次。"}));
}

TEST_F(StartupTest, MissingSettingsFileIsReportedAndNothingIsCreated) {
    env.home = dir;
    Program p(env, dialogs, connector);
    EXPECT_EQ(std::get<int>(start(p, "functiongraph")), 1);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_NE(dialogs.shown()[0].find((dir / "config.mdb").string()), std::string::npos);
    EXPECT_TRUE(fs::is_empty(dir));
}

TEST_F(StartupTest, PlayRunsTheWindowAndSavesAtTheEnd) {
    std::ostringstream out;
    EXPECT_EQ(play("click cmdInsert\n", "functiongraph", out), 0);
    EXPECT_EQ(state->saves, 2);  // after the command and at exit
    EXPECT_EQ(state->slide().shapes.at(0)->name, "inserted");
}

TEST_F(StartupTest, PlayEndsWhereTheWindowEndsTheProgram) {
    std::ostringstream out;
    EXPECT_EQ(play("click cmdExit\nclick cmdInsert\n", "functiongraph", out), 0);
    EXPECT_TRUE(state->slide().shapes.empty());
}

TEST_F(StartupTest, PlayScriptErrorsExitWithTwo) {
    std::ostringstream out;
    EXPECT_EQ(play("click nothere\n", "functiongraph", out), 2);
    EXPECT_NE(err.str().find("line 1"), std::string::npos);
    EXPECT_EQ(play("bogus\n", "functiongraph", out), 2);
}

TEST_F(StartupTest, PlayAnswersStartUpQuestions) {
    registry("Word.Application.12", "6.5");
    std::ostringstream out;
    EXPECT_EQ(play("answer cancel\nclick cmdInsert\n", "functiongraph", out), 0);
    EXPECT_EQ(out.str(),
              "msgbox: 您的系统中没有安装PowerPoint2003，本程序只能在2003的环境中使用。您还要继续运行吗？\n"
              "answer: cancel\n");
    EXPECT_TRUE(state->slide().shapes.empty());
}

// A presentation program that goes away in the middle of a command, as the live backend
// reports it.
struct LosingConnector : office::memory::Connector {
    using office::memory::Connector::Connector;
    void whenLost(std::function<void(const std::string&)> handler) override { lost = std::move(handler); }
    std::function<void(const std::string&)> lost;
};

TEST_F(StartupTest, APresentationProgramGoneMidCommandIsSaidOnceAndEndsTheRun) {
    LosingConnector losing{state};
    verbs.add("functiongraph", [&losing](Program& p) {
        auto window = std::make_unique<FakeWindow>(p);
        window->cmdInsert.Click = [&losing] { losing.lost("与演示文稿程序的连接已断开。"); };
        return window;
    });
    env.playScript = dir / "actions.txt";
    std::ofstream(*env.playScript) << "click cmdInsert\nclick cmdInsert\n";
    std::ostringstream out;
    EXPECT_EQ(runPlay(env, "functiongraph", losing, verbs, out, err), 1);
    EXPECT_EQ(out.str(), "msgbox: 与演示文稿程序的连接已断开。\n");
}

}  // namespace
