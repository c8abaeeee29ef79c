#pragma once
// The equation bridge: a formula of the formula language typeset as an equation picture
// and pasted onto the slide, where it becomes the window's selection. The formula
// window and the trigonometric labels use it; one typesetter process serves every
// equation of the program run and ends with the bridge.
#include <filesystem>
#include <functional>
#include <string>

#include "platform/office/host.h"
#include "platform/typeset/typesetter.h"
#include "quillon4ppt/formula/formula_context.h"

namespace formula {

class EquationBridge {
public:
    // programFolder: where the typesetter lies (its "typeset" folder).
    explicit EquationBridge(const std::filesystem::path& programFolder);

    // Translates, typesets and pastes the formula, then selects the pasted shapes; a
    // failing selection or clean-up is skipped. typeset::TypesetError when MathJax cannot
    // typeset the TeX, typeset::TypesetterMissing when node or MathJax is missing,
    // office::HostError when the picture cannot be pasted: nothing is pasted then.
    // beforePaste runs once the formula is typeset, before anything is added.
    void InsertEquation(office::Application& host, const std::string& formula,
                        const std::function<void()>& beforePaste = {});

    // The height the formula's equation has as typeset, before anyone scales it; the
    // errors of InsertEquation.
    float naturalHeight(const std::string& formula);

    FormulaContext& context() { return ctx_; }
    typeset::Typesetter& typesetter() { return typesetter_; }

private:
    FormulaContext ctx_;
    typeset::Typesetter typesetter_;
};

}  // namespace formula
