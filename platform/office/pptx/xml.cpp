#include "platform/office/pptx/xml.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace office::pptx {

namespace {

// Deeper than any deck, shallow enough for every walk over the tree.
void checkDepth(const pugi::xml_document& doc) {
    int depth = 0;
    pugi::xml_node node = doc.first_child();
    while (node) {
        if (node.first_child()) {
            node = node.first_child();
            if (++depth > kMaxXmlDepth)
                throw std::runtime_error("its XML nests elements more than " + std::to_string(kMaxXmlDepth) +
                                         " levels deep");
            continue;
        }
        while (node && !node.next_sibling()) node = node.parent(), --depth;
        if (node) node = node.next_sibling();
    }
}

void declareUtf8(pugi::xml_document& doc) {
    for (auto child : doc.children())
        if (child.type() == pugi::node_declaration && child.attribute("encoding"))
            child.attribute("encoding") = "UTF-8";
}

}  // namespace

void parseXml(pugi::xml_document& doc, std::string_view text) {
    unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_doctype |
                     pugi::parse_ws_pcdata | pugi::parse_comments | pugi::parse_pi;
    auto result = doc.load_buffer(text.data(), text.size(), flags, pugi::encoding_auto);
    if (!result)
        throw std::runtime_error(std::string("its XML does not parse (") + result.description() + ")");
    for (auto child : doc.children())
        if (child.type() == pugi::node_doctype)
            throw std::runtime_error("its XML declares a document type, which a package part may not");
    if (!doc.document_element()) throw std::runtime_error("its XML has no root element");
    checkDepth(doc);
    declareUtf8(doc);
}

std::string xmlSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') continue;
        if (c == 0xEF && text.substr(i + 1, 1) == "\xBF" && i + 2 < text.size() &&
            (text[i + 2] == '\xBE' || text[i + 2] == '\xBF')) {
            i += 2;
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string writeXml(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw | pugi::format_no_declaration);
    return std::move(out).str();
}

std::string_view localName(const pugi::xml_node& node) {
    std::string_view name = node.name();
    auto colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

namespace {

struct Family {
    const char* prefix;
    const char* transitional;
    const char* strict;
};
constexpr Family kFamilies[] = {
    {"p", "http://schemas.openxmlformats.org/presentationml/2006/main",
     "http://purl.oclc.org/ooxml/presentationml/main"},
    {"a", "http://schemas.openxmlformats.org/drawingml/2006/main",
     "http://purl.oclc.org/ooxml/drawingml/main"},
    {"r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
     "http://purl.oclc.org/ooxml/officeDocument/relationships"},
};

const Family* familyOf(std::string_view uri) {
    for (const auto& f : kFamilies)
        if (uri == f.transitional || uri == f.strict) return &f;
    return nullptr;
}

struct Binding {
    std::string prefix;  // "" for the default namespace
    const Family* family;
};

class PrefixWalk {
public:
    bool strict = false;

    void walk(pugi::xml_node node) {
        std::size_t scope = bindings_.size();
        for (auto attr : node.attributes()) {
            std::string_view name = attr.name();
            if (name == "xmlns" || name.starts_with("xmlns:")) declare(name, attr.value());
        }
        std::string_view name = node.name();
        auto colon = name.find(':');
        std::string prefix(colon == std::string_view::npos ? "" : name.substr(0, colon));
        if (const Family* f = lookup(prefix); f && prefix != f->prefix)
            node.set_name((std::string(f->prefix) + ":" + std::string(localName(node))).c_str());
        for (auto attr : node.attributes()) {
            std::string_view a = attr.name();
            auto c = a.find(':');
            if (c == std::string_view::npos || a.starts_with("xmlns")) continue;
            if (const Family* f = lookup(std::string(a.substr(0, c))); f && a.substr(0, c) != f->prefix)
                attr.set_name((std::string(f->prefix) + std::string(a.substr(c))).c_str());
        }
        for (auto child : node.children())
            if (child.type() == pugi::node_element) walk(child);
        bindings_.resize(scope);
    }

private:
    void declare(std::string_view attr, std::string_view uri) {
        std::string prefix(attr == "xmlns" ? "" : attr.substr(6));
        const Family* f = familyOf(uri);
        for (const auto& known : kFamilies)
            if (prefix == known.prefix && f != &known)
                throw std::runtime_error("its XML uses the prefix " + prefix + ": for another namespace");
        if (f && uri == f->strict) strict = true;
        bindings_.push_back({prefix, f});
    }
    const Family* lookup(const std::string& prefix) const {
        for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
            if (it->prefix == prefix) return it->family;
        return nullptr;
    }
    std::vector<Binding> bindings_;
};

}  // namespace

void usePlainPrefixes(pugi::xml_document& doc) {
    PrefixWalk walk;
    auto root = doc.document_element();
    walk.walk(root);
    for (const auto& f : kFamilies) {
        std::string attr = std::string("xmlns:") + f.prefix;
        if (!root.attribute(attr.c_str()))
            root.append_attribute(attr.c_str()) = walk.strict ? f.strict : f.transitional;
    }
}

pugi::xml_node insertInOrder(pugi::xml_node parent, const char* name,
                             std::initializer_list<const char*> order) {
    auto rank = [&](std::string_view n) {
        auto it = std::find_if(order.begin(), order.end(), [&](const char* o) { return n == o; });
        return it == order.end() ? -1 : static_cast<int>(it - order.begin());
    };
    int mine = rank(name);
    for (auto child : parent.children()) {
        if (child.type() != pugi::node_element) continue;
        if (rank(child.name()) > mine) return parent.insert_child_before(name, child);
    }
    return parent.append_child(name);
}

pugi::xml_node ensureChild(pugi::xml_node parent, const char* name,
                           std::initializer_list<const char*> order) {
    if (auto child = parent.child(name)) return child;
    return insertInOrder(parent, name, order);
}

void removeChildren(pugi::xml_node parent, std::initializer_list<const char*> names) {
    for (const char* n : names)
        while (auto child = parent.child(n)) parent.remove_child(child);
}

}  // namespace office::pptx
