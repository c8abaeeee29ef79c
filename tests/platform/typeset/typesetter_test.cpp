#include "platform/typeset/typesetter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace fs = std::filesystem;

namespace {

const fs::path kFolder = typeset::typesetFolder(QUILLON_PROGRAM_DIR);

bool processGone(pid_t pid, std::chrono::seconds within) {
    auto until = std::chrono::steady_clock::now() + within;
    while (std::chrono::steady_clock::now() < until) {
        // A child of ours that ended is reaped here; any other just disappears.
        waitpid(pid, nullptr, WNOHANG);
        if (kill(pid, 0) != 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// PNG width and height from its header.
std::pair<unsigned, unsigned> pngSize(const std::string& png) {
    auto be = [&](std::size_t at) {
        return (unsigned char)png[at] << 24 | (unsigned char)png[at + 1] << 16 |
               (unsigned char)png[at + 2] << 8 | (unsigned char)png[at + 3];
    };
    return {be(16), be(20)};
}

struct TempFolder {
    fs::path path = fs::temp_directory_path() / ("typeset_test_" + std::to_string(getpid()));
    TempFolder() { fs::create_directories(path); }
    ~TempFolder() { fs::remove_all(path); }
};

}  // namespace

TEST(Typesetter, GivesTheEquationAsSvgAndPngAtItsNaturalSize) {
    typeset::Typesetter t(kFolder);
    auto eq = t.typeset("\\frac{a+b}{c-d}");
    auto line = t.typeset("a+b");
    // One line of 12-point text, and a fraction of two such lines stacked.
    EXPECT_GT(line.height, 8);
    EXPECT_LT(line.height, 14);
    EXPECT_GT(eq.height, 1.4 * line.height);
    EXPECT_LT(eq.width, line.width);
    EXPECT_NE(eq.svg.find("<svg"), std::string::npos);
    EXPECT_EQ(eq.svg.find("currentColor"), std::string::npos);
    EXPECT_EQ(eq.png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    auto [w, h] = pngSize(eq.png);
    EXPECT_NEAR(w, eq.width * 8, 1);
    EXPECT_NEAR(h, eq.height * 8, 1);
}

TEST(Typesetter, ReportsMathJaxsMessageAndGoesOnWithTheSameProcess) {
    typeset::Typesetter t(kFolder);
    t.typeset("x");
    int pid = t.processId();
    try {
        t.typeset("\\undefinedthing{x}");
        FAIL() << "an undefined command was typeset";
    } catch (const typeset::TypesetError& e) {
        EXPECT_STREQ(e.what(), "Undefined control sequence \\undefinedthing");
    }
    EXPECT_THROW(t.typeset("x^"), typeset::TypesetError);
    auto eq = t.typeset("\\sqrt{2}");
    EXPECT_GT(eq.width, 0);
    EXPECT_EQ(t.processId(), pid);
}

TEST(Typesetter, CapitalGreekLettersThatLookLatinAreLatinCapitals) {
    typeset::Typesetter t(kFolder);
    for (const char* tex : {"\\Alpha", "\\Beta", "\\Chi", "\\Epsilon", "\\Eta", "\\Iota", "\\Kappa", "\\Mu",
                            "\\Nu", "\\Rho", "\\Tau", "\\Zeta"})
        EXPECT_NO_THROW(t.typeset(tex)) << tex;
    EXPECT_EQ(t.typeset("\\Chi").width, t.typeset("\\mathrm{X}").width);
}

TEST(Typesetter, TwentyLabelsInARowUseOneProcess) {
    typeset::Typesetter t(kFolder);
    t.start();
    int pid = t.processId();
    for (int k = 1; k <= 20; ++k) t.typeset("\\frac{" + std::to_string(k) + "\\pi}{6}");
    EXPECT_EQ(t.processId(), pid);
}

TEST(Typesetter, EndsItsProcessWhenItEnds) {
    int pid;
    {
        typeset::Typesetter t(kFolder);
        t.start();
        pid = t.processId();
        ASSERT_GT(pid, 0);
    }
    EXPECT_TRUE(processGone(pid, std::chrono::seconds(5)));
}

TEST(Typesetter, ItsProcessEndsWhenTheProgramIsKilled) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    pid_t program = fork();
    if (program == 0) {
        typeset::Typesetter t(kFolder);
        t.start();
        int pid = t.processId();
        if (write(report[1], &pid, sizeof pid) != sizeof pid) _exit(1);
        pause();
        _exit(0);
    }
    close(report[1]);
    int typesetter = 0;
    ASSERT_EQ(read(report[0], &typesetter, sizeof typesetter), static_cast<ssize_t>(sizeof typesetter));
    close(report[0]);
    ASSERT_EQ(kill(typesetter, 0), 0);
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
    EXPECT_TRUE(processGone(typesetter, std::chrono::seconds(10)));
}

TEST(Typesetter, NamesWhatIsMissing) {
    TempFolder empty;
    try {
        typeset::Typesetter(empty.path).typeset("x");
        FAIL();
    } catch (const typeset::TypesetterMissing& e) {
        EXPECT_NE(std::string(e.what()).find("typeset.js"), std::string::npos) << e.what();
    }
    fs::copy_file(kFolder / "typeset.js", empty.path / "typeset.js");
    try {
        typeset::Typesetter(empty.path).typeset("x");
        FAIL();
    } catch (const typeset::TypesetterMissing& e) {
        EXPECT_NE(std::string(e.what()).find("mathjax-full"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("scripts/install-deps"), std::string::npos) << e.what();
    }
    std::string path = std::getenv("PATH");
    setenv("PATH", empty.path.c_str(), 1);
    try {
        typeset::Typesetter(kFolder).typeset("x");
        setenv("PATH", path.c_str(), 1);
        FAIL();
    } catch (const typeset::TypesetterMissing& e) {
        setenv("PATH", path.c_str(), 1);
        EXPECT_NE(std::string(e.what()).find("nodejs"), std::string::npos) << e.what();
    }
}
