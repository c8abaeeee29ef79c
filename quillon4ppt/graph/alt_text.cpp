#include "quillon4ppt/graph/alt_text.h"

#include "common/messages.h"
#include "common/numbers.h"
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
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/plot_entries.h"
#include "quillon4ppt/graph/points.h"

namespace graph {
namespace {

std::string num(double v) {
    return common::PlainNumberText(v);
}

// v shifted by c: "x", "x-1", "x+2".
std::string shifted(const char* v, double c) {
    if (c == 0) return v;
    return std::string(v) + (c > 0 ? "-" : "+") + num(c > 0 ? c : -c);
}

// "x²" or "(x-1)²".
std::string squared(const char* v, double c) {
    return c == 0 ? std::string(v) + "²" : "(" + shifted(v, c) + ")²";
}

// "+ 3" after a term, nothing for 0.
std::string plus(double k) {
    return k == 0 ? "" : (k > 0 ? "+" : "-") + num(k > 0 ? k : -k);
}

std::string describe(const PointRecord& r) {
    return "(" + num(r.x) + "," + num(r.y) + ")";
}
std::string describe(const CircleRecord& r) {
    return squared("x", r.cx) + "+" + squared("y", r.cy) + "=" + num(r.r2);
}
std::string describe(const EllipseRecord& r) {
    const double under[2] = {r.horizontal ? r.a2 : r.b2, r.horizontal ? r.b2 : r.a2};
    return squared("x", r.cx) + "/" + num(under[0]) + "+" + squared("y", r.cy) + "/" + num(under[1]) + "=1";
}
std::string describe(const HyperbolaRecord& r) {
    const std::string x = squared("x", r.cx) + "/", y = squared("y", r.cy) + "/";
    return r.horizontal ? x + num(r.a2) + "-" + y + num(r.b2) + "=1"
                        : y + num(r.a2) + "-" + x + num(r.b2) + "=1";
}
std::string describe(const ParabolaRecord& r) {
    const bool sideways = r.opening == "x" || r.opening == "-x";
    const std::string sign = r.opening[0] == '-' ? "-" : "";
    return sideways ? squared("y", r.y0) + "=" + sign + num(r.s) + "(" + shifted("x", r.x0) + ")"
                    : squared("x", r.x0) + "=" + sign + num(r.s) + "(" + shifted("y", r.y0) + ")";
}
std::string describe(const LineRecord& r) {
    return "(" + num(r.x1) + "," + num(r.y1) + ")—(" + num(r.x2) + "," + num(r.y2) + ")";
}
std::string describe(const ExpRecord& r) {
    return "y=" + num(r.a) + (r.h == 0 ? "^x" : "^(" + shifted("x", -r.h) + ")") + plus(r.k);
}
std::string describe(const LogRecord& r) {
    const std::string log = "log" + num(r.a);
    if (r.form == kLogAbsX) return "y=" + log + "|x|";
    if (r.form == kAbsLogX) return "y=|" + log + " x|";
    return "y=" + log + " x";
}
std::string describe(const PowerRecord& r) {
    if (r.form == kPowerXmn) return "y=x^(" + num(r.n) + "/" + num(r.m) + ")";
    return "y=x^" + num(r.n);
}
std::string describe(const InverseRecord& r) {
    return "y=" + num(r.k) + "/x";
}
std::string describe(const AnyRecord& r) {
    if (r.kind == 1) {
        std::string e = r.expression;
        for (char& c : e)
            if (c == 'x') c = 'y';
        return "x=" + e;
    }
    return "y=" + r.expression;
}
// A typed parameter after a term: nothing for 0, its sign kept.
std::string typedPlus(const std::string& t) {
    if (t.empty() || t == "0") return "";
    return t[0] == '-' ? t : "+" + t;
}
std::string describe(const TrigRecord& r) {
    static const char* const kNames[] = {"sin", "cos", "tan", "cot", "arcsin", "arccos", "arctan", "arccot"};
    const std::string& a = r.typed[0];
    const std::string& w = r.typed[1];
    return "y=" + (a == "1" ? std::string() : a) + kNames[r.type] + "(" + (w == "1" ? std::string() : w) +
           "x" + typedPlus(r.typed[2]) + ")" + typedPlus(r.typed[3]);
}

template <typename Family>
bool describeAs(PlotFamily& family, int index, std::string& out) {
    auto* f = dynamic_cast<Family*>(&family);
    if (!f) return false;
    out = describe(f->records.get(index));
    return true;
}

std::string describeItem(PlotFamily& f, int i) {
    std::string d;
    (describeAs<PointFamily>(f, i, d) || describeAs<CircleFamily>(f, i, d) ||
     describeAs<EllipseFamily>(f, i, d) || describeAs<ParabolaFamily>(f, i, d) ||
     describeAs<LineFamily>(f, i, d) || describeAs<ExponentialFamily>(f, i, d) ||
     describeAs<LogarithmFamily>(f, i, d) || describeAs<HyperbolaFamily>(f, i, d) ||
     describeAs<ExpressionFamily>(f, i, d) || describeAs<PowerFamily>(f, i, d) ||
     describeAs<InverseFamily>(f, i, d) || describeAs<TrigFamily>(f, i, d));
    // The list label without its key: "圆(Yuan) " reads "圆".
    const std::string label = f.label();
    return label.substr(0, label.find('(')) + " " + d;
}

}  // namespace

std::string GraphAltText(frmGraph& g) {
    const auto& fr = g.frame;
    std::string text = common::messages::fill(
        g.chkNoCoordinate.checked() ? common::messages::kGraphAltNoAxes : common::messages::kGraphAltFrame,
        {num(fr.xMin), num(fr.xMax), num(fr.yMin), num(fr.yMax)});
    for (const auto& entry : g.List1.items()) {
        PlotEntry e = parseEntry(entry);
        PlotFamily* f = g.family(e.key);
        if (f) text += "；" + describeItem(*f, e.index);
    }
    return text;
}

}  // namespace graph
