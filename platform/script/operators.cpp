#include "platform/script/operators.h"

#include <limits>

#include "common/numbers.h"

namespace script {
namespace {

constexpr double kDoublePrecision = 4503599627370496.0;  // 2^52: no fraction left beyond it

// Values that are equal, less or greater: numbers below texts, empty as "" beside text.
ErrorKind Compare(const Value& a, const Value& b, const Texts& texts, int& order) {
    const bool at = a.type == Type::Text, bt = b.type == Type::Text;
    if (at || bt) {
        if (at && bt)
            order = texts[a.text].compare(texts[b.text]);
        else if (a.type == Type::Empty || b.type == Type::Empty)
            order = ToText(a, texts).compare(ToText(b, texts));
        else
            order = at ? 1 : -1;
        order = (order > 0) - (order < 0);
        return ErrorKind::None;
    }
    order = (a.number > b.number) - (a.number < b.number);
    return ErrorKind::None;
}

}  // namespace

bool Holds(Op op, int order) {
    switch (op) {
        case Op::Equal:
            return order == 0;
        case Op::NotEqual:
            return order != 0;
        case Op::Less:
            return order < 0;
        case Op::Greater:
            return order > 0;
        case Op::LessEqual:
            return order <= 0;
        default:
            return order >= 0;
    }
}

namespace {

// Two truth values give a truth value.
ErrorKind Logic(Op op, Value& a, const Value& b, const Texts& texts) {
    double x = 0, y = 0, r = 0;
    for (ErrorKind e : {ToNumber(a, texts, x), ToNumber(b, texts, y)})
        if (e != ErrorKind::None) return e;
    if (ErrorKind e = LogicBits(op, x, y, r); e != ErrorKind::None) return e;
    const bool truth = a.type == Type::Boolean && b.type == Type::Boolean;
    a = {r, truth ? Type::Boolean : Type::Number, 0};
    return ErrorKind::None;
}

bool IsLogic(Op op) {
    return op == Op::And || op == Op::Or || op == Op::Xor || op == Op::Eqv || op == Op::Imp;
}
bool IsComparison(Op op) {
    return op >= Op::Equal && op <= Op::GreaterEqual;
}

ErrorKind Round(double x, const double* digits, double& out) {
    double n = 0;
    if (digits) {
        std::int32_t whole = 0;
        if (ErrorKind e = ToLong(*digits, whole); e != ErrorKind::None) return e;
        if (whole < 0) return ErrorKind::InvalidProcedureCall;
        n = whole;
    }
    const double scale = std::pow(10.0, n), scaled = x * scale;
    out = std::isfinite(scaled) && std::fabs(scaled) < kDoublePrecision
              ? common::roundHalfEven(scaled) / scale
              : x;
    return ErrorKind::None;
}

ErrorKind Function1(Function f, double x, double& out) {
    switch (f) {
        case Function::Abs:
            out = std::fabs(x);
            break;
        case Function::Atn:
            out = std::atan(x);
            break;
        case Function::Cos:
            out = std::cos(x);
            break;
        case Function::Exp:
            out = std::exp(x);
            break;
        case Function::Fix:
            out = std::trunc(x);
            break;
        case Function::Int:
            out = std::floor(x);
            break;
        case Function::Log:
            if (x <= 0) return ErrorKind::InvalidProcedureCall;
            out = std::log(x);
            break;
        case Function::Sgn:
            out = (x > 0) - (x < 0);
            break;
        case Function::Sin:
            out = std::sin(x);
            break;
        case Function::Sqr:
            if (x < 0) return ErrorKind::InvalidProcedureCall;
            out = std::sqrt(x);
            break;
        case Function::Tan:
            out = std::tan(x);
            break;
        case Function::CDbl:
            out = x;
            break;
        case Function::CInt:
            out = common::roundHalfEven(x);
            if (!(out >= -32768 && out <= 32767)) return ErrorKind::Overflow;
            break;
        case Function::CLng: {
            std::int32_t whole = 0;
            if (ErrorKind e = ToLong(x, whole); e != ErrorKind::None) return e;
            out = whole;
            break;
        }
        case Function::Round:
            return ErrorKind::WrongArgumentCount;
    }
    return Checked(out);
}

}  // namespace

ErrorKind Divide(double a, double b, double& out) {
    if (b == 0) return a == 0 ? ErrorKind::Overflow : ErrorKind::DivisionByZero;
    out = a / b;
    return Checked(out);
}

ErrorKind Power(double a, double b, double& out) {
    if (a < 0 && b != std::trunc(b)) return ErrorKind::InvalidProcedureCall;
    if (a == 0 && b < 0) return ErrorKind::DivisionByZero;
    out = std::pow(a, b);
    return Checked(out);
}

ErrorKind IntDivide(double a, double b, double& out) {
    std::int32_t p = 0, q = 0;
    for (ErrorKind e : {ToLong(a, p), ToLong(b, q)})
        if (e != ErrorKind::None) return e;
    if (q == 0) return ErrorKind::DivisionByZero;
    out = static_cast<double>(static_cast<std::int64_t>(p) / q);
    return out > std::numeric_limits<std::int32_t>::max() ? ErrorKind::Overflow : ErrorKind::None;
}

ErrorKind Modulo(double a, double b, double& out) {
    std::int32_t p = 0, q = 0;
    for (ErrorKind e : {ToLong(a, p), ToLong(b, q)})
        if (e != ErrorKind::None) return e;
    if (q == 0) return ErrorKind::DivisionByZero;
    out = static_cast<double>(static_cast<std::int64_t>(p) % q);
    return ErrorKind::None;
}

ErrorKind Apply(Op op, Value& a, const Value& b, Texts& texts) {
    const bool at = a.type == Type::Text, bt = b.type == Type::Text;
    if (op == Op::Concat || (op == Op::Add && at && bt)) {
        a = MakeText(ToText(a, texts) + ToText(b, texts), texts);
        return ErrorKind::None;
    }
    // Adding nothing to a text leaves the text.
    if (op == Op::Add && ((at && b.type == Type::Empty) || (bt && a.type == Type::Empty))) {
        if (bt) a = b;
        return ErrorKind::None;
    }
    if (IsComparison(op)) {
        int order = 0;
        if (ErrorKind e = Compare(a, b, texts, order); e != ErrorKind::None) return e;
        a = Boolean(Holds(op, order));
        return ErrorKind::None;
    }
    if (IsLogic(op)) return Logic(op, a, b, texts);
    double x = 0, y = 0, out = 0;
    for (ErrorKind e : {ToNumber(a, texts, x), ToNumber(b, texts, y)})
        if (e != ErrorKind::None) return e;
    if (ErrorKind e = Arithmetic(op, x, y, out); e != ErrorKind::None) return e;
    a = Number(out);
    return ErrorKind::None;
}

ErrorKind Negate(Value& v, const Texts& texts) {
    double x = 0;
    if (ErrorKind e = ToNumber(v, texts, x); e != ErrorKind::None) return e;
    v = Number(-x);
    return ErrorKind::None;
}

ErrorKind Not(Value& v, const Texts& texts) {
    double x = 0, r = 0;
    if (ErrorKind e = ToNumber(v, texts, x); e != ErrorKind::None) return e;
    if (ErrorKind e = NotBits(x, r); e != ErrorKind::None) return e;
    v = {r, v.type == Type::Boolean ? Type::Boolean : Type::Number, 0};
    return ErrorKind::None;
}

ErrorKind LogicBits(Op op, double a, double b, double& out) {
    std::int32_t p = 0, q = 0;
    for (ErrorKind e : {ToLong(a, p), ToLong(b, q)})
        if (e != ErrorKind::None) return e;
    switch (op) {
        case Op::And:
            out = p & q;
            break;
        case Op::Or:
            out = p | q;
            break;
        case Op::Xor:
            out = p ^ q;
            break;
        case Op::Eqv:
            out = ~(p ^ q);
            break;
        default:
            out = ~p | q;
            break;
    }
    return ErrorKind::None;
}

ErrorKind NotBits(double a, double& out) {
    std::int32_t whole = 0;
    if (ErrorKind e = ToLong(a, whole); e != ErrorKind::None) return e;
    out = ~whole;
    return ErrorKind::None;
}

ErrorKind CallNumbers(Function f, const double* args, int count, double& out) {
    return f == Function::Round ? Round(args[0], count > 1 ? &args[1] : nullptr, out)
                                : Function1(f, args[0], out);
}

ErrorKind Call(Function f, Value* args, int count, const Texts& texts) {
    double numbers[2] = {0, 0}, out = 0;
    for (int i = 0; i < count && i < 2; ++i)
        if (ErrorKind e = ToNumber(args[i], texts, numbers[i]); e != ErrorKind::None) return e;
    const ErrorKind e = CallNumbers(f, numbers, count, out);
    if (e == ErrorKind::None) args[0] = Number(out);
    return e;
}

}  // namespace script
