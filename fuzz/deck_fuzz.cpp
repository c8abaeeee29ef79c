// Any bytes as a deck file: the backend opens it or refuses it with HostError, and a
// deck it opens lists its shapes, takes a line and a text box and is saved again,
// without a crash, a hang or a sanitizer report.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/office/pptx/deck_connector.h"

namespace {

const std::string& deckPath() {
    static const std::string path = [] {
        auto folder =
            std::filesystem::temp_directory_path() / ("quillon-deck-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        return (folder / "deck.pptx").string();
    }();
    return path;
}

void listShapes(office::SlideHost& host) {
    for (int i = 1; i <= host.count(); ++i) {
        auto shape = host.item(i);
        (void)shape->name(), (void)shape->type(), (void)shape->left(), (void)shape->width();
        if (shape->hasTextFrame()) (void)shape->textFrame().textRange().text();
        if (shape->type() == office::shapetype::Group) (void)shape->groupItems()->count();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(deckPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), size);
    // A handful of slides is enough to reach every part a slide refers to.
    for (int slide = 1; slide <= 4; ++slide) {
        try {
            auto app = office::pptx::DeckConnector(deckPath(), slide).attach();
            auto& host = office::slideHost(*app);
            listShapes(host);
            host.addLine(10, 10, 100, 50);
            host.addLabel(office::kTextHorizontal, 20, 20, 30, 30)->textFrame().textRange().setText("x²");
            app->save();
        } catch (const office::HostError&) {
            return 0;
        }
    }
    return 0;
}
