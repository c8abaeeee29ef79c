#pragma once
// Number literals as the script language writes them: 12, 1.5, .5, 1., 2E-3, &HFF,
// &O17 and &17 (octal); a hexadecimal or octal literal of up to 4 digits is a
// 16-bit whole number (&HFFFF is -1), up to 8 digits a 32-bit one, a trailing "&"
// makes it 32 bits.
#include <cstddef>
#include <string_view>

#include "platform/script/script_error.h"

namespace script {

struct Literal {
    std::size_t length = 0;  // characters read; 0 when no literal starts here
    double value = 0;
    ErrorKind error = ErrorKind::None;  // a literal too large
};

Literal ReadLiteral(std::string_view text);

// The value x holds after the statement "x = " followed by v's decimal text with 15
// significant digits and a decimal point.
double AssignedValue(double v);

}  // namespace script
