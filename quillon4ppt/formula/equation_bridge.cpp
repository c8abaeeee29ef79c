#include "quillon4ppt/formula/equation_bridge.h"

#include "common/numbers.h"
#include "platform/office/ignore_failure.h"
#include "quillon4ppt/formula/translator.h"

namespace formula {

namespace {

// A paste from the equation editor could bring empty autoshapes along; only those go.
void dropEmptyAutoShapes(office::ShapeRange& pasted) {
    for (int i = pasted.count(); i >= 1; --i)
        office::ignoreFailure([&] {
            auto shape = pasted.item(i);
            if (shape->type() == office::shapetype::AutoShape && common::roundHalfEven(shape->height()) == 0)
                shape->remove();
        });
}

}  // namespace

EquationBridge::EquationBridge(const std::filesystem::path& programFolder)
    : typesetter_(typeset::typesetFolder(programFolder)) {}

void EquationBridge::InsertEquation(office::Application& host, const std::string& formula,
                                    const std::function<void()>& beforePaste) {
    typesetter_.start();
    const std::string tex = FormulaToTex(ctx_, formula);
    typeset::Equation equation = typesetter_.typeset(tex);
    if (beforePaste) beforePaste();
    // Without the paste there is no equation to select or tidy: its failure ends the run,
    // so no caller goes on to scale or move what happened to be selected before.
    host.copyPicture({std::move(equation.png), std::move(equation.svg), equation.width, equation.height,
                      formula, tex, std::move(equation.mathml), std::move(equation.omml)});
    office::ShapeRangePtr pasted = office::slideHost(host).paste();
    office::ignoreFailure([&] { pasted->select(true); });
    dropEmptyAutoShapes(*pasted);
}

float EquationBridge::naturalHeight(const std::string& formula) {
    return typesetter_.typeset(FormulaToTex(ctx_, formula)).height;
}

}  // namespace formula
