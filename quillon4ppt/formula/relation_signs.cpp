#include "quillon4ppt/formula/relation_signs.h"

#include <array>
#include <utility>

#include "quillon4ppt/formula/text_replace.h"

namespace formula {

std::u32string ReplaceRelationSigns(std::u32string_view text) {
    static constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 5> kSigns = {{
        {U">=", U" \\ge "},
        {U"<=", U" \\le "},
        {U"<>", U" \\ne "},
        {U"+-", U" \\pm "},
        {U"-+", U" \\mp "},
    }};
    std::u32string out(text);
    for (auto [sign, tex] : kSigns) replaceAll(out, sign, tex);
    return out;
}

}  // namespace formula
