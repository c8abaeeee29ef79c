#include "quillon4ppt/utilities/frm_dot.h"

#include "common/numbers.h"
#include "common/text.h"

namespace utilities {

namespace {

constexpr int kSizes[] = {8,  9,  10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38,
                          40, 42, 44, 46, 48, 50, 54, 58, 62, 66, 70, 74, 78, 82, 86, 90, 96};
constexpr const char* kStartTexts[] = {"A", "1", "A", "1", "A", "1", "A", "′"};
constexpr const char* kLetterFont = "Times New Roman";
constexpr const char* kIndexFont = "宋体";
constexpr float kLeft = 55, kTop = 50, kWidth = 40;

// A Chinese typeface serves the run's East Asian characters too.
void setChineseFont(office::Font& font) {
    font.setNameAscii(kIndexFont);
    font.setNameFarEast(kIndexFont);
}

}  // namespace

frmDot::frmDot(launch::Program& program) : Form("frmDot", program.dialogs()), program_(program) {
    for (int size : kSizes) cmbSize.addItem(std::to_string(size));
    swatch().opaque = true;
    setCaption(kDotCaption);
    declareLayout();
    bindEvents();
    Form_Load();
}

void frmDot::bindEvents() {
    cmdOk.Click = [this] { cmdOk_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    for (int i = 0; i < optType.size(); ++i) optType[i].Click = [this, i] { optType_Click(i); };
    for (int i = 0; i < Label1.size(); ++i) Label1[i].Click = [this, i] { Label1_Click(i); };
    txtDotNumber.KeyPress = [this](int& key) { txtDotNumber_KeyDown(key); };
}

void frmDot::Form_Load() {
    txtDotNumber.setText("1");
    firstFocus = &txtDotNumber;
    optType[kLettersOnly].setValue(true);
    for (int i = 0; i < txtDotInfo.size(); ++i) txtDotInfo[i].setText(kStartTexts[i]);
    cmbSize.setText("28");
    swatch().setBackColor(common::kBlack);
}

void frmDot::optType_Click(int index) {
    for (int i = 0; i < optType.size(); ++i)
        if (i != index) optType[i].setValue(false);
}

void frmDot::Label1_Click(int index) {
    if (index != 12) return;
    if (auto color = dialogs().chooseColor(swatch().backColor())) swatch().setBackColor(*color);
}

void frmDot::txtDotNumber_KeyDown(int keyCode) {
    if (keyCode == 13) cmdOk_Click();
}

void frmDot::cmdExit_Click() {
    unload();
    program_.ExitProgram();
}

int frmDot::chosenType() const {
    for (int i = 0; i < optType.size(); ++i)
        if (optType[i].value()) return i;
    return 0;
}

DotInfo frmDot::startValues() const {
    DotInfo info;
    for (int i = 0; i < txtDotInfo.size(); ++i) info[i] = txtDotInfo[i].text();
    return info;
}

void frmDot::cmdOk_Click() {
    const double n = common::roundHalfEven(common::Val(txtDotNumber.text()));
    const int type = chosenType();
    const DotInfo info = startValues();
    const double size = common::Val(common::trimBlanks(cmbSize.text()));
    if (const char* why = refusal(n, type, info, size)) {
        dialogs().msgBox(why);
        return;
    }
    if (n >= 1) {
        auto command = program_.command();
        // Last first, so the first label lies on top.
        for (int k = static_cast<int>(n); k >= 1; --k)
            addLabel(type, DotLabelText(type, info, k), static_cast<float>(size));
        program_.commandDone(command);
    }
    unload();
    program_.ExitProgram();
}

// Why a run cannot be made as asked, or nothing; a run of no labels is always fine.
const char* frmDot::refusal(double n, int type, const DotInfo& info, double size) {
    if (n > kMostLabels) return kTooManyLabels;
    if (n < 1) return nullptr;
    if (!HasStartLetter(type, info)) return kNoStartLetter;
    if (!(size >= 1 && size <= 4000)) return kBadFontSize;
    return nullptr;
}

void frmDot::addLabel(int type, const std::string& text, float size) {
    const float height = type == kLettersOnly || type == kNumbersOnly ? 60 : 70;
    program_.slideHost().addLabel(office::kTextHorizontal, kLeft, kTop, kWidth, height)->select(true);
    auto range = program_.host().activeWindow().selection().textRange();
    range->setText(text);
    auto& font = range->font();
    const bool letters = type != kNumbersOnly;
    if (letters)
        font.setNameAscii(kLetterFont);
    else
        setChineseFont(font);
    font.setSize(size);
    font.setColor(swatch().backColor());
    font.setBold(true);
    font.setItalic(letters);
    if (HasIndex(type)) formatIndex(type, size);
}

// The second character only: upright 宋体, lowered for an index, on the baseline for a prime.
void frmDot::formatIndex(int type, float size) {
    auto& selection = program_.host().activeWindow().selection();
    selection.shapeRange()->textFrame().textRange().characters(2, 1)->select();
    auto index = selection.textRange();
    auto& font = index->font();
    setChineseFont(font);
    font.setSize(size);
    font.setBold(true);
    font.setItalic(false);
    if (type != kPrimedLetters) font.setBaselineOffset(-0.25f);
}

}  // namespace utilities
