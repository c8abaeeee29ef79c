#include "common/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/common/teacher_text.h"

namespace {

using common::messages::fill;

TEST(MessagesFill, ReplacesEachPlaceholderByItsArgument) {
    EXPECT_EQ(fill("设置项 {0} 的值 {1} 超出范围。", {"intK", "40000"}), "设置项 intK 的值 40000 超出范围。");
    EXPECT_EQ(fill("{1}{0}{1}", {"a", "b"}), "bab");
}

TEST(MessagesFill, KeepsWhatIsNoPlaceholder) {
    EXPECT_EQ(fill("{2} 与 {x} 与 {", {"a"}), "{2} 与 {x} 与 {");
    EXPECT_EQ(fill("文件 {0}", {"{1}"}), "文件 {1}");
}

TEST(MessagesCatalogue, NamesAreUniqueAndTextsNotEmpty) {
    std::set<std::string> names;
    for (const auto& entry : common::messages::all()) {
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
        EXPECT_NE(std::string(entry.text), "") << entry.name;
    }
    EXPECT_FALSE(names.empty());
}

// Every text the platform adds is a Chinese sentence; the tools' own texts are kept as
// they always were, and those are Chinese too.
TEST(MessagesCatalogue, EveryTextIsChineseWithoutEnglishWords) {
    for (const auto& entry : common::messages::all()) {
        EXPECT_TRUE(teachertext::hasChinese(entry.text)) << entry.name << ": " << entry.text;
        if (entry.origin == common::messages::kVerbatim) continue;
        EXPECT_EQ(teachertext::englishWords(entry.text), std::vector<std::string>{})
            << entry.name << ": " << entry.text;
    }
}

TEST(MessagesCatalogue, TheWordCheckFindsEnglishButNotNames) {
    using teachertext::englishWords;
    EXPECT_EQ(englishWords("演示文稿未能完成这一操作：The shape was not found."),
              (std::vector<std::string>{"The", "shape", "was", "not", "found"}));
    EXPECT_EQ(englishWords("无法读取设置文件 {0}：database is locked"),
              (std::vector<std::string>{"database", "locked"}));
    EXPECT_EQ(englishWords("at ./sfx2/source/doc/sfxbasemodel.cxx:2980"),
              (std::vector<std::string>{"sfx2", "source", "doc", "sfxbasemodel.cxx"}));
    EXPECT_TRUE(
        englishWords("请用 LibreOffice 把 config.mdb 另存为 .pptx 文件，设置 QUILLON_HOST。").empty());
    EXPECT_TRUE(englishWords("第 {0} 张（共 {1} 张）").empty());
}

}  // namespace
