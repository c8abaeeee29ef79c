#include "platform/typeset/typesetter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "common/messages.h"

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
    EXPECT_FLOAT_EQ(line.height, 15);
    EXPECT_GT(eq.height, line.height);
    // Stacked, not side by side.
    EXPECT_LT(eq.width, line.width + t.typeset("c-d").width);
    EXPECT_NE(eq.svg.find("<svg"), std::string::npos);
    EXPECT_EQ(eq.svg.find("currentColor"), std::string::npos);
    EXPECT_EQ(eq.png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    auto [w, h] = pngSize(eq.png);
    EXPECT_NEAR(w, eq.width * 8, 1);
    EXPECT_NEAR(h, eq.height * 8, 1);
}

TEST(Typesetter, AnEquationIsAsHighAsItsLineUnlessItReachesBeyondIt) {
    typeset::Typesetter t(kFolder);
    const float line = t.typeset("x").height;
    EXPECT_FLOAT_EQ(t.typeset("x^{2}+y^{2}=r^{2}").height, line);
    EXPECT_FLOAT_EQ(t.typeset("a_{n+1}").height, line);
    EXPECT_GT(t.typeset("\\sqrt{\\frac{a+b}{2}}").height, line);
}

TEST(Typesetter, GivesMathMlAndOfficeMathOfTheSameEquation) {
    typeset::Typesetter t(kFolder);
    auto eq = t.typeset("\\sqrt [3]{x}+\\vec{AB}");
    EXPECT_NE(eq.mathml.find("<mroot>"), std::string::npos) << eq.mathml;
    EXPECT_NE(eq.mathml.find(R"(<mover accent="true">)"), std::string::npos) << eq.mathml;
    EXPECT_EQ(
        eq.omml.rfind("<m:oMath xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\"", 0),
        0u);
    EXPECT_NE(eq.omml.find("<m:rad>"), std::string::npos) << eq.omml;
    // The vector is an accent over both letters.
    EXPECT_NE(eq.omml.find("<m:acc><m:accPr><m:chr m:val=\"\u20d7\"/></m:accPr>"), std::string::npos)
        << eq.omml;
}

TEST(Typesetter, SaysInChineseWhatIsWrongWithTheFormula) {
    typeset::Typesetter t(kFolder);
    auto reason = [&](const std::string& tex) {
        try {
            t.typeset(tex);
        } catch (const typeset::TypesetError& e) {
            return e.reason();
        }
        return std::string("typeset");
    };
    EXPECT_EQ(reason("x^"), common::messages::kTexMissingArgument);
    EXPECT_EQ(reason("x^2^3"), common::messages::kTexDoubleExponent);
    EXPECT_EQ(reason("x_1_2"), common::messages::kTexDoubleSubscript);
    EXPECT_EQ(reason("{x"), common::messages::kTexMissingClose);
    EXPECT_EQ(reason("x}"), common::messages::kTexExtraClose);
    EXPECT_EQ(reason("\\nosuchthing"), common::messages::kTexUnknownCommand);
    EXPECT_EQ(reason(std::string(20000, '{') + std::string(20000, '}')), common::messages::kTexTooDeep);
    // Still the same process, still typesetting.
    EXPECT_EQ(reason("x"), "typeset");
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
        EXPECT_STREQ(e.what(), common::messages::kTypesetFilesMissing);
    }
    fs::copy_file(kFolder / "typeset.js", empty.path / "typeset.js");
    try {
        typeset::Typesetter(empty.path).typeset("x");
        FAIL();
    } catch (const typeset::TypesetterMissing& e) {
        EXPECT_STREQ(e.what(), common::messages::kTypesetFilesMissing);
    }
    std::string path = std::getenv("PATH");
    setenv("PATH", empty.path.c_str(), 1);
    try {
        typeset::Typesetter(kFolder).typeset("x");
        setenv("PATH", path.c_str(), 1);
        FAIL();
    } catch (const typeset::TypesetterMissing& e) {
        setenv("PATH", path.c_str(), 1);
        EXPECT_STREQ(e.what(), common::messages::kTypesetNodeMissing);
    }
}
