#pragma once
// Copying named shapes from a slide of one deck onto a slide of another, with the
// parts they refer to (pictures, media, charts) under fresh relationship and shape ids.
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/office/host.h"
#include "platform/office/pptx/deck.h"
#include "platform/office/pptx/session.h"

namespace office::pptx {

// The copies stand in front of everything on the target slide, in the source's order,
// with the source's names and places. HostError when a name is not on the page.
std::vector<pugi::xml_node> copyShapes(Deck& from, int page, const std::vector<std::string>& names, Deck& to,
                                       SlidePart& target);

// The document window's paste of a figure sheet's shapes: the copies become the selection.
void pasteShapes(Session& session, const ShapeClip& clip);

}  // namespace office::pptx
