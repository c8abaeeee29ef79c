#pragma once
// The settings editor: the seven rows of pptconfig as controls, written back on "确定".
#include <filesystem>
#include <functional>

#include "platform/forms/control_array.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "settings/config_database.h"

namespace settings {

class frmConfig : public forms::Form {
public:
    // db is the setup program's connection; showMain brings back the installer window.
    frmConfig(forms::Dialogs& dialogs, ConfigDatabase& db, std::filesystem::path programFolder,
              std::function<void()> showMain);

    // Reads the rows into the controls. A file that cannot be read is reported, and
    // the window closes again.
    void Form_Load();
    void cmdOK_Click();
    void cmdExit_Click();

    forms::ControlArray<forms::Label> Label1{*this, "Label1", 3};
    forms::ControlArray<forms::TextBox> Text1{*this, "Text1", 2};
    forms::ComboBox Combo1{*this, "Combo1"};
    forms::ControlArray<forms::Frame> Frame1{*this, "Frame1", 4};
    forms::ControlArray<forms::OptionButton> optYkd{*this, "optYkd", 2};
    forms::ControlArray<forms::OptionButton> optYtxt{*this, "optYtxt", 2};
    forms::ControlArray<forms::OptionButton> optXkd{*this, "optXkd", 2};
    forms::ControlArray<forms::OptionButton> optXtxt{*this, "optXtxt", 2};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdExit{*this, "cmdExit"};

private:
    void declareLayout();
    // The option pair that shows a boolean row, or null for another key.
    forms::ControlArray<forms::OptionButton>* optionsOf(const std::string& key);
    void showRow(const std::string& key, double intvalue, bool blvalue);
    // The values to store for the row: intvalue and blvalue.
    std::vector<double> valuesOf(const std::string& key, double intvalue, bool blvalue);
    void close();

    ConfigDatabase& db_;
    std::filesystem::path programFolder_;
    std::function<void()> showMain_;
};

}  // namespace settings
