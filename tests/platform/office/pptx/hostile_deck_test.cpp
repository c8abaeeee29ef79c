// Decks and saves that try to break the backend: odd encodings, deep nesting, names in
// another case, ids at the end of their range, and other programs saving at the worst moment.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "deck_files.h"
#include "platform/office/pptx/atomic_file.h"
#include "platform/office/pptx/deck_connector.h"
#include "schema_check.h"

using namespace office;
namespace fs = std::filesystem;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct HostileDeck : ::testing::Test {
    testdecks::TempDir dir;
    std::string path = dir.file("lesson.pptx");
    testdecks::Entries entries = testdecks::foreignDeck();

    std::string& part(const std::string& name) {
        for (auto& [n, data] : entries)
            if (n == name) return data;
        throw std::logic_error("no part " + name);
    }
    std::unique_ptr<Application> open(int slide) {
        testdecks::writeZip(path, entries);
        return pptx::DeckConnector(path, slide).attach();
    }
    std::vector<std::string> folder() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += c, out += '\0';
    return out;
}

TEST_F(HostileDeck, ControlCharactersNeverReachTheXml) {
    auto app = open(2);
    auto label = slideHost(*app).addLabel(kTextHorizontal, 10, 10, 50, 20);
    label->setName("na\x01me\x1F");
    label->textFrame().textRange().setText("a\x02z\tb\x1B");
    app->save();
    const std::string slide = testdecks::entry(path, "ppt/slides/slide2.xml");
    EXPECT_FALSE(contains(slide, "&#")) << slide;
    EXPECT_TRUE(contains(slide, "<a:t>az\tb</a:t>"));
    auto again = pptx::DeckConnector(path, 2).attach();
    EXPECT_EQ(slideHost(*again).item("name")->textFrame().textRange().text(), "az\tb");
}

TEST_F(HostileDeck, APartReadFromUtf16IsWrittenAsUtf8AndSaysSo) {
    std::string& slide = part("ppt/slides/slide2.xml");
    std::string body = slide.substr(slide.find("?>") + 2);
    slide = utf16le(R"(<?xml version="1.0" encoding="UTF-16" standalone="yes"?>)" + body);
    auto app = open(2);
    EXPECT_EQ(slideHost(*app).count(), 2);
    slideHost(*app).addLine(0, 0, 10, 10);
    app->save();
    const std::string saved = testdecks::entry(path, "ppt/slides/slide2.xml");
    EXPECT_TRUE(saved.starts_with(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)")) << saved;
    EXPECT_EQ(slideHost(*pptx::DeckConnector(path, 2).attach()).count(), 3);
}

TEST_F(HostileDeck, DeeplyNestedXmlIsRefusedWithoutExhaustingTheStack) {
    std::string& slide = part("ppt/slides/slide2.xml");
    std::string nest;
    for (int i = 0; i < 50000; ++i) nest += "<a:x>";
    for (int i = 0; i < 50000; ++i) nest += "</a:x>";
    slide.insert(slide.find("</p:spTree>"), nest);
    try {
        open(2);
        ADD_FAILURE() << "a slide nested 50,000 deep was opened";
    } catch (const HostError& e) {
        EXPECT_TRUE(contains(e.what(), "nests elements more than 256 levels deep")) << e.what();
    }
}

// Relationships name the slide "slide2.xml"; the package stores "Slide2.xml".
TEST_F(HostileDeck, APartNamedInAnotherCaseIsSavedUnderItsStoredName) {
    for (auto& [name, data] : entries)
        if (name == "ppt/slides/slide2.xml") name = "ppt/slides/Slide2.xml";
    auto app = open(2);
    slideHost(*app).addLine(0, 0, 10, 10)->setName("ours");
    app->save();
    const auto names = testdecks::entryNames(path);
    EXPECT_EQ(std::count(names.begin(), names.end(), "ppt/slides/Slide2.xml"), 1);
    EXPECT_EQ(std::count(names.begin(), names.end(), "ppt/slides/slide2.xml"), 0);
    EXPECT_TRUE(contains(testdecks::entry(path, "ppt/slides/Slide2.xml"), "ours"));
}

TEST_F(HostileDeck, IdsAtTheEndOfTheirRangeNeverOverflow) {
    std::string& slide = part("ppt/slides/slide2.xml");
    slide.replace(slide.find(R"(id="8")"), 6, R"(id="9223372036854775807")");
    std::string& presentation = part("ppt/presentation.xml");
    const auto at = presentation.find("<p:sldId id=\"") + 13;
    presentation.replace(at, presentation.find('"', at) - at, "2147483647");
    auto app = open(2);
    EXPECT_THROW(slideHost(*app).addLine(0, 0, 1, 1), HostError);
    app->activePresentation().slidesAdd(3, kLayoutBlank);
    app->save();
    const std::string saved = testdecks::entry(path, "ppt/presentation.xml");
    EXPECT_TRUE(contains(saved, R"(<p:sldId id="257")")) << saved;
}

TEST_F(HostileDeck, TemporariesOfProgramsKilledWhileSavingAreRemoved) {
    pid_t gone = ::fork();
    if (gone == 0) _exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = "." + std::string("lesson.pptx.quillon-") + std::to_string(gone) + "-12.tmp";
    const std::string live = ".lesson.pptx.quillon-" + std::to_string(::getpid()) + "-34.tmp";
    testdecks::writeFile(dir.file(stale), "half a deck");
    testdecks::writeFile(dir.file(live), "a save under way");
    testdecks::writeFile(dir.file(".other.pptx.quillon-" + std::to_string(gone) + "-5.tmp"), "not ours");
    auto app = open(2);
    EXPECT_EQ(folder(), (std::vector<std::string>{
                            live, ".other.pptx.quillon-" + std::to_string(gone) + "-5.tmp", "lesson.pptx"}));
    slideHost(*app).addLine(0, 0, 1, 1);
    app->save();
    EXPECT_EQ(folder().size(), 3u);
}

TEST_F(HostileDeck, TheSchemaCheckNamesAnInvalidPart) {
    std::string& slide = part("ppt/slides/slide2.xml");
    slide.insert(slide.find("<a:ext cx="), R"(<a:bogus/>)");
    testdecks::writeZip(path, entries);
    const std::string errors = testdecks::schemaErrors(path);
    EXPECT_TRUE(contains(errors, "ppt/slides/slide2.xml")) << errors;
    EXPECT_TRUE(contains(errors, "bogus")) << errors;
}

// The other program saves after this save has looked, while it writes.
TEST(ReplaceFile, ASaveByAnotherProgramDuringTheWriteIsKept) {
    testdecks::TempDir dir;
    const std::string path = dir.file("lesson.pptx");
    testdecks::writeFile(path, "as it was");
    const auto seen = pptx::stampOf(path);
    auto theirs = [&](int fd) {
        ASSERT_EQ(::write(fd, "ours", 4), 4);
        testdecks::writeFile(dir.file("theirs"), "their save");
        fs::rename(dir.file("theirs"), path);
    };
    EXPECT_THROW(pptx::replaceFile(path, std::nullopt, seen, theirs), pptx::ChangedMeanwhile);
    EXPECT_EQ(testdecks::readFile(path), "their save");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
    EXPECT_NO_THROW(pptx::replaceFile(path, std::nullopt, pptx::stampOf(path),
                                      [](int fd) { ASSERT_EQ(::write(fd, "ours", 4), 4); }));
    EXPECT_EQ(testdecks::readFile(path), "ours");
}

}  // namespace
