// The free-expression tab's draw action "确定" and its curves on the slide.
#include <algorithm>

#include "common/messages.h"
#include "common/text.h"
#include "platform/script/expression.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/curves/emit_curve.h"
#include "quillon4ppt/graph/curves/evaluate_at.h"
#include "quillon4ppt/graph/curves/expression_family.h"
#include "quillon4ppt/graph/curves/normalise_expression.h"

namespace graph {
namespace {

constexpr double kStep = 0.01;
constexpr const char* kDrawing = common::messages::kGraphDrawing;
constexpr const char* kDrawn = common::messages::kGraphDrawn;
constexpr const char* kNotComputable = common::messages::kGraphNotComputable;

CurveAxis AxisOf(int kind) {
    return kind == 1 ? CurveAxis::Vertical : CurveAxis::Horizontal;
}

}  // namespace

void ExpressionFamily::cmdOK_Any_Click() {
    frmGraph& g = graph_;
    const std::string typed = common::trimBlanks(txtExp.text());
    AnyRecord r;
    // A replay draws exactly what was recorded: normalising twice may change the text.
    r.expression = g.RecordItems ? curves::NormaliseExpression(typed) : typed;
    r.vFrom = readBox(txtXmin_Any), r.vTo = readBox(txtXmax_Any);
    if (!(r.vFrom < r.vTo) || !drawable(r.vFrom) || !drawable(r.vTo)) {
        g.showRangeError();
        return;
    }
    Label[23].setCaption(kDrawing);
    r.kind = optFY.value() ? 1 : 0;
    if (r.kind == 1) std::replace(r.expression.begin(), r.expression.end(), 'y', 'x');
    const script::Expression compiled(r.expression);
    // A flat line at some earlier value would be a wrong curve: an expression that no
    // sample of the range can compute is not listed.
    bool computed = false;
    const CurveFunction f = [&](double v) {
        std::optional<double> y = EvaluateAt(v, compiled);
        computed = computed || (y && drawable(*y));
        return y;
    };
    TracePreview(g, f, r.vFrom, r.vTo, kStep, &r.pieces, AxisOf(r.kind));
    if (!computed && g.RecordItems) {
        Label[23].setCaption("");
        g.dialogs().msgBox(kNotComputable);
        return;
    }
    r.look = g.lineLook();
    if (g.RecordItems) records.at(counter) = r;
    g.listItem(*this);
    Label[23].setCaption(kDrawn);
}

void RenderExpression(SlideContext& slide, const AnyRecord& record) {
    const script::Expression compiled(record.expression);
    for (const CurveInterval& piece : record.pieces)
        if (piece.started)
            EmitCurve(slide, ExpressionFunction(compiled), piece.xFrom, piece.xTo, kExpressionLabel,
                      record.look, AxisOf(record.kind));
}

}  // namespace graph
