#include "platform/script/number_machine.h"

#include <cmath>

#include "platform/script/expression.h"
#include "platform/script/operators.h"

namespace script {
namespace {

// Step codes: the binary ones come in threes, by where the right operand comes from.
enum Code : std::uint8_t {
    kConstant,
    kX,
    kZero,
    kMinusOne,
    kNegate,
    kNot,
    kCall,
    kFail,
    kSquare,
    kCube,
    kFourth,
    kAdd,
    kAddConstant,
    kAddX,
    kSubtract,
    kSubtractConstant,
    kSubtractX,
    kMultiply,
    kMultiplyConstant,
    kMultiplyX,
    kDivide,
    kDivideConstant,
    kDivideX,
    kGeneral,
    kGeneralConstant,
    kGeneralX,  // every other binary operator
};

bool Finite(double v) {
    return v - v == 0;
}

std::uint8_t CodeOf(const Instruction& i) {
    const std::uint8_t mode = static_cast<std::uint8_t>(i.right);
    switch (i.op) {
        case Op::Constant:
            return kConstant;
        case Op::X:
            return kX;
        case Op::Empty:
        case Op::False:
            return kZero;
        case Op::True:
            return kMinusOne;
        case Op::Negate:
            return kNegate;
        case Op::Not:
            return kNot;
        case Op::Call:
            return kCall;
        case Op::Fail:
            return kFail;
        case Op::Square:
            return kSquare;
        case Op::Cube:
            return kCube;
        case Op::Fourth:
            return kFourth;
        case Op::Add:
            return kAdd + mode;
        case Op::Subtract:
            return kSubtract + mode;
        case Op::Multiply:
            return kMultiply + mode;
        case Op::Divide:
            return kDivide + mode;
        default:
            return kGeneral + mode;
    }
}

// Operators where an infinity could turn finite check their operands; the rest
// carry it to the end.
ErrorKind General(Op op, double& a, double b) {
    if (!Finite(a) || !Finite(b)) return ErrorKind::Overflow;
    switch (op) {
        case Op::Power:
            return Power(a, b, a);
        case Op::IntDivide:
            return IntDivide(a, b, a);
        case Op::Mod:
            return Modulo(a, b, a);
        case Op::Equal:
        case Op::NotEqual:
        case Op::Less:
        case Op::Greater:
        case Op::LessEqual:
        case Op::GreaterEqual:
            a = Holds(op, (a > b) - (a < b)) ? -1 : 0;
            return ErrorKind::None;
        default:
            return LogicBits(op, a, b, a);
    }
}

ErrorKind DivideFinite(double& a, double b) {
    if (!Finite(b)) return ErrorKind::Overflow;
    return Divide(a, b, a);
}

}  // namespace

NumberMachine::NumberMachine(const Program& program) : stack_(program.depth + 1) {
    for (const Instruction& i : program.code)
        steps_.push_back({CodeOf(i), i.op, i.function, i.arguments, i.error, i.value});
}

// The top of the stack is kept in acc, the values under it in the stack. One case
// per operand source of a binary step: b is the right operand, a the left one,
// which receives the result.
#define BINARY_STEPS(CODE, BODY)  \
    case CODE: {                  \
        const double b = acc;     \
        double& a = acc;          \
        a = *--under;             \
        BODY;                     \
        continue;                 \
    }                             \
    case CODE + 1: {              \
        const double b = s.value; \
        double& a = acc;          \
        BODY;                     \
        continue;                 \
    }                             \
    case CODE + 2: {              \
        const double b = x;       \
        double& a = acc;          \
        BODY;                     \
        continue;                 \
    }

Result NumberMachine::run(double x) const {
    double* const bottom = stack_.data();
    double* under = bottom;  // the next free place under the top
    double acc = 0;
    ErrorKind e = ErrorKind::None;
    for (const Step& s : steps_) {
        switch (s.code) {
            case kConstant:
                *under++ = acc;
                acc = s.value;
                continue;
            case kX:
                *under++ = acc;
                acc = x;
                continue;
            case kZero:
                *under++ = acc;
                acc = 0;
                continue;
            case kMinusOne:
                *under++ = acc;
                acc = -1;
                continue;
            case kNegate:
                acc = -acc;
                continue;
            case kSquare:
                acc *= acc;
                continue;
            case kCube:
                acc = Cube(acc);
                continue;
            case kFourth:
                acc = Fourth(acc);
                continue;
            case kNot:
                e = Finite(acc) ? NotBits(acc, acc) : ErrorKind::Overflow;
                break;
            case kCall: {
                // Known functions take one or two arguments.
                double args[2] = {acc, 0};
                if (s.arguments == 2) args[0] = *--under, args[1] = acc;
                e = Finite(args[0]) && Finite(args[1]) ? CallNumbers(s.function, args, s.arguments, acc)
                                                       : ErrorKind::Overflow;
                break;
            }
            case kFail:
                e = s.error;
                break;
                BINARY_STEPS(kAdd, a += b)
                BINARY_STEPS(kSubtract, a -= b)
                BINARY_STEPS(kMultiply, a *= b)
                BINARY_STEPS(kDivide, if ((e = DivideFinite(a, b)) != ErrorKind::None) break)
                BINARY_STEPS(kGeneral, if ((e = General(s.op, a, b)) != ErrorKind::None) break)
        }
        if (e == ErrorKind::None) continue;
        // An infinity met before came first: it is the overflow reported.
        for (double* p = bottom; p < under; ++p)
            if (!Finite(*p)) return {0, ErrorKind::Overflow};
        return {0, Finite(acc) ? e : ErrorKind::Overflow};
    }
    if (!Finite(acc)) return {0, ErrorKind::Overflow};
    return {acc, ErrorKind::None};
}

#undef BINARY_STEPS

}  // namespace script
