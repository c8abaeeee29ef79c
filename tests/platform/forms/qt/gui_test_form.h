#pragma once
// A small window with one control of every kind, laid out as a form file declares
// it; its handlers write down what fired.
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"

struct GuiTestForm : forms::Form {
    explicit GuiTestForm(forms::Dialogs& d) : Form("frmGuiTest", d) {
        setCaption("坐标系");
        width = 6000, height = 5000;
        declare();
        handle();
        drawPreview();
    }

    void at(forms::Control& c, int left, int top, int w, int h, const forms::Control* container = nullptr,
            int page = -1) {
        c.layout = {left, top, w, h, container, page, c.layout.anchor};
    }

    static void anchor(unsigned edges, std::initializer_list<forms::Control*> controls) {
        for (forms::Control* c : controls) c->layout.anchor = edges;
    }

    void declare() {
        at(lblX, 120, 165, 1000, 180);
        lblX.setCaption("横轴长度：");
        at(txtX, 1200, 120, 900, 270);
        at(chkGrid, 120, 900, 1800, 240);
        chkGrid.setCaption("显示网格");
        at(txtY, 1200, 480, 900, 270);
        at(udY, 2100, 480, 240, 270);
        txtY.tabIndex = 1, udY.tabIndex = 2, chkGrid.tabIndex = 3;
        at(fraKind, 120, 1260, 2220, 1020);
        fraKind.setCaption("曲线");
        at(optLine, 120, 300, 900, 240, &fraKind);
        optLine.setCaption("直线");
        at(optCurve, 1100, 300, 900, 240, &fraKind);
        optCurve.setCaption("抛物线");
        at(cmbStyle, 120, 600, 1980, 300, &fraKind);
        for (const char* s : {"实线", "虚线", "点线"}) cmbStyle.addItem(s);
        at(lstShapes, 120, 2400, 2220, 900);
        lstShapes.layout.anchor |= forms::AnchorBottom;
        for (const char* s : {"直线", "圆", "椭圆"}) lstShapes.addItem(s);
        at(hsbSize, 120, 3420, 2220, 255);
        hsbSize.setRange(0, 20);
        at(txtNote, 120, 3780, 2220, 660);
        txtNote.multiLine = true;
        at(tabs, 2500, 120, 3380, 1500);
        tabs.layout.anchor |= forms::AnchorRight;
        tabs.captions = {"坐标轴", "函数", "圆锥曲线"};
        at(lblOrigin, 120, 525, 800, 180, &tabs, 0);
        lblOrigin.setCaption("原点");
        at(txtOrigin, 1000, 480, 900, 270, &tabs, 0);
        at(chkArrow, 120, 480, 1500, 240, &tabs, 1);
        chkArrow.setCaption("箭头");
        at(picPreview, 2500, 1740, 2400, 2400);
        picPreview.layout.anchor =
            forms::AnchorLeft | forms::AnchorTop | forms::AnchorRight | forms::AnchorBottom;
        at(lblColor, 5040, 1740, 600, 300);
        lblColor.opaque = true;
        lblColor.setBackColor(common::rgb(255, 0, 0));
        at(imgFormula, 5040, 2160, 840, 420);
        imgFormula.setCaption("y = x²");
        imgFormula.fontName = "DejaVu Serif";
        imgFormula.fontSize = 12;
        at(linSample, 5040, 2760, 840, 240);
        linSample.setStyle(3);
        linSample.setWidth(2);
        anchor(forms::AnchorTop | forms::AnchorRight, {&lblColor, &imgFormula, &linSample});
        at(cmdOK, 3900, 4440, 900, 375);
        cmdOK.setCaption("确定");
        at(cmdCancel, 4980, 4440, 900, 375);
        cmdCancel.setCaption("取消");
        anchor(forms::AnchorRight | forms::AnchorBottom, {&cmdOK, &cmdCancel});
    }

    void drawPreview() {
        picPreview.scale(-5, 5, 5, -5);
        picPreview.line(-5, 0, 5, 0);
        picPreview.line(0, -5, 0, 5);
        picPreview.drawStyle = 1;
        picPreview.circle(0, 0, 3, common::rgb(0, 0, 255), 0.5);
        picPreview.drawStyle = 0;
        picPreview.drawWidth = 2;
        for (double x = -2; x < 2; x += 0.25)
            picPreview.line(x, x * x, x + 0.25, (x + 0.25) * (x + 0.25), 255);
        picPreview.currentX = 0.2, picPreview.currentY = -0.2;
        picPreview.print("O");
    }

    void note(const std::string& s) { log.push_back(s); }

    void handle() {
        txtX.Change = [this] { note("txtX_Change " + txtX.text()); };
        txtX.KeyPress = [this](int& k) {
            note("txtX_KeyPress " + std::to_string(k));
            if (k >= 'a' && k <= 'z') k = 0;
        };
        txtY.Change = [this] { note("txtY_Change " + txtY.text()); };
        udY.UpClick = [this] { txtY.setText(std::to_string(udY.value())); };
        chkGrid.Click = [this] { note("chkGrid_Click " + std::to_string(chkGrid.value())); };
        optLine.Click = [this] { note("optLine_Click"); };
        optCurve.Click = [this] { note("optCurve_Click"); };
        cmbStyle.Change = [this] { note("cmbStyle_Change " + cmbStyle.text()); };
        cmbStyle.Click = [this] { note("cmbStyle_Click " + cmbStyle.text()); };
        lstShapes.Click = [this] { note("lstShapes_Click " + lstShapes.text()); };
        hsbSize.Change = [this] { note("hsbSize_Change " + std::to_string(hsbSize.value())); };
        txtNote.Change = [this] { note("txtNote_Change " + txtNote.text()); };
        tabs.Click = [this] { note("tabs_Click " + std::to_string(tabs.tab())); };
        lblColor.Click = [this] {
            if (auto c = dialogs().chooseColor(lblColor.backColor())) lblColor.setBackColor(*c);
        };
        imgFormula.Click = [this] { note("imgFormula_Click"); };
        cmdOK.Click = [this] { unload(); };
        cmdCancel.Click = [this] {
            unload();
            throw forms::ProgramExit{3};
        };
    }

    forms::Label lblX{*this, "lblX"};
    forms::TextBox txtX{*this, "txtX"};
    forms::CheckBox chkGrid{*this, "chkGrid"};
    forms::TextBox txtY{*this, "txtY"};
    forms::UpDown udY{*this, "udY"};
    forms::OptionButton optLine{*this, "optLine"};
    forms::OptionButton optCurve{*this, "optCurve"};
    forms::ComboBox cmbStyle{*this, "cmbStyle"};
    forms::Frame fraKind{*this, "fraKind"};
    forms::ListBox lstShapes{*this, "lstShapes"};
    forms::ScrollBar hsbSize{*this, "hsbSize"};
    forms::TextBox txtNote{*this, "txtNote"};
    forms::TabStrip tabs{*this, "tabs"};
    forms::Label lblOrigin{*this, "lblOrigin"};
    forms::TextBox txtOrigin{*this, "txtOrigin"};
    forms::CheckBox chkArrow{*this, "chkArrow"};
    forms::PictureBox picPreview{*this, "picPreview"};
    forms::Label lblColor{*this, "lblColor"};
    forms::Image imgFormula{*this, "imgFormula"};
    forms::LineSample linSample{*this, "linSample"};
    forms::CommandButton cmdOK{*this, "cmdOK"};
    forms::CommandButton cmdCancel{*this, "cmdCancel"};
    std::vector<std::string> log;
};
