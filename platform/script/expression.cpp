#include "platform/script/expression.h"

#include <algorithm>

#include "platform/script/operators.h"

namespace script {
namespace {

bool IsArithmetic(Op op) {
    return op >= Op::Add && op <= Op::Fourth;
}

}  // namespace

Expression::Expression(std::string_view text) : program_(Compile(text)) {
    const bool numeric = std::none_of(program_.code.begin(), program_.code.end(),
                                      [](const Instruction& i) { return i.op == Op::Concat; });
    if (numeric)
        numbers_.emplace(program_);
    else
        stack_.resize(program_.depth + 1);
}

Result Expression::evaluate(double x) const {
    if (program_.error != ErrorKind::None) return {0, program_.error};
    return numbers_ ? numbers_->run(x) : evaluateValues(x);
}

Result Expression::evaluateValues(double x) const {
    Value* stack = stack_.data();
    std::size_t top = 0;  // the next free place
    const Value xv = Number(x);
    texts_.clear();
    for (const Instruction& i : program_.code) {
        ErrorKind e = ErrorKind::None;
        switch (i.op) {
            case Op::Constant:
                stack[top++] = Number(i.value);
                continue;
            case Op::X:
                stack[top++] = xv;
                continue;
            case Op::Empty:
                stack[top++] = Value{};
                continue;
            case Op::True:
                stack[top++] = Boolean(true);
                continue;
            case Op::False:
                stack[top++] = Boolean(false);
                continue;
            case Op::Negate:
                if (stack[top - 1].type == Type::Number)
                    stack[top - 1].number = -stack[top - 1].number;
                else
                    e = Negate(stack[top - 1], texts_);
                break;
            case Op::Not:
                e = Not(stack[top - 1], texts_);
                break;
            case Op::Call:
                top -= i.arguments;
                e = Call(i.function, &stack[top], i.arguments, texts_);
                ++top;
                break;
            case Op::Fail:
                return {0, i.error};
            default: {
                const Value b = i.right == Operand::Stack ? stack[--top]
                                : i.right == Operand::X   ? xv
                                                          : Number(i.value);
                Value& a = stack[top - 1];
                if (a.type == Type::Number && b.type == Type::Number && IsArithmetic(i.op))
                    e = Arithmetic(i.op, a.number, b.number, a.number);
                else
                    e = Apply(i.op, a, b, texts_);
            }
        }
        if (e != ErrorKind::None) return {0, e};
    }
    Result r;
    r.error = ToNumber(stack[0], texts_, r.value);
    return r;
}

}  // namespace script
