#pragma once
// The exponential tab "指数函数": y = a^(x + h) + k over a typed range, the range
// suggested as the base is typed, and the curve on the slide.
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/curves/curve_tabs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

struct ExpRecord {
    double a = 0, h = 0, k = 0;
    double xFrom = 0, xTo = 0;
    LineLook look;
};

// From where the curve has risen 0.1 above its asymptote to just below the top of
// the frame; the frame's own range when the curve never gets that far inside it.
XRange SuggestExponentialRange(double a, double h, double k, const CoordinateFrame& frame);

class ExponentialFamily : public PlotFamily {
public:
    explicit ExponentialFamily(frmGraph& graph);
    std::string key() const override { return "AX"; }
    std::string label() const override { return "指数函数(AX) "; }
    int tab() const override { return kTabExponential; }
    void reset() override { cmdCancel_Exponent_Click(); }
    void draw() override { cmdOK_Exponent_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void txtA_Exponent_Change();
    void cmdOK_Exponent_Click();
    void cmdCancel_Exponent_Click();

    RecordArray<ExpRecord> records;

private:
    frmGraph& graph_;

public:
    forms::ControlArray<forms::TextBox> txtA_Exponent{graph_, "txtA_Exponent", 3};
    forms::TextBox txtXmin_Exponent{graph_, "txtXmin_Exponent"};
    forms::TextBox txtXmax_Exponent{graph_, "txtXmax_Exponent"};
    forms::ControlArray<forms::Image> imgExponent{graph_, "imgExponent", 6};
    forms::CommandButton cmdOK_Exponent{graph_, "cmdOK_Exponent"};
    forms::CommandButton cmdCancel_Exponent{graph_, "cmdCancel_Exponent"};

private:
    void declareLayout();
};

void RenderExponential(SlideContext& slide, const ExpRecord& record);

}  // namespace graph
