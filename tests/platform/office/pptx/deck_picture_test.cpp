// Pictures pasted into a deck: a picture shape whose blip is the PNG with the SVG beside
// it, its parts, relationships and content types, valid and read back the same.
#include <gtest/gtest.h>

#include <cstdlib>

#include "deck_files.h"
#include "platform/office/pptx/deck_connector.h"
#include "schema_check.h"

using namespace office;
using testdecks::entry;

namespace {

const std::string kSchemas = QUILLON_SHARED_XSD "/";

PictureData equation(float width, float height) {
    return {std::string("\x89PNG\r\n\x1a\n", 8) + "pixels",
            R"(<svg xmlns="http://www.w3.org/2000/svg"/>)",
            width,
            height,
            "x^(2)+1",
            "x^{2}+1",
            {},
            {}};
}

// The same with its Office Math, as the typesetter gives it.
PictureData officeMath(float width, float height) {
    PictureData d = equation(width, height);
    d.mathml = "<math/>";
    d.omml =
        R"(<m:oMath xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math"><m:sSup><m:e><m:r>)"
        R"(<m:t>x</m:t></m:r></m:e><m:sup><m:r><m:t>2</m:t></m:r></m:sup></m:sSup><m:r><m:t>+1</m:t></m:r></m:oMath>)";
    return d;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Whether xmllint finds the part valid against the schema.
bool validates(const testdecks::TempDir& dir, const std::string& deck, const std::string& part,
               const std::string& schema) {
    std::string file = dir.file("part.xml");
    testdecks::writeFile(file, entry(deck, part));
    return std::system(
               ("xmllint --noout --nonet --schema '" + kSchemas + schema + "' '" + file + "' 2>/dev/null")
                   .c_str()) == 0;
}

struct PictureDeck : ::testing::Test {
    testdecks::TempDir dir;
    std::string path = dir.file("lesson.pptx");
    std::unique_ptr<Application> app = [this] {
        auto a = pptx::DeckConnector(path, 1).startNew();
        a->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
        return a;
    }();
    SlideHost& host = slideHost(*app);
};

TEST_F(PictureDeck, APastedPictureIsAPictureShapeWithItsPngAndSvgParts) {
    app->copyPicture(equation(40, 12));
    auto pasted = host.paste();
    ASSERT_EQ(pasted->count(), 1);
    EXPECT_EQ(pasted->item(1)->type(), shapetype::Picture);
    EXPECT_EQ(pasted->item(1)->name(), "Picture 2");
    // In the middle of the slide, at its natural size.
    EXPECT_FLOAT_EQ(pasted->left(), 340);
    EXPECT_FLOAT_EQ(pasted->top(), 264);
    EXPECT_FLOAT_EQ(pasted->width(), 40);
    app->save();

    std::string slide = entry(path, "ppt/slides/slide1.xml");
    EXPECT_TRUE(contains(slide, R"(descr="x^{2}+1" title="x^(2)+1")"));
    EXPECT_TRUE(contains(
        slide,
        R"(<a:blip r:embed="rId2"><a:extLst><a:ext uri="{96DAC541-7B7A-43D3-8B79-37D633B846F1}">)"
        R"(<asvg:svgBlip xmlns:asvg="http://schemas.microsoft.com/office/drawing/2016/SVG/main" r:embed="rId3"/>)"));
    std::string rels = entry(path, "ppt/slides/_rels/slide1.xml.rels");
    EXPECT_TRUE(contains(
        rels,
        R"(Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="../media/quillon1.png")"));
    EXPECT_TRUE(contains(
        rels,
        R"(Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="../media/quillon1.svg")"));
    EXPECT_EQ(entry(path, "ppt/media/quillon1.png"), equation(1, 1).png);
    EXPECT_EQ(entry(path, "ppt/media/quillon1.svg"), equation(1, 1).svg);
    std::string types = entry(path, "[Content_Types].xml");
    EXPECT_TRUE(contains(types, R"(<Default Extension="png" ContentType="image/png"/>)"));
    EXPECT_TRUE(contains(types, R"(<Default Extension="svg" ContentType="image/svg+xml"/>)"));

    EXPECT_TRUE(validates(dir, path, "ppt/slides/slide1.xml", "ISO-IEC29500-4_2016/pml.xsd"));
    EXPECT_TRUE(
        validates(dir, path, "ppt/slides/_rels/slide1.xml.rels", "ecma/fouth-edition/opc-relationships.xsd"));
    EXPECT_TRUE(validates(dir, path, "[Content_Types].xml", "ecma/fouth-edition/opc-contentTypes.xsd"));
}

TEST_F(PictureDeck, APictureReadsBackTheSameAfterScalingMovingAndReopening) {
    app->copyPicture(equation(40, 20));
    auto pasted = host.paste();
    pasted->select(true);
    auto range = app->activeWindow().selection().shapeRange();
    range->scaleWidth(2.25f, false, 0);
    range->scaleHeight(2.25f, false, 2);
    range->setLeft(10);
    range->setTop(10);
    app->save();

    auto again = pptx::DeckConnector(path, 1).attach();
    auto picture = slideHost(*again).item(1);
    EXPECT_EQ(picture->type(), shapetype::Picture);
    EXPECT_EQ(picture->title(), "x^(2)+1");
    EXPECT_EQ(picture->alternativeText(), "x^{2}+1");
    EXPECT_NEAR(picture->left(), 10, 1e-3);
    EXPECT_NEAR(picture->top(), 10, 1e-3);
    EXPECT_NEAR(picture->width(), 90, 1e-3);
    EXPECT_NEAR(picture->height(), 45, 1e-3);
}

TEST_F(PictureDeck, AnEquationIsOfficeMathWithThePictureAsFallbackAndValidates) {
    app->copyPicture(officeMath(40, 14.4f));
    auto pasted = host.paste();
    EXPECT_TRUE(pasted->item(1)->isEquation());
    EXPECT_EQ(pasted->item(1)->name(), "TextBox 2");
    EXPECT_NEAR(pasted->height(), 14.4, 1e-3);
    app->save();

    std::string slide = entry(path, "ppt/slides/slide1.xml");
    EXPECT_TRUE(contains(
        slide,
        R"(<mc:Choice xmlns:a14="http://schemas.microsoft.com/office/drawing/2010/main" Requires="a14"><p:sp>)"));
    EXPECT_TRUE(contains(
        slide,
        R"(<a14:m><m:oMathPara xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math"><m:oMath)"));
    EXPECT_TRUE(contains(slide, R"(<a:endParaRPr lang="en-US" sz="1200"/>)"));
    EXPECT_TRUE(contains(slide, R"(</mc:Choice><mc:Fallback><p:pic>)"));
    // The texts on both branches, so that any reader finds them.
    EXPECT_EQ(occurrences(slide, R"(descr="x^{2}+1" title="x^(2)+1")"), 2);
    EXPECT_EQ(testdecks::schemaErrors(path), "");
}

TEST_F(PictureDeck, AnEquationsTextGrowsWithItsHeightAndItReadsBackAsAnEquation) {
    app->copyPicture(officeMath(40, 14.4f));
    auto pasted = host.paste();
    pasted->scaleWidth(3.13f, false, 0);
    pasted->scaleHeight(3.13f, false, 2);
    app->save();
    EXPECT_TRUE(contains(entry(path, "ppt/slides/slide1.xml"), R"(sz="3756")"));

    auto again = pptx::DeckConnector(path, 1).attach();
    auto shape = slideHost(*again).item(1);
    EXPECT_TRUE(shape->isEquation());
    EXPECT_EQ(shape->title(), "x^(2)+1");
    EXPECT_NEAR(shape->height(), 14.4 * 3.13, 1e-3);
}

TEST_F(PictureDeck, EveryPasteAddsItsOwnPartsAndTheTypesOnce) {
    app->copyPicture(equation(10, 10));
    host.paste();
    host.paste();
    app->save();
    EXPECT_EQ(host.count(), 2);
    EXPECT_NO_THROW(entry(path, "ppt/media/quillon2.svg"));
    std::string types = entry(path, "[Content_Types].xml");
    EXPECT_EQ(types.find(R"(Extension="png")"), types.rfind(R"(Extension="png")"));
}

TEST_F(PictureDeck, ControlCharactersInTheTextsAreLeftOut) {
    PictureData picture = equation(10, 10);
    picture.title = std::string("a\x01") + "b";
    app->copyPicture(picture);
    host.paste();
    app->save();
    EXPECT_EQ(pptx::DeckConnector(path, 1).attach()->activeWindow().selection().shapes().item(1)->title(),
              "ab");
}

TEST(ForeignPictureDeck, APasteKeepsTheDecksOwnPicturesAndTypes) {
    testdecks::TempDir dir;
    std::string path = dir.file("foreign.pptx");
    testdecks::writeZip(path, testdecks::foreignDeck());
    auto app = pptx::DeckConnector(path, 1).attach();
    std::string before = entry(path, "ppt/media/image1.png");
    app->copyPicture(equation(10, 10));
    slideHost(*app).paste();
    app->save();
    EXPECT_EQ(entry(path, "ppt/media/image1.png"), before);
    std::string rels = entry(path, "ppt/slides/_rels/slide1.xml.rels");
    EXPECT_TRUE(contains(
        rels,
        R"(Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/image" Target="../media/image1.png")"));
    EXPECT_TRUE(contains(rels, R"(Id="rId3")"));
    std::string types = entry(path, "[Content_Types].xml");
    EXPECT_EQ(types.find(R"(Extension="png")"), types.rfind(R"(Extension="png")"));
    EXPECT_TRUE(contains(types, R"(Extension="svg")"));
}

}  // namespace
