#pragma once
// The compact program an expression is compiled into: a stack machine whose binary
// operators may take their right operand straight from a constant or from x.
#include <cstdint>
#include <vector>

#include "platform/script/script_error.h"

namespace script {

enum class Op : std::uint8_t {
    Constant,
    X,
    Empty,
    True,
    False,
    Negate,
    Not,
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDivide,
    Mod,
    Power,
    Square,
    Cube,
    Fourth,
    Concat,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    Call,
    Fail,  // an error the evaluation meets here: an unknown function, a wrong argument count
};

enum class Operand : std::uint8_t { Stack, Constant, X };

enum class Function : std::uint8_t {
    Abs,
    Atn,
    Cos,
    Exp,
    Fix,
    Int,
    Log,
    Round,
    Sgn,
    Sin,
    Sqr,
    Tan,
    CDbl,
    CInt,
    CLng
};

struct Instruction {
    Op op = Op::Constant;
    Operand right = Operand::Stack;  // binary operators: where the right operand comes from
    Function function = Function::Abs;
    std::uint8_t arguments = 0;         // Call: how many values it takes from the stack
    ErrorKind error = ErrorKind::None;  // Fail
    double value = 0;                   // Constant, or the right operand
};

struct Program {
    std::vector<Instruction> code;
    std::size_t depth = 0;              // the deepest the stack gets
    ErrorKind error = ErrorKind::None;  // a text that could not be read fails every evaluation
};

// Reads the text; names and keywords in any case.
Program Compile(std::string_view text);

}  // namespace script
