#pragma once
// The hyperbola tab "双曲线": five equation forms, a proposed x range, the draw
// action with foci, directrices, asymptotes and axes, and the shapes on the slide.
#include <cstdint>

#include "common/color.h"
#include "quillon4ppt/graph/conics/hyperbolas_geometry.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

struct HyperbolaRecord {
    double cx = 0, cy = 0;
    double a2 = 0, b2 = 0;
    double xFrom = 0, xTo = 0;
    double tFrom = 0, tTo = 0;  // the traced parameter: y sideways, x up and down
    std::int16_t horizontal = 0;
    std::int16_t foci = 0, directrices = 0, axes = 0, asymptotes = 0;
    LineLook look;
};

class HyperbolaFamily : public PlotFamily {
public:
    explicit HyperbolaFamily(frmGraph& graph);
    std::string key() const override { return "SQX"; }
    std::string label() const override { return "双曲线(SQX) "; }
    int tab() const override { return kTabHyperbola; }
    void reset() override { cmdCancel_SQX_Click(); }
    void draw() override { cmdOK_SQX_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optBx_SQX_Click() { chooseForm(HyperbolaForm::Bx); }
    void optBy_SQX_Click() { chooseForm(HyperbolaForm::By); }
    void optPYx_SQX_Click() { chooseForm(HyperbolaForm::PYx); }
    void optPYy_SQX_Click() { chooseForm(HyperbolaForm::PYy); }
    void optGeneral_SQX_Click() { chooseForm(HyperbolaForm::General); }
    // The range proposal.
    void txtA2_SQX_Change();
    void cmdOK_SQX_Click();
    void cmdCancel_SQX_Click();

    RecordArray<HyperbolaRecord> records;

private:
    frmGraph& graph_;
    bool loading_ = false;  // a deletion is putting a record back into the boxes

public:
    forms::ControlArray<forms::Frame> fraSQX{graph_, "fraSQX", 3};
    forms::OptionButton optBx_SQX{graph_, "optBx_SQX", 1};
    forms::OptionButton optBy_SQX{graph_, "optBy_SQX", 2};
    forms::OptionButton optPYx_SQX{graph_, "optPYx_SQX", 3};
    forms::OptionButton optPYy_SQX{graph_, "optPYy_SQX", 4};
    forms::OptionButton optGeneral_SQX{graph_, "optGeneral_SQX", 5};
    forms::ControlArray<forms::Image> imgSQX{graph_, "imgSQX", 9};
    forms::TextBox txtA2_SQX{graph_, "txtA2_SQX"};
    forms::TextBox txtB2_SQX{graph_, "txtB2_SQX"};
    forms::TextBox txtF_SQX{graph_, "txtF_SQX"};
    forms::TextBox txtX0_SQX{graph_, "txtX0_SQX"};
    forms::TextBox txtY0_SQX{graph_, "txtY0_SQX"};
    forms::TextBox txtXmin_SQX{graph_, "txtXmin_SQX"};
    forms::Image imgX_SQX{graph_, "imgX_SQX"};
    forms::TextBox txtXmax_SQX{graph_, "txtXmax_SQX"};
    forms::CheckBox chkFocus_SQX{graph_, "chkFocus_SQX"};
    forms::CheckBox chkDirectrix_SQX{graph_, "chkDirectrix_SQX"};
    forms::CheckBox chkJJX_SQX{graph_, "chkJJX_SQX"};
    forms::CheckBox chkAxis_SQX{graph_, "chkAxis_SQX"};
    forms::CommandButton cmdOK_SQX{graph_, "cmdOK_SQX"};
    forms::CommandButton cmdCancel_SQX{graph_, "cmdCancel_SQX"};

private:
    void declareLayout();
    void bindEvents();
    void chooseForm(HyperbolaForm form);
    forms::OptionButton& option(HyperbolaForm form);
    HyperbolaInput input() const;
    void preview(const Hyperbola& h, bool sideAxes, HyperbolaRecord& r);
};

void RenderHyperbola(SlideContext& slide, const HyperbolaRecord& r);

}  // namespace graph
