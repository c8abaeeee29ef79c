// The deck as a file: what is kept, how it is replaced, and what happens when another
// program or the disk gets in the way.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "deck_files.h"
#include "platform/office/pptx/deck_connector.h"

using namespace office;
namespace fs = std::filesystem;

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct ForeignDeckFile : ::testing::Test {
    testdecks::TempDir dir;
    std::string path = dir.file("lesson.pptx");
    void SetUp() override { testdecks::writeZip(path, testdecks::foreignDeck()); }
    std::unique_ptr<Application> open(int slide = 1) { return pptx::DeckConnector(path, slide).attach(); }
    std::vector<std::string> folder() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ForeignDeckFile, PartsTheBackendDidNotChangeAreCopiedAsTheyAreStored) {
    std::string before = dir.file("before.pptx");
    fs::copy_file(path, before);
    auto app = open(2);
    slideHost(*app).addLabel(kTextHorizontal, 10, 10, 50, 20)->textFrame().textRange().setText("added");
    app->save();
    EXPECT_EQ(testdecks::entryNames(path), testdecks::entryNames(before));
    for (const auto& name : testdecks::entryNames(before)) {
        if (name == "ppt/slides/slide2.xml") continue;
        EXPECT_EQ(testdecks::rawEntry(path, name), testdecks::rawEntry(before, name)) << name;
    }
    std::string slide = testdecks::entry(path, "ppt/slides/slide2.xml");
    EXPECT_TRUE(contains(slide, "first line"));
    EXPECT_TRUE(contains(slide, "added"));
}

TEST_F(ForeignDeckFile, AChangedSlideKeepsWhatItHadInItsOwnPrefixes) {
    auto app = open(1);
    slideHost(*app).addLine(0, 0, 10, 10);
    app->save();
    std::string slide = testdecks::entry(path, "ppt/slides/slide1.xml");
    EXPECT_TRUE(contains(slide, R"(<p:cNvPr id="7" name="Line 7"/>)")) << slide;
    EXPECT_TRUE(contains(slide, R"(<p:blipFill><a:blip r:embed="rId2"/>)"));
    EXPECT_TRUE(contains(slide, R"(xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")"));
    auto again = open(1);
    EXPECT_EQ(slideHost(*again).count(), 5);
    EXPECT_EQ(slideHost(*again).item(2)->type(), shapetype::Picture);
}

TEST_F(ForeignDeckFile, SavingWithoutChangesLeavesTheFileAlone) {
    struct stat before {};
    ::stat(path.c_str(), &before);
    auto app = open();
    slideHost(*app).item(1)->name();
    app->save();
    struct stat after {};
    ::stat(path.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(before.st_mtim.tv_nsec, after.st_mtim.tv_nsec);
}

TEST_F(ForeignDeckFile, TheFileKeepsItsPermissionsAndLinksStayLinks) {
    ::chmod(path.c_str(), 0640);
    std::string link = dir.file("link.pptx");
    fs::create_symlink(path, link);
    auto app = pptx::DeckConnector(link, 1).attach();
    slideHost(*app).addLine(0, 0, 5, 5);
    app->save();
    EXPECT_TRUE(fs::is_symlink(link));
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folder(), (std::vector<std::string>{"lesson.pptx", "link.pptx"}));
}

TEST_F(ForeignDeckFile, AReadOnlyDeckIsNotReplaced) {
    ::chmod(path.c_str(), 0444);
    std::string before = testdecks::readFile(path);
    auto app = open(1);
    slideHost(*app).addLine(0, 0, 5, 5);
    EXPECT_THROW(app->save(), HostError);
    EXPECT_EQ(testdecks::readFile(path), before);
}

TEST_F(ForeignDeckFile, ADeckSurvivesAWriteThatFailsPartWay) {
    // The new deck is larger than the old one: a file size limit just above the old
    // size makes the write fail in the middle, as a full disk would.
    std::string before = testdecks::readFile(path);
    pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        auto app = open(1);
        for (int i = 0; i < 3000; ++i) slideHost(*app).addLine(0, 0, i, i);
        rlimit limit{static_cast<rlim_t>(before.size() + 20000), static_cast<rlim_t>(before.size() + 20000)};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            app->save();
        } catch (const HostError& e) {
            _exit(contains(e.what(), "could not be saved") && contains(e.what(), path) ? 0 : 2);
        }
        _exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported as such";
    EXPECT_EQ(testdecks::readFile(path), before);
    EXPECT_EQ(folder(), std::vector<std::string>{"lesson.pptx"});
}

TEST_F(ForeignDeckFile, ADeckSavedByAnotherProgramIsReadAgainBeforeTheNextCommand) {
    auto app = open(2);
    EXPECT_EQ(slideHost(*app).count(), 2);
    {
        auto other = open(2);
        slideHost(*other).addLabel(kTextHorizontal, 0, 0, 10, 10)->setName("theirs");
        other->save();
    }
    slideHost(*app).addLine(0, 0, 10, 10)->setName("ours");
    app->save();
    auto check = open(2);
    EXPECT_NO_THROW(slideHost(*check).item("theirs"));
    EXPECT_NO_THROW(slideHost(*check).item("ours"));
}

TEST_F(ForeignDeckFile, WorkThatMeetsAnotherSaveGoesToACopyAndNothingIsLost) {
    auto app = open(2);
    slideHost(*app).addLine(0, 0, 10, 10)->setName("ours");
    {
        auto other = open(2);
        slideHost(*other).addLabel(kTextHorizontal, 0, 0, 10, 10)->setName("theirs");
        other->save();
    }
    std::string theirs = testdecks::readFile(path);
    try {
        app->save();
        ADD_FAILURE() << "the other program's save was overwritten silently";
    } catch (const HostError& e) {
        EXPECT_TRUE(contains(e.what(), "changed by another program")) << e.what();
        EXPECT_TRUE(contains(e.what(), "lesson (quillon copy).pptx")) << e.what();
    }
    EXPECT_EQ(testdecks::readFile(path), theirs);
    auto copy = pptx::DeckConnector(dir.file("lesson (quillon copy).pptx"), 2).attach();
    EXPECT_NO_THROW(slideHost(*copy).item("ours"));
    EXPECT_NO_THROW(slideHost(*app).item("theirs"));
    slideHost(*app).addLine(0, 0, 1, 1)->setName("next");
    app->save();
    auto check = open(2);
    EXPECT_NO_THROW(slideHost(*check).item("theirs"));
    EXPECT_NO_THROW(slideHost(*check).item("next"));
}

TEST_F(ForeignDeckFile, ANewDeckNeverReplacesAFileThatAppearedMeanwhile) {
    std::string fresh = dir.file("fresh.pptx");
    auto app = pptx::DeckConnector(fresh, 1).startNew();
    app->presentationsAdd(true).slidesAdd(1, kLayoutBlank);
    fs::copy_file(path, fresh);
    EXPECT_THROW(app->save(), HostError);
    EXPECT_EQ(testdecks::readFile(fresh), testdecks::readFile(path));
    EXPECT_TRUE(fs::exists(dir.file("fresh (quillon copy).pptx")));
}

struct BadDeck : ::testing::Test {
    testdecks::TempDir dir;
    std::string path = dir.file("bad.pptx");

    // Opening fails with a message naming the deck and the reason, and leaves the file as it was.
    void expectRefused(const std::string& reason) {
        std::string before = testdecks::readFile(path);
        try {
            pptx::DeckConnector(path, 1).attach();
            ADD_FAILURE() << "opened a deck that should be refused: " << reason;
        } catch (const HostNotRunning& e) {
            ADD_FAILURE() << "a broken deck was taken for a missing one: " << e.what();
        } catch (const HostError& e) {
            EXPECT_TRUE(contains(e.what(), path)) << e.what();
            EXPECT_TRUE(contains(e.what(), reason)) << e.what();
        }
        EXPECT_EQ(testdecks::readFile(path), before);
    }
    void writeDeckWith(const std::string& part, const std::string& xml) {
        auto entries = testdecks::foreignDeck();
        for (auto& [name, data] : entries)
            if (name == part) data = xml;
        testdecks::writeZip(path, entries);
    }
};

TEST_F(BadDeck, NotAZip) {
    testdecks::writeFile(path, "This is a lesson plan, not a deck.\n");
    expectRefused("not a zip archive");
}

TEST_F(BadDeck, TruncatedOrCorruptZip) {
    testdecks::writeZip(path, testdecks::foreignDeck());
    std::string bytes = testdecks::readFile(path);
    testdecks::writeFile(path, bytes.substr(0, bytes.size() / 2));
    expectRefused("not a zip archive");
    std::string damaged = bytes;
    damaged[damaged.size() - 40] ^= 0x55;  // inside the central directory
    testdecks::writeFile(path, damaged);
    expectRefused("cannot be opened");
}

TEST_F(BadDeck, CorruptSlideData) {
    testdecks::writeZip(path, testdecks::foreignDeck(), true);
    std::string bytes = testdecks::readFile(path);
    auto at = bytes.find("Circles");
    ASSERT_NE(at, std::string::npos);
    bytes[at] = 'X';
    testdecks::writeFile(path, bytes);
    expectRefused("damaged");
}

TEST_F(BadDeck, EntryNamesThatLeaveThePackage) {
    auto entries = testdecks::foreignDeck();
    entries.push_back({"ppt/../../evil.sh", "echo"});
    testdecks::writeZip(path, entries);
    expectRefused("points outside the package");
    entries.back().first = "/etc/cron.d/x";
    testdecks::writeZip(path, entries);
    expectRefused("points outside the package");
}

TEST_F(BadDeck, RelationshipsThatLeaveThePackage) {
    writeDeckWith("ppt/_rels/presentation.xml.rels",
                  R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                  R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
                  R"(relationships/slide" Target="../../../slide1.xml"/></Relationships>)");
    expectRefused("outside the package");
}

TEST_F(BadDeck, AnArchiveThatInflatesFarBeyondItsSize) {
    auto entries = testdecks::foreignDeck();
    entries.push_back({"ppt/media/blank.bmp", std::string(80u << 20, '\0')});
    testdecks::writeZip(path, entries);
    ASSERT_LT(fs::file_size(path), 1u << 20);
    expectRefused("inflates to far more than its size");
}

TEST_F(BadDeck, XmlWithADocumentType) {
    writeDeckWith(
        "ppt/presentation.xml",
        R"(<?xml version="1.0"?><!DOCTYPE p:presentation [<!ENTITY lol "lol">]>)"
        R"(<p:presentation xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"/>)");
    expectRefused("document type");
    writeDeckWith("ppt/slides/slide1.xml", R"(<!DOCTYPE x SYSTEM "file:///etc/passwd"><p:sld/>)");
    expectRefused("document type");
}

TEST_F(BadDeck, NoPresentationPart) {
    auto entries = testdecks::foreignDeck();
    std::erase_if(entries, [](const auto& e) { return e.first == "ppt/presentation.xml"; });
    testdecks::writeZip(path, entries);
    expectRefused("no presentation part");
    testdecks::writeZip(path, {{"[Content_Types].xml", "<Types/>"}, {"word/document.xml", "<w:document/>"}});
    expectRefused("not a presentation");
}

TEST_F(BadDeck, ASlideWhoseXmlDoesNotParse) {
    writeDeckWith("ppt/slides/slide1.xml", "<p:sld><p:cSld><p:spTree></p:sld>");
    expectRefused("slide 1 (ppt/slides/slide1.xml) cannot be read: its XML does not parse");
}

TEST_F(BadDeck, ASlideNumberOutOfRange) {
    testdecks::writeZip(path, testdecks::foreignDeck());
    for (int slide : {0, 3}) {
        try {
            pptx::DeckConnector(path, slide).attach();
            ADD_FAILURE() << "slide " << slide << " was accepted";
        } catch (const HostError& e) {
            EXPECT_TRUE(contains(e.what(), "has no slide " + std::to_string(slide) + " (it has 2)"))
                << e.what();
        }
    }
}

}  // namespace
