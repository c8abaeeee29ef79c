// The hyperbola tab's controls, options, range proposal, reset and replay.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

namespace graph {
namespace {

constexpr const char* kCaptions[] = {"a² =", "b² =", "x0 =", "y0 =", "A =", "B =", "D =", "E =", "F ="};

// Undoes a flag when the scope ends, also when a handler throws.
class Flag {
public:
    explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
    ~Flag() { flag_ = false; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& flag_;
};

}  // namespace

HyperbolaFamily::HyperbolaFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
}

void HyperbolaFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabHyperbola;
    const char* frames[] = {"标准方程", "坐标平移型", "一般方程"};
    for (int i = 0; i < 3; ++i) fraSQX[i].setCaption(frames[i]);
    fraSQX[0].place(120, 120, 2820, 1200, tab, page);
    fraSQX[1].place(3060, 120, 2900, 1200, tab, page);
    fraSQX[2].place(120, 1380, 5840, 660, tab, page);
    optBx_SQX.setCaption("x²/a² - y²/b² = 1");
    optBx_SQX.place(120, 300, 2580, 360, &fraSQX[0]);
    optBy_SQX.setCaption("y²/a² - x²/b² = 1");
    optBy_SQX.place(120, 720, 2580, 360, &fraSQX[0]);
    optPYx_SQX.setCaption("(x-x0)²/a² - (y-y0)²/b² = 1");
    optPYx_SQX.place(120, 300, 2700, 360, &fraSQX[1]);
    optPYy_SQX.setCaption("(y-y0)²/a² - (x-x0)²/b² = 1");
    optPYy_SQX.place(120, 720, 2700, 360, &fraSQX[1]);
    optGeneral_SQX.setCaption("Ax² + By² + Dx + Ey + F = 0");
    optGeneral_SQX.place(120, 240, 4000, 360, &fraSQX[2]);

    for (int i = 0; i < 9; ++i) imgSQX[i].setCaption(kCaptions[i]);
    // The general form's captions stand where the other forms' do.
    const int captionLeft[] = {120, 1860, 120, 1860, 120, 1860, 120, 1860, 3600};
    const int captionTop[] = {2160, 2160, 2580, 2580, 2160, 2160, 2580, 2580, 2160};
    for (int i = 0; i < 9; ++i) imgSQX[i].place(captionLeft[i], captionTop[i], 600, 330, tab, page);
    txtA2_SQX.place(720, 2160, 1000, 330, tab, page);
    txtB2_SQX.place(2460, 2160, 1000, 330, tab, page);
    txtF_SQX.place(4200, 2160, 1000, 330, tab, page);
    txtX0_SQX.place(720, 2580, 1000, 330, tab, page);
    txtY0_SQX.place(2460, 2580, 1000, 330, tab, page);

    txtXmin_SQX.place(120, 3000, 1000, 330, tab, page);
    imgX_SQX.setCaption("≤ x ≤");
    imgX_SQX.place(1200, 3000, 900, 330, tab, page);
    txtXmax_SQX.place(2160, 3000, 1000, 330, tab, page);

    chkFocus_SQX.setCaption("画焦点");
    chkFocus_SQX.place(120, 3480, 1300, 300, tab, page);
    chkDirectrix_SQX.setCaption("画准线");
    chkDirectrix_SQX.place(1500, 3480, 1300, 300, tab, page);
    chkJJX_SQX.setCaption("画渐近线");
    chkJJX_SQX.place(2880, 3480, 1300, 300, tab, page);
    chkAxis_SQX.setCaption("画对称轴");
    chkAxis_SQX.place(4260, 3480, 1300, 300, tab, page);
    cmdOK_SQX.setCaption("确定");
    cmdOK_SQX.place(3360, 3900, 1200, 400, tab, page);
    cmdCancel_SQX.setCaption("重置");
    cmdCancel_SQX.place(4680, 3900, 1200, 400, tab, page);
}

void HyperbolaFamily::bindEvents() {
    optBx_SQX.Click = [this] { optBx_SQX_Click(); };
    optBy_SQX.Click = [this] { optBy_SQX_Click(); };
    optPYx_SQX.Click = [this] { optPYx_SQX_Click(); };
    optPYy_SQX.Click = [this] { optPYy_SQX_Click(); };
    optGeneral_SQX.Click = [this] { optGeneral_SQX_Click(); };
    txtA2_SQX.Change = txtB2_SQX.Change = [this] { txtA2_SQX_Change(); };
    txtX0_SQX.Change = txtY0_SQX.Change = [this] {
        if (!txtX0_SQX.text().empty() && !txtY0_SQX.text().empty()) txtA2_SQX_Change();
    };
    txtF_SQX.Change = [this] {
        if (!txtX0_SQX.text().empty() && !txtY0_SQX.text().empty() && !txtF_SQX.text().empty())
            txtA2_SQX_Change();
    };
    cmdOK_SQX.Click = [this] { cmdOK_SQX_Click(); };
    cmdCancel_SQX.Click = [this] { cmdCancel_SQX_Click(); };
}

forms::OptionButton& HyperbolaFamily::option(HyperbolaForm form) {
    switch (form) {
        case HyperbolaForm::Bx:
            return optBx_SQX;
        case HyperbolaForm::By:
            return optBy_SQX;
        case HyperbolaForm::PYx:
            return optPYx_SQX;
        case HyperbolaForm::PYy:
            return optPYy_SQX;
        case HyperbolaForm::General:
            break;
    }
    return optGeneral_SQX;
}

void HyperbolaFamily::chooseForm(HyperbolaForm form) {
    for (auto f : {HyperbolaForm::Bx, HyperbolaForm::By, HyperbolaForm::PYx, HyperbolaForm::PYy,
                   HyperbolaForm::General})
        if (f != form) option(f).setValue(false);
    const bool general = form == HyperbolaForm::General, standard = isStandardHyperbola(form);
    for (int i = 0; i < 9; ++i) {
        const bool shown = general ? i >= 4 : i < (standard ? 2 : 4);
        imgSQX[i].setVisible(shown);
    }
    txtX0_SQX.setVisible(!standard);
    txtY0_SQX.setVisible(!standard);
    txtF_SQX.setVisible(general);
    chkAxis_SQX.setVisible(!standard);
    graph_.EquationFormKey = hyperbolaKey(form);
    txtA2_SQX_Change();
}

HyperbolaInput HyperbolaFamily::input() const {
    return {readBox(txtA2_SQX), readBox(txtB2_SQX), readBox(txtX0_SQX), readBox(txtY0_SQX),
            readBox(txtF_SQX)};
}

void HyperbolaFamily::txtA2_SQX_Change() {
    if (loading_ || txtA2_SQX.text().empty() || txtB2_SQX.text().empty()) return;
    const HyperbolaInput in = input();
    if (in.p == 0 || in.q == 0) return;
    const std::optional<HyperbolaForm> form = hyperbolaFormOf(graph_.EquationFormKey);
    if (!form) return;
    const bool general = *form == HyperbolaForm::General;
    if (!general && (in.p < 0 || in.q < 0)) {
        graph_.showRangeError();
        return;
    }
    if (general && in.p * in.q >= 0) {
        graph_.showRangeError();
        return;
    }
    // Two crossing lines (K = 0) have no branch ends to fit while the teacher types.
    const std::optional<Hyperbola> h = deriveHyperbola(*form, in);
    if (!h) return;
    const XRange range = proposeHyperbolaRange(*h, graph_.frame);
    txtXmin_SQX.setText(common::NumberText(range.from));
    txtXmax_SQX.setText(common::NumberText(range.to));
}

void HyperbolaFamily::cmdCancel_SQX_Click() {
    for (forms::TextBox* box :
         {&txtA2_SQX, &txtB2_SQX, &txtX0_SQX, &txtY0_SQX, &txtF_SQX, &txtXmin_SQX, &txtXmax_SQX})
        box->setText("");
    for (forms::CheckBox* check : {&chkFocus_SQX, &chkDirectrix_SQX, &chkAxis_SQX, &chkJJX_SQX})
        check->setValue(0);
    chooseOption(optBx_SQX, [this] { optBx_SQX_Click(); });
}

// The replay draws over the stored range, so that it erases exactly what was
// drawn; the proposal stays quiet meanwhile, as the boxes change one by one.
void HyperbolaFamily::loadRecord(int index) {
    const HyperbolaRecord& r = records.get(index);
    Flag loading(loading_);
    const HyperbolaForm form = r.horizontal ? HyperbolaForm::PYx : HyperbolaForm::PYy;
    chooseOption(option(form), [this, form] { chooseForm(form); });
    txtA2_SQX.setText(common::NumberText(r.a2));
    txtB2_SQX.setText(common::NumberText(r.b2));
    txtX0_SQX.setText(common::NumberText(r.cx));
    txtY0_SQX.setText(common::NumberText(r.cy));
    txtXmin_SQX.setText(common::NumberText(r.xFrom));
    txtXmax_SQX.setText(common::NumberText(r.xTo));
    chkFocus_SQX.setValue(r.foci ? 1 : 0);
    chkDirectrix_SQX.setValue(r.directrices ? 1 : 0);
    chkAxis_SQX.setValue(r.axes ? 1 : 0);
    chkJJX_SQX.setValue(r.asymptotes ? 1 : 0);
    graph_.showLineLook(r.look);
}

void HyperbolaFamily::render(SlideContext& slide, int index) {
    RenderHyperbola(slide, records.get(index));
}

}  // namespace graph
