#include "platform/office/pptx/slide_part.h"

#include <charconv>
#include <stdexcept>

#include "platform/office/host.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/xml.h"

namespace office::pptx {

namespace {

// An id as it is written, where anything past the largest id counts as the largest.
ShapeId idValue(std::string_view text) {
    ShapeId id = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), id).ec == std::errc::result_out_of_range)
        return text.starts_with('-') ? 0 : kLargestShapeId;
    return std::min(id, kLargestShapeId);
}

}  // namespace

SlidePart::SlidePart(std::string partName, std::string_view xml) : partName_(std::move(partName)) {
    parseXml(doc_, xml);
    usePlainPrefixes(doc_);
    auto root = doc_.document_element();
    if (std::string_view(root.name()) != "p:sld") throw std::runtime_error("it is not a slide");
    tree_ = root.child("p:cSld").child("p:spTree");
    if (!tree_) throw std::runtime_error("it has no shape tree");
    for (auto node : doc_.select_nodes("//p:cNvPr/@id"))
        nextId_ = std::max<ShapeId>(nextId_, idValue(node.attribute().value()) + 1);
}

ShapeId SlidePart::newId() {
    if (nextId_ > kLargestShapeId)
        throw HostError::said(common::messages::kSlideFull, {},
                              "The slide " + partName_ + " has no shape id left for a new shape.");
    return nextId_++;
}

SlidePart::~SlidePart() {
    forget(doc_.document_element());
}

ShapeRefPtr SlidePart::ref(pugi::xml_node shape) {
    auto& slot = refs_[shape.internal_object()];
    if (auto existing = slot.lock()) return existing;
    auto made = std::make_shared<ShapeRef>();
    made->node = shape;
    made->slide = this;
    slot = made;
    return made;
}

void SlidePart::forget(pugi::xml_node shape) {
    auto it = refs_.find(shape.internal_object());
    if (it != refs_.end()) {
        if (auto r = it->second.lock()) {
            r->lastName = shapeName(shape);
            r->node = pugi::xml_node();
        }
        refs_.erase(it);
    }
    for (auto child : shape.children())
        if (child.type() == pugi::node_element) forget(child);
}

std::string SlidePart::xml() const {
    return writeXml(doc_);
}

namespace {

bool isTitle(std::string_view type) {
    return type == "title" || type == "ctrTitle";
}

// Masters have only title, body, date, footer and slide number placeholders.
std::string_view masterType(std::string_view type) {
    if (isTitle(type)) return "title";
    if (type == "dt" || type == "ftr" || type == "sldNum") return type;
    return "body";
}

}  // namespace

std::optional<Box> SlidePart::inheritedBox(const pugi::xml_node& shape) const {
    auto ph = placeholderOf(shape);
    if (!ph || hasOwnBox(shape)) return std::nullopt;
    std::string_view type = ph.attribute("type").as_string("obj"), index = ph.attribute("idx").value();
    auto find = [&](auto matches) -> const InheritedPlace* {
        for (const auto& p : places_)
            if (matches(p)) return &p;
        return nullptr;
    };
    const InheritedPlace* place =
        find([&](const InheritedPlace& p) { return !p.fromMaster && !index.empty() && p.index == index; });
    if (!place)
        place = find([&](const InheritedPlace& p) {
            return !p.fromMaster && (p.type == type || (isTitle(p.type) && isTitle(type)));
        });
    if (!place)
        place = find(
            [&](const InheritedPlace& p) { return p.fromMaster && masterType(p.type) == masterType(type); });
    if (!place) return std::nullopt;
    return place->box;
}

}  // namespace office::pptx
