// The plot list's commands: insertion into the slide, deletion by replay, reset.
#include <optional>

#include "common/messages.h"
#include "common/text.h"
#include "platform/office/host.h"
#include "quillon4ppt/graph/axes_renderer.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/plot_entries.h"

namespace graph {
namespace {

namespace msg = common::messages;
constexpr const char* kInsertingCaption = msg::kGraphInserting;
constexpr const char* kInsertedCaption = msg::kGraphInserted;
constexpr const char* kNothingInsertedCaption = msg::kGraphNothingInserted;
constexpr const char* kInsertFailedCaption = msg::kGraphInsertFailed;
constexpr const char* kNothingSelected = msg::kGraphNothingSelected;
constexpr const char* kResetQuestion = msg::kGraphResetQuestion;

// An insertion that stopped and took its shapes away again: what the teacher reads.
struct NotPlaced {
    std::string message;
};

std::vector<std::string> namedShapes(const InsertedShapeNames& names) {
    std::vector<std::string> out;
    for (const auto& n : names.names())
        if (!n.empty()) out.push_back(n);
    return out;
}

}  // namespace

// All or nothing: at the first failure every shape this insertion added leaves the slide.
void frmGraph::insertList(SlideContext& slide) {
    // Every item lands where it would beside the axes, whether they are listed,
    // hidden or deleted, and whatever earlier insertions did.
    frame = slideFrame();
    // The graph put back goes before anything is added: the new group may come to bear
    // its name, and live, Impress records a removal only before the command adds shapes.
    // Should the insertion fail, the command's end brings it back.
    const std::optional<StandingGraph> old = standingReopened(slide.host);
    if (old) slide.host.item(old->position)->remove();
    for (const auto& text : List1.items()) placeEntry(slide, text);
    try {
        groupShapes(slide, old);
    } catch (const office::HostError&) {
        slide.removeAdded();
        throw NotPlaced{msg::kGraphGroupNotMade};
    } catch (...) {
        slide.removeAdded();
        throw;
    }
}

// A shape that failed on the way (and was skipped) fails the item too: it would be
// missing from the graph.
void frmGraph::placeEntry(SlideContext& slide, const std::string& text) {
    bool placed = false;
    try {
        PlotEntry entry = parseEntry(text);
        if (entry.key == "ZBX") {
            if (!chkNoCoordinate.checked()) RenderAxes(slide, axesItem);
        } else if (PlotFamily* f = family(entry.key)) {
            f->render(slide, entry.index);
        }
        placed = slide.allNamed();
    } catch (const office::HostError&) {
        placed = false;
    } catch (...) {
        slide.removeAdded();
        throw;
    }
    if (placed) return;
    slide.removeAdded();
    throw NotPlaced{msg::fill(msg::kGraphItemNotPlaced, {common::trimBlanks(text)})};
}

void frmGraph::groupShapes(SlideContext& slide, const std::optional<StandingGraph>& old) {
    std::vector<std::string> names = namedShapes(shapeNames);
    if (names.size() >= 2) finishGroup(slide, names, old);
}

void frmGraph::cmdOK_Click() {
    setCaption(kInsertingCaption);
    try {
        auto command = program_.command();
        SlideContext slide{program_.slideHost(), frame, shapeNames, program_.AxisSettings};
        insertList(slide);
        program_.commandDone(command);
        setCaption(slide.added.empty() ? kNothingInsertedCaption : kInsertedCaption);
    } catch (const NotPlaced& e) {
        setCaption(kInsertFailedCaption);
        dialogs().msgBox(e.message);
    } catch (const office::HostError& e) {
        setCaption(kInsertFailedCaption);
        dialogs().msgBox(common::ShownText(e));
    }
    shapeNames.ResetShapeNames();
}

void frmGraph::cmdResult_Click() {
    const std::string entry = List1.text();
    if (entry.empty()) {
        dialogs().msgBox(kNothingSelected);
        return;
    }
    deleteEntry(entry);
}

// The item is drawn again in the canvas colour, which erases it from the preview.
void frmGraph::deleteEntry(const std::string& text) {
    replaying([&] { replayEntry(text); });
}

void frmGraph::replaying(const std::function<void()>& replay) {
    const std::string weight = Combo1.text(), style = Combo2.text();
    const common::Rgb color = lineColor();
    RecordItems = false;
    try {
        replay();
    } catch (...) {
        restoreLineStyle(weight, style, color);
        throw;
    }
    restoreLineStyle(weight, style, color);
}

void frmGraph::drawAgain(PlotFamily& f, int index) {
    const std::int16_t saved = f.counter;
    f.counter = static_cast<std::int16_t>(index);
    try {
        f.draw();
    } catch (...) {
        f.counter = saved;
        throw;
    }
    f.counter = saved;
}

void frmGraph::replayEntry(const std::string& text) {
    PlotEntry entry = parseEntry(text);
    List1.removeItem(List1.listIndex());
    if (common::lowerAscii(entry.key) == "zbx") {
        chkNoCoordinate.setValue(1);
        return;
    }
    PlotFamily* f = family(entry.key);
    if (!f) return;
    f->loadRecord(entry.index);
    labColor.setBackColor(Picture1.backColor);
    drawAgain(*f, entry.index);
}

void frmGraph::restoreLineStyle(const std::string& weight, const std::string& style, common::Rgb color) {
    RecordItems = true;
    Combo1.setText(weight);
    Combo2.setText(style);
    labColor.setBackColor(color);
}

void frmGraph::cmdReset_Click() {
    if (dialogs().msgBox(kResetQuestion, forms::Buttons::OkCancel) != forms::Answer::Ok) return;
    List1.clear();
    Form_Load();
}

}  // namespace graph
