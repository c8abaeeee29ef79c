#pragma once
#include <string>
#include <vector>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"

// A small window whose handlers write down what fired.
struct TestForm : forms::Form {
    explicit TestForm(forms::Dialogs& d) : Form("frmTest", d) {
        txtA.Change = [this] { log.push_back("txtA_Change " + txtA.text()); };
        for (int i = 0; i < 2; ++i)
            txtArr[i].Change = [this, i] { log.push_back("txtArr_Change " + std::to_string(i)); };
        chk.Click = [this] { log.push_back("chk_Click " + std::to_string(chk.value())); };
        opt1.Click = [this] { log.push_back("opt1_Click"); };
        opt2.Click = [this] { log.push_back("opt2_Click"); };
        cmd.Click = [this] { log.push_back("cmd_Click"); };
        list.Click = [this] { log.push_back("list_Click " + list.text()); };
        scroll.Change = [this] { log.push_back("scroll_Change " + std::to_string(scroll.value())); };
        spin.UpClick = [this] { log.push_back("spin_Up " + std::to_string(spin.value())); };
        tabs.Click = [this] { log.push_back("tabs_Click " + std::to_string(tabs.tab())); };
        txtA.KeyPress = [this](int& k) { log.push_back("txtA_KeyPress " + std::to_string(k)); };
        txtA.LostFocus = [this] { log.push_back("txtA_LostFocus"); };
        failing.Click = [] { throw std::runtime_error("the host is gone"); };
        quit.Click = [this] {
            unload();
            throw forms::ProgramExit{};
        };
        tabs.captions = {"a", "b", "c"};
        spin.min = 2, spin.max = 12, spin.increment = 2;
        spin.setValue(10);
    }
    forms::TextBox txtA{*this, "txtA"};
    forms::ControlArray<forms::TextBox> txtArr{*this, "txtArr", 2};
    forms::CheckBox chk{*this, "chk"};
    forms::OptionButton opt1{*this, "opt1"};
    forms::OptionButton opt2{*this, "opt2"};
    forms::CommandButton cmd{*this, "cmd"};
    forms::CommandButton failing{*this, "failing"};
    forms::CommandButton quit{*this, "quit"};
    forms::ListBox list{*this, "list"};
    forms::ScrollBar scroll{*this, "scroll"};
    forms::UpDown spin{*this, "spin"};
    forms::TabStrip tabs{*this, "tabs"};
    forms::PictureBox pic{*this, "pic"};
    std::vector<std::string> log;
};
