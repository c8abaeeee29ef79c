// The key-point labels: fractions of π in the label notation, and the abscissa where
// the phase holds no π.
#include "quillon4ppt/graph/curves/trig_label.h"

#include <gtest/gtest.h>

using graph::KeyPointLabel;
using graph::PiLabel;

TEST(PiLabel, TheRowsForOmegaOne) {
    EXPECT_EQ(PiLabel("1*pi/2", "-0", "1"), "(@p)/2");
    EXPECT_EQ(PiLabel("2*pi/2", "-0", "1"), "@p");
    EXPECT_EQ(PiLabel("3*pi/2", "-0", "1"), "(3@p)/2");
    EXPECT_EQ(PiLabel("-1*pi/2", "-0", "1"), "-(@p)/2");
    EXPECT_EQ(PiLabel("-3*pi/2", "-0", "1"), "(-3@p)/2");
    EXPECT_EQ(PiLabel("0", "-1", "1"), "(-1)/1");
    EXPECT_EQ(PiLabel("1*pi/2", "-pi/3", "1"), "(@p)/6");
}

TEST(PiLabel, OmegaDoubleNegationAndWholeMultiples) {
    EXPECT_EQ(PiLabel("1*pi/2", "-0", "2"), "(@p)/4");
    EXPECT_EQ(PiLabel("4*pi/2", "-0", "1"), "2@p");
    EXPECT_EQ(PiLabel("-2*pi/2", "-0", "1"), "-@p");
    // A phase typed -pi/3 arrives as --pi/3, which reads pi/3.
    EXPECT_EQ(PiLabel("0", "--pi/3", "1"), "(@p)/3");
    EXPECT_EQ(PiLabel("0", "-pi/3", "1"), "-(@p)/3");
    // ω given as a fraction: x = (π/2)·2 = π.
    EXPECT_EQ(PiLabel("1*pi/2", "-0", "1/2"), "@p");
}

TEST(PiLabel, PiInAnyCaseAndFailuresStayEmpty) {
    EXPECT_EQ(PiLabel("1*pi/2", "-PI/3", "1"), PiLabel("1*pi/2", "-pi/3", "1"));
    EXPECT_EQ(PiLabel("1*pi/2", "-Pi/3", "1"), "(@p)/6");
    // Not a number: it does not count as 0, so no π.
    EXPECT_EQ(PiLabel("1*pi/2", "-x", "1"), "(1)/2");
    EXPECT_EQ(PiLabel("1*pi/2", "-0", "0"), "");
    EXPECT_EQ(PiLabel("1*pi/2", "-0", "1/99999"), "");
}

TEST(KeyPointLabel, APhaseWithoutPiLabelsTheAbscissa) {
    // φ = 1: ωx + φ = π/2 at x = π/2 − 1.
    EXPECT_EQ(KeyPointLabel("1*pi/2", "-1", "1", 1.5707963 - 1), "0.57");
    EXPECT_EQ(KeyPointLabel("2*pi/2", "-1", "1", 3.14159265 - 1), "2.14");
    EXPECT_EQ(KeyPointLabel("2*pi/2", "--1", "1", 4.14159265), "4.14");
    EXPECT_EQ(KeyPointLabel("3*pi/2", "-0", "1", 4.71), "(3@p)/2");
    EXPECT_EQ(KeyPointLabel("1*pi/2", "-PI/3", "1", 0.52), "(@p)/6");
}
