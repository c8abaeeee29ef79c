#include "quillon4ppt/graph/plot_records.h"

#include <limits>

#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/conics/hyperbolas.h"
#include "quillon4ppt/graph/conics/lines_family.h"
#include "quillon4ppt/graph/conics/parabolas.h"
#include "quillon4ppt/graph/curves/exponential.h"
#include "quillon4ppt/graph/curves/expression_family.h"
#include "quillon4ppt/graph/curves/inverse.h"
#include "quillon4ppt/graph/curves/logarithm.h"
#include "quillon4ppt/graph/curves/power.h"
#include "quillon4ppt/graph/curves/trig.h"
#include "quillon4ppt/graph/points.h"

namespace graph {
namespace {

constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();
// A traced curve has far fewer pieces and key points than this.
constexpr std::size_t kMostPieces = 5000;
// Where a curve's range may reach: far beyond any frame the window can show, near
// enough that tracing it again stays quick.
constexpr double kFarthestX = 1e4;

void range(RecordFields& f, const char* name, double& v) {
    f.number(name, v, -kFarthestX, kFarthestX);
}

void keep(LineLook& l, RecordFields& f) {
    f.object("look", [&](RecordFields& o) {
        o.whole("style", l.style, kInt16Min, kInt16Max);
        o.whole("weight", l.weight, kInt16Min, kInt16Max);
        o.color("color", l.color);
    });
}

void keep(std::vector<CurveInterval>& pieces, RecordFields& f) {
    f.list("pieces", pieces, kMostPieces, [](RecordFields& o, CurveInterval& p) {
        range(o, "from", p.xFrom);
        range(o, "to", p.xTo);
        o.flag("started", p.started);
        o.flag("ended", p.ended);
    });
}

void keep(PointRecord& r, RecordFields& f) {
    f.number("x", r.x), f.number("y", r.y);
    f.flag("showDot", r.showDot), f.flag("showXLabel", r.showXLabel);
    f.flag("showYLabel", r.showYLabel), f.flag("showGuides", r.showGuides);
    keep(r.look, f);
}

void keep(CircleRecord& r, RecordFields& f) {
    f.number("cx", r.cx), f.number("cy", r.cy), f.number("r2", r.r2, 0);
    f.flag("centre", r.centre);
    keep(r.look, f);
}

void keep(EllipseRecord& r, RecordFields& f) {
    f.number("cx", r.cx), f.number("cy", r.cy), f.number("a2", r.a2, 0), f.number("b2", r.b2, 0);
    f.flag("horizontal", r.horizontal), f.flag("foci", r.foci);
    f.flag("directrices", r.directrices), f.flag("axes", r.axes);
    keep(r.look, f);
}

void keep(ParabolaRecord& r, RecordFields& f) {
    f.number("s", r.s), f.number("x0", r.x0), f.number("y0", r.y0);
    range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo);
    f.text("opening", r.opening);
    if (f.reading() && r.opening != "x" && r.opening != "-x" && r.opening != "y" && r.opening != "-y")
        throw RecordError("bad opening");
    f.flag("focus", r.focus), f.flag("directrix", r.directrix), f.flag("axis", r.axis);
    keep(r.look, f);
}

void keep(LineRecord& r, RecordFields& f) {
    f.number("x1", r.x1), f.number("x2", r.x2), f.number("y1", r.y1), f.number("y2", r.y2);
    keep(r.look, f);
}

void keep(ExpRecord& r, RecordFields& f) {
    f.number("a", r.a), f.number("h", r.h), f.number("k", r.k);
    range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo);
    keep(r.look, f);
}

void keep(LogRecord& r, RecordFields& f) {
    f.whole("form", r.form, kLogX, kAbsLogX);
    f.number("a", r.a), range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo);
    keep(r.look, f);
}

void keep(HyperbolaRecord& r, RecordFields& f) {
    f.number("cx", r.cx), f.number("cy", r.cy), f.number("a2", r.a2, 0), f.number("b2", r.b2, 0);
    range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo), range(f, "tFrom", r.tFrom), range(f, "tTo", r.tTo);
    f.flag("horizontal", r.horizontal), f.flag("foci", r.foci), f.flag("directrices", r.directrices);
    f.flag("axes", r.axes), f.flag("asymptotes", r.asymptotes);
    keep(r.look, f);
}

void keep(AnyRecord& r, RecordFields& f) {
    f.whole("kind", r.kind, 0, 1);
    f.text("expression", r.expression);
    keep(r.pieces, f);
    keep(r.look, f);
    range(f, "vFrom", r.vFrom), range(f, "vTo", r.vTo);
}

void keep(PowerRecord& r, RecordFields& f) {
    f.whole("form", r.form, kPowerXn, kPowerXmn);
    f.whole("n", r.n, kInt16Min, kInt16Max), f.whole("m", r.m, kInt16Min, kInt16Max);
    range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo);
    keep(r.look, f);
}

void keep(InverseRecord& r, RecordFields& f) {
    f.number("k", r.k), range(f, "xStart", r.xStart), range(f, "xFrom", r.xFrom), range(f, "xTo", r.xTo);
    keep(r.look, f);
}

void keep(TrigRecord& r, RecordFields& f) {
    f.whole("type", r.type, kSine, kArccotangent);
    f.number("A", r.A), f.number("omega", r.omega), f.number("phi", r.phi), f.number("k", r.k);
    keep(r.pieces, f);
    keep(r.look, f);
    f.list("keyPoints", r.keyPoints, kMostPieces, [](RecordFields& o, KeyPoint& p) {
        range(o, "x", p.x), o.number("y", p.y);
        o.text("label", p.label);
    });
    f.whole("mode", r.mode, 0, 1);
    f.whole("periodsChoice", r.periodsChoice, 0, 2);
    f.object("typed", [&](RecordFields& o) {
        o.text("A", r.typed[0]), o.text("omega", r.typed[1]), o.text("phi", r.typed[2]),
            o.text("k", r.typed[3]);
        o.text("from", r.rangeFrom), o.text("to", r.rangeTo);
        o.flag("radians", r.radians);
    });
}

template <typename Family>
bool keepAs(PlotFamily& family, int index, RecordFields& fields, bool scratch) {
    auto* f = dynamic_cast<Family*>(&family);
    if (!f) return false;
    if (scratch) {
        std::decay_t<decltype(f->records.at(0))> record;
        keep(record, fields);
    } else {
        keep(f->records.at(index), fields);
    }
    return true;
}

}  // namespace

bool KeepRecord(PlotFamily& family, int index, RecordFields& fields, bool scratch) {
    return keepAs<PointFamily>(family, index, fields, scratch) ||
           keepAs<CircleFamily>(family, index, fields, scratch) ||
           keepAs<EllipseFamily>(family, index, fields, scratch) ||
           keepAs<ParabolaFamily>(family, index, fields, scratch) ||
           keepAs<LineFamily>(family, index, fields, scratch) ||
           keepAs<ExponentialFamily>(family, index, fields, scratch) ||
           keepAs<LogarithmFamily>(family, index, fields, scratch) ||
           keepAs<HyperbolaFamily>(family, index, fields, scratch) ||
           keepAs<ExpressionFamily>(family, index, fields, scratch) ||
           keepAs<PowerFamily>(family, index, fields, scratch) ||
           keepAs<InverseFamily>(family, index, fields, scratch) ||
           keepAs<TrigFamily>(family, index, fields, scratch);
}

}  // namespace graph
