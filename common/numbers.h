#pragma once
// How the system reads numbers that teachers type and writes the numbers it shows.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/shown_error.h"

namespace common {

// A value does not fit the integer type it is stored in.
class OverflowError : public ShownError {
public:
    explicit OverflowError(const std::string& detail) : ShownError(messages::kOverflow, detail) {}
};

// The leading number of the text: every blank, tab and line break is skipped first,
// then the longest number at the start is read ("&H"/"&O" prefixes and "E"/"D"
// exponents included); 0 when there is none.
double Val(std::string_view text);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);

// Rounding half to even into 16 and 32 bits; OverflowError outside the range.
std::int16_t CInt(double value);
std::int32_t CLng(double value);

// Up to 15 significant digits, no trailing zeros; "-" before a negative value and
// one blank before any other value (" 5", "-2", " 0.3").
std::string NumberText(double value);

// The same without the blank ("5", "-2", "0.3").
std::string PlainNumberText(double value);

// The pattern "###0.00": two decimals, halves away from zero ("3.14", "-0.50").
std::string FormatFixed2(double value);

// The pattern "##.##": no forced digits ("3.", ".5", "12.35").
std::string FormatHashes(double value);

}  // namespace common
