#pragma once
// What made an inserted graph, kept on the slide inside its group so that the
// workspace can open it again: the frame, the settings, the slide frame, where the
// drawn shapes stood, and every listed item with its record.
#include <cstdint>
#include <string>
#include <vector>

#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/graph_place.h"
#include "quillon4ppt/graph/plot_entries.h"
#include "quillon4ppt/graph/record_fields.h"
#include "settings/axis_settings.h"

namespace graph {

class frmGraph;

constexpr const char* kGraphFormat = "quillon4ppt-graph";
// Raised when the record changes; a program reads every version up to its own.
constexpr int kGraphVersion = 1;
constexpr std::size_t kLongestGraphRecord = 1 << 20;

// A record a later version of the program wrote.
class RecordTooNew : public RecordError {
public:
    using RecordError::RecordError;
};

// The workspace's state as a record holds it (the items' records stay in the JSON).
struct SavedGraph {
    CoordinateFrame frame;
    bool drawScale = false, noCoordinate = false;
    AxesItem axes;
    settings::AxisSettings settings;
    GraphPlace place;
    std::vector<std::int16_t> counters;  // in the order of the workspace's families
    std::vector<PlotEntry> entries;      // the plot list, in order
};

// The record of the workspace as it is, as one line of ASCII text.
std::string WriteGraphRecord(frmGraph& graph, const GraphPlace& place);

// Whether a text box's text looks like a graph record at all.
bool LooksLikeGraphRecord(const std::string& text);

// The text parsed and checked throughout, without changing the workspace: size,
// nesting, every field, every range, every entry's record. RecordError when it does
// not read, RecordTooNew when a later program wrote it.
SavedGraph ReadGraphRecord(frmGraph& graph, const std::string& text);

// Puts the listed items' records of a text ReadGraphRecord accepted into the families.
void LoadGraphRecords(frmGraph& graph, const std::string& text);

}  // namespace graph
