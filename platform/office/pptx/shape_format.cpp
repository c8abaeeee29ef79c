#include "platform/office/pptx/shape_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/office/host.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/xml.h"
#include "platform/office/slide_limits.h"

namespace office::pptx {

namespace {

constexpr std::initializer_list<const char*> kSpPrOrder = {
    "a:xfrm",      "a:custGeom",  "a:prstGeom", "a:noFill",  "a:solidFill",
    "a:gradFill",  "a:blipFill",  "a:pattFill", "a:grpFill", "a:ln",
    "a:effectLst", "a:effectDag", "a:scene3d",  "a:sp3d",    "a:extLst"};
constexpr std::initializer_list<const char*> kLnOrder = {
    "a:noFill", "a:solidFill", "a:gradFill", "a:pattFill", "a:prstDash", "a:custDash",
    "a:round",  "a:bevel",     "a:miter",    "a:headEnd",  "a:tailEnd",  "a:extLst"};
constexpr const char* kFills[] = {"a:noFill",   "a:solidFill", "a:gradFill",
                                  "a:blipFill", "a:pattFill",  "a:grpFill"};

// MsoLineDashStyle 1..8 as PowerPoint writes them.
constexpr const char* kDashes[] = {"solid",   "sysDash",      "sysDot", "dash",
                                   "dashDot", "lgDashDotDot", "lgDash", "lgDashDot"};
// MsoArrowheadStyle 1..6
constexpr const char* kHeads[] = {"none", "triangle", "arrow", "stealth", "diamond", "oval"};
constexpr const char* kSizes[] = {"sm", "med", "lg"};

pugi::xml_node fillChild(const pugi::xml_node& parent) {
    for (auto child : parent.children())
        for (const char* f : kFills)
            if (std::string_view(child.name()) == f) return child;
    return {};
}

// A theme line or fill style referenced by a shape without its own.
bool styleRefers(const pugi::xml_node& shape, const char* ref) {
    auto r = shape.child("p:style").child(ref);
    return r && std::string_view(r.attribute("idx").value()) != "0";
}

}  // namespace

std::optional<common::Rgb> colorOf(const pugi::xml_node& colorParent, const SchemeColors* scheme) {
    auto hex = [](std::string_view v) -> std::optional<common::Rgb> {
        if (v.size() != 6) return std::nullopt;
        unsigned long n = std::strtoul(std::string(v).c_str(), nullptr, 16);
        return common::rgb((n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF);
    };
    if (auto c = colorParent.child("a:srgbClr")) return hex(c.attribute("val").value());
    if (auto c = colorParent.child("a:sysClr")) return hex(c.attribute("lastClr").value());
    if (auto c = colorParent.child("a:schemeClr"); c && scheme) {
        auto it = scheme->find(std::string_view(c.attribute("val").value()));
        if (it != scheme->end()) return it->second;
    }
    return std::nullopt;
}

std::string hexColor(common::Rgb color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", common::redOf(color), common::greenOf(color),
                  common::blueOf(color));
    return text;
}

void setSolidFill(pugi::xml_node parent, std::optional<common::Rgb> color,
                  std::initializer_list<const char*> order) {
    for (const char* f : kFills) removeChildren(parent, {f});
    if (!color) {
        insertInOrder(parent, "a:noFill", order);
        return;
    }
    auto fill = insertInOrder(parent, "a:solidFill", order);
    fill.append_child("a:srgbClr").append_attribute("val") = hexColor(*color).c_str();
}

pugi::xml_node shapeProperties(const pugi::xml_node& shape) {
    return shape.child("p:spPr");
}

pugi::xml_node LineFormatXml::ln() const {
    return shapeProperties(shape).child("a:ln");
}

pugi::xml_node LineFormatXml::makeLn() {
    auto pr = shapeProperties(shape);
    if (!pr) throw HostError("The shape \"" + shapeName(shape) + "\" has no line of its own.");
    return ensureChild(pr, "a:ln", kSpPrOrder);
}

bool LineFormatXml::visible() const {
    auto fill = fillChild(ln());
    if (fill) return std::string_view(fill.name()) != "a:noFill";
    return styleRefers(shape, "a:lnRef");
}

std::optional<common::Rgb> LineFormatXml::color() const {
    if (fillChild(ln())) return colorOf(ln().child("a:solidFill"), scheme);
    return colorOf(shape.child("p:style").child("a:lnRef"), scheme);
}

void LineFormatXml::show(common::Rgb color) {
    auto l = makeLn();
    if (!l.attribute("w") && !styleRefers(shape, "a:lnRef")) l.append_attribute("w") = 9525;
    setSolidFill(l, color, kLnOrder);
}

void LineFormatXml::hide() {
    setSolidFill(makeLn(), std::nullopt, kLnOrder);
}

int LineFormatXml::dashStyle() const {
    std::string_view v = ln().child("a:prstDash").attribute("val").value();
    for (int i = 0; i < 8; ++i)
        if (v == kDashes[i]) return i + 1;
    if (v == "sysDashDot") return dash::DashDot;
    if (v == "sysDashDotDot") return dash::DashDotDot;
    if (v == "dot") return dash::RoundDot;
    return dash::Solid;
}

void LineFormatXml::setDashStyle(int style) {
    if (style < dash::Solid || style > dash::LongDashDot)
        throw HostError("The dash style " + std::to_string(style) + " is not valid.");
    auto l = makeLn();
    removeChildren(l, {"a:custDash"});
    auto d = ensureChild(l, "a:prstDash", kLnOrder);
    if (!d.attribute("val")) d.append_attribute("val");
    d.attribute("val") = kDashes[style - 1];
}

float LineFormatXml::weight() const {
    auto w = ln().attribute("w");
    return w ? static_cast<float>(w.as_llong() / kEmuPerPoint) : 0.75f;
}

void LineFormatXml::setWeight(float points) {
    checkedWeight(points);
    auto l = makeLn();
    if (!l.attribute("w")) l.append_attribute("w");
    l.attribute("w") = std::llround(points * kEmuPerPoint);
}

int LineFormatXml::arrowheadStyle(bool begin) const {
    std::string_view v = ln().child(begin ? "a:headEnd" : "a:tailEnd").attribute("type").value();
    for (int i = 0; i < 6; ++i)
        if (v == kHeads[i]) return i + 1;
    return arrow::None;
}

void LineFormatXml::setArrowhead(bool begin, const char* attribute, int value) {
    bool style = std::string_view(attribute) == "type";
    if (value < 1 || value > (style ? 6 : 3))
        throw HostError("The arrowhead value " + std::to_string(value) + " is not valid.");
    auto end = ensureChild(makeLn(), begin ? "a:headEnd" : "a:tailEnd", kLnOrder);
    if (!end.attribute(attribute)) end.append_attribute(attribute);
    end.attribute(attribute) = style ? kHeads[value - 1] : kSizes[value - 1];
}

bool FillFormatXml::visible() const {
    auto fill = fillChild(shapeProperties(shape));
    if (fill) return std::string_view(fill.name()) != "a:noFill";
    return styleRefers(shape, "a:fillRef");
}

std::optional<common::Rgb> FillFormatXml::color() const {
    if (fillChild(shapeProperties(shape)))
        return colorOf(shapeProperties(shape).child("a:solidFill"), scheme);
    return colorOf(shape.child("p:style").child("a:fillRef"), scheme);
}

void FillFormatXml::show(common::Rgb color) {
    auto pr = shapeProperties(shape);
    if (!pr) throw HostError("The shape \"" + shapeName(shape) + "\" has no fill of its own.");
    setSolidFill(pr, color, kSpPrOrder);
}

void FillFormatXml::hide() {
    auto pr = shapeProperties(shape);
    if (!pr) throw HostError("The shape \"" + shapeName(shape) + "\" has no fill of its own.");
    setSolidFill(pr, std::nullopt, kSpPrOrder);
}

}  // namespace office::pptx
