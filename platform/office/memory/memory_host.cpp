#include "platform/office/memory/memory_host.h"

#include <algorithm>
#include <limits>

#include "common/numbers.h"
#include "platform/office/forwarding_range.h"
#include "platform/office/memory/memory_shape.h"
#include "platform/office/slide_limits.h"

namespace office::memory {

SlideData& ProgramState::slide() {
    if (!hasPresentation)
        throw HostError::said(common::messages::kNoOpenPresentation, {}, "There is no open presentation.");
    if (currentSlide < 0 || currentSlide >= static_cast<int>(slides.size()))
        throw HostError::said(common::messages::kNoSelectedSlide, {}, "The selected slide does not exist.");
    return slides[currentSlide];
}

void ProgramState::log(std::string call) {
    calls.push_back(call);
    if (refuses && refuses(call)) throw HostError("The presentation program refused " + call + ".");
}

namespace {

using StatePtr = std::shared_ptr<ProgramState>;
using DataPtr = std::shared_ptr<ShapeData>;

void fitBox(ShapeData& d, const std::vector<PointF>& pts) {
    float minX = std::numeric_limits<float>::max(), minY = minX, maxX = -minX, maxY = -minX;
    for (const auto& p : pts) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    d.left = minX, d.top = minY, d.width = maxX - minX, d.height = maxY - minY;
}

class MemoryRange : public ForwardingRange {
public:
    MemoryRange(StatePtr s, std::vector<DataPtr> shapes) : s_(std::move(s)), shapes_(std::move(shapes)) {}
    ShapePtr group() override;
    void select(bool replace) override {
        s_->log("Range.Select(" + std::string(replace ? "-1" : "0") + ")");
        if (replace) s_->selected.clear();
        s_->selectedText.reset();
        for (auto& d : shapes_) s_->selected.push_back(d);
    }
    int type() const override {
        if (shapes_.empty())
            throw HostError::said(common::messages::kNoShapesInRange, {}, "The range holds no shapes.");
        for (auto& d : shapes_)
            if (d->type != shapes_[0]->type) return shapetype::Mixed;
        return shapes_[0]->type;
    }

private:
    std::size_t size() const override { return shapes_.size(); }
    ShapePtr shape(std::size_t index) override { return shapeHandle(s_, shapes_[index]); }
    StatePtr s_;
    std::vector<DataPtr> shapes_;
};

ShapePtr MemoryRange::group() {
    if (shapes_.size() < 2)
        throw HostError::said(common::messages::kGroupNeedsTwo, {},
                              "At least two shapes are needed to make a group.");
    auto& list = s_->slide().shapes;
    auto g = std::make_shared<ShapeData>();
    g->id = s_->nextId++;
    g->type = shapetype::Group;
    g->name = "Group " + std::to_string(g->id);
    std::size_t at = list.size();
    std::vector<PointF> corners;
    for (auto& d : shapes_) {
        auto it = std::find(list.begin(), list.end(), d);
        if (it == list.end()) throw HostError("A shape of the range is not on the slide.");
        at = std::min<std::size_t>(at, it - list.begin());
        corners.push_back({d->left, d->top});
        corners.push_back({d->left + d->width, d->top + d->height});
    }
    for (auto& d : list)
        if (std::find(shapes_.begin(), shapes_.end(), d) != shapes_.end()) g->children.push_back(d);
    std::erase_if(list, [&](const DataPtr& d) {
        return std::find(shapes_.begin(), shapes_.end(), d) != shapes_.end();
    });
    fitBox(*g, corners);
    list.insert(list.begin() + std::min(at, list.size()), g);
    s_->log("Range.Group -> " + g->name);
    return shapeHandle(s_, g);
}

void checkBox(float l, float t, float w, float h) {
    checkedPosition(l), checkedPosition(t), checkedSize(w), checkedSize(h);
}

class MemorySlideHost : public SlideHost {
public:
    explicit MemorySlideHost(StatePtr s) : s_(std::move(s)) {}
    ShapePtr addLine(float x1, float y1, float x2, float y2) override {
        s_->log("AddLine(" + args({x1, y1, x2, y2}) + ")");
        checkPositions({{x1, y1}, {x2, y2}});
        auto d = newShape(shapetype::Line);
        d->begin = {x1, y1}, d->end = {x2, y2};
        fitBox(*d, {d->begin, d->end});
        return add(d);
    }
    ShapePtr addShape(int type, float l, float t, float w, float h) override {
        s_->log("AddShape(" + std::to_string(type) + "," + args({l, t, w, h}) + ")");
        checkBox(l, t, w, h);
        auto d = newShape(shapetype::AutoShape);
        d->autoShapeType = type, d->left = l, d->top = t, d->width = w, d->height = h;
        d->hasText = true;
        return add(d);
    }
    ShapePtr addCurve(const std::vector<PointF>& pts) override {
        s_->log("AddCurve(" + std::to_string(pts.size()) + " points)");
        if (pts.size() < 4 || (pts.size() - 1) % 3 != 0)
            throw HostError("A curve needs a first point and three points for every segment.");
        checkPositions(pts);
        auto d = newShape(shapetype::Freeform);
        d->points = pts;
        fitBox(*d, pts);
        return add(d);
    }
    ShapePtr addLabel(int orientation, float l, float t, float w, float h) override {
        s_->log("AddLabel(" + std::to_string(orientation) + "," + args({l, t, w, h}) + ")");
        checkBox(l, t, w, h);
        auto d = newShape(shapetype::TextBox);
        d->left = l, d->top = t, d->width = w, d->height = h, d->hasText = true;
        d->line.visible = false, d->fill.visible = false;
        return add(d);
    }
    int count() const override { return static_cast<int>(s_->slide().shapes.size()); }
    ShapePtr item(int index) override {
        auto& list = s_->slide().shapes;
        if (index < 1 || index > static_cast<int>(list.size()))
            throw HostError::said(common::messages::kShapeNumberMissing, {std::to_string(index)},
                                  "There is no shape number " + std::to_string(index) + " on the slide.");
        return shapeHandle(s_, list[index - 1]);
    }
    ShapePtr item(const std::string& name) override { return shapeHandle(s_, find(name)); }
    ShapeRangePtr range(const std::vector<std::string>& names) override {
        std::vector<DataPtr> found;
        for (const auto& n : names) {
            auto d = find(n);
            if (std::find(found.begin(), found.end(), d) == found.end()) found.push_back(d);
        }
        return std::make_shared<MemoryRange>(s_, found);
    }
    void selectAll() override {
        s_->log("SelectAll");
        s_->selected = s_->slide().shapes;
        s_->selectedText.reset();
    }
    ShapeRangePtr paste() override {
        s_->log("Paste");
        if (s_->clipboard.empty())
            throw HostError::said(common::messages::kClipboardEmpty, {}, "The clipboard is empty.");
        std::vector<DataPtr> pasted;
        for (const auto& c : s_->clipboard) {
            auto d = std::make_shared<ShapeData>(c);
            d->id = s_->nextId++;
            if (d->name.empty()) d->name = "Picture " + std::to_string(d->id);
            s_->slide().shapes.push_back(d);
            pasted.push_back(d);
        }
        return std::make_shared<MemoryRange>(s_, pasted);
    }

private:
    static std::string args(std::initializer_list<float> values) {
        std::string out;
        for (float v : values) out += (out.empty() ? "" : ",") + numberArg(v);
        return out;
    }
    DataPtr newShape(int type) {
        s_->slide();
        auto d = std::make_shared<ShapeData>();
        d->id = s_->nextId++;
        d->type = type;
        return d;
    }
    ShapePtr add(DataPtr d) {
        d->name = (d->type == shapetype::Line      ? "Line "
                   : d->type == shapetype::TextBox ? "TextBox "
                                                   : "Shape ") +
                  std::to_string(d->id);
        s_->slide().shapes.push_back(d);
        return shapeHandle(s_, d);
    }
    DataPtr find(const std::string& name) {
        for (auto& d : s_->slide().shapes)
            if (d->name == name) return d;
        throw HostError::said(common::messages::kShapeNotFound, {name},
                              "The shape \"" + name + "\" was not found on the slide.");
    }
    StatePtr s_;
};

class MemorySelection : public Selection {
public:
    explicit MemorySelection(StatePtr s) : s_(s), host_(s) {}
    int type() const override {
        if (s_->selected.empty()) return selection::Slides;
        return s_->selectedText ? selection::Text : selection::Shapes;
    }
    SlideHost& shapes() override {
        s_->slide();
        return host_;
    }
    ShapeRangePtr shapeRange() override {
        if (s_->selected.empty())
            throw HostError::said(common::messages::kNothingSelected, {}, "Nothing is selected.");
        return std::make_shared<MemoryRange>(s_, s_->selected);
    }
    std::unique_ptr<TextRange> textRange() override {
        if (s_->selected.size() != 1 || !s_->selected[0]->hasText)
            throw HostError::said(common::messages::kNoTextSelected, {}, "No text is selected.");
        auto [from, count] = s_->selectedText.value_or(std::pair{0, 1 << 30});
        return shapeHandle(s_, s_->selected[0])->textFrame().textRange().characters(from + 1, count);
    }
    void unselect() override {
        s_->log("Unselect");
        s_->selected.clear();
        s_->selectedText.reset();
    }

private:
    StatePtr s_;
    MemorySlideHost host_;
};

class MemoryWindow : public DocumentWindow {
public:
    explicit MemoryWindow(StatePtr s) : s_(s), selection_(s) {}
    Selection& selection() override { return selection_; }
    void viewPaste() override { MemorySlideHost(s_).paste(); }

private:
    StatePtr s_;
    MemorySelection selection_;
};

class MemoryPresentation : public Presentation {
public:
    explicit MemoryPresentation(StatePtr s) : s_(std::move(s)) {}
    void slidesAdd(int index, int layout) override {
        s_->log("Slides.Add(" + std::to_string(index) + "," + std::to_string(layout) + ")");
        if (index < 1 || index > static_cast<int>(s_->slides.size()) + 1)
            throw HostError("A slide cannot be added at position " + std::to_string(index) + ".");
        s_->slides.insert(s_->slides.begin() + index - 1, SlideData{});
    }
    float slideWidth() const override { return s_->slideWidth; }
    float slideHeight() const override { return s_->slideHeight; }

private:
    StatePtr s_;
};

class MemoryApplication : public Application {
public:
    explicit MemoryApplication(StatePtr s) : s_(s), window_(s), presentation_(s) {}
    DocumentWindow& activeWindow() override {
        if (!s_->hasPresentation)
            throw HostError::said(common::messages::kNoActiveWindow, {}, "There is no active window.");
        return window_;
    }
    Presentation& activePresentation() override {
        if (!s_->hasPresentation)
            throw HostError::said(common::messages::kNoOpenPresentation, {},
                                  "There is no open presentation.");
        return presentation_;
    }
    void setVisible(bool on) override { s_->log(std::string("Visible=") + (on ? "-1" : "0")); }
    void activate() override { s_->log("Activate"); }
    Presentation& presentationsAdd(bool withWindow) override {
        s_->log(std::string("Presentations.Add(") + (withWindow ? "-1" : "0") + ")");
        s_->hasPresentation = true;
        s_->slides.clear();
        s_->currentSlide = 0;
        return presentation_;
    }
    void save() override {
        s_->log("Save");
        ++s_->saves;
    }
    void copyPicture(const PictureData& picture) override {
        s_->log("CopyPicture");
        ShapeData d;
        d.type = shapetype::Picture;
        d.width = picture.width, d.height = picture.height;
        d.line.visible = false, d.fill.visible = false;
        d.title = picture.title, d.description = picture.description;
        d.png = picture.png, d.svg = picture.svg;
        d.equation = !picture.omml.empty();
        s_->clipboard = {d};
    }

private:
    StatePtr s_;
    MemoryWindow window_;
    MemoryPresentation presentation_;
};

}  // namespace

ShapeRangePtr rangeHandle(std::shared_ptr<ProgramState> state,
                          std::vector<std::shared_ptr<ShapeData>> shapes) {
    return std::make_shared<MemoryRange>(std::move(state), std::move(shapes));
}

std::unique_ptr<Application> makeApplication(std::shared_ptr<ProgramState> state) {
    return std::make_unique<MemoryApplication>(std::move(state));
}

std::unique_ptr<Application> Connector::attach() {
    if (!state_->running) throw HostNotRunning("The presentation program is not running.");
    state_->log("Attach");
    return makeApplication(state_);
}

std::unique_ptr<Application> Connector::startNew() {
    if (!startFailure_.empty()) throw HostError(startFailure_);
    state_->log("StartNew");
    state_->running = true;
    state_->hasPresentation = false;
    return makeApplication(state_);
}

}  // namespace office::memory
