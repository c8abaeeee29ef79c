#include "platform/office/memory/memory_shape.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/office/slide_limits.h"

namespace office::memory {

std::string numberArg(float value) {
    return common::PlainNumberText(static_cast<double>(value));
}

namespace {

using StatePtr = std::shared_ptr<ProgramState>;
using DataPtr = std::shared_ptr<ShapeData>;

void requireAlive(const ShapeData& d) {
    if (d.deleted)
        throw HostError::said(common::messages::kShapeDeleted, {d.name},
                              "The shape \"" + d.name + "\" has been deleted.");
}

class MemoryFont : public Font {
public:
    MemoryFont(StatePtr s, DataPtr d, int from, int count)
        : s_(std::move(s)), d_(std::move(d)), from_(from), n_(count) {}
    float size() const override { return first().size; }
    void setSize(float v) override {
        checkedFontSize(v);
        apply("Size=" + numberArg(v), [v](FontData& f) { f.size = v; });
    }
    bool bold() const override { return first().bold; }
    void setBold(bool v) override {
        apply(std::string("Bold=") + (v ? "-1" : "0"), [v](FontData& f) { f.bold = v; });
    }
    bool italic() const override { return first().italic; }
    void setItalic(bool v) override {
        apply(std::string("Italic=") + (v ? "-1" : "0"), [v](FontData& f) { f.italic = v; });
    }
    std::string nameAscii() const override { return first().nameAscii; }
    void setNameAscii(const std::string& v) override {
        apply("NameAscii=" + v, [&v](FontData& f) { f.nameAscii = v; });
    }
    float baselineOffset() const override { return first().baselineOffset; }
    void setBaselineOffset(float v) override {
        apply("BaselineOffset=" + numberArg(v), [v](FontData& f) { f.baselineOffset = v; });
    }
    common::Rgb color() const override { return first().color; }
    void setColor(common::Rgb v) override {
        apply("Color.RGB=" + std::to_string(v), [v](FontData& f) { f.color = v; });
    }
    std::string nameFarEast() const override { return first().nameFarEast; }
    void setNameFarEast(const std::string& v) override {
        apply("NameFarEast=" + v, [&v](FontData& f) { f.nameFarEast = v; });
    }

private:
    const FontData& first() const {
        requireAlive(*d_);
        return from_ < static_cast<int>(d_->charFonts.size()) ? d_->charFonts[from_] : d_->font;
    }
    template <typename F>
    void apply(const std::string& call, F change) {
        requireAlive(*d_);
        s_->log(d_->name + ".Font." + call);
        int end = std::min<int>(from_ + n_, d_->charFonts.size());
        for (int i = from_; i < end; ++i) change(d_->charFonts[i]);
        if (from_ == 0 && n_ >= static_cast<int>(d_->charFonts.size())) change(d_->font);
    }
    StatePtr s_;
    DataPtr d_;
    int from_, n_;
};

class MemoryTextRange : public TextRange {
public:
    MemoryTextRange(StatePtr s, DataPtr d, int from, int count)
        : s_(s), d_(d), from_(from), n_(count), font_(s, d, from, count) {}
    std::string text() const override {
        requireAlive(*d_);
        return common::toUtf8(d_->text.substr(std::min<std::size_t>(from_, d_->text.size()), n_));
    }
    void setText(const std::string& t) override {
        requireAlive(*d_);
        s_->log(d_->name + ".TextRange.Text=" + t);
        std::u32string chars = common::toUtf32(t);
        std::size_t from = std::min<std::size_t>(from_, d_->text.size());
        std::size_t count = std::min<std::size_t>(n_, d_->text.size() - from);
        FontData font = from < d_->charFonts.size() ? d_->charFonts[from] : d_->font;
        d_->text.replace(from, count, chars);
        d_->charFonts.erase(d_->charFonts.begin() + from, d_->charFonts.begin() + from + count);
        d_->charFonts.insert(d_->charFonts.begin() + from, chars.size(), font);
        n_ = static_cast<int>(chars.size());
    }
    std::unique_ptr<TextRange> characters(int start, int length) override {
        requireAlive(*d_);
        if (start < 1 || length < 0) throw HostError("Characters: the range starts before the text.");
        int from = from_ + start - 1;
        int count = std::max(0, std::min(length, from_ + n_ - from));
        return std::make_unique<MemoryTextRange>(s_, d_, from, count);
    }
    Font& font() override { return font_; }
    void select() override {
        requireAlive(*d_);
        s_->log(d_->name + ".TextRange.Select");
        s_->selected = {d_};
        s_->selectedText = {from_, n_};
    }

private:
    StatePtr s_;
    DataPtr d_;
    int from_, n_;
    MemoryFont font_;
};

class MemoryTextFrame : public TextFrame {
public:
    MemoryTextFrame(StatePtr s, DataPtr d) : s_(s), d_(d), range_(s, d, 0, 1 << 30) {}
    float marginLeft() const override { return d_->margins[0]; }
    float marginTop() const override { return d_->margins[1]; }
    float marginRight() const override { return d_->margins[2]; }
    float marginBottom() const override { return d_->margins[3]; }
    void setMarginLeft(float v) override { set(0, "MarginLeft", v); }
    void setMarginTop(float v) override { set(1, "MarginTop", v); }
    void setMarginRight(float v) override { set(2, "MarginRight", v); }
    void setMarginBottom(float v) override { set(3, "MarginBottom", v); }
    TextRange& textRange() override {
        if (!d_->hasText) throw HostError("The shape \"" + d_->name + "\" has no text frame.");
        return range_;
    }

private:
    void set(int i, const char* what, float v) {
        requireAlive(*d_);
        if (!d_->hasText) throw HostError("The shape \"" + d_->name + "\" has no text frame.");
        s_->log(d_->name + ".TextFrame." + what + "=" + numberArg(v));
        d_->margins[i] = static_cast<float>(checkedSize(v));
    }
    StatePtr s_;
    DataPtr d_;
    MemoryTextRange range_;
};

class MemoryLine : public LineFormat {
public:
    MemoryLine(StatePtr s, DataPtr d) : s_(std::move(s)), d_(std::move(d)) {}
    common::Rgb foreColor() const override { return d_->line.color; }
    void setForeColor(common::Rgb v) override { set("ForeColor.RGB", v, d_->line.color); }
    int dashStyle() const override { return d_->line.dashStyle; }
    void setDashStyle(int v) override {
        if (v < dash::Solid || v > dash::LongDashDot)
            throw HostError("The dash style " + std::to_string(v) + " is not valid.");
        set("DashStyle", v, d_->line.dashStyle);
    }
    float weight() const override { return d_->line.weight; }
    void setWeight(float v) override { set("Weight", checkedWeight(v), d_->line.weight); }
    bool visible() const override { return d_->line.visible; }
    void setVisible(bool v) override { set("Visible", v, d_->line.visible); }
    void setBeginArrowheadStyle(int v) override { set("BeginArrowheadStyle", v, d_->line.beginStyle); }
    void setBeginArrowheadLength(int v) override { set("BeginArrowheadLength", v, d_->line.beginLength); }
    void setBeginArrowheadWidth(int v) override { set("BeginArrowheadWidth", v, d_->line.beginWidth); }
    void setEndArrowheadStyle(int v) override { set("EndArrowheadStyle", v, d_->line.endStyle); }
    void setEndArrowheadLength(int v) override { set("EndArrowheadLength", v, d_->line.endLength); }
    void setEndArrowheadWidth(int v) override { set("EndArrowheadWidth", v, d_->line.endWidth); }
    int beginArrowheadStyle() const override { return d_->line.beginStyle; }
    int endArrowheadStyle() const override { return d_->line.endStyle; }

private:
    template <typename T, typename U>
    void set(const char* what, T v, U& field) {
        requireAlive(*d_);
        s_->log(d_->name + ".Line." + what + "=" + numberArg(static_cast<float>(v)));
        field = static_cast<U>(v);
    }
    void set(const char* what, bool v, bool& field) {
        requireAlive(*d_);
        s_->log(d_->name + ".Line." + what + "=" + (v ? "-1" : "0"));
        field = v;
    }
    StatePtr s_;
    DataPtr d_;
};

class MemoryFill : public FillFormat {
public:
    MemoryFill(StatePtr s, DataPtr d) : s_(std::move(s)), d_(std::move(d)) {}
    common::Rgb foreColor() const override { return d_->fill.color; }
    void setForeColor(common::Rgb v) override {
        requireAlive(*d_);
        s_->log(d_->name + ".Fill.ForeColor.RGB=" + std::to_string(v));
        d_->fill.color = v;
    }
    bool visible() const override { return d_->fill.visible; }
    void setVisible(bool v) override {
        requireAlive(*d_);
        s_->log(d_->name + ".Fill.Visible=" + (v ? "-1" : "0"));
        d_->fill.visible = v;
    }

private:
    StatePtr s_;
    DataPtr d_;
};

void moveBy(ShapeData& d, float dx, float dy) {
    d.left += dx, d.top += dy;
    d.begin.x += dx, d.begin.y += dy, d.end.x += dx, d.end.y += dy;
    for (auto& p : d.points) p.x += dx, p.y += dy;
    for (auto& c : d.children) moveBy(*c, dx, dy);
}

class MemoryShape : public Shape {
public:
    MemoryShape(StatePtr s, DataPtr d) : s_(s), d_(d), line_(s, d), fill_(s, d), frame_(s, d) {}
    std::string name() const override { return alive().name; }
    void setName(const std::string& n) override {
        s_->log(alive().name + ".Name=" + n);
        d_->name = n;
    }
    int type() const override { return alive().type; }
    float left() const override { return alive().left; }
    float top() const override { return alive().top; }
    float width() const override { return alive().width; }
    float height() const override { return alive().height; }
    void setLeft(float v) override { incrementLeft(static_cast<float>(checkedPosition(v) - alive().left)); }
    void setTop(float v) override { incrementTop(static_cast<float>(checkedPosition(v) - alive().top)); }
    void setHeight(float v) override {
        s_->log(alive().name + ".Height=" + numberArg(v));
        d_->height = static_cast<float>(checkedSize(v));
    }
    void incrementLeft(float v) override {
        s_->log(alive().name + ".IncrementLeft(" + numberArg(v) + ")");
        checkedPosition(double(d_->left) + v);
        moveBy(*d_, v, 0);
    }
    void incrementTop(float v) override {
        s_->log(alive().name + ".IncrementTop(" + numberArg(v) + ")");
        checkedPosition(double(d_->top) + v);
        moveBy(*d_, 0, v);
    }
    void scaleWidth(float f, bool, int from) override {
        s_->log(alive().name + ".ScaleWidth(" + numberArg(f) + ")");
        scaleSide(d_->left, d_->width, f, from);
    }
    void scaleHeight(float f, bool, int from) override {
        s_->log(alive().name + ".ScaleHeight(" + numberArg(f) + ")");
        scaleSide(d_->top, d_->height, f, from);
    }
    void zOrder(int command) override;
    void select(bool replace) override {
        s_->log(alive().name + ".Select(" + (replace ? "-1" : "0") + ")");
        if (replace) s_->selected.clear();
        s_->selectedText.reset();
        s_->selected.push_back(d_);
    }
    void remove() override;
    bool hasTextFrame() const override { return alive().hasText; }
    ShapeRangePtr groupItems() override {
        if (alive().type != shapetype::Group)
            throw HostError("The shape \"" + d_->name + "\" is not a group.");
        return rangeHandle(s_, d_->children);
    }
    LineFormat& line() override { return line_; }
    FillFormat& fill() override { return fill_; }
    TextFrame& textFrame() override { return frame_; }
    std::string title() const override { return alive().title; }
    bool isEquation() const override { return alive().equation; }
    std::string alternativeText() const override { return alive().description; }
    void setAlternativeText(const std::string& text) override {
        s_->log(alive().name + ".AlternativeText=" + text);
        d_->description = text;
    }
    bool visible() const override { return !alive().hidden; }
    void setVisible(bool on) override {
        s_->log(alive().name + ".Visible=" + (on ? "-1" : "0"));
        d_->hidden = !on;
    }

private:
    const ShapeData& alive() const {
        requireAlive(*d_);
        return *d_;
    }
    static void scaleSide(float& start, float& length, float factor, int from) {
        const double scaled = checkedSize(double(length) * factor);
        const double share = from == 0 ? 0 : from == 1 ? 0.5 : 1;  // of the growth taken at the start
        const double moved = checkedPosition(start - (scaled - length) * share);
        start = static_cast<float>(moved), length = static_cast<float>(scaled);
    }
    StatePtr s_;
    DataPtr d_;
    MemoryLine line_;
    MemoryFill fill_;
    MemoryTextFrame frame_;
};

void MemoryShape::zOrder(int command) {
    s_->log(alive().name + ".ZOrder(" + std::to_string(command) + ")");
    auto& list = s_->slide().shapes;
    auto it = std::find(list.begin(), list.end(), d_);
    if (it == list.end()) return;
    std::size_t at = it - list.begin();
    if (command == zorder::BringToFront || command == zorder::SendToBack) {
        list.erase(it);
        list.insert(command == zorder::SendToBack ? list.begin() : list.end(), d_);
    } else if (command == zorder::BringForward && at + 1 < list.size()) {
        std::swap(list[at], list[at + 1]);
    } else if (command == zorder::SendBackward && at > 0) {
        std::swap(list[at], list[at - 1]);
    }
}

// Takes the shape out of the list or out of the group that holds it; a group whose
// last member goes goes with it, as it does in PowerPoint. True when it was found.
bool takeOut(std::vector<DataPtr>& list, const DataPtr& d) {
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (*it == d) {
            list.erase(it);
            return true;
        }
        if (takeOut((*it)->children, d)) {
            if ((*it)->children.empty()) (*it)->deleted = true, list.erase(it);
            return true;
        }
    }
    return false;
}

void MemoryShape::remove() {
    s_->log(alive().name + ".Delete");
    takeOut(s_->slide().shapes, d_);
    std::erase(s_->selected, d_);
    d_->deleted = true;
}

}  // namespace

ShapePtr shapeHandle(StatePtr state, DataPtr data) {
    return std::make_shared<MemoryShape>(state, data);
}

}  // namespace office::memory
