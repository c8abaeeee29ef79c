#pragma once
// XML parts of the package: parsed with pugixml, never with a document type (no DTD,
// no entity declarations), written back without reformatting.
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace office::pptx {

// Elements may nest this deep, and no deeper.
constexpr int kMaxXmlDepth = 256;

// Throws std::runtime_error with the reason when the text is not acceptable XML. A part
// read from UTF-16 is held, and written back, as UTF-8 with a declaration that says so.
void parseXml(pugi::xml_document& doc, std::string_view text);
std::string writeXml(const pugi::xml_node& node);

// The UTF-8 text without the characters XML 1.0 cannot hold: control characters other
// than tab and line breaks, and U+FFFE and U+FFFF.
std::string xmlSafe(std::string_view text);

// Renames the elements and attributes of the presentation, drawing and relationship
// namespaces to the prefixes p:, a: and r:, so the rest of the backend can use them.
void usePlainPrefixes(pugi::xml_document& doc);

// The element's name without its prefix.
std::string_view localName(const pugi::xml_node& node);

// The child named `name`, created at its place in `order` (the schema's sequence of
// the parent's children) when it is missing.
pugi::xml_node ensureChild(pugi::xml_node parent, const char* name, std::initializer_list<const char*> order);
pugi::xml_node insertInOrder(pugi::xml_node parent, const char* name,
                             std::initializer_list<const char*> order);

// Removes the children named in `names`.
void removeChildren(pugi::xml_node parent, std::initializer_list<const char*> names);

}  // namespace office::pptx
