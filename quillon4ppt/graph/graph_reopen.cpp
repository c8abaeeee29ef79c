// Opening a graph of the slide again, and putting the changed graph back in its place.
#include "common/messages.h"
#include "common/numbers.h"
#include "quillon4ppt/graph/alt_text.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/graph_carrier.h"
#include "quillon4ppt/graph/graph_record.h"

namespace graph {

void frmGraph::reopenSelectedGraph() {
    std::optional<GraphOnSlide> selected;
    try {
        selected = SelectedGraph(program_.host());
    } catch (const office::HostLost&) {
        throw;
    } catch (const office::HostError&) {
        return;
    }
    if (!selected) return;
    const settings::AxisSettings loaded = program_.AxisSettings;
    try {
        if (!selected->record) throw RecordError("no record");
        const SavedGraph saved = ReadGraphRecord(*this, *selected->record);
        showSavedGraph(saved, *selected->record);
        reopened = ReopenedGraph{selected->name, saved.place, saved.frame};
    } catch (const RecordTooNew&) {
        startOver(loaded, common::messages::kGraphTooNew);
    } catch (const office::HostLost&) {
        throw;
    } catch (const std::exception&) {
        // A record that reads but cannot be drawn again is no better than a damaged one.
        startOver(loaded, common::messages::kGraphUnreadable);
    }
}

// Whatever was shown of the graph goes: the window opens as it always does.
void frmGraph::startOver(const settings::AxisSettings& loaded, const char* message) {
    program_.AxisSettings = loaded;
    List1.clear();
    Form_Load();
    dialogs().msgBox(message);
}

void frmGraph::showSavedGraph(const SavedGraph& saved, const std::string& record) {
    List1.clear();
    program_.AxisSettings = saved.settings;
    frame.xMin = saved.frame.xMin, frame.xMax = saved.frame.xMax;
    frame.yMin = saved.frame.yMin, frame.yMax = saved.frame.yMax;
    const int width = frame.xMax - frame.xMin, height = frame.yMax - frame.yMin;
    udLenOfAxis[1].setValue(width);
    udLenOfAxis[0].setValue(height);
    txtLenOfAxis_x.setText(std::to_string(width));
    txtLenOfAxis_y.setText(std::to_string(height));
    HScrollx.setRange(frame.xMin, frame.xMax);
    HScrolly.setRange(frame.yMin, frame.yMax);
    Picture1.cls();
    redrawFrame();
    chkNoCoordinate.setValue(saved.noCoordinate ? 1 : 0);
    chkDrawScale.setValue(saved.drawScale ? 1 : 0);
    axesItem = saved.axes;
    LoadGraphRecords(*this, record);
    for (std::size_t i = 0; i < families_.size(); ++i) families_[i]->counter = saved.counters[i];
    for (const auto& entry : saved.entries) {
        PlotFamily* f = family(entry.key);
        List1.addItem(f ? f->label() + common::NumberText(entry.index) : kAxesEntry);
    }
    replayListed();
    // The replay drew from the records; what it worked out again gives way to what
    // was inserted.
    LoadGraphRecords(*this, record);
    SSTab1.setTab(kTabResults);
}

// Every listed item is drawn into the preview by its family's "确定", as a deletion
// replays it, but in its own colour.
void frmGraph::replayListed() {
    replaying([&] {
        for (const auto& text : List1.items()) {
            PlotEntry entry = parseEntry(text);
            if (PlotFamily* f = family(entry.key)) {
                f->loadRecord(entry.index);
                drawAgain(*f, entry.index);
            }
        }
    });
}

void frmGraph::finishGroup(SlideContext& slide, std::vector<std::string> names,
                           const std::optional<StandingGraph>& old) {
    const GraphPlace drawn = PlaceOf(slide.host, names);
    const std::string box = AddRecordBox(slide, WriteGraphRecord(*this, drawn), drawn);
    names.push_back(box);
    auto group = slide.host.range(names)->group();
    slide.grouped(group);
    HideRecordBox(*group, box);
    group->select(true);
    shapeNames.countShape();
    auto selected = program_.host().activeWindow().selection().shapeRange();
    selected->setName(shapeNames.NameShape("组合"));
    selected->zOrder(office::zorder::SendToBack);
    selected->zOrder(office::zorder::SendBehindText);
    group->setAlternativeText(GraphAltText(*this));
    if (!reopened) return;
    if (old) replaceReopened(*group, drawn, *old);
    reopened = ReopenedGraph{group->name(), drawn, frame};
}

std::optional<StandingGraph> frmGraph::standingReopened(office::SlideHost& host) const {
    if (!reopened) return std::nullopt;
    const int position = PositionOf(host, reopened->groupName);
    if (position == 0) return std::nullopt;
    const auto graph = GraphAt(host, position);
    if (!graph) return std::nullopt;
    return StandingGraph{position, graph->now};
}

namespace {

double ratio(double now, double then) {
    return then > 0 && now > 0 ? now / then : 1;
}

}  // namespace

// The new group lands where the old one stood, at the scale the teacher gave it, and in
// its place among the slide's shapes.
void frmGraph::replaceReopened(office::Shape& group, const GraphPlace& drawn, const StandingGraph& old) {
    const GraphPlace& then = reopened->place;
    // With shapes gone from the old group its box says nothing of where it was moved.
    const GraphPlace now = old.now.shapes == then.shapes ? old.now : then;
    const double sx = ratio(now.width, then.width), sy = ratio(now.height, then.height);
    if (sx != 1) group.scaleWidth(static_cast<float>(sx), false, 0);
    if (sy != 1) group.scaleHeight(static_cast<float>(sy), false, 0);
    group.setLeft(static_cast<float>(now.left + (drawn.left - then.left) * sx));
    group.setTop(static_cast<float>(now.top + (drawn.top - then.top) * sy));
    for (int i = 1; i < old.position; ++i) group.zOrder(office::zorder::BringForward);
}

}  // namespace graph
