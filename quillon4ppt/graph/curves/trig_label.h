#pragma once
// The labels of the key points of sine and cosine: fractions of π in the label
// notation ("@p" for π, "(" ")" around a numerator, "/" before the denominator).
#include <string>

namespace graph {

// The label of the key point where ωx + φ = a, with b = -φ and c = ω, all as typed
// texts; empty when it cannot be computed.
std::string PiLabel(const std::string& a, const std::string& b, const std::string& c);

// PiLabel, unless the phase holds no π and is not 0: then the fraction would not be
// the point's abscissa, and the label is x itself with at most two decimals.
std::string KeyPointLabel(const std::string& a, const std::string& b, const std::string& c, double x);

// The label as the canvas and the shape names show it: π written for "@p".
std::string ReplacePi(const std::string& label, const std::string& pi);

}  // namespace graph
