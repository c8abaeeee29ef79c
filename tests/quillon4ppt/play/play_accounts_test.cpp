// Two accounts use the figure library at the same time, each with its own working folder:
// each sees its pages drawn and inserts its own figure.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/office/pptx/deck.h"
#include "platform/office/pptx/shape_xml.h"
#include "run_program.h"
#include "schema_check.h"

namespace fs = std::filesystem;

namespace {

// Accounts nobody uses; running as them needs root.
constexpr uid_t kTeachers[] = {54011, 54012};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// What one account does: open the library window (its first page is drawn), then insert
// a figure in play mode.
std::string session(const fs::path& home, uid_t uid) {
    const std::string program = std::string(QUILLON_PROGRAM_DIR) + "/quillon4ppt";
    const std::string as = "cd '" + home.string() + "' && setpriv --reuid=" + std::to_string(uid) +
                           " --regid=" + std::to_string(uid) + " --clear-groups env -i PATH=/usr/bin:/bin " +
                           "LANG=C.UTF-8 HOME=\"$PWD\" XDG_CACHE_HOME=\"$PWD/cache\" QUILLON_HOME=\"$PWD\" ";
    return "(" + as + "QT_QPA_PLATFORM=offscreen QUILLON_QUIT_AFTER_SHOW=1 '" + program +
           "' tk > shown.txt 2>&1 && " + as +
           "QUILLON_PLAY=actions.txt QUILLON_DECK=deck.pptx QUILLON_HOST=pptx '" + program +
           "' tk > out.txt 2> err.txt; echo $? > '" + home.string() + "/status') &";
}

// Dark pixels of the picture, one in a thousand at least.
bool drawn(const fs::path& png) {
    QImage picture(QString::fromStdString(png.string()));
    if (picture.isNull()) return false;
    long long dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 128;
    return dark * 1000 >= static_cast<long long>(picture.width()) * picture.height();
}

struct stat statOf(const fs::path& p) {
    struct stat st {};
    lstat(p.c_str(), &st);
    return st;
}

TEST(PlayAccounts, TwoAccountsShowAndInsertFromTheLibraryAtOnceEachWithItsOwnFiles) {
    if (geteuid() != 0) GTEST_SKIP() << "running as two other accounts needs root";
    const fs::path dir = freshFolder("play_accounts");
    fs::permissions(dir, fs::perms(0755));
    std::string both;
    for (uid_t uid : kTeachers) {
        const fs::path home = dir / std::to_string(uid);
        fs::create_directories(home);
        fs::copy_file(fs::path(QUILLON_PROGRAM_DIR) / "config.mdb", home / "config.mdb");
        std::ofstream(home / "actions.txt") << "node TreeView1 C" << (uid == kTeachers[0] ? 1 : 7)
                                            << "\nprint caption\nclick cmdInsert2PPT\n";
        ASSERT_EQ(std::system(("chown -R " + std::to_string(uid) + ":" + std::to_string(uid) + " '" +
                               home.string() + "'")
                                  .c_str()),
                  0);
        both += session(home, uid);
    }
    ASSERT_EQ(std::system((both + " wait").c_str()), 0);

    const std::pair<const char*, const char*> expected[] = {{"平面几何", "三角形ABC"},
                                                            {"立体几何", "正方体"}};
    for (int i = 0; i < 2; ++i) {
        const uid_t uid = kTeachers[i];
        const fs::path home = dir / std::to_string(uid), cache = home / "cache" / "quillon4ppt";
        SCOPED_TRACE("account " + std::to_string(uid));
        ASSERT_EQ(slurp(home / "status"), "0\n") << slurp(home / "shown.txt") << slurp(home / "err.txt");
        EXPECT_EQ(slurp(home / "out.txt"), std::string("caption = ") + expected[i].first + "\n");
        EXPECT_EQ(statOf(cache).st_uid, uid);
        EXPECT_EQ(statOf(cache).st_mode & 0777, 0700u);
        const fs::path page = cache / "quillon_temp4show1.pptx.pages" / "page-1.png";
        EXPECT_EQ(statOf(page).st_uid, uid);
        EXPECT_TRUE(drawn(page)) << "the account's first page is drawn";
        EXPECT_EQ(testdecks::schemaErrors((home / "deck.pptx").string()), "");
        auto deck = office::pptx::Deck::open((home / "deck.pptx").string());
        auto shapes = office::pptx::shapesIn(deck->slide(1).tree());
        ASSERT_EQ(shapes.size(), 1u);
        EXPECT_EQ(office::pptx::shapeName(shapes[0]), expected[i].second);
    }
}

}  // namespace
