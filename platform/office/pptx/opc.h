#pragma once
// The package conventions: relationships, content types and part names (zip entry
// names, without the leading slash).
#include <string>
#include <string_view>
#include <vector>

namespace office::pptx {

struct Relationship {
    std::string id;
    std::string type;
    std::string target;  // the part it points to, resolved; the raw target when external
    bool external = false;
};

// The relationships part of a part ("ppt/presentation.xml" -> "ppt/_rels/presentation.xml.rels").
std::string relationshipsPartOf(std::string_view part);

// Throws std::runtime_error when the XML does not parse or a target leaves the package.
std::vector<Relationship> parseRelationships(std::string_view xml, std::string_view sourcePart);

// Whether the relationship type is `kind` ("slide", "slideLayout", "officeDocument"...),
// in transitional or strict form.
bool isType(const Relationship& r, std::string_view kind);

// The part a relative target names, seen from `sourcePart`; throws when it leaves the package.
std::string resolveTarget(std::string_view sourcePart, std::string_view target);
// The target of `part` written relative to `sourcePart`'s folder.
std::string relativeTarget(std::string_view sourcePart, std::string_view part);

}  // namespace office::pptx
