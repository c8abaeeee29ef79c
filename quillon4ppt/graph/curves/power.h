#pragma once
// The power tab "幂函数": y = x^n and y = x^(n/m), the m-th root of x^n, over a typed
// range; on negative x the root form follows the parity of the reduced fraction.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "quillon4ppt/graph/curves/curve_tabs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

enum PowerForm : std::int16_t { kPowerXn = 0, kPowerXmn = 1 };

struct PowerRecord {
    std::int16_t form = kPowerXn;
    std::int16_t n = 0, m = 0;  // as typed, not reduced
    double xFrom = 0, xTo = 0;
    LineLook look;
};

// y = x^n, or x^(n'/m') with the fraction reduced: on negative x |x|^e for even n',
// -|x|^e for odd n', and no value for even m'.
class PowerCurve {
public:
    // Nothing for a root index of 0.
    static std::optional<PowerCurve> make(PowerForm form, int n, int m);
    double operator()(double x) const;
    double exponent() const { return e_; }
    bool evenFunction() const { return np_ % 2 == 0; }
    // Defined on negative x.
    bool bothSides() const { return form_ == kPowerXn || mp_ % 2 != 0; }
    PowerForm form() const { return form_; }
    bool oddRoot() const { return mp_ % 2 != 0; }

private:
    PowerCurve(PowerForm form, int np, int mp)
        : form_(form), np_(np), mp_(mp), e_(static_cast<double>(np) / mp) {}
    PowerForm form_;
    int np_, mp_;
    double e_;
};

// The curve's range as drawn: its lowest and highest values and its pieces, or
// nothing when the range cannot be drawn.
struct PowerPlan {
    double low = 0, high = 0;
    std::vector<CurvePiece> pieces;
};
std::optional<PowerPlan> PlanPower(const PowerCurve& curve, double xFrom, double xTo);

// The widest range about 0 whose values stay within the frame's height (for a pole at
// 0, the right branch from where it enters the frame); the frame's own range when
// that search leaves the frame.
XRange SuggestPowerRange(const PowerCurve& curve, const CoordinateFrame& frame);

// A typed number that is whole and fits 16 bits.
std::optional<std::int16_t> WholeInt16(double value);
std::optional<PowerForm> PowerFormOf(const std::string& key);

class PowerFamily : public PlotFamily {
public:
    explicit PowerFamily(frmGraph& graph);
    std::string key() const override { return "MI"; }
    std::string label() const override { return "幂函数(MI) "; }
    int tab() const override { return kTabPower; }
    void reset() override { cmdCancel_Power_Click(); }
    void draw() override { cmdOK_Pwoer_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optXn_Power_Click() { chooseForm(kPowerXn); }
    void optXmn_Power_Click() { chooseForm(kPowerXmn); }
    void txtN_Power_Change();
    void cmdOK_Pwoer_Click();
    void cmdCancel_Power_Click();

    RecordArray<PowerRecord> records;

private:
    frmGraph& graph_;
    bool loading_ = false;  // a deletion is putting a record back into the boxes

public:
    forms::OptionButton optXn_Power{graph_, "optXn_Power", 41};
    forms::OptionButton optXmn_Power{graph_, "optXmn_Power", 42};
    forms::Image imgXn_Power{graph_, "imgXn_Power"};
    forms::Image imgXmn_Power{graph_, "imgXmn_Power"};
    forms::Image imgN_Power{graph_, "imgN_Power"};
    forms::TextBox txtN_Power{graph_, "txtN_Power"};
    forms::Image imgM_Power{graph_, "imgM_Power"};
    forms::TextBox txtM_Power{graph_, "txtM_Power"};
    forms::Image imgRange_Power{graph_, "imgRange_Power"};
    forms::TextBox txtXmin_Power{graph_, "txtXmin_Power"};
    forms::Image imgX_Power{graph_, "imgX_Power"};
    forms::TextBox txtXmax_Power{graph_, "txtXmax_Power"};
    forms::CommandButton cmdOK_Pwoer{graph_, "cmdOK_Pwoer"};
    forms::CommandButton cmdCancel_Power{graph_, "cmdCancel_Power"};

private:
    void declareLayout();
    void bindEvents();
    void chooseForm(PowerForm form);
    // The curve the boxes describe for the chosen form; reports a bad n or m.
    std::optional<PowerCurve> typedCurve(PowerForm form);
};

void RenderPower(SlideContext& slide, const PowerRecord& record);

}  // namespace graph
