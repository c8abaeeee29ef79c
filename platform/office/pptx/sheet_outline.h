#pragma once
// What a document view needs of a figure sheet: its pages and, on each, where its
// named shapes and groups stand.
#include <string>
#include <vector>

#include "platform/office/pptx/shape_xml.h"

namespace office::pptx {

struct OutlineShape {
    std::string name;
    Box box;  // points on the page
};

struct SheetOutline {
    float width = 720, height = 540;
    std::vector<std::vector<OutlineShape>> pages;  // back to front on each page
};

// HostError when the file is not a readable deck.
SheetOutline readSheetOutline(const std::string& path);

}  // namespace office::pptx
