// Shapes pasted from a figure sheet: what they refer to comes along under fresh ids.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "deck_files.h"
#include "platform/office/pptx/deck_connector.h"

using namespace office;

namespace {

struct SheetPaste : ::testing::Test {
    testdecks::TempDir dir;
    std::string sheet = dir.file("sheet.pptx");
    std::string deck = dir.file("deck.pptx");
    std::unique_ptr<Application> app;

    void SetUp() override {
        testdecks::writeZip(sheet, testdecks::foreignDeck());
        pptx::DeckConnector connector(deck, 1);
        app = connector.startNew();
        app->presentationsAdd(true);
        app->activePresentation().slidesAdd(1, kLayoutBlank);
        slideHost(*app).addLine(0, 0, 10, 10);
    }
    void paste(std::vector<std::string> names) {
        app->activeWindow().viewPasteShapes({sheet, 1, std::move(names)});
        app->save();
    }
    std::string slideXml() { return testdecks::entry(deck, "ppt/slides/slide1.xml"); }
    std::string relsXml() { return testdecks::entry(deck, "ppt/slides/_rels/slide1.xml.rels"); }
};

std::vector<std::string> all(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1]);
    return found;
}

TEST_F(SheetPaste, APictureBringsItsImageUnderAFreshRelationship) {
    paste({"Picture 2"});
    auto embeds = all(slideXml(), "r:embed=\"([^\"]+)\"");
    ASSERT_EQ(embeds.size(), 1u);
    EXPECT_NE(relsXml().find("Id=\"" + embeds[0] +
                             "\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                             "2006/relationships/image\" Target=\"../media/image1.png\""),
              std::string::npos)
        << relsXml();
    EXPECT_EQ(relsXml().rfind("<?xml", 0), 0u);
    EXPECT_EQ(relsXml().find("<?xml", 1), std::string::npos) << "one declaration";
    EXPECT_EQ(testdecks::entry(deck, "ppt/media/image1.png"),
              testdecks::entry(sheet, "ppt/media/image1.png"));
    EXPECT_NE(testdecks::entry(deck, "[Content_Types].xml").find("/ppt/media/image1.png"), std::string::npos);
    auto& shapes = slideHost(*app);
    ASSERT_EQ(shapes.count(), 2);
    EXPECT_EQ(shapes.item(2)->name(), "Picture 2");
    EXPECT_FLOAT_EQ(shapes.item(2)->left(), 10);
    EXPECT_FLOAT_EQ(shapes.item(2)->top(), 20);
    EXPECT_EQ(app->activeWindow().selection().shapeRange()->item(1)->name(), "Picture 2");
}

TEST_F(SheetPaste, EveryPasteGetsItsOwnShapeIdsAndImageCopy) {
    paste({"Picture 2", "Group 3"});
    paste({"Picture 2"});
    auto ids = all(slideXml(), "<p:cNvPr id=\"([0-9]+)\"");
    std::set<std::string> distinct(ids.begin(), ids.end());
    EXPECT_EQ(distinct.size(), ids.size()) << slideXml();
    EXPECT_EQ(ids.size(), 1u + 1u + 1u + 2u + 1u);  // tree, line, picture, group with child, picture
    auto embeds = all(slideXml(), "r:embed=\"([^\"]+)\"");
    ASSERT_EQ(embeds.size(), 2u);
    EXPECT_NE(embeds[0], embeds[1]);
    EXPECT_EQ(testdecks::entry(deck, "ppt/media/image1_2.png"),
              testdecks::entry(sheet, "ppt/media/image1.png"));
    EXPECT_EQ(slideHost(*app).item(3)->name(), "Group 3");
}

TEST_F(SheetPaste, ANameNotOnThePageIsRefusedAndNothingChanges) {
    EXPECT_THROW(paste({"Picture 2", "Note box"}), HostError);
    EXPECT_EQ(slideHost(*app).count(), 1);
}

}  // namespace
