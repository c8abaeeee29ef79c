#pragma once
// A session with one exponential, logarithmic, power and inverse-proportion curve.

// 2^x, log_2 |x| over -5..5, the cube root over -5..5 and 1/x, inserted.
constexpr const char* kPowerCurvesSession = R"(tab SSTab1 5
set txtA_Exponent(0) 2
print txtXmin_Exponent
print txtXmax_Exponent
click cmdOK_Exponent
tab SSTab1 6
choose optLogAbsX
set txtA_log 2
click cmdOK_log
tab SSTab1 4
choose optXmn_Power
set txtM_Power 3
set txtN_Power 1
click cmdOK_Pwoer
tab SSTab1 2
click cmdOK_FBL(0)
print List1
click cmdOK
print caption
)";
