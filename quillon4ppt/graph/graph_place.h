#pragma once
// Where an inserted graph's drawn shapes stood, and the graph a window reopened.
#include <cstdint>
#include <string>

#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

// The box of the drawn shapes when they were inserted, and how many they were.
struct GraphPlace {
    double left = 0, top = 0, width = 0, height = 0;
    std::int32_t shapes = 0;
};

// The group the workspace was opened on: the next insertion takes its place.
struct ReopenedGraph {
    std::string groupName;
    GraphPlace place;            // as it was inserted
    CoordinateFrame slideFrame;  // originX, originY and unitLength it was drawn with
};

// The reopened group as it stands on the slide when the new one is inserted.
struct StandingGraph {
    int position = 0;  // 1-based, back to front
    GraphPlace now;    // its drawn shapes
};

}  // namespace graph
