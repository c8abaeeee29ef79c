// The ellipse tab: its five equation forms, the reset, and the replay that erases a
// deleted ellipse.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {

// What a form shows: its captions imgTY(first..last), the second row of boxes (x0,
// y0 or D, E) with the axes option, and the box F.
struct EllipseFormView {
    const char* key;
    int firstCaption, lastCaption;
    bool secondRow, fBox;
};

namespace {

constexpr EllipseFormView kBx{"Bx", 0, 1, false, false}, kBy{"By", 0, 1, false, false},
    kPYx{"PYx", 0, 3, true, false}, kPYy{"PYy", 0, 3, true, false}, kGeneral{"General", 4, 8, true, true};

}  // namespace

EllipseFamily::EllipseFamily(frmGraph& graph)
    : graph_(graph),
      fraStandard_TY(graph, "fraStandard_TY"),
      fraTranslated_TY(graph, "fraTranslated_TY"),
      fraGeneral_TY(graph, "fraGeneral_TY"),
      optBx_TY(graph, "optBx_TY", 1),
      optBy_TY(graph, "optBy_TY", 2),
      optPYx_TY(graph, "optPYx_TY", 3),
      optPYy_TY(graph, "optPYy_TY", 4),
      optGeneral_TY(graph, "optGeneral_TY", 5),
      txtA2_TY(graph, "txtA2_TY"),
      txtB2_TY(graph, "txtB2_TY"),
      txtF_TY(graph, "txtF_TY"),
      txtX0_TY(graph, "txtX0_TY"),
      txtY0_TY(graph, "txtY0_TY"),
      imgTY(graph, "imgTY", 9),
      chkFocus_TY(graph, "chkFocus_TY"),
      chkDirectrix_TY(graph, "chkDirectrix_TY"),
      chkAxis_TY(graph, "chkAxis_TY"),
      cmdOK_TY(graph, "cmdOK_TY"),
      cmdCancel_TY(graph, "cmdCancel_TY") {
    declareLayout();
    bindEvents();
    cmdCancel_TY_Click();
}

int EllipseFamily::tab() const {
    return kTabEllipse;
}

void EllipseFamily::bindEvents() {
    optBx_TY.Click = [this] { optBx_TY_Click(); };
    optBy_TY.Click = [this] { optBy_TY_Click(); };
    optPYx_TY.Click = [this] { optPYx_TY_Click(); };
    optPYy_TY.Click = [this] { optPYy_TY_Click(); };
    optGeneral_TY.Click = [this] { optGeneral_TY_Click(); };
    cmdOK_TY.Click = [this] { cmdOK_TY_Click(); };
    cmdCancel_TY.Click = [this] { cmdCancel_TY_Click(); };
}

void EllipseFamily::chooseForm(forms::OptionButton& chosen, const EllipseFormView& view) {
    for (forms::OptionButton* o : {&optBx_TY, &optBy_TY, &optPYx_TY, &optPYy_TY, &optGeneral_TY})
        if (o != &chosen) o->setValue(false);
    for (int i = 0; i < imgTY.size(); ++i)
        imgTY[i].setVisible(i >= view.firstCaption && i <= view.lastCaption);
    txtX0_TY.setVisible(view.secondRow);
    txtY0_TY.setVisible(view.secondRow);
    txtF_TY.setVisible(view.fBox);
    chkAxis_TY.setVisible(view.secondRow);
    graph_.EquationFormKey = view.key;
}

void EllipseFamily::optBx_TY_Click() {
    chooseForm(optBx_TY, kBx);
}
void EllipseFamily::optBy_TY_Click() {
    chooseForm(optBy_TY, kBy);
}
void EllipseFamily::optPYx_TY_Click() {
    chooseForm(optPYx_TY, kPYx);
}
void EllipseFamily::optPYy_TY_Click() {
    chooseForm(optPYy_TY, kPYy);
}
void EllipseFamily::optGeneral_TY_Click() {
    chooseForm(optGeneral_TY, kGeneral);
}

void EllipseFamily::cmdCancel_TY_Click() {
    for (forms::TextBox* box : {&txtA2_TY, &txtB2_TY, &txtF_TY, &txtX0_TY, &txtY0_TY}) box->setText("");
    for (forms::CheckBox* box : {&chkFocus_TY, &chkDirectrix_TY, &chkAxis_TY}) box->setValue(0);
    optBx_TY.setValue(true);
    optBx_TY_Click();
}

// In the translated form of its direction, whatever form drew it.
void EllipseFamily::loadRecord(int index) {
    const EllipseRecord& r = records.get(index);
    forms::OptionButton& option = r.horizontal ? optPYx_TY : optPYy_TY;
    option.setValue(true);
    chooseForm(option, r.horizontal ? kPYx : kPYy);
    txtA2_TY.setText(common::NumberText(r.a2));
    txtB2_TY.setText(common::NumberText(r.b2));
    txtX0_TY.setText(common::NumberText(r.cx));
    txtY0_TY.setText(common::NumberText(r.cy));
    chkFocus_TY.setValue(r.foci ? 1 : 0);
    chkDirectrix_TY.setValue(r.directrices ? 1 : 0);
    chkAxis_TY.setValue(r.axes ? 1 : 0);
    graph_.showLineLook(r.look);
}

void EllipseFamily::render(SlideContext& slide, int index) {
    RenderEllipse(slide, records.get(index));
}

}  // namespace graph
