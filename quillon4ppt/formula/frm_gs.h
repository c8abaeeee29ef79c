#pragma once
// The formula window: one formula typed in the formula language, typeset and put on
// the slide's top-left corner; then the program ends. With one of its equations selected
// it opens that equation's formula, and OK puts the new equation in its place.
#include <optional>

#include "common/messages.h"
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
    // An equation of ours that stood selected when the window opened: OK replaces it.
    struct EditedEquation {
        office::ShapePtr shape;
        float left = 0, top = 0;
    };
    void declareLayout();
    void openSelectedEquation();
    bool insert(const std::string& formula);
    std::optional<double> teachersScale();
    void fitAndPlace(std::optional<double> scale);
    void replaceEdited();

    launch::Program& program_;
    EquationBridge bridge_;
    std::optional<EditedEquation> edited_;
};

using common::messages::kCannotTypeset;
using common::messages::kGsCaption;
using common::messages::kHelpPanelStart;

}  // namespace formula
