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
constexpr float kResizedBy = 0.5f;   // points: less is rounding, not the teacher's hand
// Impress keeps sizes in hundredths of a millimetre: a whole number of points comes back a
// little less, and must not lose a point when the fraction is dropped.
constexpr float kUnitSlack = 0.02f;

// The 45-point rule's factor for an equation of that height: above 1, or 1.
double ruleFactor(float height) {
    const float h = std::floor(height + kUnitSlack);
    if (!(h >= 1)) return 1;
    const double factor = common::Val(common::FormatHashes(kLowestHeight / h));
    return factor > 1 ? factor : 1;
}

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
    openSelectedEquation();
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

// The formula is the equation's title; without one (another program dropped it) the
// window opens empty and OK still replaces the equation.
void frmGS::openSelectedEquation() {
    office::ignoreFailure([&] {
        auto range = program_.host().activeWindow().selection().shapeRange();
        if (range->count() != 1) return;
        office::ShapePtr shape = range->item(1);
        if (!shape->isEquation()) return;
        edited_ = EditedEquation{shape, shape->left(), shape->top()};
        txtGS.setText(shape->title());
    });
}

void frmGS::lbhelp_Click(int index) {
    const HelpTopic& topic = helpTopics().at(index);
    lbhelp[0].fontSize = index == 2 ? 9 : 10;
    lbhelp[0].setCaption(topic.text);
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
    // Blanks alone typeset to an empty picture: nothing to put on the slide.
    if (common::trimBlanks(formula).empty()) return;
    const std::optional<double> scale = program_.MathTypeFound ? teachersScale() : std::nullopt;
    auto command = program_.command();
    if (program_.MathTypeFound && !insert(formula)) return;
    fitAndPlace(scale);
    program_.commandDone(command);
    unload();
    program_.ExitProgram();
}

// False when nothing could be typeset: the teacher is told why and may correct the formula.
bool frmGS::insert(const std::string& formula) {
    try {
        // The equation replaced goes before the new one comes: live, Impress records a
        // removal only before shapes are added.
        bridge_.InsertEquation(program_.host(), formula, [&] { replaceEdited(); });
        return true;
    } catch (const typeset::TypesetError& e) {
        dialogs().msgBox(kCannotTypeset + e.reason());
    } catch (const typeset::TypesetterMissing& e) {
        dialogs().msgBox(e.what());
    } catch (const office::HostError& e) {
        dialogs().msgBox(common::ShownText(e));
    }
    return false;
}

// How the teacher resized the equation being replaced, relative to its typeset size;
// none when it has the size the 45-point rule gave it, or its formula is unknown.
std::optional<double> frmGS::teachersScale() {
    if (!edited_) return std::nullopt;
    std::optional<double> scale;
    office::ignoreFailure([&] {
        const std::string formula = edited_->shape->title();
        if (formula.empty()) return;
        const float natural = bridge_.naturalHeight(formula);
        const float now = edited_->shape->height();
        if (natural > 0 && std::fabs(now - natural * ruleFactor(natural)) > kResizedBy) scale = now / natural;
    });
    return scale;
}

// Equations lower than 45 points grow to about 45, or take the scale the teacher gave the
// equation they replace; every one goes to the top-left corner, or where that equation stands.
void frmGS::fitAndPlace(std::optional<double> scale) {
    office::ShapeRangePtr range;
    office::ignoreFailure([&] { range = program_.host().activeWindow().selection().shapeRange(); });
    if (!range) return;
    float h = 0;
    office::ignoreFailure([&] { h = range->height(); });
    if (!(std::floor(h + kUnitSlack) >= 1)) return;
    const double factor = scale.value_or(ruleFactor(h));
    if (factor != 1) {
        office::ignoreFailure([&] { range->scaleWidth(static_cast<float>(factor), false, 0); });
        office::ignoreFailure([&] { range->scaleHeight(static_cast<float>(factor), false, 2); });
    }
    office::ignoreFailure([&] { range->setLeft(edited_ ? edited_->left : kCorner); });
    office::ignoreFailure([&] { range->setTop(edited_ ? edited_->top : kCorner); });
}

void frmGS::replaceEdited() {
    if (edited_) office::ignoreFailure([&] { edited_->shape->remove(); });
}

}  // namespace formula
