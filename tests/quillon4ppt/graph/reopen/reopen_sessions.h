#pragma once
// One session per plotting family, and four that move the ticks and numbers: what a
// teacher drew before pressing "插入PPT".
#include <ostream>
#include <string>
#include <vector>

struct ReopenSession {
    std::string name;
    std::string script;
    // The setting that session's coordinate system is drawn with: "" or one of
    // blYkdLeft, blYtxtLeft, blXkdUp, blXtxtUp.
    std::string setting;
};

inline void PrintTo(const ReopenSession& s, std::ostream* os) {
    *os << s.name;
}

inline const std::vector<ReopenSession>& reopenSessions() {
    static const std::vector<ReopenSession> sessions = {
        {"Points",
         "set txtPoint(0) 2\nset txtPoint(1) 3\nclick cmdDrawPoint\n"
         "set txtPoint(0) -1\nset txtPoint(1) 0\nclick cmdDrawPoint\n",
         ""},
        {"Lines",
         "tab SSTab1 1\nchoose optType_ZX(1)\nset txtZX(0) (1,1)\nset txtZX(1) 2\nclick cmdOK_ZX(0)\n", ""},
        {"Circle",
         "tab SSTab1 8\nchoose optXaYbR\nset txtR2 4\nset txta 1\nset txtb -1\n"
         "check chkCentreOfCircle 1\nclick cmdOK_Y\n",
         ""},
        {"Ellipse",
         "tab SSTab1 9\nchoose optPYx_TY\nset txtA2_TY 4\nset txtB2_TY 1\nset txtX0_TY 0\n"
         "set txtY0_TY 0\ncheck chkFocus_TY 1\ncheck chkDirectrix_TY 1\ncheck chkAxis_TY 1\n"
         "click cmdOK_TY\n",
         ""},
        {"Hyperbola",
         "tab SSTab1 10\nchoose optPYx_SQX\nset txtA2_SQX 1\nset txtB2_SQX 1\nset txtX0_SQX 0\n"
         "set txtY0_SQX 0\ncheck chkFocus_SQX 1\ncheck chkDirectrix_SQX 1\ncheck chkJJX_SQX 1\n"
         "check chkAxis_SQX 1\nclick cmdOK_SQX\n",
         ""},
        {"Parabola",
         "tab SSTab1 11\nchoose opt2px0\nset txt2p 4\nset txtX0_PWX 1\nset txtY0_PWX 1\n"
         "check chkFocus_PWX 1\ncheck chkDirectrix_PWX 1\ncheck chkAxis_PWX 1\nclick cmdOK_PWX\n",
         ""},
        {"Exponential", "tab SSTab1 5\nset txtA_Exponent(0) 2\nclick cmdOK_Exponent\n", ""},
        {"Logarithm", "tab SSTab1 6\nchoose optLogAbsX\nset txtA_log 2\nclick cmdOK_log\n", ""},
        {"Power",
         "tab SSTab1 4\nchoose optXmn_Power\nset txtM_Power 3\nset txtN_Power 1\nclick cmdOK_Pwoer\n", ""},
        {"Inverse", "tab SSTab1 2\nset txtFBL(0) 2\nclick cmdOK_FBL(0)\n", ""},
        {"Expression",
         "tab SSTab1 7\nset txtExp x^2\nset txtXmin_Any -3\nset txtXmax_Any 3\nclick cmdOK_Any\n"
         "set txtExp 1/x\nset txtXmin_Any -5\nset txtXmax_Any 5\nclick cmdOK_Any\n",
         ""},
        {"Trig", "tab SSTab1 0\nchoose optType_SJ(2)\nset txtA_sin 2\nclick cmdOK_sin\n", ""},
        {"TicksLeft", "scroll HScrollx 2\ncheck chkDrawScale 1\n", "blYkdLeft"},
        {"NumbersLeft", "check chkDrawScale 1\n", "blYtxtLeft"},
        {"TicksUp", "check chkDrawScale 1\n", "blXkdUp"},
        {"NumbersUp", "set txtLenOfAxis_x 14\nkey txtLenOfAxis_x 13\ncheck chkDrawScale 1\n", "blXtxtUp"},
    };
    return sessions;
}
