#include "quillon4ppt/graph/curves/evaluate_at.h"

#include "platform/script/literal.h"

namespace graph {

std::optional<double> EvaluateAt(double v, const script::Expression& expression) {
    const script::Result r = expression.evaluate(script::AssignedValue(v));
    if (!r.ok()) return std::nullopt;
    return r.value;
}

CurveFunction ExpressionFunction(const script::Expression& expression) {
    return [&expression](double v) { return EvaluateAt(v, expression); };
}

}  // namespace graph
