#include "platform/office/pptx/opc.h"

#include <cctype>
#include <pugixml.hpp>
#include <stdexcept>

#include "platform/office/pptx/xml.h"

namespace office::pptx {

namespace {

std::string_view folderOf(std::string_view part) {
    auto slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string relationshipsPartOf(std::string_view part) {
    auto folder = folderOf(part);
    return std::string(folder) + "_rels/" + std::string(part.substr(folder.size())) + ".rels";
}

std::string resolveTarget(std::string_view sourcePart, std::string_view target) {
    std::string decoded = percentDecoded(target.substr(0, target.find_first_of("#?")));
    std::string path =
        decoded.starts_with("/") ? decoded.substr(1) : std::string(folderOf(sourcePart)) + decoded;
    std::vector<std::string> segments;
    std::size_t start = 0;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (segments.empty()) throw std::runtime_error("a relationship points outside the package");
            segments.pop_back();
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string part;
    for (const auto& s : segments) part += (part.empty() ? "" : "/") + s;
    return part;
}

std::string relativeTarget(std::string_view sourcePart, std::string_view part) {
    auto from = folderOf(sourcePart);
    std::string up;
    while (!part.starts_with(from)) {
        from = folderOf(from.substr(0, from.size() - 1));
        up += "../";
    }
    return up + std::string(part.substr(from.size()));
}

std::vector<Relationship> parseRelationships(std::string_view xml, std::string_view sourcePart) {
    pugi::xml_document doc;
    parseXml(doc, xml);
    std::vector<Relationship> out;
    for (auto node : doc.document_element().children()) {
        if (localName(node) != "Relationship") continue;
        Relationship r{node.attribute("Id").value(), node.attribute("Type").value(),
                       node.attribute("Target").value(),
                       std::string_view(node.attribute("TargetMode").value()) == "External"};
        if (!r.external) r.target = resolveTarget(sourcePart, r.target);
        out.push_back(std::move(r));
    }
    return out;
}

bool isType(const Relationship& r, std::string_view kind) {
    std::string_view type = r.type;
    return type.size() > kind.size() && type.ends_with(kind) && type[type.size() - kind.size() - 1] == '/';
}

}  // namespace office::pptx
