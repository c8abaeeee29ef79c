// Any text as the record of a selected graph: the workspace refuses it with its message
// or opens it again, draws it into the preview and puts it back on the slide, without a
// crash, a hang or a sanitizer report. Trigonometric records are opened but not inserted.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/dialogs.h"
#include "platform/office/memory/memory_host.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace {

struct Workspace {
    std::shared_ptr<office::memory::ProgramState> state = std::make_shared<office::memory::ProgramState>();
    office::memory::Connector connector{state};
    forms::ScriptedDialogs dialogs;
    launch::Program program{launch::Environment{}, dialogs, connector};
    Workspace() {
        program.CheckHost();
        program.AxisSettings = {2, 5, 1, false, false, false, false};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Workspace w;
    w.state->slides.assign(1, {});
    w.state->selected.clear();
    w.state->calls.clear();
    auto& host = w.program.slideHost();
    host.addLine(10, 10, 100, 50)->setName("line");
    auto box = host.addLabel(office::kTextHorizontal, 20, 20, 30, 30);
    box->setName("box");
    // The input follows the mark that makes a text box a record at all.
    const std::string text =
        "{\"format\":\"quillon4ppt-graph\"" + std::string(reinterpret_cast<const char*>(data), size);
    box->textFrame().textRange().setText(text);
    auto group = host.range({"line", "box"})->group();
    group->setName("组合：1_quillon");
    group->select(true);
    try {
        graph::frmGraph g(w.program);
        // Sine and cosine labels would start the typesetter for every input.
        if (text.find("\"SJ\"") == std::string::npos) g.cmdOK_Click();
    } catch (const office::HostError&) {
    }
    w.dialogs.clearShown();
    return 0;
}
