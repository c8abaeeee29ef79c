#pragma once
// The values an expression works with: a number, a truth value, text (from "&"),
// or the empty value of a name nobody assigned. Every number is kept as a double;
// the language's whole-number types hold nothing a double cannot.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/script/script_error.h"

namespace script {

enum class Type : std::uint8_t { Empty, Boolean, Number, Text };

struct Value {
    double number = 0;  // the number, or -1 / 0 for a truth value
    Type type = Type::Empty;
    std::uint32_t text = 0;  // index into the evaluation's texts
};

inline Value Number(double v) {
    return {v, Type::Number, 0};
}
inline Value Boolean(bool b) {
    return {b ? -1.0 : 0.0, Type::Boolean, 0};
}

// The texts one evaluation made.
using Texts = std::vector<std::string>;

// The number a value stands for in arithmetic: empty is 0, truth values -1 / 0,
// text must read as a number as a whole.
ErrorKind ToNumber(const Value& v, const Texts& texts, double& out);
std::string ToText(const Value& v, const Texts& texts);
Value MakeText(std::string text, Texts& texts);

// A finite double, or the overflow the language reports instead of infinity.
inline ErrorKind Checked(double v) {
    return v - v == 0 ? ErrorKind::None : ErrorKind::Overflow;
}

// Rounds half to even into the 32-bit range, as the whole-number operators do.
ErrorKind ToLong(double v, std::int32_t& out);

}  // namespace script
