#pragma once
// Free-expression sessions a teacher could have had, and a fresh folder to play them in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// x² over -3..3 and 1/x over -5..5: one piece and two.
inline constexpr const char* kExpressionSession = R"(tab SSTab1 7
set txtExp x^2
set txtXmin_Any -3
set txtXmax_Any 3
click cmdOK_Any
set txtExp 1/x
set txtXmin_Any -5
set txtXmax_Any 5
click cmdOK_Any
print List1
print Label(23)
click cmdOK
print caption
)";
