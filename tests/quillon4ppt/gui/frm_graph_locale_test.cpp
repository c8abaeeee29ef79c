// The window under a decimal-comma locale: Qt switches the C library to the
// teacher's locale, and numbers must read and show as anywhere else.
#include <clocale>

#include "frm_graph_window_fixture.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace {

// The shapes of the inserted group, by the label their names begin with.
office::ShapePtr insertedShape(office::SlideHost& host, const std::string& label) {
    auto members = host.item(1)->groupItems();
    for (int i = 1; i <= members->count(); ++i)
        if (members->item(i)->name().rfind(label + "：", 0) == 0) return members->item(i);
    return nullptr;
}

TEST_F(FrmGraphWindowTest, ADecimalCommaLocaleChangesNothing) {
    open();
    ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "the window does not run under de_DE.UTF-8";
    auto& form = *form_;
    auto& window = *window_;

    form.SSTab1.setTab(graph::kTabCircle);
    type(window.widgetOf("txtR2"), "2.25");
    press(window.widgetOf("cmdOK_Y"));
    type(window.widgetOf("txtPoint(0)"), "0.5");
    type(window.widgetOf("txtPoint(1)"), "-1.5");
    press(window.widgetOf("cmdDrawPoint"));
    press(window.widgetOf("cmdOK"));
    ASSERT_TRUE(dialogs.shown().empty());

    office::pptx::DeckConnector reader(deck.string(), 1);
    auto app = reader.attach();
    auto& host = office::slideHost(*app);
    const double unit = form.frame.unitLength;
    auto circle = insertedShape(host, "圆");
    ASSERT_NE(circle, nullptr);
    EXPECT_NEAR(circle->width(), 3 * unit, 0.01);
    auto x = insertedShape(host, "横坐标标注"), y = insertedShape(host, "纵坐标标注");
    ASSERT_NE(x, nullptr);
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(x->textFrame().textRange().text(), "0.5");
    EXPECT_EQ(y->textFrame().textRange().text(), "-1.5");
}

}  // namespace
