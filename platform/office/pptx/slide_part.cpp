#include "platform/office/pptx/slide_part.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/xml.h"

namespace office::pptx {

SlidePart::SlidePart(std::string partName, std::string_view xml) : partName_(std::move(partName)) {
    parseXml(doc_, xml);
    usePlainPrefixes(doc_);
    auto root = doc_.document_element();
    if (std::string_view(root.name()) != "p:sld") throw std::runtime_error("it is not a slide");
    tree_ = root.child("p:cSld").child("p:spTree");
    if (!tree_) throw std::runtime_error("it has no shape tree");
    for (auto node : doc_.select_nodes("//p:cNvPr/@id | //a:cNvPr/@id"))
        nextId_ = std::max<long>(nextId_, std::strtol(node.attribute().value(), nullptr, 10) + 1);
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

}  // namespace office::pptx
