#include "quillon4ppt/graph/curves/trig_label.h"

#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_slide.h"
#include "quillon4ppt/graph/curve_checks.h"

namespace graph {
namespace {

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

struct Fraction {
    std::string numerator, denominator = "1";
};

Fraction split(std::string text) {
    replaceAll(text, "--", "");
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return {text};
    return {text.substr(0, slash), text.substr(slash + 1)};
}

// The teacher's help writes PI, so the label accepts π in any case.
bool holdsPi(const std::string& text) {
    return common::lowerAscii(text).find("pi") != std::string::npos;
}

// A text that is a plain number equal to 0 ("0", "-0", " 0.0"); any other text is not.
bool isZero(const std::string& text) {
    const std::string t = common::trimBlanks(text);
    bool digit = false;
    for (char ch : t) {
        if (ch >= '0' && ch <= '9')
            digit = true;
        else if (ch != '+' && ch != '-' && ch != '.')
            return false;
    }
    return digit && common::Val(t) == 0;
}

double valueWithPiAsOne(const std::string& text) {
    std::string t = common::lowerAscii(text);
    replaceAll(t, "pi", "1");
    return common::Val(t);
}

std::string withPi(double num, double den) {
    const std::string n = common::PlainNumberText(num), d = common::PlainNumberText(den);
    if (den == 1) return num == 1 ? "@p" : num == -1 ? "-@p" : n + "@p";
    if (num == 1) return "(@p)/" + d;
    if (num == -1) return "-(@p)/" + d;
    return "(" + n + "@p)/" + d;
}

}  // namespace

std::string PiLabel(const std::string& a, const std::string& b, const std::string& c) {
    const Fraction fa = split(a), fb = split(b), fc = split(c);
    const bool piA = holdsPi(fa.numerator), piB = holdsPi(fb.numerator);
    const bool pi = (piA && piB) || (piA && isZero(fb.numerator)) || (isZero(fa.numerator) && piB);
    try {
        const double an = valueWithPiAsOne(fa.numerator), ad = common::Val(fa.denominator);
        const double bn = valueWithPiAsOne(fb.numerator), bd = common::Val(fb.denominator);
        const double cd = common::CInt(common::Val(fc.denominator));
        double num = (an * bd + ad * bn) * cd;
        double den = common::CInt(ad * bd * common::Val(fc.numerator));
        if (den == 0) return "";
        const std::int32_t g = CommonDivisor(common::CLng(num), static_cast<std::int32_t>(den));
        if (g == 0) return "";
        if (g != 1) {
            num = num / g;
            den = common::CInt(den / g);
        }
        if (pi) return withPi(num, den);
        return "(" + common::PlainNumberText(num) + ")/" + common::PlainNumberText(den);
    } catch (const common::OverflowError&) {
        return "";
    }
}

std::string KeyPointLabel(const std::string& a, const std::string& b, const std::string& c, double x) {
    const std::string phase = split(b).numerator;
    if (!holdsPi(phase) && !isZero(phase)) return common::PlainNumberText(roundTwoDecimals(x));
    return PiLabel(a, b, c);
}

std::string ReplacePi(const std::string& label, const std::string& pi) {
    std::string out = label;
    replaceAll(out, "@p", pi);
    return out;
}

}  // namespace graph
