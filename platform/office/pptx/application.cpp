#include <algorithm>

#include "platform/office/pptx/deck_connector.h"
#include "platform/office/pptx/shape_copy.h"
#include "platform/office/pptx/shape_objects.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/text_body.h"
#include "platform/office/slide_limits.h"

namespace office::pptx {

namespace {

constexpr const char* kNoClipboard = "Nothing has been copied to paste.";
// The typesetter gives an equation's size at this body text.
constexpr double kEquationFontSize = 12;

class PptxSlideHost : public SlideHost {
public:
    explicit PptxSlideHost(SessionPtr s) : s_(std::move(s)) {}
    ShapePtr addLine(float x1, float y1, float x2, float y2) override {
        checkPositions({{x1, y1}, {x2, y2}});
        return add("Line ", [&](pugi::xml_node tree, ShapeId id) {
            return pptx::addLine(tree, id, {x1, y1}, {x2, y2});
        });
    }
    ShapePtr addShape(int type, float l, float t, float w, float h) override {
        if (type != kShapeOval && type != kShapeRectangle)
            throw HostError("The shape type " + std::to_string(type) + " is not supported.");
        checkBox(l, t, w, h);
        return add("Shape ", [&](pugi::xml_node tree, ShapeId id) {
            return addAutoShape(tree, id, {l, t, w, h}, type == kShapeOval ? "ellipse" : "rect");
        });
    }
    ShapePtr addCurve(const std::vector<PointF>& pts) override {
        if (pts.size() < 4 || (pts.size() - 1) % 3 != 0)
            throw HostError("A curve needs a first point and three points for every segment.");
        checkPositions(pts);
        return add("Shape ", [&](pugi::xml_node tree, ShapeId id) { return pptx::addCurve(tree, id, pts); });
    }
    ShapePtr addLabel(int orientation, float l, float t, float w, float h) override {
        if (orientation != kTextHorizontal) throw HostError("Only horizontal text boxes can be added.");
        checkBox(l, t, w, h);
        return add("TextBox ", [&](pugi::xml_node tree, ShapeId id) {
            return addTextBox(tree, id, {l, t, w, h});
        });
    }
    int count() const override { return static_cast<int>(shapesIn(s_->slide().tree()).size()); }
    ShapePtr item(int index) override {
        auto shapes = shapesIn(s_->slide().tree());
        if (index < 1 || index > static_cast<int>(shapes.size()))
            throw HostError::said(common::messages::kShapeNumberMissing, {std::to_string(index)},
                                  "There is no shape number " + std::to_string(index) + " on the slide.");
        return shapeHandle(s_, s_->slide().ref(shapes[index - 1]));
    }
    ShapePtr item(const std::string& name) override { return shapeHandle(s_, find(name)); }
    ShapeRangePtr range(const std::vector<std::string>& names) override {
        std::vector<ShapeRefPtr> found;
        for (const auto& n : names) {
            auto r = find(n);
            if (std::find(found.begin(), found.end(), r) == found.end()) found.push_back(r);
        }
        return rangeHandle(s_, found);
    }
    void selectAll() override {
        SlidePart& slide = s_->slide();
        s_->selected.clear();
        s_->selectedText.reset();
        for (auto shape : shapesIn(slide.tree())) s_->selected.push_back(slide.ref(shape));
    }
    ShapeRangePtr paste() override {
        if (!s_->clipboard) throw HostError(kNoClipboard);
        const PictureData& picture = *s_->clipboard;
        checkedSize(picture.width);
        checkedSize(picture.height);
        Deck& deck = s_->presentation();
        SlidePart& slide = s_->slide();
        std::string png = deck.addMedia(slide, picture.png, "png");
        std::string svg = picture.svg.empty() ? "" : deck.addMedia(slide, picture.svg, "svg");
        // Pasted from another program, a picture lands in the middle of the slide.
        Box box{(deck.slideWidth() - picture.width) / 2, (deck.slideHeight() - picture.height) / 2,
                picture.width, picture.height};
        return rangeHandle(
            s_, {addRef(picture.omml.empty() ? "Picture " : "TextBox ", [&](pugi::xml_node tree, ShapeId id) {
                auto shape = addPicture(tree, id, box, png, svg, picture.title, picture.description);
                if (picture.omml.empty()) return shape;
                return addEquation(tree, shape, picture.omml, kEquationFontSize);
            })});
    }

private:
    static void checkBox(float l, float t, float w, float h) {
        checkedPosition(l), checkedPosition(t), checkedSize(w), checkedSize(h);
    }
    template <typename Build>
    ShapePtr add(const char* kind, Build build) {
        return shapeHandle(s_, addRef(kind, build));
    }
    template <typename Build>
    ShapeRefPtr addRef(const char* kind, Build build) {
        SlidePart& slide = s_->slide();
        ShapeId id = slide.newId();
        auto node = build(slide.tree(), id);
        setShapeName(node, kind + std::to_string(id));
        slide.changed = true;
        return slide.ref(node);
    }
    ShapeRefPtr find(const std::string& name) {
        SlidePart& slide = s_->slide();
        for (auto shape : shapesIn(slide.tree()))
            if (shapeName(shape) == name) return slide.ref(shape);
        throw HostError::said(common::messages::kShapeNotFound, {name},
                              "The shape \"" + name + "\" was not found on the slide.");
    }
    SessionPtr s_;
};

class PptxSelection : public Selection {
public:
    explicit PptxSelection(SessionPtr s) : s_(s), host_(s) {}
    int type() const override {
        if (s_->liveSelection().empty()) return selection::Slides;
        return s_->selectedText ? selection::Text : selection::Shapes;
    }
    SlideHost& shapes() override {
        s_->slide();
        return host_;
    }
    ShapeRangePtr shapeRange() override {
        auto live = s_->liveSelection();
        if (live.empty())
            throw HostError::said(common::messages::kNothingSelected, {}, "Nothing is selected.");
        return rangeHandle(s_, live);
    }
    std::unique_ptr<TextRange> textRange() override {
        auto live = s_->liveSelection();
        if (live.size() != 1 || !hasText(live[0]->node))
            throw HostError::said(common::messages::kNoTextSelected, {}, "No text is selected.");
        auto [from, count] = s_->selectedText.value_or(std::pair<std::size_t, std::size_t>{0, 1 << 30});
        return shapeHandle(s_, live[0])
            ->textFrame()
            .textRange()
            .characters(static_cast<int>(from) + 1, static_cast<int>(count));
    }
    void unselect() override {
        s_->selected.clear();
        s_->selectedText.reset();
    }

private:
    SessionPtr s_;
    PptxSlideHost host_;
};

class PptxWindow : public DocumentWindow {
public:
    explicit PptxWindow(SessionPtr s) : selection_(s), s_(s) {}
    Selection& selection() override { return selection_; }
    void viewPaste() override { selection_.shapes().paste(); }
    void viewPasteShapes(const ShapeClip& clip) override { pasteShapes(*s_, clip); }

private:
    PptxSelection selection_;
    SessionPtr s_;
};

class PptxPresentation : public Presentation {
public:
    explicit PptxPresentation(SessionPtr s) : s_(std::move(s)) {}
    void slidesAdd(int index, int layout) override {
        if (layout != kLayoutBlank) throw HostError("Only blank slides can be added.");
        s_->presentation().addBlankSlide(index);
    }
    float slideWidth() const override { return s_->presentation().slideWidth(); }
    float slideHeight() const override { return s_->presentation().slideHeight(); }

private:
    SessionPtr s_;
};

class PptxApplication : public Application {
public:
    explicit PptxApplication(SessionPtr s) : s_(s), window_(s), presentation_(s) {}
    DocumentWindow& activeWindow() override {
        if (!s_->deck)
            throw HostError::said(common::messages::kNoActiveWindow, {}, "There is no active window.");
        return window_;
    }
    Presentation& activePresentation() override {
        s_->presentation();
        return presentation_;
    }
    void setVisible(bool) override {}
    void activate() override {}
    Presentation& presentationsAdd(bool) override {
        s_->deck = Deck::create(s_->path);
        s_->selected.clear();
        s_->selectedText.reset();
        return presentation_;
    }
    void save() override { s_->save(); }
    void endCommand(bool succeeded) override {
        if (succeeded) return save();
        s_->discardChanges();
    }
    void copyPicture(const PictureData& picture) override { s_->clipboard = picture; }

private:
    SessionPtr s_;
    PptxWindow window_;
    PptxPresentation presentation_;
};

}  // namespace

DeckConnector::DeckConnector(std::string deckPath, int slideNumber, std::optional<std::string> selectName)
    : path_(std::move(deckPath)), slide_(slideNumber), select_(std::move(selectName)) {}

std::unique_ptr<Application> DeckConnector::attach() {
    auto stamp = [&] {
        try {
            return stampOf(path_);
        } catch (const std::exception& e) {
            throw HostError::said(common::messages::kDeckNotReachable, {path_},
                                  "The deck \"" + path_ + "\" cannot be opened: " + e.what() + ".");
        }
    }();
    if (!stamp) throw HostNotRunning("There is no deck \"" + path_ + "\" yet.");
    auto session = std::make_shared<Session>();
    session->path = path_;
    session->slideNumber = slide_;
    session->deck = Deck::open(path_);
    SlidePart& slide = session->deck->slide(slide_);
    if (select_) {
        for (auto shape : shapesIn(slide.tree()))
            if (shapeName(shape) == *select_) session->selected = {slide.ref(shape)};
    }
    return std::make_unique<PptxApplication>(session);
}

std::unique_ptr<Application> DeckConnector::startNew() {
    auto session = std::make_shared<Session>();
    session->path = path_;
    session->slideNumber = slide_;
    return std::make_unique<PptxApplication>(session);
}

}  // namespace office::pptx
