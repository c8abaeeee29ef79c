#pragma once
// The trigonometric tab "三角函数": y = A·f(ωx + φ) + k for sine, cosine, tangent and
// cotangent, and the four inverse functions; sine and cosine carry key points
// labelled with fractions of π, put on the slide as typeset equations.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace formula {
class EquationBridge;
}

namespace graph {

struct KeyPoint {
    double x = 0, y = 0;
    std::string label;  // "@p" for π, "(" ")" around a numerator, "/" before the denominator
};

struct TrigRecord {
    std::int16_t type = 0;
    double A = 0, omega = 0, phi = 0, k = 0;
    std::vector<CurveInterval> pieces;
    LineLook look;
    std::vector<KeyPoint> keyPoints;
    // What the replay of a deletion restores so that it retraces the same item: the
    // mode (0 periods, 1 range), the periods choice, the boxes as typed.
    std::int16_t mode = 0, periodsChoice = 0;
    std::array<std::string, 4> typed;  // A, ω, φ, k
    std::string rangeFrom, rangeTo;
    bool radians = true;
};

enum TrigType : std::int16_t {
    kSine,
    kCosine,
    kTangent,
    kCotangent,
    kArcsine,
    kArccosine,
    kArctangent,
    kArccotangent
};

// The type's y = f(x) with the record's parameters; nullopt where it fails.
CurveFunction TrigCurve(const TrigRecord& r);
// The type's shape label on the slide, "正弦函数" for sine.
const char* TrigLabel(int type);

class TrigFamily : public PlotFamily {
public:
    explicit TrigFamily(frmGraph& graph);
    ~TrigFamily() override;
    std::string key() const override { return "SJ"; }
    std::string label() const override { return "三角函数(SJ) "; }
    int tab() const override { return kTabTrig; }
    void reset() override { cmdCancel_sin_Click(); }
    void draw() override { cmdOK_sin_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void cmdOK_sin_Click();
    void cmdCancel_sin_Click();
    void optType_SJ_Click(int index);
    void optFW_Click(int index);
    void optFS_Click(int index);
    void txtXmin_SJ_Change();
    void txtXmax_SJ_Change();

    // The parameter text evaluated, PI standing for 3.1415926; nullopt when it fails.
    std::optional<double> ReadParameter(const std::string& text) const;
    int selectedType() const;

    RecordArray<TrigRecord> records;

private:
    frmGraph& graph_;

    static std::deque<forms::OptionButton> options(frmGraph& g, const std::string& name, int count,
                                                   int group);

public:
    forms::Frame fraType_SJ{graph_, "fraType_SJ"};
    std::deque<forms::OptionButton> optType_SJ = options(graph_, "optType_SJ", 8, 81);
    forms::ControlArray<forms::Image> Image3{graph_, "Image3", 8};
    forms::TextBox txtA_sin{graph_, "txtA_sin"};
    forms::TextBox txtW_sin{graph_, "txtW_sin"};
    forms::TextBox txtF_sin{graph_, "txtF_sin"};
    forms::TextBox txtK_sin{graph_, "txtK_sin"};
    forms::ControlArray<forms::Label> labParam_SJ{graph_, "labParam_SJ", 4};
    forms::CheckBox chkHD_SJ{graph_, "chkHD_SJ"};
    forms::Label labHelp_SJ{graph_, "labHelp_SJ"};
    std::deque<forms::OptionButton> optFW = options(graph_, "optFW", 2, 82);
    std::deque<forms::OptionButton> optFS = options(graph_, "optFS", 3, 83);
    forms::Label labPeriods_SJ{graph_, "labPeriods_SJ"};
    forms::Label labStart_SJ{graph_, "labStart_SJ"};
    forms::TextBox txtXmin_SJ{graph_, "txtXmin_SJ"};
    forms::Image Image_sj_fw{graph_, "Image_sj_fw"};
    forms::TextBox txtXmax_SJ{graph_, "txtXmax_SJ"};
    forms::CommandButton cmdOK_sin{graph_, "cmdOK_sin"};
    forms::CommandButton cmdCancel_sin{graph_, "cmdCancel_sin"};

private:
    void declareLayout();
    void bindEvents();
    void showPeriods(int choice);
    void clampArcRange(forms::TextBox& box, bool upper);
    formula::EquationBridge& bridge();

    // The key points of sine and cosine: j = 0..last at x = (base + jπ/2 − φ)/ω, where
    // ωx + φ is (j − shift)·π/2.
    struct KeyPlan {
        int last = 0, shift = 0;
        double base = 0;
    };
    std::optional<int> periodsCount() const;
    bool fits(const TrigRecord& r);
    std::optional<KeyPlan> periodsRange(const TrigRecord& r, double& xFrom, double& xTo);
    void markKeyPoints(TrigRecord& r, const KeyPlan& plan);
    void printLabel(const KeyPoint& p);
    void markExtreme(double x, double y);
    void trace(TrigRecord& r, double xFrom, double xTo);

    std::unique_ptr<formula::EquationBridge> bridge_;  // one typesetter for every label of the run
};

// The curve as Bezier shapes and, for sine and cosine, the key-point labels as typeset
// equations from the bridge, hung from the x axis.
void RenderTrig(SlideContext& slide, office::Application& host, formula::EquationBridge* labels,
                const TrigRecord& r);

constexpr double kPi = 3.14159265358979;
constexpr double kHalfPi = 1.570796326794895;

}  // namespace graph
