#include "quillon4ppt/launch/verbs.h"

#include "common/messages.h"
#include "common/text.h"
#include "platform/forms/control.h"

namespace launch {

using common::messages::kMathTypeQuestion;

VerbTable::VerbTable() {
    for (const char* verb : {"tk", "functiongraph", "shapeselecter", "dot", "gs", "test"})
        entries_.push_back({verb, {}});
}

void VerbTable::add(const std::string& verb, WindowFactory open) {
    for (auto& e : entries_)
        if (e.verb == verb) e.open = std::move(open);
}

Dispatch VerbTable::dispatch(Program& program, const std::string& commandLine) const {
    std::string verb = common::lowerAscii(commandLine);
    for (const auto& e : entries_) {
        if (e.verb != verb) continue;
        if (verb == "gs" && !program.MathTypeFound &&
            program.dialogs().msgBox(kMathTypeQuestion, forms::Buttons::OkCancel) == forms::Answer::Cancel)
            program.ExitProgram();
        if (!e.open) return {Dispatch::Result::NotBuilt, nullptr, verb};
        return {Dispatch::Result::Opened, e.open(program), verb};
    }
    return {Dispatch::Result::NoVerb, nullptr, verb};
}

}  // namespace launch
