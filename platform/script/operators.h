#pragma once
// The operators and built-in functions of the expression language.
#include <cmath>
#include <cstdint>

#include "platform/script/program.h"
#include "platform/script/value.h"

namespace script {

ErrorKind Divide(double a, double b, double& out);
ErrorKind Power(double a, double b, double& out);
// \ and Mod round their operands to 32-bit whole numbers first.
ErrorKind IntDivide(double a, double b, double& out);
ErrorKind Modulo(double a, double b, double& out);

// x^3 and x^4 by multiplication.
inline double Cube(double x) {
    return x * x * x;
}
inline double Fourth(double x) {
    const double p = x * x;
    return p * p;
}

// Arithmetic on two numbers; the machine's fast path.
inline ErrorKind Arithmetic(Op op, double a, double b, double& out) {
    switch (op) {
        case Op::Add:
            out = a + b;
            break;
        case Op::Subtract:
            out = a - b;
            break;
        case Op::Multiply:
            out = a * b;
            break;
        case Op::Square:
            out = a * a;
            break;
        case Op::Cube:
            out = Cube(a);
            break;
        case Op::Fourth:
            out = Fourth(a);
            break;
        case Op::Divide:
            return Divide(a, b, out);
        case Op::Power:
            return Power(a, b, out);
        case Op::IntDivide:
            return IntDivide(a, b, out);
        case Op::Mod:
            return Modulo(a, b, out);
        default:
            return ErrorKind::Syntax;
    }
    return Checked(out);
}

// Comparisons hold for the order of two values (-1, 0, 1).
bool Holds(Op op, int order);
// And Or Xor Eqv Imp and Not on 32-bit whole numbers.
ErrorKind LogicBits(Op op, double a, double b, double& out);
ErrorKind NotBits(double a, double& out);
// A built-in function of numbers.
ErrorKind CallNumbers(Function f, const double* args, int count, double& out);

// Any binary operator on any two values; the result replaces a.
ErrorKind Apply(Op op, Value& a, const Value& b, Texts& texts);
ErrorKind Negate(Value& v, const Texts& texts);
ErrorKind Not(Value& v, const Texts& texts);

// A built-in function of its arguments; the result replaces the first.
ErrorKind Call(Function f, Value* args, int count, const Texts& texts);

}  // namespace script
