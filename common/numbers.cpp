#include "common/numbers.h"

#include <algorithm>
#include <cctype>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <string>

namespace common {
namespace {

bool isSkippedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!isSkippedBlank(c)) out += c;
    return out;
}

// "&H"/"&O" literals read as the system reads them: up to 16 bits signed, then 32.
double radixValue(const std::string& s, int radix) {
    unsigned long long value = 0;
    bool any = false;
    for (std::size_t i = 2; i < s.size(); ++i) {
        int digit = -1;
        char c = s[i];
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix) break;
        any = true;
        value = value * radix + digit;
        if (value > 0xFFFFFFFFull) break;
    }
    if (!any) return 0;
    if (value <= 0xFFFFull) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFFFFFFull) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<double>(value);
}

// Length of the decimal number at the start of s, "D" exponents allowed.
std::size_t decimalPrefix(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

// A number past a double's range, whose digits and exponent are well formed:
// infinity when it is too large, zero when it is too small.
double beyondRange(std::string_view number) {
    const bool negative = number.front() == '-';
    const std::size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t lead = mantissa.find_first_of("123456789");
    if (lead == std::string_view::npos) return 0;
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    // The value lies in [10^(magnitude-1), 10^magnitude) before the exponent.
    const long long magnitude =
        lead < point ? static_cast<long long>(point - lead) : -static_cast<long long>(lead - point - 1);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        bool down = false;
        for (char c : number.substr(e + 1)) {
            if (c == '-') down = true;
            if (std::isdigit(static_cast<unsigned char>(c)) && exponent < 100000)
                exponent = exponent * 10 + (c - '0');
        }
        if (down) exponent = -exponent;
    }
    if (magnitude + exponent <= 0) return 0;
    return negative ? -HUGE_VAL : HUGE_VAL;
}

// The absolute value rounded half away from zero to `decimals` places, as an
// integer digit string and a fraction digit string of exactly `decimals` digits.
// Works on the 15 significant digits the system shows, not on binary noise.
void roundedDigits(double value, int decimals, std::string& intPart, std::string& fracPart) {
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buf, written.ptr - buf);
    const std::size_t e = text.find('e');
    std::string mantissa;
    for (char c : text.substr(0, e))
        if (c != '.') mantissa += c;
    std::string_view exponentText = text.substr(e + 1);
    const bool down = exponentText.front() == '-';
    int exponent = 0;
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(), exponent);
    if (down) exponent = -exponent;
    // digits[k] has place value 10^(exponent - k)
    int keep = exponent + 1 + decimals;  // digits that stay
    std::string digits = mantissa;
    if (keep < 0) {
        digits = "0";
        exponent = 0;
        keep = 1 + decimals;
    } else if (keep < static_cast<int>(digits.size())) {
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            int k = keep - 1;
            while (k >= 0 && digits[k] == '9') digits[k--] = '0';
            if (k >= 0)
                ++digits[k];
            else {
                digits.insert(digits.begin(), '1');
                ++exponent;
                ++keep;
            }
        }
        if (digits.empty()) {
            digits = "0";
            exponent = 0;
            keep = 1 + decimals;
        }
    }
    int intDigits = exponent + 1;
    std::string full;
    if (intDigits <= 0)
        full = std::string(1 - intDigits, '0') + digits, intDigits = 1;
    else
        full = digits;
    if (static_cast<int>(full.size()) < intDigits + decimals)
        full.append(intDigits + decimals - full.size(), '0');
    intPart = full.substr(0, intDigits);
    fracPart = full.substr(intDigits, decimals);
    std::size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "0" : intPart.substr(nz);
}

}  // namespace

double Val(std::string_view text) {
    std::string s = withoutBlanks(text);
    if (s.size() >= 2 && s[0] == '&') {
        char r = s[1];
        if (r == 'h' || r == 'H') return radixValue(s, 16);
        if (r == 'o' || r == 'O') return radixValue(s, 8);
        return 0;
    }
    std::size_t n = decimalPrefix(s);
    if (n == 0) return 0;
    std::string number = s.substr(0, n);
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'E';
    const char* first = number.data();
    if (*first == '+') ++first;
    double v = 0;
    if (std::from_chars(first, number.data() + number.size(), v).ec == std::errc::result_out_of_range)
        v = beyondRange(number);
    return v == 0 ? 0.0 : v;
}

double roundHalfEven(double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    double r = std::nearbyint(value);
    std::fesetround(previous);
    return r;
}

std::int16_t CInt(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw OverflowError("the number " + PlainNumberText(value) + " is outside -32768..32767");
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double value) {
    double r = roundHalfEven(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        throw OverflowError("the number " + PlainNumberText(value) + " is outside the 32-bit range");
    return static_cast<std::int32_t>(r);
}

std::string PlainNumberText(double value) {
    if (value == 0) return "0";
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, written.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string NumberText(double value) {
    std::string s = PlainNumberText(value);
    return s[0] == '-' ? s : " " + s;
}

std::string FormatFixed2(double value) {
    if (!std::isfinite(value)) return PlainNumberText(value);
    std::string intPart, fracPart;
    roundedDigits(value, 2, intPart, fracPart);
    bool zero = intPart == "0" && fracPart == "00";
    return (value < 0 && !zero ? "-" : "") + intPart + "." + fracPart;
}

std::string FormatHashes(double value) {
    if (!std::isfinite(value)) return PlainNumberText(value);
    std::string intPart, fracPart;
    roundedDigits(value, 2, intPart, fracPart);
    while (!fracPart.empty() && fracPart.back() == '0') fracPart.pop_back();
    bool zero = intPart == "0" && fracPart.empty();
    if (intPart == "0") intPart.clear();
    return (value < 0 && !zero ? "-" : "") + intPart + "." + fracPart;
}

}  // namespace common
