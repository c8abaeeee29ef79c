#include "quillon4ppt/formula/operator_search.h"

#include <array>
#include <string>

#include "quillon4ppt/formula/bracket_group.h"
#include "quillon4ppt/formula/narrow_width.h"
#include "quillon4ppt/formula/operands.h"

namespace formula {
namespace {

struct OperatorWord {
    Operator op;
    std::u32string_view word;
};

constexpr std::array<OperatorWord, 12> kOperators = {{
    {Operator::Sqr, U"sqr"},
    {Operator::G, U"g"},
    {Operator::Superscript, U"^"},
    {Operator::Subscript, U"_"},
    {Operator::Fraction, U"/"},
    {Operator::PermA, U"A("},
    {Operator::PermP, U"P("},
    {Operator::CombC, U"C("},
    {Operator::Arc, U"hu"},
    {Operator::Vector, U"xl"},
    {Operator::System, U"fcz"},
    {Operator::Addition, U"ss"},
}};

// "g" ends these words of the formula and of earlier rewrites (\begin, align, \right).
constexpr std::array<std::u32string_view, 5> kWordsEndingInG = {U"lg", U"log", U"beg", U"alig", U"rig"};

bool isRadicalG(std::u32string_view text, std::size_t pos) {
    std::u32string word = LetterRun(text, pos, true);
    for (auto w : kWordsEndingInG)
        if (word == w) return false;
    std::size_t start = pos + 1 - word.size();
    if (start == 0) return true;
    // \ge, \gamma, \sigma and the like come back from nested translations.
    if (text[start - 1] == U'\\') return false;
    return !(start == pos && text[pos - 1] == U'@');
}

bool charIs(std::u32string_view text, std::size_t pos, char32_t c) {
    return pos < text.size() && text[pos] == c;
}

bool hasComma(std::u32string_view text, std::size_t bracket) {
    return innerOf(*bracketGroupAt(text, bracket)).find(U',') != std::u32string::npos;
}

bool hasRewrite(Operator op, std::u32string_view text, std::size_t pos) {
    switch (op) {
        case Operator::G:
            return isRadicalG(text, pos);
        case Operator::PermA:
        case Operator::PermP:
        case Operator::CombC:
            return hasComma(text, pos + 1);
        case Operator::Arc:
        case Operator::Vector:
            return charIs(text, pos + 2, U'(');
        case Operator::System:
            return charIs(text, pos + 3, U'(');
        case Operator::Addition:
            return pos + 2 < text.size() && narrowChar(text[pos + 2]) == U'(';
        default:
            return true;
    }
}

}  // namespace

std::optional<OperatorHit> findOperator(std::u32string_view text, const std::function<void()>& skippedG) {
    for (const auto& [op, word] : kOperators) {
        for (std::size_t at = text.find(word); at != std::u32string_view::npos;
             at = text.find(word, at + 1)) {
            if (hasRewrite(op, text, at)) return OperatorHit{op, at};
            if (op == Operator::G && skippedG) skippedG();
        }
    }
    return std::nullopt;
}

}  // namespace formula
