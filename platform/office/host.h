#pragma once
// The subset of the presentation program's object model that the tools use.
// Positions and sizes are slide points (single precision, y downward); colours are
// RGB values (common/color.h). Any call may throw HostError.
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/color.h"
#include "common/messages.h"
#include "common/shown_error.h"

namespace office {

// The teacher reads a Chinese sentence; the detail, for developers, stays in what().
class HostError : public common::ShownError {
public:
    explicit HostError(const std::string& detail)
        : common::ShownError(common::messages::kHostCallFailed, detail) {}
    // For a detail that is already the whole sentence the teacher reads.
    struct Sentence {};
    HostError(Sentence, const std::string& sentence) : common::ShownError(sentence, sentence) {}
    HostError(Sentence, std::string sentence, const std::string& detail)
        : common::ShownError(std::move(sentence), detail) {}
    // A catalogue message with its placeholders filled, the detail in English.
    static HostError said(std::string_view message, std::initializer_list<std::string_view> args,
                          const std::string& detail) {
        return HostError(Sentence{}, common::messages::fill(message, args), detail);
    }
};

// There is no running presentation to attach to (a new instance may be started).
// Any other HostError from attach() means the presentation exists but cannot be
// used, and starting a new one in its place would lose it.
class HostNotRunning : public HostError {
public:
    using HostError::HostError;
};

// The presentation program went away: no call to it can succeed any more.
class HostLost : public HostError {
public:
    using HostError::HostError;
};

// MsoLineDashStyle
namespace dash {
constexpr int Solid = 1, SquareDot = 2, RoundDot = 3, Dash = 4, DashDot = 5, DashDotDot = 6, LongDash = 7,
              LongDashDot = 8;
}
// MsoArrowheadStyle, MsoArrowheadLength, MsoArrowheadWidth
namespace arrow {
constexpr int None = 1, Triangle = 2, Open = 3, Stealth = 4, Diamond = 5, Oval = 6;
constexpr int Short = 1, Medium = 2, Long = 3;
constexpr int Narrow = 1, Wide = 3;
}  // namespace arrow
// MsoShapeType
namespace shapetype {
constexpr int AutoShape = 1, Freeform = 5, Group = 6, Embedded = 7, Line = 9, Picture = 13, Placeholder = 14,
              TextBox = 17;
constexpr int Mixed = -2;
}  // namespace shapetype
// MsoAutoShapeType used by AddShape
constexpr int kShapeRectangle = 1, kShapeOval = 9;
// MsoTextOrientation used by AddLabel
constexpr int kTextHorizontal = 1;
// PpSlideLayout used by Slides.Add
constexpr int kLayoutBlank = 12;
// ZOrder commands
namespace zorder {
constexpr int BringToFront = 0, SendToBack = 1, BringForward = 2, SendBackward = 3, BringInFrontOfText = 4,
              SendBehindText = 5;
}
// PpSelectionType
namespace selection {
constexpr int None = 0, Slides = 1, Shapes = 2, Text = 3;
}

struct PointF {
    float x = 0;
    float y = 0;
};

class Font {
public:
    virtual ~Font() = default;
    virtual float size() const = 0;
    virtual void setSize(float points) = 0;
    virtual bool bold() const = 0;
    virtual void setBold(bool on) = 0;
    virtual bool italic() const = 0;
    virtual void setItalic(bool on) = 0;
    virtual std::string nameAscii() const = 0;
    virtual void setNameAscii(const std::string& name) = 0;
    // Fraction of the font size: -0.25 lowers the text by a quarter (subscript).
    virtual float baselineOffset() const = 0;
    virtual void setBaselineOffset(float offset) = 0;
    virtual common::Rgb color() const = 0;
    virtual void setColor(common::Rgb color) = 0;
    // The typeface of East Asian characters (NameFarEast).
    virtual std::string nameFarEast() const = 0;
    virtual void setNameFarEast(const std::string& name) = 0;
};

class TextRange {
public:
    virtual ~TextRange() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    // start is 1-based and counted in characters (code points).
    virtual std::unique_ptr<TextRange> characters(int start, int length) = 0;
    virtual Font& font() = 0;
    virtual void select() = 0;
};

class TextFrame {
public:
    virtual ~TextFrame() = default;
    virtual float marginLeft() const = 0;
    virtual float marginRight() const = 0;
    virtual float marginTop() const = 0;
    virtual float marginBottom() const = 0;
    virtual void setMarginLeft(float points) = 0;
    virtual void setMarginRight(float points) = 0;
    virtual void setMarginTop(float points) = 0;
    virtual void setMarginBottom(float points) = 0;
    virtual TextRange& textRange() = 0;
};

class LineFormat {
public:
    virtual ~LineFormat() = default;
    virtual common::Rgb foreColor() const = 0;
    virtual void setForeColor(common::Rgb color) = 0;
    virtual int dashStyle() const = 0;
    virtual void setDashStyle(int style) = 0;
    virtual float weight() const = 0;
    virtual void setWeight(float points) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual void setBeginArrowheadStyle(int style) = 0;
    virtual void setBeginArrowheadLength(int length) = 0;
    virtual void setBeginArrowheadWidth(int width) = 0;
    virtual void setEndArrowheadStyle(int style) = 0;
    virtual void setEndArrowheadLength(int length) = 0;
    virtual void setEndArrowheadWidth(int width) = 0;
    virtual int beginArrowheadStyle() const = 0;
    virtual int endArrowheadStyle() const = 0;
};

class FillFormat {
public:
    virtual ~FillFormat() = default;
    virtual common::Rgb foreColor() const = 0;
    virtual void setForeColor(common::Rgb color) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
};

// A picture as another program copies it for pasting: the PNG bytes, the same picture
// as SVG (empty when there is none), its natural size in points, and the texts a
// reader recovers it by. An equation also comes as MathML and Office Math (one m:oMath);
// a presentation program that has equation objects pastes one of those instead.
struct PictureData {
    std::string png;
    std::string svg;
    float width = 0, height = 0;
    std::string title;
    std::string description;  // the alternative text
    std::string mathml;
    std::string omml;
};

class Shape;
class ShapeRange;
using ShapePtr = std::shared_ptr<Shape>;
using ShapeRangePtr = std::shared_ptr<ShapeRange>;

class Shape {
public:
    virtual ~Shape() = default;
    virtual std::string name() const = 0;
    virtual void setName(const std::string& name) = 0;
    virtual int type() const = 0;
    virtual float left() const = 0;
    virtual float top() const = 0;
    virtual float width() const = 0;
    virtual float height() const = 0;
    virtual void setLeft(float points) = 0;
    virtual void setTop(float points) = 0;
    virtual void setHeight(float points) = 0;
    virtual void incrementLeft(float points) = 0;
    virtual void incrementTop(float points) = 0;
    // fromWhere: 0 keeps the top-left corner, 1 the middle, 2 the bottom-right corner.
    virtual void scaleWidth(float factor, bool relativeToOriginal, int fromWhere) = 0;
    virtual void scaleHeight(float factor, bool relativeToOriginal, int fromWhere) = 0;
    virtual void zOrder(int command) = 0;
    virtual void select(bool replace) = 0;
    virtual void remove() = 0;  // Delete
    virtual bool hasTextFrame() const = 0;
    // A group's shapes, back to front; HostError for a shape that is no group.
    virtual ShapeRangePtr groupItems() = 0;
    virtual LineFormat& line() = 0;
    virtual FillFormat& fill() = 0;
    virtual TextFrame& textFrame() = 0;
    // Title and AlternativeText: empty for shapes that have none.
    virtual std::string title() const { return {}; }
    virtual std::string alternativeText() const { return {}; }
    // An equation object (Office Math, a formula object), as Paste makes from an equation.
    virtual bool isEquation() const { return false; }
    virtual void setAlternativeText(const std::string& text) = 0;
    // A hidden shape stays on the slide but is neither drawn nor shown in the slide show.
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
};

class ShapeRange {
public:
    virtual ~ShapeRange() = default;
    virtual int count() const = 0;
    virtual ShapePtr item(int index) = 0;  // 1-based
    virtual void setName(const std::string& name) = 0;
    virtual ShapePtr group() = 0;
    virtual void select(bool replace) = 0;
    virtual void zOrder(int command) = 0;
    virtual void remove() = 0;
    virtual void incrementLeft(float points) = 0;
    virtual void incrementTop(float points) = 0;
    // The shapes' common type, shapetype::Mixed when they differ.
    virtual int type() const = 0;
    // The text frame of a range of one shape; HostError for more.
    virtual TextFrame& textFrame() = 0;

    // The box around all its shapes; HostError for an empty range.
    float left() { return bounds().left; }
    float top() { return bounds().top; }
    float width() { return bounds().width; }
    float height() { return bounds().height; }
    // The shapes move together, keeping their arrangement.
    void setLeft(float points) { incrementLeft(points - left()); }
    void setTop(float points) { incrementTop(points - top()); }
    // Each shape is scaled about its own anchor, as the presentation program does.
    void scaleWidth(float factor, bool relativeToOriginal, int fromWhere) {
        for (int i = 1; i <= count(); ++i) item(i)->scaleWidth(factor, relativeToOriginal, fromWhere);
    }
    void scaleHeight(float factor, bool relativeToOriginal, int fromWhere) {
        for (int i = 1; i <= count(); ++i) item(i)->scaleHeight(factor, relativeToOriginal, fromWhere);
    }

private:
    struct Bounds {
        float left, top, width, height;
    };
    Bounds bounds() {
        if (count() == 0) throw HostError("The range holds no shapes.");
        float l = 0, t = 0, r = 0, b = 0;
        for (int i = 1; i <= count(); ++i) {
            auto s = item(i);
            float sl = s->left(), st = s->top(), sr = sl + s->width(), sb = st + s->height();
            if (i == 1 || sl < l) l = sl;
            if (i == 1 || st < t) t = st;
            if (i == 1 || sr > r) r = sr;
            if (i == 1 || sb > b) b = sb;
        }
        return {l, t, r - l, b - t};
    }
};

// The shapes of the slide selected in the active window.
class SlideHost {
public:
    virtual ~SlideHost() = default;
    virtual ShapePtr addLine(float beginX, float beginY, float endX, float endY) = 0;
    virtual ShapePtr addShape(int autoShapeType, float left, float top, float width, float height) = 0;
    // The first point, then every following three points one cubic Bezier segment.
    virtual ShapePtr addCurve(const std::vector<PointF>& points) = 0;
    virtual ShapePtr addLabel(int orientation, float left, float top, float width, float height) = 0;
    virtual int count() const = 0;
    virtual ShapePtr item(int index) = 0;  // 1-based, back to front
    virtual ShapePtr item(const std::string& name) = 0;
    virtual ShapeRangePtr range(const std::vector<std::string>& names) = 0;
    virtual void selectAll() = 0;
    virtual ShapeRangePtr paste() = 0;
};

class Selection {
public:
    virtual ~Selection() = default;
    virtual int type() const = 0;
    virtual SlideHost& shapes() = 0;  // SlideRange.Shapes
    virtual ShapeRangePtr shapeRange() = 0;
    // The characters a TextRange.Select chose, else the whole text of the one selected shape.
    virtual std::unique_ptr<TextRange> textRange() = 0;
    virtual void unselect() = 0;
};

// What a document view copied: named shapes of one page of a figure sheet (.pptx).
struct ShapeClip {
    std::string sheet;
    int page = 1;
    std::vector<std::string> names;
};

class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;
    virtual Selection& selection() = 0;
    virtual void viewPaste() = 0;
    // Pastes the copied shapes, with everything they refer to, onto the slide and
    // makes them the selection.
    virtual void viewPasteShapes(const ShapeClip& clip) {
        (void)clip;
        throw HostError::said(common::messages::kSheetShapesCannotPaste, {},
                              "Shapes of a figure sheet cannot be pasted here.");
    }
};

class Presentation {
public:
    virtual ~Presentation() = default;
    virtual void slidesAdd(int index, int layout) = 0;
    virtual float slideWidth() const = 0;
    virtual float slideHeight() const = 0;
};

class Application {
public:
    virtual ~Application() = default;
    virtual DocumentWindow& activeWindow() = 0;
    virtual Presentation& activePresentation() = 0;
    virtual void setVisible(bool on) = 0;
    virtual void activate() = 0;
    virtual Presentation& presentationsAdd(bool withWindow) = 0;
    // Makes what the commands changed last: on this platform the presentation is a
    // file, so the windows say when a command has changed the slide.
    virtual void save() = 0;
    // Stands for a copy in another program: the picture the next Paste puts on the slide.
    virtual void copyPicture(const PictureData&) {
        throw HostError::said(common::messages::kPictureCannotPaste, {},
                              "This presentation program cannot take a picture to paste.");
    }
    // One command of the teacher's: all it changes is one step to undo. A command that
    // ends unsucceeded leaves no undo step behind, nor any change the presentation
    // program recorded.
    virtual void beginCommand() {}
    virtual void endCommand(bool succeeded) {
        if (succeeded) save();
    }
};

// A command in progress; it fails unless done() says it succeeded.
class CommandScope {
public:
    explicit CommandScope(Application& app) : app_(&app), unwinding_(std::uncaught_exceptions()) {
        app.beginCommand();
    }
    ~CommandScope() noexcept(false) {
        if (!app_) return;
        const bool unwinding = std::uncaught_exceptions() > unwinding_;
        try {
            app_->endCommand(false);
        } catch (const HostError&) {
            // the presentation program is gone or refuses: the command's failure is told
        } catch (...) {
            if (!unwinding) throw;
        }
    }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    void done() { std::exchange(app_, nullptr)->endCommand(true); }

private:
    Application* app_;
    int unwinding_;
};

// How start-up reaches the presentation program.
class HostConnector {
public:
    virtual ~HostConnector() = default;
    // The running presentation program; HostNotRunning when there is none.
    virtual std::unique_ptr<Application> attach() = 0;
    // A new instance without any presentation yet.
    virtual std::unique_ptr<Application> startNew() = 0;
    // Called with the message to show when the presentation program goes away in the
    // middle of a command; it may end the program by throwing. A file never goes away.
    virtual void whenLost(std::function<void(const std::string& message)> handler) { (void)handler; }
};

// Shorthand for Application.ActiveWindow.Selection.SlideRange.Shapes, walked afresh.
inline SlideHost& slideHost(Application& app) {
    return app.activeWindow().selection().shapes();
}

}  // namespace office
