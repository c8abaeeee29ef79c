#pragma once
// The point labeler: a run of point labels (A, B, C…; 1, 2, 3…; letters with an
// index or a prime) put on the slide in one step, each a small text box of its own.
#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/office/host.h"
#include "quillon4ppt/launch/program.h"
#include "quillon4ppt/utilities/dot_labels.h"

namespace utilities {

class frmDot : public forms::Form {
public:
    explicit frmDot(launch::Program& program);

    void Form_Load();
    void cmdOk_Click();
    void cmdExit_Click();
    void optType_Click(int index);
    void Label1_Click(int index);
    void txtDotNumber_KeyDown(int keyCode);

    forms::TextBox txtDotNumber{*this, "txtDotNumber"};
    forms::Frame Frame1{*this, "Frame1"};
    forms::ControlArray<forms::Frame> fraType{*this, "fraType", 3, 2};
    forms::ControlArray<forms::OptionButton> optType{*this, "optType", 5};
    forms::ControlArray<forms::TextBox> txtDotInfo{*this, "txtDotInfo", 8};
    forms::ControlArray<forms::Label> Label1{*this, "Label1", 13};
    forms::ComboBox cmbSize{*this, "cmbSize"};
    forms::CommandButton cmdOk{*this, "cmdOk"};
    forms::CommandButton cmdExit{*this, "cmdExit"};

    forms::Label& swatch() { return Label1[12]; }

private:
    void declareLayout();
    void bindEvents();
    int chosenType() const;
    DotInfo startValues() const;
    static const char* refusal(double n, int type, const DotInfo& info, double size);
    // One label, made and formatted through the presentation window's selection.
    void addLabel(int type, const std::string& text, float size);
    void formatIndex(int type, float size);

    launch::Program& program_;
};

using common::messages::kBadFontSize;
using common::messages::kDotCaption;
using common::messages::kNoStartLetter;
using common::messages::kTooManyLabels;
constexpr int kMostLabels = 100;

}  // namespace utilities
