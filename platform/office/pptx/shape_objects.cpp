#include "platform/office/pptx/shape_objects.h"

#include <algorithm>
#include <cmath>

#include "common/text.h"
#include "platform/office/forwarding_range.h"
#include "platform/office/pptx/shape_format.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/text_body.h"
#include "platform/office/pptx/xml.h"
#include "platform/office/slide_limits.h"

namespace office::pptx {

namespace {

constexpr std::initializer_list<const char*> kRunOrder = {
    "a:ln",         "a:noFill",         "a:solidFill", "a:gradFill",  "a:blipFill", "a:pattFill",
    "a:grpFill",    "a:effectLst",      "a:effectDag", "a:highlight", "a:uLnTx",    "a:uLn",
    "a:uFillTx",    "a:uFill",          "a:latin",     "a:ea",        "a:cs",       "a:sym",
    "a:hlinkClick", "a:hlinkMouseOver", "a:rtl",       "a:extLst"};
constexpr int kWholeText = 1 << 30;

// The handle's element, or HostError once the shape is gone.
pugi::xml_node alive(const ShapeRef& r) {
    if (!r.node)
        throw HostError::said(common::messages::kShapeDeleted, {r.lastName},
                              "The shape \"" + r.lastName + "\" has been deleted.");
    return r.node;
}

void touch(const ShapeRef& r) {
    r.slide->changed = true;
}

// The shapes whose own line and fill a format applies to: a group's are its members'.
std::vector<pugi::xml_node> formatTargets(const pugi::xml_node& shape) {
    std::vector<pugi::xml_node> out;
    for (auto s : alternativesOf(shape)) {
        if (std::string_view(s.name()) != "p:grpSp") {
            out.push_back(s);
            continue;
        }
        for (auto child : shapesIn(s)) {
            auto inner = formatTargets(child);
            out.insert(out.end(), inner.begin(), inner.end());
        }
    }
    return out;
}

pugi::xml_node textBodyOf(const ShapeRef& r) {
    auto alternatives = alternativesOf(alive(r));
    auto body = alternatives.empty() ? pugi::xml_node() : alternatives.front().child("p:txBody");
    if (!body) throw HostError("The shape \"" + shapeName(r.node) + "\" has no text frame.");
    return body;
}

template <typename Value>
void setAttribute(pugi::xml_node node, const char* name, Value value) {
    if (!node.attribute(name)) node.append_attribute(name);
    node.attribute(name) = value;
}

class PptxFont : public Font {
public:
    PptxFont(ShapeRefPtr r, std::size_t from, std::size_t count) : r_(std::move(r)), from_(from), n_(count) {}
    float size() const override {
        auto sz = props().attribute("sz");
        return sz ? sz.as_int() / 100.f : 18.f;
    }
    void setSize(float points) override {
        if (!(points >= 1 && points <= 4000))
            throw HostError("A font size must lie between 1 and 4000 points.");
        apply([&](pugi::xml_node p) { setAttribute(p, "sz", static_cast<int>(std::lround(points * 100))); });
    }
    bool bold() const override { return props().attribute("b").as_bool(); }
    void setBold(bool on) override {
        apply([&](pugi::xml_node p) { setAttribute(p, "b", on ? "1" : "0"); });
    }
    bool italic() const override { return props().attribute("i").as_bool(); }
    void setItalic(bool on) override {
        apply([&](pugi::xml_node p) { setAttribute(p, "i", on ? "1" : "0"); });
    }
    std::string nameAscii() const override {
        auto face = props().child("a:latin").attribute("typeface");
        return face ? face.value() : "Arial";
    }
    void setNameAscii(const std::string& name) override {
        apply([&](pugi::xml_node p) {
            setAttribute(ensureChild(p, "a:latin", kRunOrder), "typeface", name.c_str());
        });
    }
    float baselineOffset() const override { return props().attribute("baseline").as_int() / 100000.f; }
    void setBaselineOffset(float offset) override {
        if (!(offset >= -1 && offset <= 1)) throw HostError("A baseline offset must lie between -1 and 1.");
        apply([&](pugi::xml_node p) {
            setAttribute(p, "baseline", static_cast<int>(std::lround(offset * 100000)));
        });
    }
    common::Rgb color() const override {
        return colorOf(props().child("a:solidFill"), &r_->slide->scheme()).value_or(common::kBlack);
    }
    void setColor(common::Rgb color) override {
        apply([&](pugi::xml_node p) { setSolidFill(p, color, kRunOrder); });
    }
    std::string nameFarEast() const override { return props().child("a:ea").attribute("typeface").value(); }
    void setNameFarEast(const std::string& name) override {
        apply([&](pugi::xml_node p) {
            setAttribute(ensureChild(p, "a:ea", kRunOrder), "typeface", name.c_str());
        });
    }

private:
    pugi::xml_node props() const { return TextBody(textBodyOf(*r_)).propertiesAt(from_); }
    template <typename Change>
    void apply(Change change) {
        TextBody(textBodyOf(*r_)).format(from_, n_, change);
        touch(*r_);
    }
    ShapeRefPtr r_;
    std::size_t from_, n_;
};

class PptxTextRange : public TextRange {
public:
    PptxTextRange(SessionPtr s, ShapeRefPtr r, std::size_t from, std::size_t count)
        : s_(std::move(s)), r_(r), from_(from), n_(count), font_(r, from, count) {}
    std::string text() const override {
        std::u32string all = TextBody(textBodyOf(*r_)).text();
        return common::toUtf8(std::u32string_view(all).substr(std::min(from_, all.size()), n_));
    }
    void setText(const std::string& text) override {
        TextBody body(textBodyOf(*r_));
        std::u32string chars = common::toUtf32(text);
        std::size_t before = body.text().size();
        std::size_t from = std::min(from_, before), removed = std::min(n_, before - from);
        body.replace(from_, n_, chars);
        touch(*r_);
        // A range over the whole text stays so, as TextFrame.TextRange does.
        if (n_ != kWholeText) n_ = body.text().size() + removed - before;
        font_ = PptxFont(r_, from_, n_);
    }
    std::unique_ptr<TextRange> characters(int start, int length) override {
        textBodyOf(*r_);
        if (start < 1 || length < 0) throw HostError("Characters: the range starts before the text.");
        std::size_t from = from_ + start - 1;
        std::size_t end = from_ + n_;
        std::size_t count = from >= end ? 0 : std::min<std::size_t>(length, end - from);
        return std::make_unique<PptxTextRange>(s_, r_, from, count);
    }
    Font& font() override { return font_; }
    void select() override {
        textBodyOf(*r_);
        s_->selected = {r_};
        s_->selectedText = {from_, n_};
    }

private:
    SessionPtr s_;
    ShapeRefPtr r_;
    std::size_t from_, n_;
    PptxFont font_;
};

class PptxTextFrame : public TextFrame {
public:
    PptxTextFrame(SessionPtr s, ShapeRefPtr r) : r_(r), range_(std::move(s), r, 0, kWholeText) {}
    float marginLeft() const override { return margin("lIns", 7.2f); }
    float marginTop() const override { return margin("tIns", 3.6f); }
    float marginRight() const override { return margin("rIns", 7.2f); }
    float marginBottom() const override { return margin("bIns", 3.6f); }
    void setMarginLeft(float v) override { setMargin("lIns", v); }
    void setMarginTop(float v) override { setMargin("tIns", v); }
    void setMarginRight(float v) override { setMargin("rIns", v); }
    void setMarginBottom(float v) override { setMargin("bIns", v); }
    TextRange& textRange() override {
        textBodyOf(*r_);
        return range_;
    }

private:
    float margin(const char* name, float standard) const {
        auto a = textBodyOf(*r_).child("a:bodyPr").attribute(name);
        return a ? static_cast<float>(a.as_llong() / kEmuPerPoint) : standard;
    }
    void setMargin(const char* name, float points) {
        checkedSize(points);
        auto body = textBodyOf(*r_);
        auto pr = body.child("a:bodyPr") ? body.child("a:bodyPr") : body.prepend_child("a:bodyPr");
        setAttribute(pr, name, std::llround(points * kEmuPerPoint));
        keepTextRoom(alternativesOf(r_->node).front());
        touch(*r_);
    }
    ShapeRefPtr r_;
    PptxTextRange range_;
};

class PptxLine : public LineFormat {
public:
    explicit PptxLine(ShapeRefPtr r) : r_(std::move(r)) {}
    common::Rgb foreColor() const override {
        LineFormatXml line = first();
        if (!line.visible()) return r_->hiddenLineColor.value_or(kDefaultLineColor);
        return line.color().value_or(kDefaultLineColor);
    }
    void setForeColor(common::Rgb color) override {
        if (!first().visible()) {
            r_->hiddenLineColor = color;
            return;
        }
        for (auto t : targets()) LineFormatXml{t, &r_->slide->scheme()}.show(color);
        touch(*r_);
    }
    int dashStyle() const override { return first().dashStyle(); }
    void setDashStyle(int style) override {
        for (auto t : targets()) LineFormatXml{t, &r_->slide->scheme()}.setDashStyle(style);
        touch(*r_);
    }
    float weight() const override { return first().weight(); }
    void setWeight(float points) override {
        for (auto t : targets()) LineFormatXml{t, &r_->slide->scheme()}.setWeight(points);
        touch(*r_);
    }
    bool visible() const override { return first().visible(); }
    void setVisible(bool on) override {
        common::Rgb color = foreColor();
        if (!on) r_->hiddenLineColor = color;
        for (auto t : targets())
            on ? LineFormatXml{t, &r_->slide->scheme()}.show(color)
               : LineFormatXml{t, &r_->slide->scheme()}.hide();
        touch(*r_);
    }
    void setBeginArrowheadStyle(int v) override { arrowhead(true, "type", v); }
    void setBeginArrowheadLength(int v) override { arrowhead(true, "len", v); }
    void setBeginArrowheadWidth(int v) override { arrowhead(true, "w", v); }
    void setEndArrowheadStyle(int v) override { arrowhead(false, "type", v); }
    void setEndArrowheadLength(int v) override { arrowhead(false, "len", v); }
    void setEndArrowheadWidth(int v) override { arrowhead(false, "w", v); }
    int beginArrowheadStyle() const override { return first().arrowheadStyle(true); }
    int endArrowheadStyle() const override { return first().arrowheadStyle(false); }

private:
    std::vector<pugi::xml_node> targets() const {
        auto all = formatTargets(alive(*r_));
        if (all.empty()) throw HostError("The shape \"" + shapeName(r_->node) + "\" has no line.");
        return all;
    }
    LineFormatXml first() const { return LineFormatXml{targets().front(), &r_->slide->scheme()}; }
    void arrowhead(bool begin, const char* attribute, int value) {
        for (auto t : targets()) LineFormatXml{t, &r_->slide->scheme()}.setArrowhead(begin, attribute, value);
        touch(*r_);
    }
    ShapeRefPtr r_;
};

class PptxFill : public FillFormat {
public:
    explicit PptxFill(ShapeRefPtr r) : r_(std::move(r)) {}
    common::Rgb foreColor() const override {
        FillFormatXml fill = first();
        if (!fill.visible()) return r_->hiddenFillColor.value_or(kDefaultFillColor);
        return fill.color().value_or(kDefaultFillColor);
    }
    void setForeColor(common::Rgb color) override {
        if (!first().visible()) {
            r_->hiddenFillColor = color;
            return;
        }
        for (auto t : targets()) FillFormatXml{t, &r_->slide->scheme()}.show(color);
        touch(*r_);
    }
    bool visible() const override { return first().visible(); }
    void setVisible(bool on) override {
        common::Rgb color = foreColor();
        if (!on) r_->hiddenFillColor = color;
        for (auto t : targets())
            on ? FillFormatXml{t, &r_->slide->scheme()}.show(color)
               : FillFormatXml{t, &r_->slide->scheme()}.hide();
        touch(*r_);
    }

private:
    std::vector<pugi::xml_node> targets() const {
        auto all = formatTargets(alive(*r_));
        if (all.empty()) throw HostError("The shape \"" + shapeName(r_->node) + "\" has no fill.");
        return all;
    }
    FillFormatXml first() const { return FillFormatXml{targets().front(), &r_->slide->scheme()}; }
    ShapeRefPtr r_;
};

// Shapes of the same parent (the slide or a group), back to front.
std::vector<pugi::xml_node> siblingsOf(const pugi::xml_node& shape) {
    return shapesIn(shape.parent());
}

class PptxShape : public Shape {
public:
    PptxShape(SessionPtr s, ShapeRefPtr r) : s_(s), r_(r), line_(r), fill_(r), frame_(s, r) {}
    std::string name() const override { return shapeName(alive(*r_)); }
    void setName(const std::string& name) override {
        setShapeName(alive(*r_), name);
        touch(*r_);
    }
    int type() const override { return shapeType(alive(*r_)); }
    float left() const override { return static_cast<float>(box().left); }
    float top() const override { return static_cast<float>(box().top); }
    float width() const override { return static_cast<float>(box().width); }
    float height() const override { return static_cast<float>(box().height); }
    void setLeft(float v) override {
        change([&](Box& b) { b.left = v; });
    }
    void setTop(float v) override {
        change([&](Box& b) { b.top = v; });
    }
    void setHeight(float v) override {
        change([&](Box& b) { b.height = v; });
    }
    void incrementLeft(float v) override {
        change([&](Box& b) { b.left += v; });
    }
    void incrementTop(float v) override {
        change([&](Box& b) { b.top += v; });
    }
    void scaleWidth(float factor, bool, int fromWhere) override {
        change([&](Box& b) {
            double w = b.width * factor;
            b.left -= (w - b.width) * anchorShare(fromWhere);
            b.width = w;
        });
    }
    // An equation's text grows with its height, as a line of text does.
    void scaleHeight(float factor, bool, int fromWhere) override {
        change([&](Box& b) {
            double h = b.height * factor;
            b.top -= (h - b.height) * anchorShare(fromWhere);
            b.height = h;
        });
        scaleEquationText(r_->node, factor);
    }
    void zOrder(int command) override;
    void select(bool replace) override {
        alive(*r_);
        if (replace) s_->selected.clear();
        s_->selectedText.reset();
        if (std::find(s_->selected.begin(), s_->selected.end(), r_) == s_->selected.end())
            s_->selected.push_back(r_);
    }
    void remove() override {
        auto node = alive(*r_);
        // A group whose last member goes goes with it, as it does in PowerPoint.
        while (std::string_view(node.parent().name()) == "p:grpSp" && shapesIn(node.parent()).size() == 1)
            node = node.parent();
        r_->slide->forget(node);
        node.parent().remove_child(node);
        std::erase_if(s_->selected, [](const ShapeRefPtr& r) { return !r->node; });
        touch(*r_);
    }
    bool hasTextFrame() const override { return hasText(alive(*r_)); }
    ShapeRangePtr groupItems() override {
        const pugi::xml_node node = alive(*r_);
        if (shapeType(node) != shapetype::Group)
            throw HostError("The shape \"" + shapeName(node) + "\" is not a group.");
        std::vector<ShapeRefPtr> members;
        for (const auto& child : shapesIn(node)) members.push_back(r_->slide->ref(child));
        return rangeHandle(s_, std::move(members));
    }
    LineFormat& line() override { return line_; }
    FillFormat& fill() override { return fill_; }
    TextFrame& textFrame() override { return frame_; }
    std::string title() const override { return shapeTitle(alive(*r_)); }
    std::string alternativeText() const override { return shapeDescription(alive(*r_)); }
    bool isEquation() const override { return pptx::isEquation(alive(*r_)); }
    void setAlternativeText(const std::string& text) override {
        setShapeDescription(alive(*r_), text);
        touch(*r_);
    }
    bool visible() const override { return !shapeHidden(alive(*r_)); }
    void setVisible(bool on) override {
        setShapeHidden(alive(*r_), !on);
        touch(*r_);
    }

private:
    static double anchorShare(int fromWhere) { return fromWhere == 0 ? 0 : fromWhere == 1 ? 0.5 : 1; }
    Box box() const {
        auto node = alive(*r_);
        return r_->slide->inheritedBox(node).value_or(boxOf(node));
    }
    template <typename Edit>
    void change(Edit edit) {
        Box b = box();
        edit(b);
        setBox(r_->node, b);
        touch(*r_);
    }
    SessionPtr s_;
    ShapeRefPtr r_;
    PptxLine line_;
    PptxFill fill_;
    PptxTextFrame frame_;
};

void PptxShape::zOrder(int command) {
    auto node = alive(*r_);
    auto parent = node.parent();
    auto siblings = siblingsOf(node);
    auto at = std::find(siblings.begin(), siblings.end(), node) - siblings.begin();
    if (command == zorder::BringToFront && node != siblings.back())
        parent.insert_move_after(node, siblings.back());
    else if (command == zorder::SendToBack && node != siblings.front())
        parent.insert_move_before(node, siblings.front());
    else if (command == zorder::BringForward && at + 1 < static_cast<long>(siblings.size()))
        parent.insert_move_after(node, siblings[at + 1]);
    else if (command == zorder::SendBackward && at > 0)
        parent.insert_move_before(node, siblings[at - 1]);
    else
        return;
    touch(*r_);
}

class PptxRange : public ForwardingRange {
public:
    PptxRange(SessionPtr s, std::vector<ShapeRefPtr> refs) : s_(std::move(s)), refs_(std::move(refs)) {}
    ShapePtr group() override;
    void select(bool replace) override {
        if (replace) s_->selected.clear();
        for (auto& r : refs_) shapeHandle(s_, r)->select(false);
    }
    int type() const override {
        if (refs_.empty())
            throw HostError::said(common::messages::kNoShapesInRange, {}, "The range holds no shapes.");
        int first = shapeType(alive(*refs_[0]));
        for (auto& r : refs_)
            if (shapeType(alive(*r)) != first) return shapetype::Mixed;
        return first;
    }

private:
    std::size_t size() const override { return refs_.size(); }
    ShapePtr shape(std::size_t index) override { return shapeHandle(s_, refs_[index]); }
    SessionPtr s_;
    std::vector<ShapeRefPtr> refs_;
};

ShapePtr PptxRange::group() {
    if (refs_.size() < 2)
        throw HostError::said(common::messages::kGroupNeedsTwo, {},
                              "At least two shapes are needed to make a group.");
    SlidePart& slide = s_->slide();
    std::vector<pugi::xml_node> nodes;
    for (auto& r : refs_) {
        auto node = alive(*r);
        if (r->slide != &slide || node.parent() != slide.tree())
            throw HostError("The shape \"" + shapeName(node) + "\" is not on the slide itself.");
        nodes.push_back(node);
    }
    ShapeId id = slide.newId();
    auto group = groupShapes(slide.tree(), id, nodes);
    setShapeName(group, "Group " + std::to_string(id));
    slide.changed = true;
    return shapeHandle(s_, slide.ref(group));
}

}  // namespace

ShapePtr shapeHandle(SessionPtr session, ShapeRefPtr ref) {
    return std::make_shared<PptxShape>(session, ref);
}

ShapeRangePtr rangeHandle(SessionPtr session, std::vector<ShapeRefPtr> refs) {
    return std::make_shared<PptxRange>(std::move(session), std::move(refs));
}

}  // namespace office::pptx
