#pragma once
// XML parts of the package: parsed with pugixml, never with a document type (no DTD,
// no entity declarations), written back without reformatting.
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace office::pptx {

// Throws std::runtime_error with the reason when the text is not acceptable XML.
void parseXml(pugi::xml_document& doc, std::string_view text);
std::string writeXml(const pugi::xml_node& node);

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
