#pragma once
// The failures an evaluation can meet, with the script language's error numbers.
#include <string>

namespace script {

enum class ErrorKind {
    None = 0,
    InvalidProcedureCall = 5,  // Log of x <= 0, Sqr of x < 0, a negative base with a fractional exponent
    Overflow = 6,              // a result beyond Double, or a conversion beyond its type
    DivisionByZero = 11,
    TypeMismatch = 13,         // text that is no number, an unknown function
    OutOfStackSpace = 28,      // brackets nested too deep
    WrongArgumentCount = 450,  // a function called with too few or too many arguments
    Syntax = 1002,
};

// The language's description of the error ("Division by zero").
std::string ErrorDescription(ErrorKind kind);

}  // namespace script
