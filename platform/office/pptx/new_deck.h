#pragma once
// The parts of a new deck of 720 x 540 points without slides: presentation, one master
// with a blank layout, and the theme they use.
#include <string>
#include <utility>
#include <vector>

namespace office::pptx {

// Part name and content, [Content_Types].xml first.
std::vector<std::pair<std::string, std::string>> newDeckParts();

// The XML of a blank slide.
std::string blankSlideXml();

}  // namespace office::pptx
