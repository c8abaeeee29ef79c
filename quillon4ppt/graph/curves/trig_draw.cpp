// The trigonometric tab's draw action "确定": range, key points, extremes, trace, record.
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/script/expression.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/normalise_expression.h"
#include "quillon4ppt/graph/curves/trig.h"
#include "quillon4ppt/graph/curves/trig_label.h"
#include "quillon4ppt/graph/points.h"

namespace graph {
namespace {

constexpr double kStep = 0.01;
constexpr double kArctangentStep = 0.1;

std::optional<double> Eval(const std::string& text) {
    const script::Result r = script::Expression(text).evaluate(0);
    if (!r.ok() || !std::isfinite(r.value)) return std::nullopt;
    return r.value;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

double Degrees(const forms::TextBox& box) {
    return common::Val(common::trimBlanks(box.text())) * kPi / 180;
}

std::string upper(std::string text) {
    for (char& ch : text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return text;
}

// Where the extremes of the five-point row lie: j of the maximum and of the minimum.
std::pair<int, int> Extremes(int type) {
    return type == kSine ? std::pair{1, 3} : std::pair{4, 2};
}

}  // namespace

std::optional<double> TrigFamily::ReadParameter(const std::string& text) const {
    std::string t = curves::NormaliseExpression(upper(common::trimBlanks(text)));
    replaceAll(t, "PI", "3.1415926");
    return Eval(t);
}

void TrigFamily::cmdOK_sin_Click() {
    frmGraph& g = graph_;
    TrigRecord r;
    r.type = static_cast<std::int16_t>(selectedType());
    r.A = ReadParameter(txtA_sin.text()).value_or(0);
    r.omega = ReadParameter(txtW_sin.text()).value_or(0);
    r.k = Eval(common::trimBlanks(txtK_sin.text())).value_or(0);
    r.radians = chkHD_SJ.checked();
    double xFrom = g.CurveExtents.cxMin, xTo = g.CurveExtents.cxMax;
    if (r.radians) {
        r.phi = ReadParameter(txtF_sin.text()).value_or(0);
        xFrom = ReadParameter(txtXmin_SJ.text()).value_or(xFrom);
        xTo = ReadParameter(txtXmax_SJ.text()).value_or(xTo);
    } else {
        r.phi = Degrees(txtF_sin), xFrom = Degrees(txtXmin_SJ), xTo = Degrees(txtXmax_SJ);
    }
    r.mode = optFW[1].value() ? 1 : 0;
    r.periodsChoice = optFS[1].value() ? 1 : optFS[2].value() ? 2 : 0;
    r.typed = {txtA_sin.text(), txtW_sin.text(), txtF_sin.text(), txtK_sin.text()};
    r.rangeFrom = txtXmin_SJ.text(), r.rangeTo = txtXmax_SJ.text();
    const bool periods = r.type < kArcsine && r.mode == 0;
    if (periods && (r.omega == 0 || periodsCount().value_or(0) < 1)) {
        g.showRangeError();
        return;
    }
    std::optional<KeyPlan> plan;
    if (periods) plan = periodsRange(r, xFrom, xTo);
    g.CurveExtents.cxMin = xFrom, g.CurveExtents.cxMax = xTo;
    g.CurveExtents.cyMin = r.k - std::abs(r.A), g.CurveExtents.cyMax = r.k + std::abs(r.A);
    if (!fits(r)) return;
    if (!g.chkMultImage.checked()) g.cmdCls_Click();
    if (periods && g.outOfFrameDeclined()) return;
    if (plan) markKeyPoints(r, *plan);
    trace(r, xFrom, xTo);
    r.look = g.lineLook();
    if (g.RecordItems) records.at(counter) = r;
    g.listItem(*this);
}

// The waves reach k ± |A| on the slide; the other curves keep to the frame's height
// (their pieces stop at its edges) or to their own.
bool TrigFamily::fits(const TrigRecord& r) {
    graph::CurveExtents e = graph_.CurveExtents;
    if (r.type > kCosine) {
        e.cyMin = std::min<double>(graph_.frame.yMin, -kPi);
        e.cyMax = std::max<double>(graph_.frame.yMax, kPi);
    }
    return graph_.extentsFit(e);
}

// The x range of the periods mode; the key points where sine and cosine have them.
std::optional<TrigFamily::KeyPlan> TrigFamily::periodsRange(const TrigRecord& r, double& xFrom, double& xTo) {
    const int n = *periodsCount();
    const double w = r.omega, phi = r.phi;
    const bool wave = r.type <= kCosine;
    if (r.periodsChoice == 1) {
        xFrom = ReadParameter(txtXmax_SJ.text()).value_or(xTo);
        xTo = xFrom + (wave ? 2 * n * kPi : n * kPi);
        return std::nullopt;
    }
    if (!wave) {
        xFrom = (2 * phi - n * kPi) / (2 * w), xTo = (n * kPi - 2 * phi) / (2 * w);
        return std::nullopt;
    }
    if (r.periodsChoice == 0) {
        xFrom = -(n * kPi + phi) / w, xTo = (n * kPi - phi) / w;
        return KeyPlan{4 * n, 2 * n, -n * kPi};
    }
    xFrom = -phi / w, xTo = (2 * n * kPi - phi) / w;
    return KeyPlan{4, 0, 0};
}

void TrigFamily::markKeyPoints(TrigRecord& r, const KeyPlan& plan) {
    const std::string b = "-" + common::trimBlanks(txtF_sin.text()), c = txtW_sin.text();
    const bool fivePoint = r.periodsChoice == 2;
    const auto [highest, lowest] = Extremes(r.type);
    for (int j = 0; j <= plan.last; ++j) {
        const double x = (plan.base + j * kPi / 2 - r.phi) / r.omega;
        if (x == 0) continue;
        const int t = j - plan.shift;
        const std::string a = t == 0 ? "0" : common::PlainNumberText(t) + "*pi/2";
        // A fraction that cannot be reduced (its denominator came out 0) has no label.
        std::string label = KeyPointLabel(a, b, c, x);
        if (!label.empty()) printLabel(r.keyPoints.emplace_back(KeyPoint{x, 0, std::move(label)}));
        if (fivePoint && (j == highest || j == lowest))
            markExtreme(x, j == highest ? r.k + std::abs(r.A) : r.k - std::abs(r.A));
    }
}

// The whole number of periods, rounded as every whole number; nothing when it does
// not fit 16 bits.
std::optional<int> TrigFamily::periodsCount() const {
    try {
        return common::CInt(common::Val(txtXmin_SJ.text()));
    } catch (const common::OverflowError&) {
        return std::nullopt;
    }
}

// The label as a fraction: numerator, a dash, denominator, under the x axis.
void TrigFamily::printLabel(const KeyPoint& p) {
    forms::PictureBox& pic = graph_.Picture1;
    const double m = graph_.frame.markSize;
    std::string text = ReplacePi(p.label, "π");
    std::erase(text, '(');
    std::erase(text, ')');
    // In the line colour, so that the replay of a deletion erases it.
    pic.foreColor = graph_.lineColor();
    pic.currentX = p.x, pic.currentY = 2 * m;
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return pic.print(text);
    const std::string numerator = text.substr(0, slash);
    pic.print(numerator);
    const double across = p.x + common::toUtf32(common::trimBlanks(numerator)).size() * m;
    pic.currentX = across, pic.currentY = m / 2;
    pic.print("-");
    pic.currentX = across, pic.currentY = -4 * m;
    pic.print(text.substr(slash + 1));
}

// A dotted guide from the extreme down to the axis, and the extreme as a point item.
void TrigFamily::markExtreme(double x, double y) {
    frmGraph& g = graph_;
    g.Picture1.drawStyle = 2;
    g.Picture1.line(x, y, x, 0, g.lineColor());
    g.Picture1.drawStyle = g.lineStyleValue() - 1;
    auto* points = static_cast<PointFamily*>(g.family("POINT"));
    if (!g.RecordItems || !points) return;
    PointRecord& p = points->records.at(points->counter);
    p = PointRecord{};
    p.x = x, p.y = y;
    p.showYLabel = p.showGuides = -1;
    p.look = g.lineLook();
    g.listItem(*points);
}

void TrigFamily::trace(TrigRecord& r, double xFrom, double xTo) {
    const CurveFunction f = TrigCurve(r);
    if (r.type == kTangent || r.type == kCotangent) {
        TracePreview(graph_, f, xFrom, xTo, kStep, &r.pieces);
        return;
    }
    TracePreview(graph_, f, xFrom, xTo, r.type == kArctangent ? kArctangentStep : kStep, nullptr);
    r.pieces.assign(1, CurveInterval{xFrom, xTo, false, false});
}

}  // namespace graph
