#include "quillon4ppt/graph/graph_record.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>

#include "common/numbers.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/plot_records.h"

namespace graph {
namespace {

constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr int kDeepest = 8;
// One entry per item a kind can hold, for every kind, and the coordinate system.
constexpr std::size_t kMostEntries = 2000;
constexpr double kFarthest = 1e7;  // slide points
constexpr int kLongestAxis = 100;

void walkFrame(RecordFields& f, SavedGraph& s) {
    f.object("frame", [&](RecordFields& o) {
        o.whole("xMin", s.frame.xMin, kInt16Min, kInt16Max),
            o.whole("xMax", s.frame.xMax, kInt16Min, kInt16Max);
        o.whole("yMin", s.frame.yMin, kInt16Min, kInt16Max),
            o.whole("yMax", s.frame.yMax, kInt16Min, kInt16Max);
        o.flag("chkDrawScale", s.drawScale), o.flag("chkNoCoordinate", s.noCoordinate);
    });
    const int w = s.frame.xMax - s.frame.xMin, h = s.frame.yMax - s.frame.yMin;
    if (f.reading() && (w < 2 || w > kLongestAxis || h < 2 || h > kLongestAxis))
        throw RecordError("bad frame");
    f.object("axes", [&](RecordFields& o) {
        o.whole("xMin", s.axes.xMin, kInt16Min, kInt16Max),
            o.whole("xMax", s.axes.xMax, kInt16Min, kInt16Max);
        o.whole("yMin", s.axes.yMin, kInt16Min, kInt16Max),
            o.whole("yMax", s.axes.yMax, kInt16Min, kInt16Max);
        o.flag("drawScale", s.axes.drawScale);
        o.whole("lineStyle", s.axes.lineStyle, kInt16Min, kInt16Max);
        o.whole("lineWeight", s.axes.lineWeight, kInt16Min, kInt16Max);
        o.color("color", s.axes.color);
    });
}

void walkSettings(RecordFields& f, settings::AxisSettings& a) {
    f.object("settings", [&](RecordFields& o) {
        o.whole("intK", a.intK, 1, kInt16Max), o.whole("intKD", a.intKD, 1, kInt16Max);
        o.whole("intLine", a.intLine, kInt16Min, kInt16Max);
        o.flag("blYkdLeft", a.blYkdLeft), o.flag("blYtxtLeft", a.blYtxtLeft);
        o.flag("blXkdUp", a.blXkdUp), o.flag("blXtxtUp", a.blXtxtUp);
    });
}

void walkSlide(RecordFields& f, SavedGraph& s) {
    f.object("slide", [&](RecordFields& o) {
        const auto far = static_cast<std::int32_t>(kFarthest);
        o.whole("originX", s.frame.originX, -far, far), o.whole("originY", s.frame.originY, -far, far);
        o.number("unitLength", s.frame.unitLength, 1e-6, kFarthest);
        o.number("left", s.place.left, -kFarthest, kFarthest),
            o.number("top", s.place.top, -kFarthest, kFarthest);
        o.number("width", s.place.width, 0, kFarthest), o.number("height", s.place.height, 0, kFarthest);
        o.whole("shapes", s.place.shapes, 0, 1000000);
    });
}

void walkCounters(RecordFields& f, frmGraph& g, SavedGraph& s) {
    s.counters.resize(g.families().size());
    f.object("counters", [&](RecordFields& o) {
        for (std::size_t i = 0; i < g.families().size(); ++i)
            o.whole(g.families()[i]->key().c_str(), s.counters[i], 0, kInt16Max);
    });
}

std::int16_t counterOf(frmGraph& g, const SavedGraph& s, const PlotFamily* family) {
    for (std::size_t i = 0; i < g.families().size(); ++i)
        if (g.families()[i].get() == family) return s.counters[i];
    return 0;
}

// The plot list; `scratch` reads the records without keeping them.
void walkEntries(RecordFields& f, frmGraph& g, SavedGraph& s, bool scratch) {
    std::set<std::pair<std::string, int>> seen;
    f.list("items", s.entries, kMostEntries, [&](RecordFields& o, PlotEntry& e) {
        o.text("kind", e.key);
        if (e.key == "ZBX") {
            if (o.reading() && !seen.insert({e.key, 0}).second) throw RecordError("listed twice");
            return;
        }
        PlotFamily* family = g.family(e.key);
        if (!family || family->key() != e.key) throw RecordError("unknown kind");
        std::int16_t index = static_cast<std::int16_t>(e.index);
        o.whole("index", index, 0, kInt16Max);
        e.index = index;
        if (o.reading() && (index >= counterOf(g, s, family) || !seen.insert({e.key, index}).second))
            throw RecordError("bad index");
        o.object("record", [&](RecordFields& r) { KeepRecord(*family, index, r, scratch); });
    });
}

void walkGraph(RecordFields& root, frmGraph& g, SavedGraph& s, bool scratch) {
    walkFrame(root, s);
    walkSettings(root, s.settings);
    walkSlide(root, s);
    walkCounters(root, g, s);
    walkEntries(root, g, s, scratch);
}

Json parseChecked(const std::string& text) {
    if (text.size() > kLongestGraphRecord) throw RecordError("too long");
    bool tooDeep = false;
    Json doc = Json::parse(
        text,
        [&](int depth, Json::parse_event_t, Json&) {
            if (depth > kDeepest) tooDeep = true;
            return !tooDeep;
        },
        false);
    if (tooDeep || doc.is_discarded() || !doc.is_object()) throw RecordError("not a record");
    auto format = doc.find("format");
    auto version = doc.find("version");
    if (format == doc.end() || *format != kGraphFormat || version == doc.end() ||
        !version->is_number_integer())
        throw RecordError("not a record");
    if (*version > kGraphVersion) throw RecordTooNew("later version");
    if (*version < 1) throw RecordError("bad version");
    return doc;
}

// Reads the record past its format and version.
SavedGraph walkRead(frmGraph& g, const std::string& text, bool scratch) {
    const Json doc = parseChecked(text);
    RecordFields root = RecordFields::reader(doc);
    std::string format;
    std::int16_t version = 0;
    root.text("format", format);
    root.whole("version", version, 1, kGraphVersion);
    SavedGraph s;
    walkGraph(root, g, s, scratch);
    root.finish();
    return s;
}

}  // namespace

std::string WriteGraphRecord(frmGraph& g, const GraphPlace& place) {
    SavedGraph s;
    s.frame = g.frame;
    s.drawScale = g.chkDrawScale.checked();
    s.noCoordinate = g.chkNoCoordinate.checked();
    s.axes = g.axesItem;
    s.settings = g.program().AxisSettings;
    s.place = place;
    for (const auto& f : g.families()) s.counters.push_back(f->counter);
    for (const auto& text : g.List1.items()) {
        PlotEntry e = parseEntry(text);
        PlotFamily* family = g.family(e.key);
        if (e.key == "ZBX" || family) s.entries.push_back({family ? family->key() : e.key, e.index});
    }
    Json doc = Json::object();
    doc["format"] = kGraphFormat;
    doc["version"] = kGraphVersion;
    RecordFields root = RecordFields::writer(doc);
    walkGraph(root, g, s, false);
    // ASCII only, on one line: nothing for a round trip to re-encode or re-flow.
    return doc.dump(-1, ' ', true);
}

bool LooksLikeGraphRecord(const std::string& text) {
    const std::string mark = std::string("{\"format\":\"") + kGraphFormat + "\"";
    return text.rfind(mark, 0) == 0;
}

SavedGraph ReadGraphRecord(frmGraph& g, const std::string& text) {
    return walkRead(g, text, true);
}

void LoadGraphRecords(frmGraph& g, const std::string& text) {
    walkRead(g, text, false);
}

}  // namespace graph
