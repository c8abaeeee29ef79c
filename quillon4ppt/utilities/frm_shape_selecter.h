#pragma once
// The shape selector: the shapes of the slide by the label part of their names, for
// selecting, nudging by a point and retexting a single text box.
#include <string>
#include <vector>

#include "common/messages.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/office/host.h"
#include "quillon4ppt/launch/program.h"

namespace utilities {

class frmShapeSelecter : public forms::Form {
public:
    explicit frmShapeSelecter(launch::Program& program);

    void Form_Load();
    void List1_Click();
    void Command1_Click(int index);
    void Command2_Click(int index);
    void cmdChangeText_Click();

    forms::ListBox List1{*this, "List1"};
    forms::ListBox List2{*this, "List2"};
    forms::Label Label1{*this, "Label1"};
    forms::ControlArray<forms::CommandButton> Command1{*this, "Command1", 4};
    forms::ControlArray<forms::CommandButton> Command2{*this, "Command2", 2};
    forms::TextBox txtTextBox{*this, "txtTextBox"};
    forms::CommandButton cmdChangeText{*this, "cmdChangeText"};

private:
    void declareLayout();
    void bindEvents();
    // Lists the slide's shapes anew; returns how many there are.
    int fillLists();
    // The slide changed under the lists: they are filled again and the teacher told.
    void reloadChanged();
    bool namesOnSlide(const std::vector<std::string>& names);
    void showTextBoxOf(int ticked);
    // The presentation window's selected shapes; none (after a reload) when nothing is selected.
    office::ShapeRangePtr selectedShapes();
    office::Selection& selection() { return program_.host().activeWindow().selection(); }

    launch::Program& program_;
};

// The label part of a shape name: the text before its first "：".
std::string ShapeLabel(const std::string& name);

using common::messages::kNoShapesOnLoad;
using common::messages::kNoShapesOnSlide;
using common::messages::kSelecterCaption;
using common::messages::kShapesChanged;

}  // namespace utilities
