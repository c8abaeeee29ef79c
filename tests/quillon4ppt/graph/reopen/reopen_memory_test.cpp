// A graph on the slide opened again: the workspace comes back as it was inserted, and
// "插入PPT" puts the graph back in the old one's place.
#include <set>
#include <sstream>
#include <tuple>

#include "../graph_fixture.h"
#include "common/messages.h"
#include "graph_shapes.h"
#include "platform/forms/play.h"
#include "quillon4ppt/graph/graph_carrier.h"
#include "quillon4ppt/graph/graph_record.h"
#include "reopen_sessions.h"

namespace {

struct ReopenFixture : GraphFixture {
    void play(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        forms::play(forms::parsePlayScript(in), 0, *g, dialogs, out);
    }
    office::ShapePtr onSlide(int index) { return program.slideHost().item(index); }
    void selectOnly(int index) {
        state->selected = {state->slide().shapes.at(index - 1)};
        state->selectedText.reset();
    }
    void setSetting(const std::string& name, bool on) {
        auto& a = program.AxisSettings;
        if (name == "blYkdLeft") a.blYkdLeft = on;
        if (name == "blYtxtLeft") a.blYtxtLeft = on;
        if (name == "blXkdUp") a.blXkdUp = on;
        if (name == "blXtxtUp") a.blXtxtUp = on;
    }
    // Plays the session and inserts it; the slide then holds its group alone.
    std::vector<ShapeFacts> insertSession(const ReopenSession& s) {
        setSetting(s.setting, true);
        play(s.script);
        g->cmdOK.click();
        EXPECT_EQ(state->slide().shapes.size(), 1u);
        setSetting(s.setting, false);
        return drawnShapes(*onSlide(1));
    }
    // What the preview shows: each drawing once, whatever was drawn over again. The pen
    // width is left out: the start state draws 1 wide whatever the weight box says, and a
    // replay takes the weight of the record.
    static std::set<std::string> shown(const forms::PictureBox& canvas) {
        std::set<std::string> out;
        for (const auto& i : canvas.items()) {
            std::ostringstream d;
            d << int(i.type) << ' ' << i.x1 << ' ' << i.y1 << ' ' << i.x2 << ' ' << i.y2 << ' ' << i.radius
              << ' ' << i.text << ' ' << i.color << ' ' << i.drawStyle;
            out.insert(d.str());
        }
        return out;
    }
    void reopenFirst() {
        selectOnly(1);
        open();
    }
};

struct ReopenEveryFamily : ReopenFixture, ::testing::WithParamInterface<ReopenSession> {};

TEST_P(ReopenEveryFamily, InsertingAgainUnchangedPutsTheSameShapesInTheSamePlace) {
    const auto before = insertSession(GetParam());
    const auto listed = g->List1.items();
    const auto preview = shown(g->Picture1);
    reopenFirst();
    EXPECT_EQ(g->List1.items(), listed);
    EXPECT_EQ(shown(g->Picture1), preview);
    EXPECT_TRUE(dialogs.shown().empty());
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_EQ(difference(before, drawnShapes(*onSlide(1))), "");
    EXPECT_EQ(g->caption(), "图像插入PPT已经完成！") << (dialogs.shown().empty() ? "" : dialogs.shown()[0]);
}

INSTANTIATE_TEST_SUITE_P(Sessions, ReopenEveryFamily, ::testing::ValuesIn(reopenSessions()),
                         [](const auto& info) { return info.param.name; });

using ReopenTest = ReopenFixture;

TEST_F(ReopenTest, TheRecordBoxIsHiddenAndCoversTheDrawnShapes) {
    insertSession(reopenSessions()[2]);
    auto group = onSlide(1);
    auto box = recordBox(*group);
    ASSERT_TRUE(box);
    EXPECT_FALSE(box->visible());
    EXPECT_TRUE(graph::LooksLikeGraphRecord(box->textFrame().textRange().text()));
    EXPECT_FLOAT_EQ(box->left(), group->left());
    EXPECT_FLOAT_EQ(box->top(), group->top());
    EXPECT_FLOAT_EQ(box->width(), group->width());
    EXPECT_FLOAT_EQ(box->height(), group->height());
}

TEST_F(ReopenTest, ItemsAddedAfterReopeningTakeTheNextIndex) {
    insertSession(reopenSessions()[0]);
    reopenFirst();
    point("4", "4");
    EXPECT_EQ(g->List1.items().back(), "点(POINT)  2");
    g->List1.select(1);
    g->cmdResult.click();
    EXPECT_EQ(g->List1.items(),
              (std::vector<std::string>{"平面直角坐标系(ZBX)", "点(POINT)  1", "点(POINT)  2"}));
}

TEST_F(ReopenTest, ChangingTheRadiusChangesOnlyTheCircle) {
    point("3", "-2");
    const auto before = insertSession(reopenSessions()[2]);
    reopenFirst();
    ASSERT_EQ(g->List1.items().back(), "圆(Yuan)  0");
    g->List1.select(2);
    g->cmdResult.click();
    play(
        "tab SSTab1 8\nchoose optXaYbR\nset txtR2 9\nset txta 1\nset txtb -1\ncheck chkCentreOfCircle 1\n"
        "click cmdOK_Y\n");
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    const auto after = drawnShapes(*onSlide(1));
    EXPECT_EQ(changedLabels(before, after), std::vector<std::string>{"圆"});
    EXPECT_EQ(before.size(), after.size());
}

TEST_F(ReopenTest, ANewGraphMovedAndResizedOnTheSlideIsReplacedWhereItStands) {
    const auto before = insertSession(reopenSessions()[2]);
    onSlide(1)->incrementLeft(-50);
    onSlide(1)->incrementTop(30);
    reopenFirst();
    g->cmdOK.click();
    EXPECT_EQ(difference(transformed(before, -50, 30, 1, 1), drawnShapes(*onSlide(1))), "");
}

TEST_F(ReopenTest, TheNewGroupTakesTheOldOnesPlaceAmongTheSlidesShapes) {
    program.slideHost().addShape(office::kShapeOval, 10, 10, 20, 20)->setName("front");
    play(reopenSessions()[0].script);
    g->cmdOK.click();
    program.slideHost().addShape(office::kShapeOval, 10, 10, 20, 20)->setName("back");
    program.slideHost().item("back")->zOrder(office::zorder::SendToBack);
    // back, graph, front
    selectOnly(2);
    open();
    g->cmdOK.click();
    ASSERT_EQ(program.slideHost().count(), 3);
    EXPECT_EQ(onSlide(1)->name(), "back");
    EXPECT_EQ(onSlide(2)->type(), office::shapetype::Group);
    EXPECT_EQ(onSlide(3)->name(), "front");
}

TEST_F(ReopenTest, WithoutASelectedGraphEveryInsertionAddsAGroup) {
    insertSession(reopenSessions()[0]);
    g->cmdOK.click();
    EXPECT_EQ(state->slide().shapes.size(), 2u);
    program.slideHost().addShape(office::kShapeOval, 10, 10, 20, 20)->setName("other");
    selectOnly(3);
    open();
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ReopenTest, AReopenedGraphIsPutBackEveryTimeItIsInserted) {
    insertSession(reopenSessions()[0]);
    reopenFirst();
    g->cmdOK.click();
    g->cmdOK.click();
    EXPECT_EQ(state->slide().shapes.size(), 1u);
}

// Damaged and hostile records: the window opens as it always does, says why, and the
// slide keeps the old graph as it was.
struct DamagedRecord : ReopenFixture {
    std::string record;
    std::vector<ShapeFacts> before;
    void SetUp() override {
        ReopenFixture::SetUp();
        before = insertSession(reopenSessions()[2]);
        record = recordBox(*onSlide(1))->textFrame().textRange().text();
    }
    graph::Json json() const { return graph::Json::parse(record); }
    void expectRefusedText(const std::string& text,
                           const char* message = common::messages::kGraphUnreadable) {
        recordBox(*onSlide(1))->textFrame().textRange().setText(text);
        reopenFirst();
        EXPECT_EQ(dialogs.shown(), std::vector<std::string>{message}) << text.substr(0, 200);
        dialogs.clearShown();
        EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
        EXPECT_EQ(g->frame.xMin, -5);
        EXPECT_EQ(state->slide().shapes.size(), 1u);
        EXPECT_EQ(recordBox(*onSlide(1))->textFrame().textRange().text(), text);
        EXPECT_EQ(difference(before, drawnShapes(*onSlide(1))), "");
    }
    void expectRefused(const graph::Json& doc, const char* message = common::messages::kGraphUnreadable) {
        expectRefusedText(doc.dump(), message);
    }
};

TEST_F(DamagedRecord, CutShortOrOverlongTextIsRefused) {
    expectRefusedText(record.substr(0, record.size() / 2));
    expectRefusedText(record + "x");
    expectRefusedText(record.substr(0, record.size() - 1) + ",\"pad\":\"" + std::string(1 << 20, 'a') +
                      "\"}");
    std::string deep = "{\"format\":\"quillon4ppt-graph\",\"version\":1,\"frame\":";
    for (int i = 0; i < 100000; ++i) deep += "[";
    expectRefusedText(deep);
}

TEST_F(DamagedRecord, FieldsMissingOfTheWrongKindOrUnknownAreRefused) {
    auto doc = json();
    doc["frame"].erase("xMin");
    expectRefused(doc);
    doc = json();
    doc["frame"]["xMin"] = "-5";
    expectRefused(doc);
    doc = json();
    doc["items"][1]["record"]["centre"] = true;
    expectRefused(doc);
    doc = json();
    doc["items"][1]["record"]["radius"] = 3;
    expectRefused(doc);
    doc = json();
    doc["items"][1]["kind"] = "Kreis";
    expectRefused(doc);
}

TEST_F(DamagedRecord, NumbersOutsideWhatTheRecordsAllowAreRefused) {
    for (auto [object, field, value] :
         std::vector<std::tuple<const char*, const char*, double>>{{"frame", "xMin", -40000},
                                                                   {"frame", "xMax", 200},
                                                                   {"frame", "yMin", 0.5},
                                                                   {"settings", "intK", 0},
                                                                   {"slide", "unitLength", 0},
                                                                   {"slide", "width", -1},
                                                                   {"axes", "color", 16777216},
                                                                   {"counters", "Yuan", -1}}) {
        auto doc = json();
        doc[object][field] = value;
        expectRefused(doc);
    }
    auto doc = json();
    doc["items"][1]["record"]["r2"] = 1e300;
    expectRefused(doc);
    doc = json();
    doc["items"][1]["record"]["look"]["weight"] = 40000;
    expectRefused(doc);
}

TEST_F(DamagedRecord, EntriesAnIndexBeyondTheCounterOrListedTwiceAreRefused) {
    auto doc = json();
    doc["items"][1]["index"] = 1;
    expectRefused(doc);
    doc = json();
    doc["items"].push_back(doc["items"][1]);
    expectRefused(doc);
    doc = json();
    doc["items"].push_back(doc["items"][0]);
    expectRefused(doc);
}

TEST_F(DamagedRecord, ARecordOfALaterVersionSaysSo) {
    auto doc = json();
    doc["version"] = graph::kGraphVersion + 1;
    expectRefused(doc, common::messages::kGraphTooNew);
}

TEST_F(DamagedRecord, OurGroupWithoutItsRecordSaysSoAndInsertsBesideIt) {
    recordBox(*onSlide(1))->remove();
    reopenFirst();
    EXPECT_EQ(dialogs.shown(), std::vector<std::string>{common::messages::kGraphUnreadable});
    EXPECT_EQ(g->List1.items(), std::vector<std::string>{"平面直角坐标系(ZBX)"});
    g->cmdOK.click();
    EXPECT_EQ(state->slide().shapes.size(), 2u);
}

TEST_F(DamagedRecord, AGroupMissingShapesStillReopensAndIsPutBackWhole) {
    auto items = onSlide(1)->groupItems();
    items->item(2)->remove();
    reopenFirst();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(g->List1.items().back(), "圆(Yuan)  0");
    g->cmdOK.click();
    ASSERT_EQ(state->slide().shapes.size(), 1u);
    EXPECT_EQ(difference(before, drawnShapes(*onSlide(1))), "");
}

}  // namespace
