#pragma once
// Turns what a teacher types (2x, sinx, 2(x+1)) into text the expression evaluator
// reads (2*x, sin(x), 2*(x+1)). Pure; it never fails and leaves odd text as its
// rules give it, for the evaluator to refuse.
#include <string>
#include <string_view>

namespace curves {

std::string NormaliseExpression(std::string_view text);

// Tests of the first character; false for an empty text.
bool IsOperatorChar(std::u32string_view text);     // - + * /
bool IsBracketChar(std::u32string_view text);      // ( ) [ ] { }
bool IsOpenBracketChar(std::u32string_view text);  // ( [ {

std::size_t CountOpenBrackets(std::u32string_view text);
std::size_t CountCloseBrackets(std::u32string_view text);
// No "(" of the text lacks a ")" after it; only parentheses count.
bool ParensClosed(std::u32string_view text);
// No closing bracket of the text comes before an opening one.
bool NoStrayClose(std::u32string_view text);

}  // namespace curves
