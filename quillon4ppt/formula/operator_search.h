#pragma once
// Which operator word the translator rewrites next.
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace formula {

// In priority order.
enum class Operator {
    Sqr,
    G,
    Superscript,
    Subscript,
    Fraction,
    PermA,
    PermP,
    CombC,
    Arc,
    Vector,
    System,
    Addition
};

struct OperatorHit {
    Operator op;
    std::size_t pos;
};

// The first occurrence, in priority order, that has a rewrite. Occurrences without
// one stay in the text and are passed over, so the search always moves on: a "g"
// that is part of a word (lg, log, TeX commands) or a Greek letter (@g); a
// permutation or combination without a comma, which reads as a function or a
// probability (P(A)); "hu", "xl", "fcz" and "ss" without their bracket.
// `skippedG` runs after every "g" passed over.
std::optional<OperatorHit> findOperator(std::u32string_view text, const std::function<void()>& skippedG);

}  // namespace formula
