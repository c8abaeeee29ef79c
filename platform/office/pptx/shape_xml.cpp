#include "platform/office/pptx/shape_xml.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "platform/office/pptx/xml.h"
#include "platform/office/slide_limits.h"

namespace office::pptx {

namespace {

// MsoShapeType values beyond those the tools name.
constexpr int kTypeChart = 3, kTypeTable = 19, kTypeInk = 22, kTypeSmartArt = 24;

constexpr std::string_view kShapeElements[] = {
    "p:sp", "p:cxnSp", "p:grpSp", "p:pic", "p:graphicFrame", "p:contentPart", "mc:AlternateContent"};

long long emu(double points) {
    return std::llround(points * kEmuPerPoint);
}
std::string num(long long v) {
    return std::to_string(v);
}

long long attrInt(const pugi::xml_node& node, const char* name) {
    return std::strtoll(node.attribute(name).value(), nullptr, 10);
}

pugi::xml_node xfrmOf(const pugi::xml_node& shape) {
    std::string_view name = shape.name();
    if (name == "p:grpSp") return shape.child("p:grpSpPr").child("a:xfrm");
    if (name == "p:graphicFrame" || name == "p:contentPart") return shape.child("p:xfrm");
    return shape.child("p:spPr").child("a:xfrm");
}

pugi::xml_node makeXfrm(pugi::xml_node shape) {
    std::string_view name = shape.name();
    if (name == "p:graphicFrame" || name == "p:contentPart")
        return ensureChild(shape, "p:xfrm", {"p:nvGraphicFramePr", "p:nvContentPartPr", "p:xfrm"});
    const char* props = name == "p:grpSp" ? "p:grpSpPr" : "p:spPr";
    auto pr = ensureChild(shape, props,
                          {"p:nvSpPr", "p:nvCxnSpPr", "p:nvPicPr", "p:nvGrpSpPr", "p:blipFill", props});
    auto xfrm = pr.child("a:xfrm") ? pr.child("a:xfrm") : pr.prepend_child("a:xfrm");
    if (!xfrm.child("a:off")) xfrm.prepend_child("a:off");
    if (!xfrm.child("a:ext")) xfrm.insert_child_after("a:ext", xfrm.child("a:off"));
    return xfrm;
}

// Maps a shape's own coordinates to the page: page = scale * own + shift (EMU).
struct Mapping {
    double sx = 1, sy = 1, tx = 0, ty = 0;
};

Mapping mappingOf(const pugi::xml_node& shape) {
    Mapping m;
    for (auto p = shape.parent(); p && std::string_view(p.name()) != "p:spTree"; p = p.parent()) {
        if (std::string_view(p.name()) != "p:grpSp") continue;
        auto x = xfrmOf(p);
        double chx = attrInt(x.child("a:chExt"), "cx"), chy = attrInt(x.child("a:chExt"), "cy");
        double ax = chx != 0 ? attrInt(x.child("a:ext"), "cx") / chx : 1;
        double ay = chy != 0 ? attrInt(x.child("a:ext"), "cy") / chy : 1;
        double bx = attrInt(x.child("a:off"), "x") - attrInt(x.child("a:chOff"), "x") * ax;
        double by = attrInt(x.child("a:off"), "y") - attrInt(x.child("a:chOff"), "y") * ay;
        m = {ax * m.sx, ay * m.sy, ax * m.tx + bx, ay * m.ty + by};
    }
    return m;
}

pugi::xml_node cNvPrOf(const pugi::xml_node& shape) {
    auto first = alternativesOf(shape);
    if (first.empty()) return {};
    for (auto child : first.front().children())
        if (auto c = child.child("p:cNvPr")) return c;
    return {};
}

pugi::xml_node append(pugi::xml_node tree, const std::string& xml) {
    auto result = tree.append_buffer(xml.data(), xml.size(), pugi::parse_default);
    if (!result) throw std::logic_error("a new shape's XML does not parse");
    return tree.last_child();
}

std::string xfrmXml(const Box& b, const char* flips = "") {
    return std::string("<a:xfrm") + flips + "><a:off x=\"" + num(emu(b.left)) + "\" y=\"" + num(emu(b.top)) +
           "\"/><a:ext cx=\"" + num(emu(b.width)) + "\" cy=\"" + num(emu(b.height)) + "\"/></a:xfrm>";
}

// A line nobody formats is black and 0.75 pt, as in the presentation program of version 11.
constexpr const char* kDefaultLine =
    R"(<a:ln w="9525"><a:solidFill><a:srgbClr val="000000"/></a:solidFill></a:ln>)";
constexpr const char* kDefaultFill = R"(<a:solidFill><a:srgbClr val="4F81BD"/></a:solidFill>)";
constexpr const char* kDefaultRun =
    R"(<a:endParaRPr lang="en-US" sz="1800" b="0" i="0" baseline="0"><a:solidFill><a:srgbClr val="000000"/>)"
    R"(</a:solidFill><a:latin typeface="Arial"/></a:endParaRPr>)";

// XML 1.0 has no way to write the control characters other than tab and line breaks.
std::string xmlSafe(const std::string& text) {
    std::string out;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
    return out;
}

std::string nvSp(ShapeId id, const char* props = "") {
    return "<p:nvSpPr><p:cNvPr id=\"" + num(id) + "\" name=\"\"/><p:cNvSpPr" + props +
           "/><p:nvPr/></p:nvSpPr>";
}

}  // namespace

bool isShape(const pugi::xml_node& node) {
    std::string_view name = node.name();
    return std::find(std::begin(kShapeElements), std::end(kShapeElements), name) != std::end(kShapeElements);
}

std::vector<pugi::xml_node> shapesIn(const pugi::xml_node& tree) {
    std::vector<pugi::xml_node> out;
    for (auto child : tree.children())
        if (isShape(child)) out.push_back(child);
    return out;
}

std::vector<pugi::xml_node> alternativesOf(const pugi::xml_node& shape) {
    if (std::string_view(shape.name()) != "mc:AlternateContent") return {shape};
    std::vector<pugi::xml_node> out;
    for (auto branch : shape.children())
        for (auto inner : branch.children())
            if (isShape(inner)) out.push_back(inner);
    return out;
}

std::string shapeName(const pugi::xml_node& shape) {
    return cNvPrOf(shape).attribute("name").value();
}

namespace {
// On every alternative of the shape; removed when empty.
void setPropsAttribute(pugi::xml_node shape, const char* attribute, const std::string& value) {
    for (auto alt : alternativesOf(shape))
        for (auto child : alt.children())
            if (auto c = child.child("p:cNvPr")) {
                if (value.empty() && std::string_view(attribute) != "name") {
                    c.remove_attribute(attribute);
                    continue;
                }
                if (!c.attribute(attribute)) c.append_attribute(attribute);
                c.attribute(attribute).set_value(xmlSafe(value).c_str());
            }
}
}  // namespace

void setShapeName(pugi::xml_node shape, const std::string& name) {
    setPropsAttribute(shape, "name", name);
}

void setShapeDescription(pugi::xml_node shape, const std::string& text) {
    setPropsAttribute(shape, "descr", text);
}

bool shapeHidden(const pugi::xml_node& shape) {
    return cNvPrOf(shape).attribute("hidden").as_bool(false);
}

void setShapeHidden(pugi::xml_node shape, bool hidden) {
    setPropsAttribute(shape, "hidden", hidden ? "1" : "");
}

int shapeType(const pugi::xml_node& shape) {
    auto alternatives = alternativesOf(shape);
    if (alternatives.empty()) return shapetype::Embedded;
    auto s = alternatives.front();
    std::string_view name = s.name();
    bool placeholder = static_cast<bool>(placeholderOf(s));
    if (name == "p:grpSp") return shapetype::Group;
    if (name == "p:cxnSp") return shapetype::Line;
    if (name == "p:contentPart") return kTypeInk;
    if (name == "p:pic") return placeholder ? shapetype::Placeholder : shapetype::Picture;
    if (name == "p:graphicFrame") {
        std::string_view uri = s.child("a:graphic").child("a:graphicData").attribute("uri").value();
        if (uri.ends_with("/table")) return kTypeTable;
        if (uri.ends_with("/chart")) return kTypeChart;
        if (uri.ends_with("/diagram")) return kTypeSmartArt;
        return placeholder ? shapetype::Placeholder : shapetype::Embedded;
    }
    if (placeholder) return shapetype::Placeholder;
    if (std::string_view(s.child("p:nvSpPr").child("p:cNvSpPr").attribute("txBox").value()) == "1")
        return shapetype::TextBox;
    auto pr = s.child("p:spPr");
    if (pr.child("a:custGeom")) return shapetype::Freeform;
    if (std::string_view(pr.child("a:prstGeom").attribute("prst").value()) == "line") return shapetype::Line;
    return shapetype::AutoShape;
}

bool hasText(const pugi::xml_node& shape) {
    auto alternatives = alternativesOf(shape);
    return !alternatives.empty() && alternatives.front().child("p:txBody");
}

pugi::xml_node placeholderOf(const pugi::xml_node& shape) {
    auto alternatives = alternativesOf(shape);
    if (alternatives.empty()) return {};
    for (auto child : alternatives.front().children())
        if (auto ph = child.child("p:nvPr").child("p:ph")) return ph;
    return {};
}

bool hasOwnBox(const pugi::xml_node& shape) {
    auto alternatives = alternativesOf(shape);
    return !alternatives.empty() && xfrmOf(alternatives.front()).child("a:off");
}

Box boxOf(const pugi::xml_node& shape) {
    auto alternatives = alternativesOf(shape);
    if (alternatives.empty()) return {};
    auto s = alternatives.front();
    auto x = xfrmOf(s);
    Mapping m = mappingOf(s);
    double left = m.sx * attrInt(x.child("a:off"), "x") + m.tx,
           top = m.sy * attrInt(x.child("a:off"), "y") + m.ty;
    return {left / kEmuPerPoint, top / kEmuPerPoint, m.sx * attrInt(x.child("a:ext"), "cx") / kEmuPerPoint,
            m.sy * attrInt(x.child("a:ext"), "cy") / kEmuPerPoint};
}

void setBox(pugi::xml_node shape, const Box& box) {
    checkedPosition(box.left), checkedPosition(box.top), checkedSize(box.width), checkedSize(box.height);
    for (auto s : alternativesOf(shape)) {
        Mapping m = mappingOf(s);
        auto x = makeXfrm(s);
        auto set = [](pugi::xml_node n, const char* a, double v) {
            if (!n.attribute(a)) n.append_attribute(a);
            n.attribute(a).set_value(std::llround(v));
        };
        set(x.child("a:off"), "x", (box.left * kEmuPerPoint - m.tx) / m.sx);
        set(x.child("a:off"), "y", (box.top * kEmuPerPoint - m.ty) / m.sy);
        set(x.child("a:ext"), "cx", box.width * kEmuPerPoint / m.sx);
        set(x.child("a:ext"), "cy", box.height * kEmuPerPoint / m.sy);
        keepTextRoom(s);
    }
}

void keepTextRoom(pugi::xml_node shape) {
    auto body = shape.child("p:txBody").child("a:bodyPr");
    if (shapeType(shape) != shapetype::TextBox || std::string_view(body.attribute("wrap").value()) != "none")
        return;
    // LibreOffice shows no text at all in a box with no room between the margins.
    long long room = body.attribute("lIns").as_llong(91440) + body.attribute("rIns").as_llong(91440) + 12700;
    auto ext = xfrmOf(shape).child("a:ext");
    if (ext && ext.attribute("cx").as_llong() < room) ext.attribute("cx") = room;
}

pugi::xml_node addLine(pugi::xml_node tree, ShapeId id, PointF begin, PointF end) {
    Box b{std::min(begin.x, end.x), std::min(begin.y, end.y), std::fabs(end.x - begin.x),
          std::fabs(end.y - begin.y)};
    // The line runs from the box's top-left to its bottom-right corner unless flipped.
    std::string flips =
        std::string(end.x < begin.x ? " flipH=\"1\"" : "") + (end.y < begin.y ? " flipV=\"1\"" : "");
    return append(tree, "<p:cxnSp><p:nvCxnSpPr><p:cNvPr id=\"" + num(id) +
                            "\" name=\"\"/><p:cNvCxnSpPr/><p:nvPr/></p:nvCxnSpPr><p:spPr>" +
                            xfrmXml(b, flips.c_str()) + R"(<a:prstGeom prst="line"><a:avLst/></a:prstGeom>)" +
                            kDefaultLine + "</p:spPr></p:cxnSp>");
}

pugi::xml_node addAutoShape(pugi::xml_node tree, ShapeId id, const Box& box, const std::string& geometry) {
    return append(tree, "<p:sp>" + nvSp(id) + "<p:spPr>" + xfrmXml(box) + "<a:prstGeom prst=\"" + geometry +
                            R"("><a:avLst/></a:prstGeom>)" + kDefaultFill + kDefaultLine +
                            R"(</p:spPr><p:txBody><a:bodyPr rtlCol="0" anchor="ctr"/><a:lstStyle/><a:p>)" +
                            R"(<a:pPr algn="ctr"/>)" + kDefaultRun + "</a:p></p:txBody></p:sp>");
}

pugi::xml_node addCurve(pugi::xml_node tree, ShapeId id, const std::vector<PointF>& points) {
    double minX = std::numeric_limits<double>::max(), minY = minX, maxX = -minX, maxY = -minX;
    for (const auto& p : points) {
        minX = std::min<double>(minX, p.x), maxX = std::max<double>(maxX, p.x);
        minY = std::min<double>(minY, p.y), maxY = std::max<double>(maxY, p.y);
    }
    Box b{minX, minY, maxX - minX, maxY - minY};
    auto pt = [&](const PointF& p) {
        return "<a:pt x=\"" + num(emu(p.x) - emu(minX)) + "\" y=\"" + num(emu(p.y) - emu(minY)) + "\"/>";
    };
    std::string path = "<a:moveTo>" + pt(points[0]) + "</a:moveTo>";
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
        path += "<a:cubicBezTo>" + pt(points[i]) + pt(points[i + 1]) + pt(points[i + 2]) + "</a:cubicBezTo>";
    // A path of no width or height cannot be scaled onto the box.
    std::string size =
        "w=\"" + num(std::max(1LL, emu(b.width))) + "\" h=\"" + num(std::max(1LL, emu(b.height))) + "\"";
    return append(
        tree,
        "<p:sp>" + nvSp(id) + "<p:spPr>" + xfrmXml(b) +
            R"(<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l="0" t="0" r="r" b="b"/>)" +
            "<a:pathLst><a:path " + size + ">" + path + "</a:path></a:pathLst></a:custGeom>" + kDefaultFill +
            kDefaultLine + "</p:spPr></p:sp>");
}

pugi::xml_node addTextBox(pugi::xml_node tree, ShapeId id, const Box& box) {
    // No word wrap and no autofit element: LibreOffice then starts the text at the box's
    // left edge as PowerPoint does, however narrow the box.
    auto shape = append(
        tree, "<p:sp>" + nvSp(id, " txBox=\"1\"") + "<p:spPr>" + xfrmXml(box) +
                  R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>)" +
                  R"(<p:txBody><a:bodyPr wrap="none" lIns="91440" tIns="45720" rIns="91440" bIns="45720")" +
                  R"( rtlCol="0" anchor="t"/><a:lstStyle/><a:p>)" + kDefaultRun + "</a:p></p:txBody></p:sp>");
    keepTextRoom(shape);
    return shape;
}

pugi::xml_node addPicture(pugi::xml_node tree, ShapeId id, const Box& box, const std::string& pngRel,
                          const std::string& svgRel, const std::string& title,
                          const std::string& description) {
    std::string vector;
    if (!svgRel.empty())
        vector =
            R"(<a:extLst><a:ext uri="{96DAC541-7B7A-43D3-8B79-37D633B846F1}">)"
            R"(<asvg:svgBlip xmlns:asvg="http://schemas.microsoft.com/office/drawing/2016/SVG/main" r:embed=")" +
            svgRel + "\"/></a:ext></a:extLst>";
    auto picture = append(
        tree,
        "<p:pic><p:nvPicPr><p:cNvPr id=\"" + num(id) +
            R"(" name=""/><p:cNvPicPr><a:picLocks noChangeAspect="1"/></p:cNvPicPr><p:nvPr/></p:nvPicPr>)" +
            "<p:blipFill><a:blip r:embed=\"" + pngRel + "\">" + vector +
            "</a:blip><a:stretch><a:fillRect/></a:stretch></p:blipFill><p:spPr>" + xfrmXml(box) +
            R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic>)");
    auto props = picture.child("p:nvPicPr").child("p:cNvPr");
    props.append_attribute("descr") = xmlSafe(description).c_str();
    props.append_attribute("title") = xmlSafe(title).c_str();
    return picture;
}

namespace {

constexpr const char* kMarkup = "http://schemas.openxmlformats.org/markup-compatibility/2006";
constexpr const char* kDrawing2010 = "http://schemas.microsoft.com/office/drawing/2010/main";
constexpr const char* kOfficeMath = "http://schemas.openxmlformats.org/officeDocument/2006/math";

pugi::xml_node equationText(const pugi::xml_node& shape) {
    if (std::string_view(shape.name()) != "mc:AlternateContent") return {};
    auto box = shape.child("mc:Choice").child("p:sp");
    for (auto p : box.child("p:txBody").children("a:p"))
        if (p.child("a14:m")) return p;
    return {};
}

}  // namespace

pugi::xml_node addEquation(pugi::xml_node tree, pugi::xml_node fallback, const std::string& omml,
                           double fontSize) {
    auto props = fallback.child("p:nvPicPr").child("p:cNvPr");
    const std::string size = num(std::llround(fontSize * 100));
    // No margins: the box is the equation's line, which the 45-point rule measures.
    std::string box =
        "<p:sp><p:nvSpPr><p:cNvPr id=\"" + std::string(props.attribute("id").value()) +
        R"(" name=""/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr>)" + xfrmXml(boxOf(fallback)) +
        R"(<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>)" +
        R"(<p:txBody><a:bodyPr wrap="none" lIns="0" tIns="0" rIns="0" bIns="0" rtlCol="0")" +
        R"( anchor="t"/><a:lstStyle/><a:p><a14:m><m:oMathPara xmlns:m=")" + kOfficeMath + "\">" + omml +
        "</m:oMathPara></a14:m><a:endParaRPr lang=\"en-US\" sz=\"" + size + "\"/></a:p></p:txBody></p:sp>";
    auto choice = append(tree, std::string("<mc:AlternateContent xmlns:mc=\"") + kMarkup +
                                   "\"><mc:Choice xmlns:a14=\"" + kDrawing2010 + "\" Requires=\"a14\">" +
                                   box + "</mc:Choice><mc:Fallback/></mc:AlternateContent>");
    tree.insert_move_before(choice, fallback);
    choice.child("mc:Fallback").append_move(fallback);
    auto inner = choice.child("mc:Choice").child("p:sp").child("p:nvSpPr").child("p:cNvPr");
    for (const char* text : {"descr", "title"}) inner.append_attribute(text) = props.attribute(text).value();
    return choice;
}

bool isEquation(const pugi::xml_node& shape) {
    return static_cast<bool>(equationText(shape));
}

void scaleEquationText(pugi::xml_node shape, double factor) {
    auto text = equationText(shape);
    if (!text) return;
    for (auto props : text.select_nodes(".//a:endParaRPr | .//a:rPr")) {
        auto node = props.node();
        const double points = std::clamp(node.attribute("sz").as_int(1800) * factor / 100, 1.0, 4000.0);
        if (!node.attribute("sz")) node.append_attribute("sz");
        node.attribute("sz").set_value(std::llround(points * 100));
    }
}

std::string shapeTitle(const pugi::xml_node& shape) {
    return cNvPrOf(shape).attribute("title").value();
}

std::string shapeDescription(const pugi::xml_node& shape) {
    return cNvPrOf(shape).attribute("descr").value();
}

pugi::xml_node groupShapes(pugi::xml_node tree, ShapeId id, const std::vector<pugi::xml_node>& children) {
    double l = std::numeric_limits<double>::max(), t = l, r = -l, b = -l;
    for (const auto& c : children) {
        Box box = boxOf(c);
        l = std::min(l, box.left), t = std::min(t, box.top);
        r = std::max(r, box.left + box.width), b = std::max(b, box.top + box.height);
    }
    Box frame{l, t, r - l, b - t};
    std::string place = "<a:off x=\"" + num(emu(l)) + "\" y=\"" + num(emu(t)) + "\"/><a:ext cx=\"" +
                        num(emu(frame.width)) + "\" cy=\"" + num(emu(frame.height)) + "\"/>";
    std::string childPlace = place;
    childPlace.replace(childPlace.find("a:off"), 5, "a:chOff");
    childPlace.replace(childPlace.find("a:ext"), 5, "a:chExt");
    auto group = append(tree, "<p:grpSp><p:nvGrpSpPr><p:cNvPr id=\"" + num(id) +
                                  "\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr><a:xfrm>" +
                                  place + childPlace + "</a:xfrm></p:grpSpPr></p:grpSp>");
    pugi::xml_node lowest;
    for (auto child : tree.children())
        if (std::find(children.begin(), children.end(), child) != children.end()) {
            lowest = child;
            break;
        }
    tree.insert_move_before(group, lowest);
    for (auto child : shapesIn(tree))
        if (std::find(children.begin(), children.end(), child) != children.end()) group.append_move(child);
    return group;
}

}  // namespace office::pptx
