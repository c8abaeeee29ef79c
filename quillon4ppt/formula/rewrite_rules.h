#pragma once
// One rewrite of the operator occurrence at `pos` in the working text.
#include <cstddef>
#include <string>
#include <string_view>

#include "quillon4ppt/formula/formula_context.h"

namespace formula {

// "sqr" or "g": sqr(x), sqr(3,x) with an index, or sqrx for one character.
void rewriteRadical(FormulaContext& ctx, std::u32string& text, std::size_t pos, std::size_t opLength);

// "^" or "_" (fragment): the operator behind a placeholder, a bracketed script in braces.
void rewriteScript(FormulaContext& ctx, std::u32string& text, std::size_t pos, std::u32string_view fragment);

// "/": \frac of the operands on either side.
void rewriteFraction(std::u32string& text, std::size_t pos);

// "A(", "P(", "C(" with a comma in the group: A(m,n) gives A^{m}_{n}.
void rewritePermutation(std::u32string& text, std::size_t pos);

// "xl(AB)" or "hu(AB)": head & AB & "}" (\vec{AB}, an arc over AB).
void rewriteMarkedGroup(std::u32string& text, std::size_t pos, std::u32string_view head);

// "fcz(eq1,eq2,...)": a left-braced system, one equation a line.
void rewriteSystem(FormulaContext& ctx, std::u32string& text, std::size_t pos);

// "ss(a+b)": the whole text becomes the column addition.
void rewriteAddition(FormulaContext& ctx, std::u32string& text, std::size_t pos);

}  // namespace formula
