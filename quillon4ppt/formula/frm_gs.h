#pragma once
// The formula window: one formula typed in the formula language, typeset and put on
// the slide's top-left corner; then the program ends.
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "quillon4ppt/formula/equation_bridge.h"
#include "quillon4ppt/launch/program.h"

namespace formula {

class frmGS : public forms::Form {
public:
    explicit frmGS(launch::Program& program);

    void Form_Load();
    void cmdOK_Click();
    void cmdExit_Click();
    void lbhelp_Click(int index);
    void txtGS_KeyPress(int& keyAscii);

    EquationBridge& bridge() { return bridge_; }

    forms::TextBox txtGS{*this, "txtGS"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdExit{*this, "cmdExit"};
    forms::ControlArray<forms::Label> lbhelp{*this, "lbhelp", 8};
    forms::Image Image1{*this, "Image1"};

private:
    void declareLayout();
    bool insert(const std::string& formula);
    void fitAndPlace();

    launch::Program& program_;
    EquationBridge bridge_;
};

constexpr const char* kGsCaption = "单击下方蓝色文字可显示对应公式录入规则";
constexpr const char* kHelpPanelStart = "帮助，提示信息显示区";
constexpr const char* kCannotTypeset = "公式无法排版：";

}  // namespace formula
