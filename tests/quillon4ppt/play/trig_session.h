#pragma once
// A session with the default sine of the trigonometric tab, inserted with its labels.
constexpr const char* kTrigSession = R"(tab SSTab1 0
click cmdOK_sin
print List1
click cmdOK
print caption
)";
