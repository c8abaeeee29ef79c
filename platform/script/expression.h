#pragma once
// The evaluator that stands in for the script control: an expression in the script
// language's syntax, read once into a compact program and evaluated for any x.
// Unknown names are empty (0); every failure belongs to one evaluation only.
#include <optional>
#include <string_view>

#include "platform/script/number_machine.h"
#include "platform/script/program.h"
#include "platform/script/value.h"

namespace script {

struct Result {
    double value = 0;
    ErrorKind error = ErrorKind::None;
    bool ok() const { return error == ErrorKind::None; }
};

class Expression {
public:
    explicit Expression(std::string_view text);

    // The expression's value as a double with x holding the number x: truth values
    // are -1 / 0, the empty value 0, text must read as a number. Not reentrant: the
    // evaluation works in scratch space of its own.
    Result evaluate(double x) const;

    // The error a text that could not be read gives every evaluation, or None.
    ErrorKind compileError() const { return program_.error; }

private:
    Result evaluateValues(double x) const;

    Program program_;
    std::optional<NumberMachine> numbers_;  // for programs without "&"
    mutable std::vector<Value> stack_;
    mutable Texts texts_;
};

}  // namespace script
