#pragma once
// The alternative text of an inserted graph: what a screen reader says about it.
#include <string>

namespace graph {

class frmGraph;

// "平面直角坐标系，x从-5到5，y从-5到5；圆 x²+y²=9": the frame, then every listed item.
std::string GraphAltText(frmGraph& graph);

}  // namespace graph
