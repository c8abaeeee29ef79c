#include "platform/script/number_machine.h"

#include <cmath>

#include "platform/script/expression.h"
#include "platform/script/operators.h"

namespace script {
namespace {

// Where a pushed value or the right operand of a binary step comes from: the stack,
// or a leaf computed on the spot (x, x², x³, x⁴ and c·x as well as a constant).
// Step codes: pushes and binary steps come in groups of kSources, by source.
enum : int {
    kFromStack = 0,
    kFromConstant,
    kFromX,
    kFromXSquare,
    kFromXCube,
    kFromXFourth,
    kFromConstantTimesX,
    kSources,

    kPush = 0,
    kZero = kPush + kSources,
    kMinusOne,
    kNegate,
    kNot,
    kCall,
    kSin,  // functions that cannot fail and keep an infinity, called directly
    kCos,
    kTan,
    kAbs,
    kFail,
    kSquare,
    kCube,
    kFourth,
    kAdd,
    kSubtract = kAdd + kSources,
    kMultiply = kSubtract + kSources,
    kDivide = kMultiply + kSources,
    kGeneral = kDivide + kSources,  // every other binary operator
};

bool Finite(double v) {
    return v - v == 0;
}

std::uint8_t CodeOf(const Instruction& i) {
    const std::uint8_t source = static_cast<std::uint8_t>(i.right);  // Stack, Constant or X
    switch (i.op) {
        case Op::Constant:
            return kPush + kFromConstant;
        case Op::X:
            return kPush + kFromX;
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
            if (i.arguments != 1) return kCall;
            switch (i.function) {
                case Function::Sin:
                    return kSin;
                case Function::Cos:
                    return kCos;
                case Function::Tan:
                    return kTan;
                case Function::Abs:
                    return kAbs;
                default:
                    return kCall;
            }
        case Op::Fail:
            return kFail;
        case Op::Square:
            return kSquare;
        case Op::Cube:
            return kCube;
        case Op::Fourth:
            return kFourth;
        case Op::Add:
            return kAdd + source;
        case Op::Subtract:
            return kSubtract + source;
        case Op::Multiply:
            return kMultiply + source;
        case Op::Divide:
            return kDivide + source;
        default:
            return kGeneral + source;
    }
}

bool IsPush(std::uint8_t code) {
    return code > kPush && code < kPush + kSources;
}
bool IsBinary(std::uint8_t code) {
    return code >= kAdd;
}
std::uint8_t SourceOf(std::uint8_t code) {
    return static_cast<std::uint8_t>((code - kAdd) % kSources);
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
    for (const Instruction& i : program.code) {
        Step step{CodeOf(i), i.op, i.function, i.arguments, i.error, i.value};
        Step* last = steps_.empty() ? nullptr : &steps_.back();
        // x followed by a small power, or c followed by "* x", is one leaf.
        if (last && last->code == kPush + kFromX && step.code >= kSquare && step.code <= kFourth) {
            last->code = kPush + kFromXSquare + (step.code - kSquare);
            continue;
        }
        if (last && last->code == kPush + kFromConstant && step.code == kMultiply + kFromX) {
            last->code = kPush + kFromConstantTimesX;
            continue;
        }
        // A leaf just pushed as the right operand is computed by the binary step itself.
        if (last && IsPush(last->code) && IsBinary(step.code) && SourceOf(step.code) == kFromStack) {
            step.code = static_cast<std::uint8_t>(step.code + (last->code - kPush));
            step.value = last->value;
            steps_.back() = step;
            continue;
        }
        steps_.push_back(step);
    }
}

// The top of the stack is kept in acc, the values under it in the stack. The leaf
// a push or a binary step takes, by its source (not the stack).
#define LEAF_CASE(CODE, SOURCE, VALUE, BODY) \
    case CODE + SOURCE: {                    \
        const double leaf = VALUE;           \
        BODY;                                \
        continue;                            \
    }
#define LEAF_CASES(CODE, BODY)                     \
    LEAF_CASE(CODE, kFromConstant, s.value, BODY)  \
    LEAF_CASE(CODE, kFromX, x, BODY)               \
    LEAF_CASE(CODE, kFromXSquare, x* x, BODY)      \
    LEAF_CASE(CODE, kFromXCube, Cube(x), BODY)     \
    LEAF_CASE(CODE, kFromXFourth, Fourth(x), BODY) \
    LEAF_CASE(CODE, kFromConstantTimesX, s.value* x, BODY)
// A binary step for every source of its right operand `leaf`; acc is the left
// operand and receives the result. BODY breaks out with e set when it fails.
#define BINARY_CASES(CODE, BODY) \
    case CODE + kFromStack: {    \
        const double leaf = acc; \
        acc = *--under;          \
        BODY;                    \
        continue;                \
    }                            \
        LEAF_CASES(CODE, BODY)

Result NumberMachine::run(double x) const {
    double* const bottom = stack_.data();
    double* under = bottom;  // the next free place under the top
    double acc = 0;
    ErrorKind e = ErrorKind::None;
    for (const Step& s : steps_) {
        switch (s.code) {
            LEAF_CASES(kPush, (*under++ = acc, acc = leaf))
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
            case kSin:
                acc = std::sin(acc);
                continue;
            case kCos:
                acc = std::cos(acc);
                continue;
            case kTan:
                acc = std::tan(acc);
                continue;
            case kAbs:
                acc = std::fabs(acc);
                continue;
            case kFail:
                e = s.error;
                break;
                BINARY_CASES(kAdd, acc += leaf)
                BINARY_CASES(kSubtract, acc -= leaf)
                BINARY_CASES(kMultiply, acc *= leaf)
                BINARY_CASES(kDivide, if (leaf != 0 && Finite(leaf)) acc /= leaf;
                             else if ((e = DivideFinite(acc, leaf)) != ErrorKind::None) break)
                BINARY_CASES(kGeneral, if ((e = General(s.op, acc, leaf)) != ErrorKind::None) break)
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

#undef BINARY_CASES
#undef LEAF_CASES
#undef LEAF_CASE

}  // namespace script
