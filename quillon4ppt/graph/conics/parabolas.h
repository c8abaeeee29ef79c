#pragma once
// The parabola tab "抛物线": nine equation forms kept as one canonical shape, a
// proposed x range, the draw action with focus, directrix and axis, and the shapes
// on the slide.
#include <cstdint>
#include <string>

#include "common/color.h"
#include "quillon4ppt/graph/conics/parabolas_geometry.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

struct ParabolaRecord {
    double s = 0, x0 = 0, y0 = 0;
    double xFrom = 0, xTo = 0;
    std::string opening;  // "x", "-x", "y" or "-y"
    std::int16_t focus = 0, directrix = 0, axis = 0;
    LineLook look;
};

class ParabolaFamily : public PlotFamily {
public:
    explicit ParabolaFamily(frmGraph& graph);
    std::string key() const override { return "PWX"; }
    std::string label() const override { return "抛物线(PWX) "; }
    int tab() const override { return kTabParabola; }
    void reset() override { cmdCancel_PWX_Click(); }
    void draw() override { cmdOK_PWX_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void opt2px_Click() { chooseForm(ParabolaForm::Px); }
    void opt_2px_Click() { chooseForm(ParabolaForm::NPx); }
    void opt2py_Click() { chooseForm(ParabolaForm::Py); }
    void opt_2py_Click() { chooseForm(ParabolaForm::NPy); }
    void opt2px0_Click() { chooseForm(ParabolaForm::Px0); }
    void opt_2px0_Click() { chooseForm(ParabolaForm::NPx0); }
    void opt2py0_Click() { chooseForm(ParabolaForm::Py0); }
    void opt_2py0_Click() { chooseForm(ParabolaForm::NPy0); }
    void optAx2_PWX_Click() { chooseForm(ParabolaForm::Ax2); }
    // The range proposal.
    void txt2p_Change();
    void cmdOK_PWX_Click();
    void cmdCancel_PWX_Click();

    RecordArray<ParabolaRecord> records;

private:
    frmGraph& graph_;

public:
    forms::ControlArray<forms::Frame> fraPWX{graph_, "fraPWX", 3};
    forms::OptionButton opt2px{graph_, "opt2px", 1};
    forms::OptionButton opt_2px{graph_, "opt_2px", 2};
    forms::OptionButton opt2py{graph_, "opt2py", 3};
    forms::OptionButton opt_2py{graph_, "opt_2py", 4};
    forms::OptionButton opt2px0{graph_, "opt2px0", 5};
    forms::OptionButton opt_2px0{graph_, "opt_2px0", 6};
    forms::OptionButton opt2py0{graph_, "opt2py0", 7};
    forms::OptionButton opt_2py0{graph_, "opt_2py0", 8};
    forms::OptionButton optAx2_PWX{graph_, "optAx2_PWX", 9};
    forms::ControlArray<forms::Image> imgPWX{graph_, "imgPWX", 6};
    forms::TextBox txt2p{graph_, "txt2p"};
    forms::TextBox txtX0_PWX{graph_, "txtX0_PWX"};
    forms::TextBox txtY0_PWX{graph_, "txtY0_PWX"};
    forms::TextBox txtXmin_PWX{graph_, "txtXmin_PWX"};
    forms::Image imgX_PWX{graph_, "imgX_PWX"};
    forms::TextBox txtXmax_PWX{graph_, "txtXmax_PWX"};
    forms::CheckBox chkFocus_PWX{graph_, "chkFocus_PWX"};
    forms::CheckBox chkDirectrix_PWX{graph_, "chkDirectrix_PWX"};
    forms::CheckBox chkAxis_PWX{graph_, "chkAxis_PWX"};
    forms::CommandButton cmdOK_PWX{graph_, "cmdOK_PWX"};
    forms::CommandButton cmdCancel_PWX{graph_, "cmdCancel_PWX"};

private:
    void declareLayout();
    void bindEvents();
    void chooseForm(ParabolaForm form);
    forms::OptionButton& option(ParabolaForm form);
    ParabolaInput input() const;
    void preview(ParabolaForm form, const Parabola& p, double yFrom, double yTo, ParabolaRecord& r);
};

// Also leaves the traced parameter's range in the extents, as the draw action does.
void RenderParabola(SlideContext& slide, const ParabolaRecord& r, CurveExtents& extents);

}  // namespace graph
