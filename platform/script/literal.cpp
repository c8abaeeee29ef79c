#include "platform/script/literal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace script {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
    int d = -1;
    if (IsDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

// &H, &O and & followed by octal digits.
Literal ReadPrefixed(std::string_view t) {
    std::size_t at = 1;
    int base = 8;
    if (at < t.size() && (t[at] == 'h' || t[at] == 'H'))
        base = 16, ++at;
    else if (at < t.size() && (t[at] == 'o' || t[at] == 'O'))
        ++at;
    const std::size_t first = at;
    double v = 0;
    while (at < t.size() && DigitValue(t[at], base) >= 0) v = v * base + DigitValue(t[at++], base);
    if (at == first) return {};
    const bool forceLong = at < t.size() && t[at] == '&';
    if (forceLong) ++at;
    Literal lit{at, v};
    if (v > 4294967295.0)
        lit.error = ErrorKind::Overflow;
    else if (v >= 4294967296.0 / 2)
        lit.value = v - 4294967296.0;
    else if (!forceLong && v <= 65535 && v >= 32768)
        lit.value = v - 65536;
    return lit;
}

}  // namespace

Literal ReadLiteral(std::string_view t) {
    if (!t.empty() && t[0] == '&') return ReadPrefixed(t);
    std::size_t at = 0;
    while (at < t.size() && IsDigit(t[at])) ++at;
    const std::size_t whole = at;
    if (at < t.size() && t[at] == '.') {
        ++at;
        while (at < t.size() && IsDigit(t[at])) ++at;
    }
    if (at == 0 || (whole == 0 && at == 1)) return {};
    if (at < t.size() && (t[at] == 'e' || t[at] == 'E')) {
        std::size_t e = at + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        if (e < t.size() && IsDigit(t[e])) {
            while (e < t.size() && IsDigit(t[e])) ++e;
            at = e;
        }
    }
    // from_chars wants a digit before the point and takes no "+" in the exponent.
    std::string digits = (whole == 0 ? "0" : "") + std::string(t.substr(0, at));
    if (const auto plus = digits.find("E+"); plus != std::string::npos) digits.erase(plus + 1, 1);
    if (const auto plus = digits.find("e+"); plus != std::string::npos) digits.erase(plus + 1, 1);
    Literal lit{at};
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), lit.value);
    // Too small a number reads as 0, too large a one is an overflow.
    const bool tiny = digits.find("E-") != std::string::npos || digits.find("e-") != std::string::npos ||
                      digits.find_first_of("123456789") >= whole + (whole == 0 ? 1 : 0);
    if (ec == std::errc::result_out_of_range && !tiny) lit.error = ErrorKind::Overflow;
    return lit;
}

double AssignedValue(double v) {
    char buf[40];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::general, 15);
    const Literal lit = ReadLiteral(std::string_view(buf, static_cast<std::size_t>(end - buf)));
    return v < 0 ? -lit.value : lit.value;
}

}  // namespace script
