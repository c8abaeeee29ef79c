// help_pictures FOLDER: the formula window's help pictures, written to FOLDER/img. Each
// shows example formulas of its topic as typed and as the typesetter sets them.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/typeset/svg_png.h"
#include "platform/typeset/typesetter.h"
#include "quillon4ppt/formula/help_topics.h"
#include "quillon4ppt/formula/translator.h"

namespace {

constexpr double kPixelsPerPoint = 2;

const std::vector<std::vector<const char*>> kExamples = {
    {},
    {"(a+b)/(c-d)", "1/x+1/y"},
    {"g(3,x+1)", "sqr(x^(2)+1)", "g2"},
    {"x^(2n)", "x^2+y^2"},
    {"a_(n+1)", "a_1"},
    {"xl(AB)", "xl(a)"},
    {"A(5,3)", "P(n,k)", "C(n,k)"},
    {"fcz(x+y=1,x-y=3)"},
};

// The formula as typed, in typewriter letters.
std::string typed(const std::string& formula) {
    std::string out = "\\texttt{";
    for (char c : formula) {
        if (c == '{' || c == '}' || c == '\\') out += '\\';
        out += c;
    }
    return out + "}";
}

std::string topicTex(const std::vector<const char*>& formulas) {
    std::string rows;
    for (const char* f : formulas)
        rows += typed(f) + " & \\Rightarrow & " + formula::FormulaToTex(f) + " \\\\[6pt] ";
    return "\\begin{array}{rcl} " + rows + "\\end{array}";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: help_pictures PROGRAM_FOLDER\n";
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder / "img");
    typeset::Typesetter typesetter(typeset::typesetFolder(folder));
    try {
        for (std::size_t i = 1; i < kExamples.size(); ++i) {
            auto eq = typesetter.typeset(topicTex(kExamples[i]));
            std::ofstream(folder / "img" / formula::helpTopics()[i].picture, std::ios::binary)
                << typeset::pngFromSvg(eq.svg, eq.width, eq.height, kPixelsPerPoint);
        }
    } catch (const std::exception& e) {
        std::cerr << "help_pictures: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
