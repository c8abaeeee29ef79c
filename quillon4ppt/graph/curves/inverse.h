#pragma once
// The inverse-proportion tab "反比例函数": both branches of y = k/x over a typed
// range, with a gap around the pole that keeps the curve inside the frame.
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/curves/curve_tabs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

struct InverseRecord {
    double k = 0;
    double xStart = 0;  // the branches stop at -xStart and start at xStart
    double xFrom = 0, xTo = 0;
    LineLook look;
};

// The smallest x = 0.01·j at which (x, k/x) lies inside the frame; nothing when no
// such x lies between 0 and the frame's right edge.
std::optional<double> InverseGap(double k, const CoordinateFrame& frame);

// The two branches from xFrom to -xStart and from xStart to xTo.
std::vector<CurvePiece> InversePieces(double k, double xStart, double xFrom, double xTo);

class InverseFamily : public PlotFamily {
public:
    explicit InverseFamily(frmGraph& graph);
    std::string key() const override { return "FBLHS"; }
    std::string label() const override { return "反比例函数(FBLHS) "; }
    int tab() const override { return kTabInverse; }
    void draw() override { cmdOK_FBL_Click(0); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    // "确定" draws; "重置" empties k and takes the range from the frame.
    void cmdOK_FBL_Click(int index);

    RecordArray<InverseRecord> records;

private:
    frmGraph& graph_;

public:
    forms::ControlArray<forms::TextBox> txtFBL{graph_, "txtFBL", 3};
    forms::ControlArray<forms::Image> imgFBL{graph_, "imgFBL", 4};
    forms::ControlArray<forms::CommandButton> cmdOK_FBL{graph_, "cmdOK_FBL", 2};

private:
    void declareLayout();
    void drawInverse();
    void resetInverse();
};

void RenderInverse(SlideContext& slide, const InverseRecord& record);

}  // namespace graph
