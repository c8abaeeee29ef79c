#pragma once
// Reading a plot-list entry: "椭圆(TY)  12" is kind "TY", item 12.
#include <string>

namespace graph {

struct PlotEntry {
    std::string key;  // the text between the first "(" and the first ")"
    int index = 0;    // the whole number after the ")"; 0 for the coordinate system
};

PlotEntry parseEntry(const std::string& text);

}  // namespace graph
