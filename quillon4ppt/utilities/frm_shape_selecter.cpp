#include "quillon4ppt/utilities/frm_shape_selecter.h"

#include <algorithm>

namespace utilities {

namespace {

// The slide separates paragraphs with a lone CR; the box shows them as lines.
std::string shownText(const std::string& slideText) {
    std::string out;
    for (std::size_t i = 0; i < slideText.size(); ++i) {
        out += slideText[i];
        if (slideText[i] == '\r' && (i + 1 == slideText.size() || slideText[i + 1] != '\n')) out += '\n';
    }
    return out;
}

}  // namespace

std::string ShapeLabel(const std::string& name) {
    return name.substr(0, name.find("："));
}

frmShapeSelecter::frmShapeSelecter(launch::Program& program)
    : Form("frmShapeSelecter", program.dialogs()), program_(program) {
    List1.multiSelect = List2.multiSelect = true;
    txtTextBox.multiLine = true;
    setCaption(kSelecterCaption);
    declareLayout();
    bindEvents();
    Form_Load();
}

void frmShapeSelecter::bindEvents() {
    List1.Click = [this] { List1_Click(); };
    for (int i = 0; i < Command1.size(); ++i) Command1[i].Click = [this, i] { Command1_Click(i); };
    for (int i = 0; i < Command2.size(); ++i) Command2[i].Click = [this, i] { Command2_Click(i); };
    cmdChangeText.Click = [this] { cmdChangeText_Click(); };
}

void frmShapeSelecter::Form_Load() {
    if (program_.anotherInstanceRunning()) {
        unload();
        program_.ExitProgram();
    }
    topMost = true;
    txtTextBox.setEnabled(false);
    cmdChangeText.setEnabled(false);
    int shapes = 0;
    try {
        shapes = fillLists();
    } catch (const office::HostError& e) {
        dialogs().msgBox(common::ShownText(e));
        return;
    }
    if (shapes == 0) dialogs().msgBox(kNoShapesOnLoad);
}

int frmShapeSelecter::fillLists() {
    List1.clear();
    List2.clear();
    auto& host = program_.slideHost();
    const int count = host.count();
    for (int i = 1; i <= count; ++i) {
        std::string name = host.item(i)->name();
        List1.addItem(ShapeLabel(name));
        List2.addItem(name);
    }
    return count;
}

void frmShapeSelecter::reloadChanged() {
    fillLists();
    txtTextBox.setEnabled(false);
    cmdChangeText.setEnabled(false);
    dialogs().msgBox(kShapesChanged);
}

bool frmShapeSelecter::namesOnSlide(const std::vector<std::string>& names) {
    auto& host = program_.slideHost();
    std::vector<std::string> present;
    for (int i = 1; i <= host.count(); ++i) present.push_back(host.item(i)->name());
    return std::all_of(names.begin(), names.end(), [&](const std::string& n) {
        return std::find(present.begin(), present.end(), n) != present.end();
    });
}

void frmShapeSelecter::List1_Click() {
    std::vector<std::string> names;
    const int count = static_cast<int>(List1.items().size());
    for (int i = 0; i < count; ++i) {
        List2.setSelected(i, List1.selected(i));
        if (List1.selected(i)) names.push_back(List2.items()[i]);
    }
    if (!namesOnSlide(names)) return reloadChanged();
    // With nothing ticked nothing stays selected, so the arrows move nothing unlisted.
    if (names.empty())
        selection().unselect();
    else
        program_.slideHost().range(names)->select(true);
    showTextBoxOf(static_cast<int>(names.size()));
    program_.host().activate();
}

void frmShapeSelecter::showTextBoxOf(int ticked) {
    bool textBox = false;
    if (ticked == 1) {
        auto range = selection().shapeRange();
        if (range->type() == office::shapetype::TextBox) {
            txtTextBox.setText(shownText(range->textFrame().textRange().text()));
            textBox = true;
        }
    }
    txtTextBox.setEnabled(textBox);
    cmdChangeText.setEnabled(textBox);
}

office::ShapeRangePtr frmShapeSelecter::selectedShapes() {
    if (selection().type() == office::selection::Slides) {
        reloadChanged();
        return nullptr;
    }
    return selection().shapeRange();
}

void frmShapeSelecter::Command1_Click(int index) {
    auto range = selectedShapes();
    if (!range) return;
    auto command = program_.command();
    switch (index) {
        case 0:
            range->incrementTop(-1);
            break;
        case 1:
            range->incrementTop(1);
            break;
        case 2:
            range->incrementLeft(-1);
            break;
        case 3:
            range->incrementLeft(1);
            break;
    }
    program_.commandDone(command);
}

void frmShapeSelecter::Command2_Click(int index) {
    const int count = static_cast<int>(List1.items().size());
    if (index == 0) {
        if (program_.slideHost().count() == 0) {
            dialogs().msgBox(kNoShapesOnSlide);
            return;
        }
        for (int i = 0; i < count; ++i) List1.setSelected(i, true);
    } else {
        for (int i = 0; i < count; ++i) List1.setSelected(i, !List1.selected(i));
    }
    List1_Click();
}

void frmShapeSelecter::cmdChangeText_Click() {
    auto range = selectedShapes();
    if (!range) return;
    auto command = program_.command();
    range->textFrame().textRange().setText(txtTextBox.text());
    program_.commandDone(command);
}

}  // namespace utilities
