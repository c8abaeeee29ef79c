// The formula window played end to end on a deck: the typed formula lands on the slide
// as a typeset picture, and no typesetting process outlives the program.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/office/pptx/deck_connector.h"
#include "run_program.h"
#include "schema_check.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A program folder of its own, so that its typesetter can be told from any other.
fs::path programFolder(const fs::path& dir) {
    fs::path home = dir / "home";
    fs::create_directories(home);
    fs::path bin = QUILLON_PROGRAM_DIR;
    fs::create_directory_symlink(bin / "typeset", home / "typeset");
    fs::create_directory_symlink(bin / "img", home / "img");
    fs::copy_file(bin / "config.mdb", home / "config.mdb");
    return home;
}

// Processes whose command line names the typesetter of that program folder.
std::vector<pid_t> typesetters(const fs::path& home) {
    std::string script = (home / "typeset" / "typeset.js").string();
    std::vector<pid_t> found;
    for (const auto& p : fs::directory_iterator("/proc")) {
        std::string name = p.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream in(p.path() / "cmdline", std::ios::binary);
        std::stringstream cmd;
        cmd << in.rdbuf();
        if (cmd.str().find(script) != std::string::npos) found.push_back(std::stoi(name));
    }
    return found;
}

bool typesettersGone(const fs::path& home, std::chrono::seconds within) {
    for (auto until = std::chrono::steady_clock::now() + within;; std::this_thread::sleep_for(50ms)) {
        if (typesetters(home).empty()) return true;
        if (std::chrono::steady_clock::now() >= until) return false;
    }
}

int run(const fs::path& dir, const std::string& command) {
    int rc = std::system(("cd '" + dir.string() + "' && " + command).c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

std::string program() {
    return std::string("'") + QUILLON_PROGRAM_DIR + "/quillon4ppt'";
}

TEST(PlayFormula, ATypedFormulaLandsAsAnEquationAndNoTypesetterIsLeft) {
    fs::path dir = freshFolder("play_formula");
    fs::path home = programFolder(dir);
    std::ofstream(dir / "actions.txt")
        << "key txtGS 65\nprint Image1\nset txtGS （a+b）/（c-d）\nclick cmdOK\n";
    ASSERT_EQ(run(dir, "QUILLON_HOME=home QUILLON_PLAY=actions.txt QUILLON_DECK=deck.pptx " + program() +
                           " gs > out.txt 2> err.txt"),
              0);
    std::ifstream out(dir / "out.txt");
    std::stringstream transcript;
    transcript << out.rdbuf();
    EXPECT_EQ(transcript.str(), "Image1 = home/img/pl.png\n");
    EXPECT_TRUE(typesettersGone(home, 0s));

    auto app = office::pptx::DeckConnector((dir / "deck.pptx").string(), 1).attach();
    auto& slide = office::slideHost(*app);
    ASSERT_EQ(slide.count(), 1);
    auto picture = slide.item(1);
    EXPECT_TRUE(picture->isEquation());
    EXPECT_EQ(picture->title(), "(a+b)/(c-d)");
    EXPECT_EQ(picture->alternativeText(), "\\frac{a+b}{c-d}");
    EXPECT_FLOAT_EQ(picture->left(), 10);
    EXPECT_FLOAT_EQ(picture->top(), 10);
    EXPECT_GE(picture->height(), 45);
}

TEST(PlayFormula, TheEquationNamedSelectedIsReopenedAndReplacedInPlace) {
    fs::path dir = freshFolder("play_formula_again");
    fs::path home = programFolder(dir);
    const std::string deck = (dir / "deck.pptx").string();
    std::ofstream(dir / "first.txt") << "set txtGS x\nclick cmdOK\n";
    ASSERT_EQ(run(dir, "QUILLON_HOME=home QUILLON_PLAY=first.txt QUILLON_DECK=deck.pptx " + program() +
                           " gs > out.txt 2> err.txt"),
              0);
    std::string name;
    {
        auto app = office::pptx::DeckConnector(deck, 1).attach();
        auto shape = office::slideHost(*app).item(1);
        shape->setLeft(200);
        shape->setTop(150);
        name = shape->name();
        app->save();
    }
    std::ofstream(dir / "again.txt") << "print txtGS\nset txtGS x^(2)+y^(2)=r^(2)\nclick cmdOK\n";
    ASSERT_EQ(run(dir, "QUILLON_HOME=home QUILLON_PLAY=again.txt QUILLON_DECK=deck.pptx QUILLON_SELECT='" +
                           name + "' " + program() + " gs > out.txt 2> err.txt"),
              0);
    std::ifstream out(dir / "out.txt");
    std::stringstream transcript;
    transcript << out.rdbuf();
    EXPECT_EQ(transcript.str(), "txtGS = x\n");
    auto app = office::pptx::DeckConnector(deck, 1).attach();
    auto& slide = office::slideHost(*app);
    ASSERT_EQ(slide.count(), 1);
    auto equation = slide.item(1);
    EXPECT_TRUE(equation->isEquation());
    EXPECT_EQ(equation->title(), "x^(2)+y^(2)=r^(2)");
    EXPECT_FLOAT_EQ(equation->left(), 200);
    EXPECT_FLOAT_EQ(equation->top(), 150);
    // As high as the lone x was: the same line, the same enlargement.
    EXPECT_NEAR(equation->height(), 45, 1e-3);
    EXPECT_EQ(testdecks::schemaErrors(deck), "");
}

TEST(PlayFormula, TheTypesetterEndsWhenTheProgramIsKilled) {
    fs::path dir = freshFolder("play_formula_killed");
    fs::path home = programFolder(dir);
    pid_t child = fork();
    if (child == 0) {
        setenv("QUILLON_HOME", home.c_str(), 1);
        setenv("QUILLON_DECK", (dir / "deck.pptx").c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::string exe = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
        execl(exe.c_str(), exe.c_str(), "test", static_cast<char*>(nullptr));
        _exit(127);
    }
    // The window starts its typesetter as it opens.
    bool started = false;
    for (auto until = std::chrono::steady_clock::now() + 20s;
         !started && std::chrono::steady_clock::now() < until;) {
        started = !typesetters(home).empty();
        std::this_thread::sleep_for(50ms);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ASSERT_TRUE(started);
    EXPECT_TRUE(typesettersGone(home, 10s));
}

}  // namespace
