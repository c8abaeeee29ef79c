#pragma once
#include <string>
#include <string_view>

namespace formula {

// ">=", "<=", "<>", "+-" and "-+" to " \ge ", " \le ", " \ne ", " \pm ", " \mp ", in
// that order.
std::u32string ReplaceRelationSigns(std::u32string_view text);

}  // namespace formula
