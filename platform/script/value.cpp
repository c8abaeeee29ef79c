#include "platform/script/value.h"

#include <cmath>

#include "common/numbers.h"
#include "platform/script/literal.h"

namespace script {
namespace {

// Text reads as a number when, blanks aside, it is one whole number with an optional sign.
bool ReadNumber(std::string_view t, double& out) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    bool negative = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) negative = t[0] == '-', t.remove_prefix(1);
    const Literal lit = ReadLiteral(t);
    if (lit.length == 0 || lit.length != t.size() || lit.error != ErrorKind::None) return false;
    out = negative ? -lit.value : lit.value;
    return true;
}

}  // namespace

ErrorKind ToNumber(const Value& v, const Texts& texts, double& out) {
    if (v.type != Type::Text) {
        out = v.number;
        return ErrorKind::None;
    }
    return ReadNumber(texts[v.text], out) ? ErrorKind::None : ErrorKind::TypeMismatch;
}

std::string ToText(const Value& v, const Texts& texts) {
    switch (v.type) {
        case Type::Empty:
            return "";
        case Type::Boolean:
            return v.number != 0 ? "True" : "False";
        case Type::Number:
            return common::PlainNumberText(v.number);
        case Type::Text:
            return texts[v.text];
    }
    return "";
}

Value MakeText(std::string text, Texts& texts) {
    texts.push_back(std::move(text));
    return {0, Type::Text, static_cast<std::uint32_t>(texts.size() - 1)};
}

ErrorKind ToLong(double v, std::int32_t& out) {
    const double r = common::roundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return ErrorKind::Overflow;
    out = static_cast<std::int32_t>(r);
    return ErrorKind::None;
}

}  // namespace script
