#include "quillon4ppt/graph/conics/lines_geometry.h"

#include <cmath>

#include "common/numbers.h"
#include "common/text.h"

namespace graph {
namespace {

// Where the separator of a point text stands, and its length in bytes.
std::pair<std::size_t, std::size_t> findComma(const std::string& text) {
    const std::size_t ascii = text.find(','), fullWidth = text.find("，");
    if (fullWidth < ascii) return {fullWidth, std::string("，").size()};
    return {ascii, 1};
}

// The forms that work through their point rather than through k and b.
bool usesPoint(int form) {
    return form == kPointSlope || form == kTwoPoint || form == kPointDirection || form == kPointNormal;
}

StraightLine vertical(double x) {
    StraightLine line;
    line.kind = StraightLine::Vertical;
    line.x = x;
    return line;
}

// y = kx + b through the form's point, or the vertical line through it.
StraightLine throughPoint(const PointValue& p, bool sloped, double rise, double run) {
    if (!sloped) {
        StraightLine line = vertical(p.x);
        line.p = p;
        return line;
    }
    StraightLine line;
    line.p = p;
    keepFinite(line.k, rise / run);
    keepFinite(line.b, p.y - line.k * p.x);
    return line;
}

StraightLine general(double a, double b, double c) {
    StraightLine line;
    if (b != 0) {
        keepFinite(line.k, -a / b);
        keepFinite(line.b, -c / b);
    } else if (a != 0) {
        line = vertical(0);
        keepFinite(line.x, -c / a);
    } else {
        line.kind = StraightLine::NoLine;
    }
    return line;
}

StraightLine slopeIntercept(double k, double b) {
    StraightLine line;
    line.k = k, line.b = b;
    return line;
}

StraightLine intercepts(double a, double b) {
    if (a == 0 && b != 0) return vertical(a);
    StraightLine line;
    // a = b = 0: the division fails and the slope stays 0, so the line is y = 0.
    keepFinite(line.k, -b / a);
    line.b = b;
    return line;
}

}  // namespace

void keepFinite(double& variable, double value) {
    if (std::isfinite(value)) variable = value;
}

double readNumberText(const std::string& text) {
    double value = 0;
    keepFinite(value, common::Val(common::trimBlanks(text)));
    return value;
}

PointValue ReadPointText(const std::string& text) {
    std::u32string chars = common::toUtf32(common::trimBlanks(text));
    chars = chars.size() >= 2 ? chars.substr(1, chars.size() - 2) : std::u32string();
    const std::string inner = common::trimBlanks(common::toUtf8(chars));
    const auto [comma, width] = findComma(inner);
    PointValue p;
    if (comma == std::string::npos) {
        p.x = readNumberText(inner);
        return p;
    }
    p.x = readNumberText(inner.substr(0, comma));
    p.y = readNumberText(inner.substr(comma + width));
    return p;
}

StraightLine lineFromInputs(int form, const std::string& t0, const std::string& t1, const std::string& t2) {
    switch (form) {
        case kPointSlope:
            return throughPoint(ReadPointText(t0), true, readNumberText(t1), 1);
        case kTwoPoint: {
            const PointValue p1 = ReadPointText(t0), p2 = ReadPointText(t1);
            StraightLine line = throughPoint(p1, p1.x != p2.x, p2.y - p1.y, p2.x - p1.x);
            line.p2 = p2;
            return line;
        }
        case kIntercepts:
            return intercepts(readNumberText(t0), readNumberText(t1));
        case kPointDirection: {
            const PointValue d = ReadPointText(t1);
            return throughPoint(ReadPointText(t0), d.x != 0, d.y, d.x);
        }
        case kPointNormal: {
            const PointValue n = ReadPointText(t1);
            return throughPoint(ReadPointText(t0), n.y != 0, -n.x, n.y);
        }
        case kGeneral:
            return general(readNumberText(t0), readNumberText(t1), readNumberText(t2));
        default:
            return slopeIntercept(readNumberText(t0), readNumberText(t1));
    }
}

LineRange clipToFrame(const StraightLine& line, const CoordinateFrame& frame) {
    const double k = line.k, b = line.b;
    LineRange r{static_cast<double>(frame.xMin), static_cast<double>(frame.xMax)};
    if (k > 0) {
        if (b + k * r.from < frame.yMin) keepFinite(r.from, (frame.yMin - b) / k);
        if (b + k * r.to > frame.yMax) keepFinite(r.to, (frame.yMax - b) / k);
    } else if (k < 0) {
        if (b + k * r.to < frame.yMin) keepFinite(r.to, (frame.yMin - b) / k);
        if (b + k * r.from > frame.yMax) keepFinite(r.from, (frame.yMax - b) / k);
    }
    return r;
}

Segment segmentOf(int form, const StraightLine& line, double s, double e) {
    Segment seg;
    if (line.kind == StraightLine::Vertical) {
        seg.x1 = seg.x2 = line.x;
        seg.y1 = s, seg.y2 = e;
        return seg;
    }
    seg.x1 = s, seg.x2 = e;
    if (usesPoint(form)) {
        keepFinite(seg.y1, line.p.y + (s - line.p.x) * line.k);
        keepFinite(seg.y2, line.p.y + (e - line.p.x) * line.k);
    } else {
        keepFinite(seg.y1, line.b + line.k * s);
        keepFinite(seg.y2, line.b + line.k * e);
    }
    return seg;
}

}  // namespace graph
