#include "quillon4ppt/formula/frm_gs.h"

#include <cmath>
#include <filesystem>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/office/ignore_failure.h"
#include "quillon4ppt/formula/help_topics.h"
#include "quillon4ppt/formula/narrow_width.h"

namespace formula {

namespace {

constexpr float kLowestHeight = 45;  // points: lower equations are enlarged to it
constexpr float kCorner = 10;        // points from the slide's top-left corner

// The help topic a typed character points to, 0 for none.
int topicOfKey(int key) {
    switch (key) {
        case '/':
            return 1;
        case 's':
        case 'g':
            return 2;
        case '^':
            return 3;
        case '_':
            return 4;
        case 'h':
        case 'x':
            return 5;
        case 'A':
        case 'P':
        case 'C':
            return 6;
        case 'f':
            return 7;
        default:
            return 0;
    }
}

}  // namespace

frmGS::frmGS(launch::Program& program)
    : Form("frmGS", program.dialogs()), program_(program), bridge_(program.environment().home) {
    declareLayout();
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    for (int i = 1; i <= 7; ++i) lbhelp[i].Click = [this, i] { lbhelp_Click(i); };
    txtGS.KeyPress = [this](int& key) { txtGS_KeyPress(key); };
    Form_Load();
    // MathJax loads while the teacher types; a typesetter that cannot start says so at OK.
    if (program_.MathTypeFound) {
        try {
            bridge_.typesetter().launch();
        } catch (const typeset::TypesetterMissing&) {
        }
    }
}

void frmGS::Form_Load() {
    setCaption(kGsCaption);
    lbhelp[0].setCaption(kHelpPanelStart);
    for (int i = 1; i <= 7; ++i) lbhelp[i].setCaption(helpTopics()[i].caption);
    lbhelp_Click(1);
}

void frmGS::lbhelp_Click(int index) {
    const HelpTopic& topic = helpTopics().at(index);
    lbhelp[0].fontSize = index == 2 ? 9 : 10;
    lbhelp[0].setCaption(helpPanelText(topic));
    std::filesystem::path picture = program_.environment().home / "img" / topic.picture;
    Image1.loadPicture(std::filesystem::exists(picture) ? picture.string() : "");
}

void frmGS::txtGS_KeyPress(int& keyAscii) {
    if (keyAscii == 13) return cmdOK_Click();
    if (int topic = topicOfKey(keyAscii)) lbhelp_Click(topic);
}

void frmGS::cmdExit_Click() {
    unload();
    program_.ExitProgram();
}

void frmGS::cmdOK_Click() {
    if (txtGS.text().empty()) return;
    const std::string formula = common::toUtf8(NarrowWidth(common::toUtf32(txtGS.text())));
    auto command = program_.command();
    if (program_.MathTypeFound && !insert(formula)) return;
    fitAndPlace();
    command.done();
    unload();
    program_.ExitProgram();
}

// False when nothing could be typeset: the teacher is told why and may correct the formula.
bool frmGS::insert(const std::string& formula) {
    try {
        bridge_.InsertEquation(program_.host(), formula);
        return true;
    } catch (const typeset::TypesetError& e) {
        dialogs().msgBox(kCannotTypeset + std::string(e.what()));
    } catch (const typeset::TypesetterMissing& e) {
        dialogs().msgBox(e.what());
    } catch (const office::HostError& e) {
        dialogs().msgBox(e.what());
    }
    return false;
}

// Equations lower than 45 points grow to about 45; every one goes to the top-left corner.
void frmGS::fitAndPlace() {
    office::ShapeRangePtr range;
    office::ignoreFailure([&] { range = program_.host().activeWindow().selection().shapeRange(); });
    if (!range) return;
    float h = 0;
    office::ignoreFailure([&] { h = std::floor(range->height()); });
    if (!(h >= 1)) return;
    const double factor = common::Val(common::FormatHashes(kLowestHeight / h));
    if (factor > 1) {
        office::ignoreFailure([&] { range->scaleWidth(static_cast<float>(factor), false, 0); });
        office::ignoreFailure([&] { range->scaleHeight(static_cast<float>(factor), false, 2); });
    }
    office::ignoreFailure([&] { range->setLeft(kCorner); });
    office::ignoreFailure([&] { range->setTop(kCorner); });
}

}  // namespace formula
