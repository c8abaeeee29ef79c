#include "common/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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

}  // namespace
