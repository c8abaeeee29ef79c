#pragma once
// Evaluating a typed expression at one value of its variable, as the curve families do.
#include <optional>

#include "platform/script/expression.h"
#include "quillon4ppt/graph/curves/curve_trace.h"

namespace graph {

// The expression with x holding v's decimal text; nullopt where it fails.
std::optional<double> EvaluateAt(double v, const script::Expression& expression);

// The expression as a curve's function; it must outlive the function.
CurveFunction ExpressionFunction(const script::Expression& expression);

}  // namespace graph
