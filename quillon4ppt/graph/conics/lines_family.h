#pragma once
// Straight lines and segments: the lines tab with its seven equation forms, the range
// it proposes while the teacher types, and the line on the slide.
#include <cstdint>
#include <string>

#include "common/color.h"
#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/conics/lines_geometry.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

class frmGraph;

struct LineRecord {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    LineLook look;
};

class LineFamily : public PlotFamily {
    frmGraph& graph_;  // first: the controls are built on its window

public:
    explicit LineFamily(frmGraph& graph);
    std::string key() const override { return "ZX"; }
    std::string label() const override { return "直线(ZX) "; }
    int tab() const override;
    void reset() override { cmdOK_ZX_Click(1); }
    void draw() override { cmdOK_ZX_Click(0); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optType_ZX_Click(int index);
    void chkXD_Click();
    void txtZX_Change(int index);
    void cmdOK_ZX_Click(int index);

    RecordArray<LineRecord> records;
    bool SegmentFlag = false;

    forms::Frame fraType_ZX;
    forms::ControlArray<forms::OptionButton> optType_ZX;
    forms::ControlArray<forms::Image> Image1;
    forms::ControlArray<forms::TextBox> txtZX;
    forms::CheckBox chkXD;
    forms::ControlArray<forms::CommandButton> cmdOK_ZX;

private:
    void bindEvents();
    void declareLayout();
    void setParameterCaptions(const std::string& first, const std::string& second);
    int chosenForm() const;
    StraightLine lineFromBoxes(int form) const;
    void proposeRange(double from, double to);
    void drawLine();
    void resetTab();
};

void RenderLine(SlideContext& slide, const LineRecord& record);

constexpr const char* kNoCoefficientsMessage = common::messages::kGraphNoCoefficients;

}  // namespace graph
