#include "platform/office/pptx/sheet_outline.h"

#include "platform/office/pptx/deck.h"

namespace office::pptx {

SheetOutline readSheetOutline(const std::string& path) {
    auto deck = Deck::open(path);
    SheetOutline outline;
    outline.width = deck->slideWidth();
    outline.height = deck->slideHeight();
    for (int page = 1; page <= deck->slideCount(); ++page) {
        std::vector<OutlineShape> shapes;
        for (auto shape : shapesIn(deck->slide(page).tree()))
            shapes.push_back({shapeName(shape), boxOf(shape)});
        outline.pages.push_back(std::move(shapes));
    }
    return outline;
}

}  // namespace office::pptx
