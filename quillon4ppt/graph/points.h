#pragma once
// Single points: the point command "描点" and their shapes on the slide.
#include <cstdint>

#include "common/color.h"
#include "common/messages.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

class frmGraph;

struct PointRecord {
    double x = 0, y = 0;
    std::int16_t showDot = 0, showXLabel = 0, showYLabel = 0, showGuides = 0;
    LineLook look;
};

class PointFamily : public PlotFamily {
public:
    explicit PointFamily(frmGraph& graph) : graph_(graph) {}
    std::string key() const override { return "POINT"; }
    std::string label() const override { return "点(POINT) "; }
    void draw() override;  // cmdDrawPoint_Click
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    RecordArray<PointRecord> records;

private:
    void preview(double x, double y, bool pointOnly);
    frmGraph& graph_;
};

void RenderPoint(SlideContext& slide, const PointRecord& p);

constexpr const char* kNoPointMessage = common::messages::kGraphNoPoint;

}  // namespace graph
