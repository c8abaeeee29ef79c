#pragma once
// The record of an inserted graph travels inside its group as a hidden text box:
// every round trip through LibreOffice keeps a text box's text, name, geometry and
// hidden flag, while it drops a group's title and description.
#include <optional>
#include <string>
#include <vector>

#include "platform/office/host.h"
#include "quillon4ppt/graph/graph_record.h"
#include "quillon4ppt/graph/slide_context.h"

namespace graph {

constexpr const char* kRecordLabel = "作图记录";

// The drawn shapes' box and count.
GraphPlace PlaceOf(office::SlideHost& host, const std::vector<std::string>& names);

// Adds the box holding the record over the drawn shapes, so that it does not change
// the group's box; its name.
std::string AddRecordBox(SlideContext& slide, const std::string& record, const GraphPlace& place);
// Hides the group's record box: once grouped, since Impress groups only shapes it shows.
void HideRecordBox(office::Shape& group, const std::string& name);

// A group the tools inserted, as it stands on the slide now.
struct GraphOnSlide {
    std::string name;
    std::optional<std::string> record;  // none when no box of the group holds one
    GraphPlace now;                     // its drawn shapes, the record box not counted
};

// The group that is the only selected shape, when the tools made it or it holds a record.
std::optional<GraphOnSlide> SelectedGraph(office::Application& host);
// The slide's shape at that position (1-based, back to front), when it is such a group.
std::optional<GraphOnSlide> GraphAt(office::SlideHost& host, int position);
// The position of the first shape of the slide with that name; 0 for none.
int PositionOf(office::SlideHost& host, const std::string& name);

}  // namespace graph
