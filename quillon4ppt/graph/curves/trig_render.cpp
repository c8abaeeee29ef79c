// The trigonometric curves on the slide, with the key-point labels as equations.
#include "common/text.h"
#include "platform/office/ignore_failure.h"
#include "platform/typeset/typesetter.h"
#include "quillon4ppt/formula/equation_bridge.h"
#include "quillon4ppt/graph/curves/emit_curve.h"
#include "quillon4ppt/graph/curves/trig.h"
#include "quillon4ppt/graph/curves/trig_label.h"

namespace graph {
namespace {

constexpr float kLabelShift = 7;  // points left of the key point

void emitCurve(SlideContext& slide, const TrigRecord& r) {
    const CurveFunction f = TrigCurve(r);
    const char* label = TrigLabel(r.type);
    if (r.type == kTangent || r.type == kCotangent) {
        for (const CurveInterval& p : r.pieces)
            if (p.started && !EmitCurve(slide, f, p.xFrom, p.xTo, label, r.look)) return;
        return;
    }
    if (r.pieces.empty()) return;
    const bool arc = r.type == kArcsine || r.type == kArccosine;
    EmitCurve(slide, f, r.pieces[0].xFrom, r.pieces[0].xTo, label, r.look, CurveAxis::Horizontal,
              arc ? CurveEnd::Exact : CurveEnd::LastSample);
}

// The pasted equation is the window's selection: it is named and hung from the x axis.
void placeLabel(SlideContext& slide, office::Application& host, const KeyPoint& p) {
    slide.names.countShape();
    const std::string name = slide.names.NameShape("文字标注" + ReplacePi(common::trimBlanks(p.label), "PI"));
    office::ignoreFailure([&] {
        office::Selection& selection = host.activeWindow().selection();
        office::ShapeRangePtr range = selection.shapeRange();
        for (int i = 1; i <= range->count(); ++i) slide.added.push_back(range->item(i));
        range->setName(name);
        ++slide.named;
        for (int i = 1; i <= range->count(); ++i) {
            office::ShapePtr shape = range->item(i);
            shape->setLeft(static_cast<float>(slide.X(p.x)) - kLabelShift);
            shape->setTop(static_cast<float>(slide.frame.originY + slide.frame.unitLength * p.y));
        }
        selection.unselect();
    });
}

}  // namespace

void RenderTrig(SlideContext& slide, office::Application& host, formula::EquationBridge* labels,
                const TrigRecord& r) {
    emitCurve(slide, r);
    if (!labels) return;
    for (const KeyPoint& p : r.keyPoints) {
        try {
            labels->InsertEquation(host, p.label);
        } catch (const typeset::TypesetterMissing&) {
            return;
        } catch (const typeset::TypesetError&) {
            continue;
        }
        placeLabel(slide, host, p);
    }
}

}  // namespace graph
