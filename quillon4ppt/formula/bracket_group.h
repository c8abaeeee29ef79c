#pragma once
// Bracket groups: "(...)", "[...]" or "{...}" found from either of their ends.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formula {

using ShowMessage = std::function<void(const std::string&)>;

// As many "(" as ")", "[" as "]" and "{" as "}".
bool IsBracketBalanced(std::u32string_view t);

// The group that begins (opening bracket) or ends (closing bracket) at pos: the
// nearest matching bracket with balanced text in between. Without one, an opening
// bracket takes the rest of the text and a closing bracket everything before it.
// Nothing when pos holds no bracket.
std::optional<std::u32string> bracketGroupAt(std::u32string_view text, std::size_t pos);

// One past the last character of the group opening at every "(" of the text, the
// groups bracketGroupAt finds, worked out in one pass. Other entries mean nothing.
std::vector<std::size_t> roundGroupEnds(std::u32string_view text);

// The same for callers that may pass any character: tells the user when it is no
// bracket and gives an empty text.
std::u32string FindBracketGroup(std::u32string_view text, std::size_t pos, const ShowMessage& showMessage);

// The group without its first and last character; empty below two characters.
std::u32string innerOf(std::u32string_view group);

}  // namespace formula
