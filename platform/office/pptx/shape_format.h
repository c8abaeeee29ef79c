#pragma once
// Line and fill of a shape's DrawingML properties, in the object model's terms.
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <string>

#include "common/color.h"

namespace office::pptx {

constexpr common::Rgb kDefaultLineColor = common::rgb(0x4A, 0x7E, 0xBB);
constexpr common::Rgb kDefaultFillColor = common::rgb(0x4F, 0x81, 0xBD);

// The theme's colours by the names shapes use (accent1, tx1, bg1...), after the master's
// colour map.
using SchemeColors = std::map<std::string, common::Rgb, std::less<>>;

// A colour element's RGB value, when it gives one (variations of a theme colour such as
// lighter or darker shades are not applied).
std::optional<common::Rgb> colorOf(const pugi::xml_node& colorParent, const SchemeColors* scheme = nullptr);
// Replaces the fill children of `parent` by a solid fill of that colour (or no fill).
void setSolidFill(pugi::xml_node parent, std::optional<common::Rgb> color,
                  std::initializer_list<const char*> order);
std::string hexColor(common::Rgb color);

// The shape's own properties element (p:spPr); none for groups and frames.
pugi::xml_node shapeProperties(const pugi::xml_node& shape);

struct LineFormatXml {
    pugi::xml_node shape;
    const SchemeColors* scheme = nullptr;

    bool visible() const;
    std::optional<common::Rgb> color() const;
    void show(common::Rgb color);
    void hide();
    int dashStyle() const;
    void setDashStyle(int style);
    float weight() const;
    void setWeight(float points);
    int arrowheadStyle(bool begin) const;
    void setArrowhead(bool begin, const char* attribute, int value);

private:
    pugi::xml_node ln() const;
    pugi::xml_node makeLn();
};

struct FillFormatXml {
    pugi::xml_node shape;
    const SchemeColors* scheme = nullptr;

    bool visible() const;
    std::optional<common::Rgb> color() const;
    void show(common::Rgb color);
    void hide();
};

}  // namespace office::pptx
