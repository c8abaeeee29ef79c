#include "quillon4ppt/formula/rewrite_rules.h"

#include <algorithm>
#include <vector>

#include "common/text.h"
#include "quillon4ppt/formula/bracket_group.h"
#include "quillon4ppt/formula/narrow_width.h"
#include "quillon4ppt/formula/operands.h"
#include "quillon4ppt/formula/text_replace.h"
#include "quillon4ppt/formula/translator.h"
#include "quillon4ppt/formula/vertical_addition.h"

namespace formula {
namespace {

std::vector<std::u32string> splitAtCommas(std::u32string_view text) {
    std::vector<std::u32string> parts(1);
    for (char32_t c : text) {
        if (c == U',')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// "(3,x)" gives " [3]{x}": the index up to the first comma, the radicand after it.
std::u32string indexedRadicand(std::u32string_view group, std::size_t comma) {
    std::u32string_view index = comma > 0 ? group.substr(1, comma - 1) : std::u32string_view{};
    std::size_t last = group.size() - 1;
    std::u32string_view radicand =
        last > comma ? group.substr(comma + 1, last - comma - 1) : std::u32string_view{};
    return U" [" + std::u32string(index) + U"]{" + std::u32string(radicand) + U"}";
}

bool startsGroup(std::u32string_view text, std::size_t pos) {
    return pos < text.size() && text[pos] == U'(';
}

}  // namespace

void rewriteRadical(FormulaContext& ctx, std::u32string& text, std::size_t pos, std::size_t opLength) {
    std::size_t open = pos + opLength;
    if (!startsGroup(text, open)) {
        std::u32string c = text.substr(std::min(open, text.size()), 1);
        text.replace(pos, opLength + c.size(), ctx.placeholders.add(U"\\sqrt") + U"{" + c + U"}");
        return;
    }
    std::u32string group = *bracketGroupAt(text, open);
    std::size_t span = opLength + group.size();
    // Nested brackets need their own operators rewritten before the group is cut up.
    if (common::CountOccurrences(group, U"(") >= 2) group = TranslateFormula(ctx, group);
    std::u32string root = ctx.placeholders.add(U"\\sqrt");
    std::size_t comma = group.find(U',');
    text.replace(pos, span,
                 root + (comma != std::u32string::npos ? indexedRadicand(group, comma)
                                                       : U"{" + innerOf(group) + U"}"));
}

void rewriteScript(FormulaContext& ctx, std::u32string& text, std::size_t pos, std::u32string_view fragment) {
    std::u32string name = ctx.placeholders.add(fragment);
    if (!startsGroup(text, pos + 1)) {
        text.replace(pos, 1, name);
        return;
    }
    std::u32string group = *bracketGroupAt(text, pos + 1);
    // The operator first: a lone "(" at the end turns into "{}" everywhere, which
    // would move it.
    text.replace(pos, 1, name);
    replaceAll(text, group, U"{" + innerOf(group) + U"}");
}

void rewriteFraction(std::u32string& text, std::size_t pos) {
    std::u32string numerator = LeftOperand(text, pos);
    std::u32string denominator = RightOperand(text, pos + 1);
    replaceAll(text, numerator + U"/" + denominator,
               U"\\frac{" + StripParens(numerator) + U"}{" + StripParens(denominator) + U"}");
}

void rewritePermutation(std::u32string& text, std::size_t pos) {
    std::u32string group = *bracketGroupAt(text, pos + 1);
    std::vector<std::u32string> parts = splitAtCommas(innerOf(group));
    std::u32string letter(1, text[pos]);
    replaceAll(text, letter + group, letter + U"^{" + parts[0] + U"}_{" + parts[1] + U"}");
}

void rewriteMarkedGroup(std::u32string& text, std::size_t pos, std::u32string_view head) {
    std::u32string group = *bracketGroupAt(text, pos + 2);
    replaceAll(text, text.substr(pos, 2) + group,
               std::u32string(head) + common::trimBlanks(innerOf(group)) + U"}");
}

void rewriteSystem(FormulaContext& ctx, std::u32string& text, std::size_t pos) {
    std::u32string group = *bracketGroupAt(text, pos + 3);
    std::vector<std::u32string> equations = splitAtCommas(NarrowWidth(innerOf(group)));
    std::u32string lines;
    for (std::size_t i = 0; i < equations.size(); ++i)
        lines += (i > 0 ? U" \\\\ " : U"") + common::trimBlanks(TranslateFormula(ctx, equations[i]));
    replaceAll(text, U"fcz" + group, U"\\left\\{ \\begin{align} " + lines + U" \\\\ \\end{align}\\right.");
}

void rewriteAddition(FormulaContext& ctx, std::u32string& text, std::size_t pos) {
    text = verticalAddition(innerOf(FindBracketGroup(text, pos + 2, ctx.showMessage)));
}

}  // namespace formula
