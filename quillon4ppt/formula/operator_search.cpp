#include "quillon4ppt/formula/operator_search.h"

#include <array>
#include <string>
#include <vector>

#include "common/text.h"
#include "quillon4ppt/formula/bracket_group.h"
#include "quillon4ppt/formula/narrow_width.h"

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

// "g" ends these words of the formula and of earlier rewrites (\begin, align, \right)
// only as whole runs of letters.
constexpr std::array<std::u32string_view, 5> kWordsEndingInG = {U"lg", U"log", U"beg", U"alig", U"rig"};

// \ge, \gamma, \sigma, \Sigma, \varsigma, \omega and \Omega, which nested
// translations give back.
constexpr std::array<std::u32string_view, 6> kTexEndingInG = {U"\\g",      U"\\sig",  U"\\Sig",
                                                              U"\\varsig", U"\\omeg", U"\\Omeg"};

bool endsWith(std::u32string_view text, std::size_t last, std::u32string_view word) {
    return last + 1 >= word.size() && text.substr(last + 1 - word.size(), word.size()) == word;
}

bool isWholeWord(std::u32string_view text, std::size_t last, std::u32string_view word) {
    if (!endsWith(text, last, word)) return false;
    std::size_t start = last + 1 - word.size();
    return start == 0 || !common::IsLetterChar(text.substr(start - 1, 1));
}

bool isRadicalG(std::u32string_view text, std::size_t pos) {
    for (auto word : kWordsEndingInG)
        if (isWholeWord(text, pos, word)) return false;
    for (auto word : kTexEndingInG)
        if (endsWith(text, pos, word)) return false;
    return !endsWith(text, pos, U"@g");  // a Greek gamma
}

bool charIs(std::u32string_view text, std::size_t pos, char32_t c) {
    return pos < text.size() && text[pos] == c;
}

// Whether the round-bracket group at a "(" holds a comma between its brackets,
// worked out for the whole text at once, as every "A(", "P(" and "C(" is asked.
class CommaGroups {
public:
    explicit CommaGroups(std::u32string_view text)
        : ends_(roundGroupEnds(text)), commasBefore_(text.size() + 1) {
        for (std::size_t i = 0; i < text.size(); ++i)
            commasBefore_[i + 1] = commasBefore_[i] + (text[i] == U',');
    }

    bool innerHasComma(std::size_t open) const {
        std::size_t last = ends_[open] - 1;
        return last > open + 1 && commasBefore_[last] > commasBefore_[open + 1];
    }

private:
    std::vector<std::size_t> ends_;
    std::vector<std::size_t> commasBefore_;
};

class Search {
public:
    explicit Search(std::u32string_view text) : text_(text) {}

    bool hasRewrite(Operator op, std::size_t pos) {
        switch (op) {
            case Operator::G:
                return isRadicalG(text_, pos);
            case Operator::PermA:
            case Operator::PermP:
            case Operator::CombC:
                return commaGroups().innerHasComma(pos + 1);
            case Operator::Arc:
            case Operator::Vector:
                return charIs(text_, pos + 2, U'(');
            case Operator::System:
                return charIs(text_, pos + 3, U'(');
            case Operator::Addition:
                return pos + 2 < text_.size() && narrowChar(text_[pos + 2]) == U'(';
            default:
                return true;
        }
    }

private:
    const CommaGroups& commaGroups() {
        if (!commaGroups_) commaGroups_.emplace(text_);
        return *commaGroups_;
    }

    std::u32string_view text_;
    std::optional<CommaGroups> commaGroups_;
};

}  // namespace

std::optional<OperatorHit> findOperator(std::u32string_view text, const std::function<void()>& skippedG) {
    Search search(text);
    for (const auto& [op, word] : kOperators) {
        for (std::size_t at = text.find(word); at != std::u32string_view::npos;
             at = text.find(word, at + 1)) {
            if (search.hasRewrite(op, at)) return OperatorHit{op, at};
            if (op == Operator::G && skippedG) skippedG();
        }
    }
    return std::nullopt;
}

}  // namespace formula
