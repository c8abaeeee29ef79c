#include "quillon4ppt/formula/translator.h"

#include "common/text.h"
#include "quillon4ppt/formula/greek_letters.h"
#include "quillon4ppt/formula/operator_search.h"
#include "quillon4ppt/formula/relation_signs.h"
#include "quillon4ppt/formula/rewrite_rules.h"

namespace formula {
namespace {

void rewrite(FormulaContext& ctx, std::u32string& text, OperatorHit hit) {
    switch (hit.op) {
        case Operator::Sqr:
            return rewriteRadical(ctx, text, hit.pos, 3);
        case Operator::G:
            return rewriteRadical(ctx, text, hit.pos, 1);
        case Operator::Superscript:
            return rewriteScript(ctx, text, hit.pos, U"^");
        case Operator::Subscript:
            return rewriteScript(ctx, text, hit.pos, U"_");
        case Operator::Fraction:
            return rewriteFraction(text, hit.pos);
        case Operator::PermA:
        case Operator::PermP:
        case Operator::CombC:
            return rewritePermutation(text, hit.pos);
        case Operator::Arc:
            return rewriteMarkedGroup(text, hit.pos, U"\\overset{\\frown}{");
        case Operator::Vector:
            return rewriteMarkedGroup(text, hit.pos, U"\\vec{");
        case Operator::System:
            return rewriteSystem(ctx, text, hit.pos);
        case Operator::Addition:
            return rewriteAddition(ctx, text, hit.pos);
    }
}

}  // namespace

std::u32string TranslateFormula(FormulaContext& ctx, std::u32string_view text) {
    std::u32string work(text);
    auto breathe = [&ctx] { ctx.letWindowBreathe(); };
    while (auto hit = findOperator(work, breathe)) {
        rewrite(ctx, work, *hit);
        breathe();
    }
    return ReplaceGreekLetters(ReplaceRelationSigns(work));
}

std::string FormulaToTex(FormulaContext& ctx, std::string_view formula) {
    ctx.placeholders.clear();
    std::u32string tex = TranslateFormula(ctx, common::toUtf32(formula));
    return common::toUtf8(RestorePlaceholders(ctx.placeholders, tex));
}

std::string FormulaToTex(std::string_view formula) {
    FormulaContext ctx;
    return FormulaToTex(ctx, formula);
}

}  // namespace formula
