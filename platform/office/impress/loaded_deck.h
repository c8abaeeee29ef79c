#pragma once
// The .pptx file a presentation was opened from, read as the deck backend reads it.
// LibreOffice opens the text boxes of a .pptx as custom shapes holding text; only the
// file still tells them from rectangles.
#include <com/sun/star/frame/XModel.hpp>
#include <map>
#include <memory>
#include <string>

#include "platform/office/host.h"

namespace office::impress {

class LoadedDeck {
public:
    // The type the file gives the shape named `name` on slide `slide` (1-based); 0 when the
    // presentation was not opened from a .pptx file or the file holds no such shape.
    int typeOf(const css::uno::Reference<css::frame::XModel>& model, int slide, const std::string& name);

private:
    std::string path_;
    std::map<int, std::unique_ptr<Application>> slides_;
};

}  // namespace office::impress
