#pragma once
// Programs without "&" on plain doubles: no text can arise in them, so every value
// is its number (truth values -1 / 0, the empty value 0). Each binary operator is
// specialised for where its right operand comes from, so one dispatch runs a step.
#include <cstdint>
#include <vector>

#include "platform/script/program.h"

namespace script {

struct Result;

class NumberMachine {
public:
    explicit NumberMachine(const Program& program);
    // Not reentrant: the stack is the machine's own.
    Result run(double x) const;

private:
    struct Step {
        std::uint8_t code = 0;
        Op op = Op::Constant;  // the operator of the general steps
        Function function = Function::Abs;
        std::uint8_t arguments = 0;
        ErrorKind error = ErrorKind::None;
        double value = 0;
    };
    std::vector<Step> steps_;
    mutable std::vector<double> stack_;
};

}  // namespace script
