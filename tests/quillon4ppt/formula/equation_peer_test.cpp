// LibreOffice as the judge of the equations a deck file gets: each construct of the
// formula language is Office Math the schemas accept, LibreOffice reads it as a formula
// object, and that object's MathML is the mathematics MathJax typeset.
#include <gtest/gtest.h>

#include <cstdlib>
#include <pugixml.hpp>
#include <regex>

#include "deck_files.h"
#include "platform/forms/office_profile.h"
#include "platform/office/pptx/deck_connector.h"
#include "quillon4ppt/formula/equation_bridge.h"
#include "quillon4ppt/formula/translator.h"
#include "schema_check.h"
#ifdef QUILLON_LIVE
#include "live_impress.h"
#endif

namespace {

using testdecks::entry;

// One formula of every construct, and a few of them nested.
const std::vector<std::string> kFormulas = {
    "(a+b)/(c-d)", "sqr(3,x)",      "g(x+1)",       "x^(2n)",       "a_(n+1)",           "x_(1)^(2)",
    "A(5,3)",      "C(n,k)",        "xl(AB)",       "hu(AB)",       "fcz(x+y=1,x-y=3)",  "ss(123+45)",
    "@a+@b=@p",    "x>=1<=2<>3+-1", "sqr((a+b)/2)", "g(3,(a+b)/2)", "fcz(y=x^(2),y=2x)", "(x^(2)+1)/(xl(AB))",
};

// What a formula's MathML says, whoever wrote it: its structures in document order and
// its characters, with the spellings the two writers differ in made one.
std::string structureOf(const std::string& mathml) {
    pugi::xml_document doc;
    if (!doc.load_string(mathml.c_str())) return "unreadable";
    std::string shape, text;
    auto walk = [&](auto&& self, pugi::xml_node node) -> void {
        std::string_view name = node.name();
        if (name.find(':') != std::string_view::npos) name = name.substr(name.find(':') + 1);
        if (name == "annotation") return;
        for (std::string_view kept :
             {"mfrac", "msqrt", "mroot", "msup", "msub", "msubsup", "mover", "munder", "mtable"})
            if (name == kept) shape += std::string(name) + " ";
        // A row's cells, so that one dropped cell shows: it shifts the digits of a vertical
        // addition out of their columns.
        if (name == "mtr") {
            const auto cells = std::distance(node.children().begin(), node.children().end());
            shape += "mtr" + std::to_string(cells) + " ";
        }
        if (node.type() == pugi::node_pcdata) text += node.value();
        for (auto child : node.children()) self(self, child);
    };
    walk(walk, doc.document_element());
    std::string plain;
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"\u2212", "-"}, {"\u20d7", "\u2192"}, {" ", ""}, {"\n", ""}, {"\u2061", ""}, {"\u2062", ""}})
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), to);
    return shape + "| " + text;
}

struct EquationPeer : ::testing::Test {
    testdecks::TempDir dir;
    std::string deck = dir.file("lesson.pptx");

    void SetUp() override {
        auto app = office::pptx::DeckConnector(deck, 1).startNew();
        app->presentationsAdd(true).slidesAdd(1, office::kLayoutBlank);
        formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
        for (const auto& f : kFormulas) bridge.InsertEquation(*app, f);
        app->save();
    }
    std::string odp() const {
        forms::prepareOfficeProfile(dir.file("profile"));
        const std::string command =
            "cd '" + dir.path.string() + "' && timeout 300 soffice -env:UserInstallation=file://" +
            dir.file("profile") + " --headless --convert-to odp --outdir out lesson.pptx > soffice.log 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return dir.file("out/lesson.odp");
    }
};

// The formula objects of the .odp in slide order, each the mathematics MathJax typeset for
// the formula inserted in that place.
void expectTheTypesetFormulas(const std::string& odp) {
    const std::string content = entry(odp, "content.xml");
    std::regex object(R"re(<draw:object xlink:href="./(Object \d+)")re");
    std::vector<std::string> objects;
    for (std::sregex_iterator it(content.begin(), content.end(), object), end; it != end; ++it)
        objects.push_back((*it)[1]);
    ASSERT_EQ(objects.size(), kFormulas.size());
    typeset::Typesetter mathjax(typeset::typesetFolder(QUILLON_PROGRAM_DIR));
    for (std::size_t i = 0; i < kFormulas.size(); ++i) {
        const std::string tex = formula::FormulaToTex(kFormulas[i]);
        EXPECT_EQ(structureOf(entry(odp, objects[i] + "/content.xml")),
                  structureOf(mathjax.typeset(tex).mathml))
            << kFormulas[i];
    }
}

TEST_F(EquationPeer, EveryConstructIsValidOfficeMathThatLibreOfficeReadsAsTheSameFormula) {
    EXPECT_EQ(testdecks::schemaErrors(deck), "");
    expectTheTypesetFormulas(odp());
}

#ifdef QUILLON_LIVE
TEST(EquationLivePeer, EveryConstructBecomesAFormulaObjectOfTheSameFormula) {
    testdecks::TempDir dir;
    LiveImpress impress(dir.path, dir.path / "deck.pptx");
    auto app = impress.attach();
    formula::EquationBridge bridge(QUILLON_PROGRAM_DIR);
    for (const auto& f : kFormulas) bridge.InsertEquation(*app, f);
    app->save();
    impress.storeAs(dir.path / "live.odp");
    expectTheTypesetFormulas((dir.path / "live.odp").string());
}
#endif

}  // namespace
