#include "quillon4ppt/graph/curves/normalise_expression.h"

#include "common/text.h"

namespace curves {

using common::CountOccurrences;
using common::IsDigitChar;
using common::IsLetterChar;

namespace {

bool IsOneOf(std::u32string_view text, std::u32string_view chars) {
    return !text.empty() && chars.find(text[0]) != std::u32string_view::npos;
}

bool IsVariableChar(char32_t c) {
    return c == U'x' || c == U'X';
}

// A character the "*" and ")" rules work on: a digit, a point or the variable.
bool IsOperandChar(char32_t c) {
    return c == U'.' || IsVariableChar(c) || IsDigitChar(std::u32string(1, c));
}

std::u32string Bracket(char32_t c, std::u32string_view out) {
    if (c == U'{' || c == U'[') return U"(";
    if (c == U'}' || c == U']') return U")";
    if (c == U')' && CountOpenBrackets(out) > CountCloseBrackets(out) + 2) return U"))";
    return std::u32string(1, c);
}

std::u32string Operand(std::u32string_view s, std::size_t i, std::u32string_view out) {
    std::u32string c(1, s[i]);
    if (i > 0 && IsLetterChar(s.substr(i - 1)) && !IsVariableChar(s[i - 1])) c = U"(" + c;
    if (i + 1 < s.size()) {
        const std::u32string_view next = s.substr(i + 1);
        if (IsLetterChar(next) || IsOpenBracketChar(next))
            c += U"*";
        else if (IsOperatorChar(next) && !(ParensClosed(c) && ParensClosed(out)) && NoStrayClose(next))
            c += U")";
    } else if (CountOpenBrackets(c) + CountOpenBrackets(out) >
               CountCloseBrackets(c) + CountCloseBrackets(out)) {
        c += U")";
    }
    return c;
}

}  // namespace

bool IsOperatorChar(std::u32string_view text) {
    return IsOneOf(text, U"-+*/");
}
bool IsBracketChar(std::u32string_view text) {
    return IsOneOf(text, U"()[]{}");
}
bool IsOpenBracketChar(std::u32string_view text) {
    return IsOneOf(text, U"([{");
}

std::size_t CountOpenBrackets(std::u32string_view text) {
    return CountOccurrences(text, U"{") + CountOccurrences(text, U"[") + CountOccurrences(text, U"(");
}

std::size_t CountCloseBrackets(std::u32string_view text) {
    return CountOccurrences(text, U"}") + CountOccurrences(text, U"]") + CountOccurrences(text, U")");
}

bool ParensClosed(std::u32string_view text) {
    bool closeSeen = false;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (*it == U')') closeSeen = true;
        if (*it != U'(') continue;
        if (!closeSeen) return false;
        closeSeen = false;
    }
    return true;
}

bool NoStrayClose(std::u32string_view text) {
    bool openSeen = false;
    for (char32_t c : text) {
        const std::u32string_view one(&c, 1);
        if (IsOpenBracketChar(one)) openSeen = true;
        if (!IsOneOf(one, U")]}")) continue;
        if (!openSeen) return false;
        openSeen = false;
    }
    return true;
}

std::string NormaliseExpression(std::string_view text) {
    const std::u32string s = common::toUtf32(text);
    std::u32string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        std::u32string c;
        if (IsOperandChar(s[i]))
            c = Operand(s, i, out);
        else if (IsBracketChar(std::u32string_view(&s[i], 1)))
            c = Bracket(s[i], out);
        else
            c = std::u32string(1, s[i]);
        out += common::trimBlanks(c);
    }
    return common::toUtf8(out);
}

}  // namespace curves
