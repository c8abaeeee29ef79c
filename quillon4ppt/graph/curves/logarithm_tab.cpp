// The logarithmic tab's controls, forms, range suggestion, order check, reset and
// replay.
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/logarithm.h"

namespace graph {

std::optional<LogForm> LogFormOf(const std::string& key) {
    const std::string k = common::lowerAscii(key);
    if (k == "logx") return kLogX;
    if (k == "logabsx") return kLogAbsX;
    if (k == "abslogx") return kAbsLogX;
    return std::nullopt;
}

XRange SuggestLogRange(LogForm form, double a, const CoordinateFrame& frame) {
    auto log = [a](double v) { return std::log(v) / std::log(a); };
    const double start = common::Val(common::FormatFixed2(frame.xMax / 50.0));
    double to = frame.xMax;
    if (form == kLogAbsX) {
        if (std::fabs(frame.xMin) < frame.xMax) to = std::fabs(frame.xMin);
        if (to < 1) return {static_cast<double>(frame.xMin), static_cast<double>(frame.xMax)};
    }
    auto tooHigh = [&](double t) {
        if (form == kAbsLogX) return std::fabs(log(t)) > frame.yMax;
        return a > 1 ? log(t) > frame.yMax : log(t) < frame.yMin;
    };
    // Whole steps down to 1, where every logarithm is 0: a frame without that height
    // keeps the widest range.
    const std::optional<double> end = StepWhile(to, -1, 1, to, tooHigh);
    if (form == kLogAbsX) return {-end.value_or(to), end.value_or(to)};
    return {start, end.value_or(to)};
}

LogarithmFamily::LogarithmFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
}

void LogarithmFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabLogarithm;
    const char* captions[] = {"y = logₐx", "y = logₐ|x|", "y = |logₐx|", "a =", "x的取值范围：", "≤ x ≤"};
    for (int i = 0; i < imgLog.size(); ++i) imgLog[i].setCaption(captions[i]);
    forms::OptionButton* options[] = {&optLogX, &optLogAbsX, &optAbsLogX};
    for (int i = 0; i < 3; ++i) {
        options[i]->place(120 + i * 1980, 270, 300, 300, tab, page);
        imgLog[i].place(420 + i * 1980, 240, 1300, 360, tab, page);
    }
    imgLog[3].place(120, 900, 480, 330, tab, page);
    txtA_log.place(600, 840, 1000, 330, tab, page);
    imgLog[4].place(120, 1560, 1500, 330, tab, page);
    txtXmin_Log.place(120, 1980, 1000, 330, tab, page);
    imgLog[5].place(1200, 2040, 900, 330, tab, page);
    txtXmax_Log.place(2160, 1980, 1000, 330, tab, page);
    cmdOK_log.setCaption("确定");
    cmdOK_log.place(3120, 3660, 1200, 420, tab, page);
    cmdCancel_log.setCaption("重置");
    cmdCancel_log.place(4560, 3660, 1200, 420, tab, page);
}

void LogarithmFamily::bindEvents() {
    optLogX.Click = [this] { optLogX_Click(); };
    optLogAbsX.Click = [this] { optLogAbsX_Click(); };
    optAbsLogX.Click = [this] { optAbsLogX_Click(); };
    txtA_log.Change = [this] { txtA_log_Change(); };
    txtXmax_Log.LostFocus = [this] { txtXmax_Log_LostFocus(); };
    cmdOK_log.Click = [this] { cmdOK_log_Click(); };
    cmdCancel_log.Click = [this] { cmdCancel_log_Click(); };
}

forms::OptionButton& LogarithmFamily::option(LogForm form) {
    if (form == kLogAbsX) return optLogAbsX;
    if (form == kAbsLogX) return optAbsLogX;
    return optLogX;
}

// The options stand in no common container, so each clears the other two itself.
// The range stays as the teacher typed it: only a new base suggests one.
void LogarithmFamily::chooseForm(LogForm form) {
    for (LogForm other : {kLogX, kLogAbsX, kAbsLogX})
        if (other != form) option(other).setValue(false);
    const char* keys[] = {"LogX", "LogAbsX", "AbsLogX"};
    graph_.EquationFormKey = keys[form];
}

void LogarithmFamily::txtA_log_Change() {
    if (txtA_log.text().empty()) return;
    const double a = readBox(txtA_log);
    const std::optional<LogForm> form = LogFormOf(graph_.EquationFormKey);
    if (!ValidBase(a) || !form) return;
    const XRange range = SuggestLogRange(*form, a, graph_.frame);
    if (*form == kLogAbsX) {
        ShowRange(txtXmin_Log, txtXmax_Log, range);
        return;
    }
    txtXmin_Log.setText(common::FormatFixed2(range.from));
    txtXmax_Log.setText(common::NumberText(range.to));
}

void LogarithmFamily::txtXmax_Log_LostFocus() {
    if (txtXmax_Log.text().empty()) return;
    graph_.CurveExtents.cxMin = readBox(txtXmin_Log);
    graph_.CurveExtents.cxMax = readBox(txtXmax_Log);
    if (graph_.CurveExtents.cxMin < graph_.CurveExtents.cxMax) return;
    graph_.dialogs().msgBox(kRangeOrderMessage);
    txtXmax_Log.setText("");
}

void LogarithmFamily::cmdCancel_log_Click() {
    txtA_log.setText("");
    txtXmin_Log.setText("");
    txtXmax_Log.setText("");
    chooseOption(optLogX, [this] { optLogX_Click(); });
}

// The option's click runs even when it was chosen, so the form key is the record's.
void LogarithmFamily::loadRecord(int index) {
    const LogRecord& r = records.get(index);
    const auto form = static_cast<LogForm>(r.form);
    chooseOption(option(form), [this, form] { chooseForm(form); });
    txtA_log.setText(common::NumberText(r.a));
    ShowRange(txtXmin_Log, txtXmax_Log, {r.xFrom, r.xTo});
    graph_.showLineLook(r.look);
}

void LogarithmFamily::render(SlideContext& slide, int index) {
    RenderLogarithm(slide, records.get(index));
}

}  // namespace graph
