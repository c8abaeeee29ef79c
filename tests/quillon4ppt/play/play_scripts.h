#pragma once
// Sessions a teacher could have had, as play scripts.

// Two points on the default frame, inserted.
constexpr const char* kPointsSession = R"(# two points and the coordinate system
set txtPoint(0) 2
set txtPoint(1) 3
click cmdDrawPoint
set txtPoint(0) -1
set txtPoint(1) 0
click cmdDrawPoint
print List1
click cmdOK
print caption
)";

// One item of each line and conic family with every option, inserted.
constexpr const char* kConicsSession = R"(tab SSTab1 1
choose optType_ZX(1)
set txtZX(0) (1,1)
set txtZX(1) 2
click cmdOK_ZX(0)
tab SSTab1 8
choose optXaYbR
set txtR2 4
set txta 1
set txtb -1
check chkCentreOfCircle 1
click cmdOK_Y
tab SSTab1 9
choose optPYx_TY
set txtA2_TY 4
set txtB2_TY 1
set txtX0_TY 0
set txtY0_TY 0
check chkFocus_TY 1
check chkDirectrix_TY 1
check chkAxis_TY 1
click cmdOK_TY
tab SSTab1 10
choose optPYx_SQX
set txtA2_SQX 1
set txtB2_SQX 1
set txtX0_SQX 0
set txtY0_SQX 0
check chkFocus_SQX 1
check chkDirectrix_SQX 1
check chkJJX_SQX 1
check chkAxis_SQX 1
click cmdOK_SQX
tab SSTab1 11
choose opt2px0
set txt2p 4
set txtX0_PWX 1
set txtY0_PWX 1
check chkFocus_PWX 1
check chkDirectrix_PWX 1
check chkAxis_PWX 1
click cmdOK_PWX
print List1
click cmdOK
print caption
)";
