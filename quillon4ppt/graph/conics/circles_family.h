#pragma once
// Circles from their standard or general equation, with the centre on request.
#include <cstdint>
#include <string>

#include "common/color.h"
#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/plot_family.h"

namespace graph {

class frmGraph;

struct CircleRecord {
    double cx = 0, cy = 0, r2 = 0;
    std::int16_t centre = 0;  // -1 / 0
    LineLook look;
};

class CircleFamily : public PlotFamily {
    frmGraph& graph_;  // first: the controls are built on its window

public:
    explicit CircleFamily(frmGraph& graph);
    std::string key() const override { return "Yuan"; }
    std::string label() const override { return "圆(Yuan) "; }
    int tab() const override;
    void reset() override { cmdCancel_Y_Click(); }
    void draw() override { cmdOK_Y_Click(); }
    void loadRecord(int index) override;
    void render(SlideContext& slide, int index) override;

    void optXYR_Click();
    void optXaYbR_Click();
    void optGeneral_Y_Click();
    void cmdOK_Y_Click();
    void cmdCancel_Y_Click();

    RecordArray<CircleRecord> records;

    forms::Frame fraStandard_Y, fraGeneral_Y;
    forms::OptionButton optXYR, optXaYbR, optGeneral_Y;
    forms::TextBox txtR2, txta, txtb;
    forms::ControlArray<forms::Image> imgYuan;
    forms::CheckBox chkCentreOfCircle;
    forms::CommandButton cmdOK_Y, cmdCancel_Y;

private:
    void declareLayout();
    void bindEvents();
    // Clears the other options and shows the form's captions and boxes.
    void chooseForm(forms::OptionButton& chosen, const char* key, int firstCaption, bool threeBoxes);
    void preview(const CircleRecord& c, bool centre);
};

void RenderCircle(SlideContext& slide, const CircleRecord& record);

constexpr const char* kNoFormMessage = common::messages::kGraphNoForm;
constexpr const char* kRadiusMessage = common::messages::kGraphRadius;

}  // namespace graph
