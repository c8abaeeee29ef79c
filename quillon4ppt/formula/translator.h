#pragma once
// Plain-text formulas as teachers type them (sqr(2), x^(2), (a+b)/2, A(5,3),
// fcz(...), @a) rewritten to TeX for the equation editor.
#include <string>
#include <string_view>

#include "quillon4ppt/formula/formula_context.h"

namespace formula {

// Rewrites the first operator occurrence of the highest priority until none is
// left, then the relation signs and Greek letters. The result still holds the
// placeholder names made into ctx.placeholders.
std::u32string TranslateFormula(FormulaContext& ctx, std::u32string_view text);

// The whole translation of one formula: a fresh placeholder table, the rewrite,
// the placeholders restored. TeX without math delimiters.
std::string FormulaToTex(FormulaContext& ctx, std::string_view formula);
std::string FormulaToTex(std::string_view formula);

}  // namespace formula
