// The package's parts and their content types, for what is copied in from another deck.
#include <filesystem>

#include "common/text.h"
#include "platform/office/pptx/deck.h"
#include "platform/office/pptx/xml.h"

namespace office::pptx {

std::string Deck::contentTypeOf(const std::string& name) {
    if (!contentTypes_.document_element()) parseXml(contentTypes_, readPart("[Content_Types].xml"));
    auto types = contentTypes_.document_element();
    for (auto o : types.children("Override"))
        if (std::string_view(o.attribute("PartName").value()) == "/" + name)
            return o.attribute("ContentType").value();
    std::string extension = std::filesystem::path(name).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    for (auto d : types.children("Default"))
        if (common::lowerAscii(d.attribute("Extension").value()) == common::lowerAscii(extension))
            return d.attribute("ContentType").value();
    return {};
}

void Deck::putPart(const std::string& name, std::string bytes, const std::string& contentType) {
    if (!contentType.empty() && contentTypeOf(name) != contentType) {
        auto type = contentTypes_.document_element().append_child("Override");
        type.append_attribute("PartName") = ("/" + name).c_str();
        type.append_attribute("ContentType") = contentType.c_str();
        structureChanged_ = true;
    }
    setPart(name, std::move(bytes));
}

}  // namespace office::pptx
