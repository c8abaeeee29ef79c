#pragma once
// The free-expression tab "任意函数": any expression in x (y = f(x)) or in y
// (x = f(y)), traced into the preview piece by piece and put on the slide as one
// curve per visible piece.
#include <cstdint>
#include <string>
#include <vector>

#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

struct AnyRecord {
    std::int16_t kind = 0;   // 0: y = f(x); 1: x = f(y)
    std::string expression;  // normalised, in x (for kind 1 every "y" already turned into "x")
    std::vector<CurveInterval> pieces;
    LineLook look;
    double vFrom = 0, vTo = 0;  // the range as typed, for the replay of a deletion
};

class ExpressionFamily : public PlotFamily {
public:
    explicit ExpressionFamily(frmGraph& graph);
    std::string key() const override { return "ANY"; }
    std::string label() const override { return "任意函数(ANY) "; }
    int tab() const override { return kTabExpression; }
    void reset() override { cmdCancel_Any_Click(); }
    void draw() override { cmdOK_Any_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void cmdOK_Any_Click();
    void cmdCancel_Any_Click();
    void optFX_Click() { showVariable(false); }
    void optFY_Click() { showVariable(true); }

    RecordArray<AnyRecord> records;

private:
    frmGraph& graph_;

public:
    forms::OptionButton optFX{graph_, "optFX", 71};
    forms::Label labFX{graph_, "labFX"};
    forms::OptionButton optFY{graph_, "optFY", 71};
    forms::Label labFY{graph_, "labFY"};
    forms::Label labPrompt_Any{graph_, "labPrompt_Any"};
    forms::Image imgFX{graph_, "imgFX"};
    forms::Image imgFY{graph_, "imgFY"};
    forms::TextBox txtExp{graph_, "txtExp"};
    forms::TextBox txtXmin_Any{graph_, "txtXmin_Any"};
    forms::Image imgX{graph_, "imgX"};
    forms::Image imgY{graph_, "imgY"};
    forms::TextBox txtXmax_Any{graph_, "txtXmax_Any"};
    forms::Label labNote_Any{graph_, "labNote_Any"};
    forms::ControlArray<forms::Label> Label{graph_, "Label", 1, 23};
    forms::CommandButton cmdOK_Any{graph_, "cmdOK_Any"};
    forms::CommandButton cmdCancel_Any{graph_, "cmdCancel_Any"};

private:
    void declareLayout();
    void bindEvents();
    void showVariable(bool y);
};

void RenderExpression(SlideContext& slide, const AnyRecord& record);

constexpr const char* kExpressionLabel = "任意函数";

}  // namespace graph
