#pragma once
// The graph workspace window: the preview with its frame controls, the line-style
// controls, the family tabs and the plot list.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/curve_checks.h"
#include "quillon4ppt/graph/graph_place.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"
#include "quillon4ppt/graph/shape_names.h"
#include "quillon4ppt/launch/program.h"

namespace graph {

// The tab strip's pages.
enum GraphTab {
    kTabTrig = 0,
    kTabLines = 1,
    kTabInverse = 2,
    kTabResults = 3,
    kTabPower = 4,
    kTabExponential = 5,
    kTabLogarithm = 6,
    kTabExpression = 7,
    kTabCircle = 8,
    kTabEllipse = 9,
    kTabHyperbola = 10,
    kTabParabola = 11
};

struct SavedGraph;

class frmGraph : public forms::Form {
public:
    explicit frmGraph(launch::Program& program);
    ~frmGraph() override;

    // The window's start state; also the second half of a reset.
    void Form_Load();

    // Frame and preview.
    void SetPreviewScale();
    void DrawAxes(const std::string& mode);
    void DrawScale(const std::string& mode);

    // Handlers.
    void HScrollx_Change();
    void HScrolly_Change();
    void txtLenOfAxis_KeyPress(int axis, int keyAscii);
    void txtLenOfAxis_LostFocus(int axis);
    void udLenOfAxis_UpClick(int index);
    void udLenOfAxis_DownClick(int index);
    void chkDrawScale_Click();
    void chkNoCoordinate_Click();
    void cmdCls_Click();
    void Combo1_Change();
    void Combo2_Change();
    void cmdChangeColor_Click();
    void SSTab1_Click();
    void cmdOK_Click();
    void cmdResult_Click();
    void cmdReset_Click();
    void cmdCancel_Click();

    // What the families share.
    launch::Program& program() { return program_; }
    common::Rgb lineColor() const { return labColor.backColor(); }
    int lineStyleValue() const;   // Combo2 as a whole number
    int lineWeightValue() const;  // Combo1 as a whole number
    LineLook lineLook() const;
    void showLineLook(const LineLook& look);
    // A deletion's replay erases what was confirmed when it was drawn: no question.
    bool outOfFrameDeclined() { return RecordItems && ConfirmOutOfFrame(CurveExtents, frame, dialogs()); }
    // A traced curve of that height is about to be drawn: false when it does not fit
    // (extentsFit of CurveExtents) or the teacher declined the out-of-frame question; otherwise the
    // canvas is cleared first unless several graphs share it.
    bool beginCurve(double lowest, double highest);
    // An item of these extents fits on the slide (and, for extentsFit, within the
    // sampler's bound); otherwise the teacher is told why and it is false. A
    // deletion's replay redraws what was accepted, without asking.
    bool fitsSlide(const graph::CurveExtents& extents);
    bool extentsFit(const graph::CurveExtents& extents);
    // The frame with the slide mapping an insertion would use now.
    CoordinateFrame slideFrame();
    // The box fits on the slide at that frame; true when the slide cannot be asked.
    bool slideHolds(double xLow, double xHigh, double yLow, double yHigh);
    void showRangeError() { ShowRangeError(dialogs()); }
    void drawDashedGuide(double x1, double y1, double x2, double y2);
    // Lists the item the family just stored at its counter, and counts it.
    void listItem(PlotFamily& family);
    PlotFamily* family(const std::string& key) const;
    const std::vector<std::unique_ptr<PlotFamily>>& families() const { return families_; }
    void addFamily(std::unique_ptr<PlotFamily> family);

    // Module-level state of the workspace.
    CoordinateFrame frame;
    AxesItem axesItem;
    bool RecordItems = true;
    std::string EquationFormKey;
    graph::CurveExtents CurveExtents;
    InsertedShapeNames shapeNames;
    std::optional<ReopenedGraph> reopened;

    // Controls, in tab order.
    forms::PictureBox Picture1{*this, "Picture1"};
    forms::Label labZS{*this, "labZS"}, labZX{*this, "labZX"}, labYS{*this, "labYS"}, labYX{*this, "labYX"};
    forms::ControlArray<forms::Label> Label{*this, "Label", 14};
    forms::ScrollBar HScrollx{*this, "HScrollx"};
    forms::ScrollBar HScrolly{*this, "HScrolly"};
    forms::Frame fraAxis{*this, "fraAxis"};
    forms::TextBox txtLenOfAxis_x{*this, "txtLenOfAxis_x"};
    forms::TextBox txtLenOfAxis_y{*this, "txtLenOfAxis_y"};
    forms::ControlArray<forms::UpDown> udLenOfAxis{*this, "udLenOfAxis", 2};
    forms::CheckBox chkDrawScale{*this, "chkDrawScale"};
    forms::CheckBox chkNoCoordinate{*this, "chkNoCoordinate"};
    forms::CommandButton cmdCls{*this, "cmdCls"};
    forms::Frame fraLine{*this, "fraLine"};
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::ComboBox Combo2{*this, "Combo2"};
    forms::Label labColor{*this, "labColor"};
    forms::CommandButton cmdChangeColor{*this, "cmdChangeColor"};
    forms::LineSample Line1{*this, "Line1"};
    forms::TabStrip SSTab1{*this, "SSTab1"};
    forms::ListBox List1{*this, "List1"};
    forms::CommandButton cmdResult{*this, "cmdResult"};
    forms::CommandButton cmdReset{*this, "cmdReset"};
    forms::Frame fraPoint{*this, "fraPoint"};
    forms::ControlArray<forms::TextBox> txtPoint{*this, "txtPoint", 2};
    forms::CheckBox chkPointOnly{*this, "chkPointOnly"};
    forms::CommandButton cmdDrawPoint{*this, "cmdDrawPoint"};
    forms::CheckBox chkMultImage{*this, "chkMultImage"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};

private:
    void declareLayout();
    void bindEvents();
    void scrollFrame(forms::ScrollBar& bar, std::int16_t& low, std::int16_t& high);
    void redrawFrame();
    void resizeAxis(int axis);
    void spinAxis(int index, int delta);
    void insertList(SlideContext& slide);
    void placeEntry(SlideContext& slide, const std::string& text);
    void groupShapes(SlideContext& slide, const std::optional<StandingGraph>& old);
    // The graph selected on the slide, opened again; the start state when there is none.
    void reopenSelectedGraph();
    void showSavedGraph(const SavedGraph& saved, const std::string& record);
    void startOver(const settings::AxisSettings& loaded, const char* message);
    void replayListed();
    // The record box and the alternative text of a new group, which then takes the
    // place of the reopened one.
    void finishGroup(SlideContext& slide, std::vector<std::string> names,
                     const std::optional<StandingGraph>& old);
    std::optional<StandingGraph> standingReopened(office::SlideHost& host) const;
    void replaceReopened(office::Shape& group, const GraphPlace& drawn, const StandingGraph& old);
    void deleteEntry(const std::string& entry);
    void replayEntry(const std::string& entry);
    void restoreLineStyle(const std::string& weight, const std::string& style, common::Rgb color);
    // Runs a replay with nothing recorded; the line-style controls are as they were after it.
    void replaying(const std::function<void()>& replay);
    // The family's "确定" for the record at index, its counter kept.
    void drawAgain(PlotFamily& family, int index);

    launch::Program& program_;
    std::vector<std::unique_ptr<PlotFamily>> families_;
    bool rebarring_ = false;  // a scroll bar takes the frame's new range
};

// Every family this build has, in the order of the plot-kind table.
void addFamilies(frmGraph& graph);

constexpr const char* kAxesEntry = "平面直角坐标系(ZBX)";
constexpr const char* kDefaultCaption = common::messages::kGraphCaption;

}  // namespace graph
