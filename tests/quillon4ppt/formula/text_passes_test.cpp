#include <gtest/gtest.h>

#include <set>
#include <string>

#include "quillon4ppt/formula/greek_letters.h"
#include "quillon4ppt/formula/narrow_width.h"
#include "quillon4ppt/formula/placeholder_table.h"
#include "quillon4ppt/formula/relation_signs.h"
#include "quillon4ppt/formula/text_replace.h"

using namespace formula;

TEST(GreekLetters, TableLettersAndGraveAccentForTheRest) {
    EXPECT_EQ(ReplaceGreekLetters(U"@o@O@F@V@q@z"),
              U" o  {\\mathrm O}  \\vartheta  \\varsigma  \\theta  \\zeta ");
    EXPECT_EQ(ReplaceGreekLetters(U"@A@Z@a"), U" \\Alpha  \\Zeta  \\alpha ");
    EXPECT_EQ(ReplaceGreekLetters(U"x@"), U"x`");
    EXPECT_EQ(ReplaceGreekLetters(U"@@a"), U"`a");
    EXPECT_EQ(ReplaceGreekLetters(U"@角"), U"`");
}

TEST(RelationSigns, ReplacedInTheirOrder) {
    EXPECT_EQ(ReplaceRelationSigns(U"+-+"), U" \\pm +");
    EXPECT_EQ(ReplaceRelationSigns(U"<=>="), U" \\le  \\ge ");
    EXPECT_EQ(ReplaceRelationSigns(U"a<>b-+c"), U"a \\ne b \\mp c");
}

TEST(PlaceholderTable, NamesArePrefixFreeLettersThenDigits) {
    EXPECT_EQ(placeholderName(1), U"MyRStr11");
    EXPECT_EQ(placeholderName(12), U"MyRStr212");
    std::set<std::u32string> names;
    for (std::size_t k = 1; k <= 2000; ++k) names.insert(placeholderName(k));
    // In sorted order a name that begins another one would sit right before it.
    for (auto it = names.begin(); std::next(it) != names.end(); ++it)
        EXPECT_NE(std::next(it)->rfind(*it, 0), 0u) << std::string(it->begin(), it->end());
}

TEST(PlaceholderTable, RestoresEveryOccurrence) {
    PlaceholderTable table;
    std::u32string root = table.add(U"\\sqrt");
    std::u32string up = table.add(U"^");
    EXPECT_EQ(table.count(), 2u);
    EXPECT_EQ(RestorePlaceholders(table, root + U"{2}+x" + up + U"3+" + root + U"{3}"),
              U"\\sqrt{2}+x^3+\\sqrt{3}");
}

TEST(TextHelpers, ReplaceAllAndNarrow) {
    std::u32string t = U"aaa";
    replaceAll(t, U"aa", U"b");
    EXPECT_EQ(t, U"ba");
    replaceAll(t, U"", U"x");
    EXPECT_EQ(t, U"ba");
    EXPECT_EQ(NarrowWidth(U"（ｘ＋１）\u3000～中"), U"(x+1) ~中");
}
