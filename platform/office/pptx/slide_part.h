#pragma once
// A slide's XML, kept parsed while the deck is open, and the shapes handed out to callers.
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/color.h"
#include "platform/office/pptx/shape_format.h"
#include "platform/office/pptx/shape_xml.h"

namespace office::pptx {

class SlidePart;

// What a shape handle holds: its element, until the shape is deleted or the slide is
// read again from the disk.
struct ShapeRef {
    pugi::xml_node node;
    SlidePart* slide = nullptr;
    std::string lastName;  // for messages once the shape is gone
    // Colours set while the line or fill is hidden, shown when it is made visible.
    std::optional<common::Rgb> hiddenLineColor, hiddenFillColor;
};
using ShapeRefPtr = std::shared_ptr<ShapeRef>;

// A placeholder of the slide's layout or master, whose place a slide's placeholder
// without a position of its own takes.
struct InheritedPlace {
    std::string type;   // "obj" when not given
    std::string index;  // "" when not given
    Box box;
    bool fromMaster = false;
};

class SlidePart {
public:
    // Throws std::runtime_error when the XML is not a slide.
    SlidePart(std::string partName, std::string_view xml);
    ~SlidePart();

    const std::string& partName() const { return partName_; }
    pugi::xml_node tree() const { return tree_; }  // p:spTree
    ShapeRefPtr ref(pugi::xml_node shape);
    // The shape's element and everything in it is about to go: handles to them die.
    void forget(pugi::xml_node shape);
    // HostError when the slide's ids are used up to the largest one.
    ShapeId newId();
    void inherit(std::vector<InheritedPlace> places, SchemeColors scheme) {
        places_ = std::move(places);
        scheme_ = std::move(scheme);
    }
    const SchemeColors& scheme() const { return scheme_; }
    // Where a placeholder without a position of its own stands.
    std::optional<Box> inheritedBox(const pugi::xml_node& shape) const;

    bool changed = false;
    std::string xml() const;

private:
    std::string partName_;
    pugi::xml_document doc_;
    pugi::xml_node tree_;
    ShapeId nextId_ = 2;
    std::unordered_map<pugi::xml_node_struct*, std::weak_ptr<ShapeRef>> refs_;
    std::vector<InheritedPlace> places_;
    SchemeColors scheme_;
};

}  // namespace office::pptx
