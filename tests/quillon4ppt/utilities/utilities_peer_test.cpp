// LibreOffice shows a played label run as a teacher expects: the index lowered.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "../play/run_program.h"

namespace fs = std::filesystem;

namespace {

struct WordBox {
    double xMin = -1, yMin = -1, xMax = -1, yMax = -1;
};

WordBox boxOf(const std::string& bbox, const std::string& word) {
    std::regex pattern(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re" +
                       word + "</word>");
    std::smatch m;
    if (!std::regex_search(bbox, m, pattern)) return {};
    return {std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4])};
}

TEST(UtilitiesPeer, LibreOfficeLowersTheIndexOfALabel) {
    const fs::path dir = freshFolder("utilities_peer_index");
    ASSERT_EQ(playScript(dir, "choose optType(0)\nclick cmdOk\n", "dot").status, 0);
    std::string words = renderWords(dir / "deck.pptx");
    WordBox letter = boxOf(words, "A"), index = boxOf(words, "1");
    ASSERT_GE(letter.xMin, 0) << words;
    ASSERT_GE(index.xMin, 0) << "the index was not set apart from its letter: " << words;
    // The box's left edge plus its 7.2-point margin.
    EXPECT_NEAR(letter.xMin, 62.2, 1);
    EXPECT_NEAR(index.xMin, letter.xMax, 2);
    EXPECT_GT(index.yMax, letter.yMax + 2);
    EXPECT_GT(index.yMin, letter.yMin + 7);
}

}  // namespace
