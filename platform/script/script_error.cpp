#include "platform/script/script_error.h"

namespace script {

std::string ErrorDescription(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::None:
            return "";
        case ErrorKind::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case ErrorKind::Overflow:
            return "Overflow";
        case ErrorKind::DivisionByZero:
            return "Division by zero";
        case ErrorKind::TypeMismatch:
            return "Type mismatch";
        case ErrorKind::OutOfStackSpace:
            return "Out of stack space";
        case ErrorKind::WrongArgumentCount:
            return "Wrong number of arguments or invalid property assignment";
        case ErrorKind::Syntax:
            return "Syntax error";
    }
    return "";
}

}  // namespace script
