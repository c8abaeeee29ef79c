// Failures a teacher meets at start-up are told in Chinese, naming the file, without
// the words of the libraries underneath.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "deck_files.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/launch/startup.h"
#include "tests/common/teacher_text.h"

namespace fs = std::filesystem;
using namespace launch;

namespace {

struct TeacherMessages : ::testing::Test {
    testdecks::TempDir dir;
    std::string deck = dir.file("lesson.pptx");
    forms::ScriptedDialogs dialogs;
    Environment env;
    VerbTable verbs;
    std::ostringstream err;

    TeacherMessages() { env.home = QUILLON_PROGRAM_DIR; }

    // What start-up showed before it ended.
    std::vector<std::string> startOn(int slide) {
        office::pptx::DeckConnector connector(deck, slide);
        Program p(env, dialogs, connector);
        try {
            startProgram(p, verbs, "functiongraph", err, false);
        } catch (const forms::ProgramExit&) {
        }
        return dialogs.shown();
    }
    static void expectChinese(const std::vector<std::string>& shown, const std::string& text,
                              const std::string& file) {
        ASSERT_EQ(shown, std::vector<std::string>{text});
        std::string rest = text;
        rest.erase(rest.find(file), file.size());
        EXPECT_EQ(teachertext::englishWords(rest), std::vector<std::string>{}) << text;
    }
};

TEST_F(TeacherMessages, ADeckThatIsNoZipArchive) {
    testdecks::writeFile(deck, "This is a lesson plan, not a deck.\n");
    expectChinese(startOn(1),
                  "无法打开演示文稿 " + deck +
                      "：它不是演示文稿文件，或者已经损坏。请用演示文稿程序把它另存为 .pptx 文件后再试。",
                  deck);
}

TEST_F(TeacherMessages, ASlideTheDeckDoesNotHave) {
    testdecks::writeZip(deck, testdecks::foreignDeck());
    expectChinese(startOn(3),
                  "演示文稿 " + deck + " 没有第 3 张幻灯片（它只有 2 张）。请选择它已有的一张幻灯片。", deck);
}

TEST_F(TeacherMessages, ASettingsFileAnotherProgramHoldsLocked) {
    testdecks::writeZip(deck, testdecks::foreignDeck());
    env.home = dir.path;
    fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "config.mdb", dir.path / "config.mdb");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((dir.path / "config.mdb").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto shown = startOn(1);
    sqlite3_close(other);
    const std::string file = (dir.path / "config.mdb").string();
    expectChinese(
        shown, "无法读取设置文件 " + file + "：另一个程序正在使用这个文件。请关闭那个程序后再试一次。", file);
}

TEST_F(TeacherMessages, ASettingsFileThatIsNoDatabase) {
    testdecks::writeZip(deck, testdecks::foreignDeck());
    env.home = dir.path;
    testdecks::writeFile((dir.path / "config.mdb").string(), "these are notes, not settings\n");
    const std::string file = (dir.path / "config.mdb").string();
    expectChinese(
        startOn(1),
        "无法读取设置文件 " + file + "：它不是本程序的设置数据库，或者已经损坏。请用安装程序重新安装本程序。",
        file);
}

}  // namespace
