#pragma once
// Axis-parallel ellipses from five equation forms, with their foci, directrices and
// axes of symmetry on request.
#include <cstdint>
#include <string>

#include "common/color.h"
#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/conics/ellipses_geometry.h"
#include "quillon4ppt/graph/curve_checks.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

class frmGraph;
struct EllipseFormView;

struct EllipseRecord {
    double cx = 0, cy = 0, a2 = 0, b2 = 0;
    std::int16_t horizontal = 0, foci = 0, directrices = 0, axes = 0;  // -1 / 0
    LineLook look;
};

class EllipseFamily : public PlotFamily {
    frmGraph& graph_;  // first: the controls are built on its window

public:
    explicit EllipseFamily(frmGraph& graph);
    std::string key() const override { return "TY"; }
    std::string label() const override { return "椭圆(TY) "; }
    int tab() const override;
    void reset() override { cmdCancel_TY_Click(); }
    void draw() override { cmdOK_TY_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optBx_TY_Click();
    void optBy_TY_Click();
    void optPYx_TY_Click();
    void optPYy_TY_Click();
    void optGeneral_TY_Click();
    void cmdOK_TY_Click();
    void cmdCancel_TY_Click();

    RecordArray<EllipseRecord> records;

    forms::Frame fraStandard_TY, fraTranslated_TY, fraGeneral_TY;
    forms::OptionButton optBx_TY, optBy_TY, optPYx_TY, optPYy_TY, optGeneral_TY;
    forms::TextBox txtA2_TY, txtB2_TY, txtF_TY, txtX0_TY, txtY0_TY;
    forms::ControlArray<forms::Image> imgTY;
    forms::CheckBox chkFocus_TY, chkDirectrix_TY, chkAxis_TY;
    forms::CommandButton cmdOK_TY, cmdCancel_TY;

private:
    void declareLayout();
    void bindEvents();
    void chooseForm(forms::OptionButton& chosen, const EllipseFormView& view);
    CurveExtents extentsOf(const EllipseShape& e, bool standard) const;
    void preview(const EllipseShape& e, const CurveExtents& box, EllipseRecord& record, bool withAxes);
};

void RenderEllipse(SlideContext& slide, const EllipseRecord& record);

constexpr const char* kEllipseInputMessage = common::messages::kGraphEllipseInput;

}  // namespace graph
