#pragma once
// The logarithmic tab "对数函数": log_a x, log_a |x| and |log_a x| over a typed
// range, the range suggested as the base is typed, and the curves on the slide.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/curves/curve_tabs.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

enum LogForm : std::int16_t { kLogX = 0, kLogAbsX = 1, kAbsLogX = 2 };

struct LogRecord {
    std::int16_t form = kLogX;
    double a = 0;
    double xFrom = 0, xTo = 0;  // as drawn: a bound of 0 moved to where the curve stops
    LineLook look;
};

// What a draw action makes of a typed range: the range as drawn, the curve's lowest
// and highest values, and its pieces in the order the slide gets them.
struct LogPlan {
    double xFrom = 0, xTo = 0;
    double low = 0, high = 0;
    std::vector<CurvePiece> pieces;
};

std::optional<LogForm> LogFormOf(const std::string& key);
// Nothing when the range cannot be drawn for that form.
std::optional<LogPlan> PlanLogarithm(LogForm form, double a, double xFrom, double xTo);
// The suggested range: from xMax / 50 (or symmetric about 0 for log_a |x|) to the
// last whole x whose value lies within the frame's height; the widest such range
// when none does.
XRange SuggestLogRange(LogForm form, double a, const CoordinateFrame& frame);

class LogarithmFamily : public PlotFamily {
public:
    explicit LogarithmFamily(frmGraph& graph);
    std::string key() const override { return "LogX"; }
    std::string label() const override { return "对数函数(LogX) "; }
    int tab() const override { return kTabLogarithm; }
    void reset() override { cmdCancel_log_Click(); }
    void draw() override { cmdOK_log_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optLogX_Click() { chooseForm(kLogX); }
    void optLogAbsX_Click() { chooseForm(kLogAbsX); }
    void optAbsLogX_Click() { chooseForm(kAbsLogX); }
    void txtA_log_Change();
    void txtXmax_Log_LostFocus();
    void cmdOK_log_Click();
    void cmdCancel_log_Click();

    RecordArray<LogRecord> records;

private:
    frmGraph& graph_;

public:
    forms::TextBox txtA_log{graph_, "txtA_log"};
    forms::OptionButton optLogX{graph_, "optLogX", 61};
    forms::OptionButton optLogAbsX{graph_, "optLogAbsX", 62};
    forms::OptionButton optAbsLogX{graph_, "optAbsLogX", 63};
    forms::TextBox txtXmin_Log{graph_, "txtXmin_Log"};
    forms::TextBox txtXmax_Log{graph_, "txtXmax_Log"};
    forms::ControlArray<forms::Image> imgLog{graph_, "imgLog", 6};
    forms::CommandButton cmdOK_log{graph_, "cmdOK_log"};
    forms::CommandButton cmdCancel_log{graph_, "cmdCancel_log"};

private:
    void declareLayout();
    void bindEvents();
    forms::OptionButton& option(LogForm form);
    void chooseForm(LogForm form);
};

void RenderLogarithm(SlideContext& slide, const LogRecord& record);

constexpr const char* kRangeOrderMessage = common::messages::kGraphRangeOrder;

}  // namespace graph
