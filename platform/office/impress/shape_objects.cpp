#include "platform/office/impress/shape_objects.h"

#include <cmath>
#include <com/sun/star/container/XChild.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/drawing/ShapeCollection.hpp>
#include <com/sun/star/drawing/XShapeGrouper.hpp>
#include <com/sun/star/drawing/XShapes.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include "platform/office/impress/line_ends.h"
#include "platform/office/impress/text_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

using css::drawing::FillStyle;
using css::drawing::FillStyle_NONE;
using css::drawing::FillStyle_SOLID;
using css::drawing::LineStyle;
using css::drawing::LineStyle_DASH;
using css::drawing::LineStyle_NONE;
using css::drawing::LineStyle_SOLID;
using css::uno::Any;
using ShapeList = std::vector<UnoShape>;

// The shapes whose own line and fill a format applies to: a group's are its members'.
ShapeList formatTargets(Session& s, const UnoShape& shape) {
    if (s.typeOf(shape) != shapetype::Group) return {shape};
    ShapeList out;
    for (const auto& member : membersOf(shape)) {
        auto inner = formatTargets(s, member);
        out.insert(out.end(), inner.begin(), inner.end());
    }
    return out;
}

// Line and fill of every shape a format applies to, changed in the command's batch.
class FormatBase {
public:
    FormatBase(SessionPtr s, UnoShape shape, const char* what)
        : s_(std::move(s)), shape_(std::move(shape)), what_(what) {}

protected:
    ShapeList targets() const {
        auto all = formatTargets(*s_, shape_);
        if (all.empty()) throw HostError(std::string("The shape has no ") + what_ + ".");
        return all;
    }
    template <typename T>
    T read(const char* name) const {
        return s_->buffered([&] { return s_->get<T>(targets().front(), name); });
    }
    template <typename Change>
    void change(Change edit) {
        s_->buffered([&] {
            s_->changing();
            for (const auto& t : targets()) edit(t);
        });
    }
    void set(const UnoShape& target, const char* name, const css::uno::Any& value) {
        s_->set(target, name, value);
    }
    SessionPtr s_;
    UnoShape shape_;
    const char* what_;
};

class ImpressLine : public LineFormat, FormatBase {
public:
    ImpressLine(SessionPtr s, UnoShape shape) : FormatBase(std::move(s), std::move(shape), "line") {}
    common::Rgb foreColor() const override { return rgbOf(read<sal_Int32>("LineColor")); }
    void setForeColor(common::Rgb color) override {
        change([&](const UnoShape& t) { set(t, "LineColor", Any(unoColor(color))); });
    }
    int dashStyle() const override { return dashStyleOf(read<css::drawing::LineDash>("LineDash")); }
    void setDashStyle(int style) override {
        if (style < dash::Solid || style > dash::LongDashDot) throw HostError("There is no such dash style.");
        change([&](const UnoShape& t) {
            set(t, "LineDash", Any(lineDashOf(style)));
            if (s_->get<LineStyle>(t, "LineStyle") != LineStyle_NONE)
                set(t, "LineStyle", Any(lineStyleOf(style)));
        });
    }
    float weight() const override { return points(read<sal_Int32>("LineWidth")); }
    void setWeight(float pts) override {
        if (!(pts >= 0 && pts <= 1584)) throw HostError("A line weight must lie between 0 and 1584 points.");
        change([&](const UnoShape& t) {
            set(t, "LineWidth", Any(hmm(pts)));
            for (bool begin : {true, false})
                if (Arrowhead head = arrowheadOf(*s_, t, begin); head.style != arrow::None)
                    setArrowhead(*s_, t, begin, head);
        });
    }
    bool visible() const override { return read<LineStyle>("LineStyle") != LineStyle_NONE; }
    void setVisible(bool on) override {
        change([&](const UnoShape& t) {
            const int style = dashStyleOf(s_->get<css::drawing::LineDash>(t, "LineDash"));
            set(t, "LineStyle", Any(on ? lineStyleOf(style) : LineStyle_NONE));
        });
    }
    void setBeginArrowheadStyle(int v) override {
        arrowhead(true, [&](Arrowhead& a) { a.style = v; });
    }
    void setBeginArrowheadLength(int v) override {
        arrowhead(true, [&](Arrowhead& a) { a.length = v; });
    }
    void setBeginArrowheadWidth(int v) override {
        arrowhead(true, [&](Arrowhead& a) { a.width = v; });
    }
    void setEndArrowheadStyle(int v) override {
        arrowhead(false, [&](Arrowhead& a) { a.style = v; });
    }
    void setEndArrowheadLength(int v) override {
        arrowhead(false, [&](Arrowhead& a) { a.length = v; });
    }
    void setEndArrowheadWidth(int v) override {
        arrowhead(false, [&](Arrowhead& a) { a.width = v; });
    }
    int beginArrowheadStyle() const override {
        return s_->buffered([&] { return arrowheadOf(*s_, targets().front(), true).style; });
    }
    int endArrowheadStyle() const override {
        return s_->buffered([&] { return arrowheadOf(*s_, targets().front(), false).style; });
    }

private:
    static LineStyle lineStyleOf(int dashStyle) {
        return dashStyle == dash::Solid ? LineStyle_SOLID : LineStyle_DASH;
    }
    template <typename Edit>
    void arrowhead(bool begin, Edit edit) {
        change([&](const UnoShape& t) {
            Arrowhead head = arrowheadOf(*s_, t, begin);
            edit(head);
            setArrowhead(*s_, t, begin, head);
        });
    }
};

class ImpressFill : public FillFormat, FormatBase {
public:
    ImpressFill(SessionPtr s, UnoShape shape) : FormatBase(std::move(s), std::move(shape), "fill") {}
    common::Rgb foreColor() const override { return rgbOf(read<sal_Int32>("FillColor")); }
    void setForeColor(common::Rgb color) override {
        change([&](const UnoShape& t) { set(t, "FillColor", Any(unoColor(color))); });
    }
    bool visible() const override { return read<FillStyle>("FillStyle") != FillStyle_NONE; }
    void setVisible(bool on) override {
        change([&](const UnoShape& t) { set(t, "FillStyle", Any(on ? FillStyle_SOLID : FillStyle_NONE)); });
    }
};

Reference<css::drawing::XShapes> parentOf(const UnoShape& shape) {
    Reference<css::container::XChild> child(shape, css::uno::UNO_QUERY_THROW);
    Reference<css::drawing::XShapes> parent(child->getParent(), css::uno::UNO_QUERY);
    if (!parent.is()) throw HostError("The shape has been deleted.");
    return parent;
}

class ImpressShape : public Shape {
public:
    ImpressShape(SessionPtr s, UnoShape shape)
        : s_(s), shape_(shape), line_(s, shape), fill_(s, shape), frame_(textFrameOf(s, shape)) {}
    std::string name() const override {
        return s_->buffered([&] { return utf8(s_->get<rtl::OUString>(shape_, "Name")); });
    }
    void setName(const std::string& name) override {
        s_->buffered([&] {
            s_->changing();
            s_->set(shape_, "Name", Any(ou(name)));
            s_->remember(name, shape_);
        });
    }
    int type() const override {
        return s_->buffered([&] { return s_->typeOf(shape_); });
    }
    float left() const override {
        return points(s_->call([&] { return shape_->getPosition().X; }));
    }
    float top() const override {
        return points(s_->call([&] { return shape_->getPosition().Y; }));
    }
    float width() const override {
        return points(s_->call([&] { return shape_->getSize().Width; }));
    }
    float height() const override {
        return points(s_->call([&] { return shape_->getSize().Height; }));
    }
    void setLeft(float v) override {
        move([&](css::awt::Point& at) { at.X = hmm(v); });
    }
    void setTop(float v) override {
        move([&](css::awt::Point& at) { at.Y = hmm(v); });
    }
    void setHeight(float v) override {
        if (!(v >= 0)) throw HostError("A shape cannot have a negative size.");
        s_->call([&] {
            s_->changing();
            auto size = shape_->getSize();
            size.Height = hmm(v);
            shape_->setSize(size);
        });
    }
    void incrementLeft(float v) override {
        move([&](css::awt::Point& at) { at.X += hmm(v); });
    }
    void incrementTop(float v) override {
        move([&](css::awt::Point& at) { at.Y += hmm(v); });
    }
    void scaleWidth(float factor, bool, int fromWhere) override { scale(factor, fromWhere, true); }
    void scaleHeight(float factor, bool, int fromWhere) override { scale(factor, fromWhere, false); }
    void zOrder(int command) override;
    void select(bool replace) override {
        s_->call([&] { selectShapes(*s_, {shape_}, replace); });
    }
    void remove() override;
    bool hasTextFrame() const override {
        return s_->call([&] {
            int t = s_->typeOf(shape_);
            return t != shapetype::Line && t != shapetype::Group && t != shapetype::Picture &&
                   Reference<css::text::XText>(shape_, css::uno::UNO_QUERY).is();
        });
    }
    ShapeRangePtr groupItems() override {
        auto members = s_->call([&] {
            if (s_->typeOf(shape_) != shapetype::Group) throw HostError("The shape is not a group.");
            return membersOf(shape_);
        });
        return rangeHandle(s_, std::move(members));
    }
    LineFormat& line() override { return line_; }
    FillFormat& fill() override { return fill_; }
    TextFrame& textFrame() override { return *frame_; }
    std::string title() const override { return text("Title"); }
    std::string alternativeText() const override { return text("Description"); }
    void setAlternativeText(const std::string& text) override {
        s_->buffered([&] {
            s_->changing();
            s_->set(shape_, "Description", Any(ou(text)));
        });
    }
    bool visible() const override {
        return s_->buffered([&] { return s_->get<bool>(shape_, "Visible"); });
    }
    void setVisible(bool on) override {
        s_->buffered([&] {
            s_->changing();
            s_->set(shape_, "Visible", Any(on));
            // A hidden shape is not printed either, and .odp then keeps it hidden everywhere.
            s_->set(shape_, "Printable", Any(on));
        });
    }

private:
    std::string text(const char* property) const {
        return s_->buffered([&] { return utf8(s_->get<rtl::OUString>(shape_, property)); });
    }
    template <typename Edit>
    void move(Edit edit) {
        s_->call([&] {
            s_->changing();
            auto at = shape_->getPosition();
            edit(at);
            shape_->setPosition(at);
        });
    }
    void scale(float factor, int fromWhere, bool horizontal) {
        if (!(factor >= 0)) throw HostError("A shape cannot be scaled by a negative factor.");
        const double share = fromWhere == 0 ? 0 : fromWhere == 1 ? 0.5 : 1;
        s_->call([&] {
            s_->changing();
            auto at = shape_->getPosition();
            auto size = shape_->getSize();
            sal_Int32& extent = horizontal ? size.Width : size.Height;
            sal_Int32& edge = horizontal ? at.X : at.Y;
            const sal_Int32 scaled = static_cast<sal_Int32>(std::lround(extent * double(factor)));
            edge -= static_cast<sal_Int32>(std::lround((scaled - extent) * share));
            extent = scaled;
            shape_->setSize(size);
            shape_->setPosition(at);
        });
    }
    SessionPtr s_;
    UnoShape shape_;
    ImpressLine line_;
    ImpressFill fill_;
    std::unique_ptr<TextFrame> frame_;
};

void ImpressShape::zOrder(int command) {
    s_->call([&] {
        auto props = propertiesOf(shape_);
        const sal_Int32 at = s_->get<sal_Int32>(shape_, "ZOrder");
        const sal_Int32 last =
            Reference<css::container::XIndexAccess>(parentOf(shape_), css::uno::UNO_QUERY_THROW)->getCount() -
            1;
        sal_Int32 to = at;
        if (command == zorder::BringToFront)
            to = last;
        else if (command == zorder::SendToBack)
            to = 0;
        else if (command == zorder::BringForward)
            to = std::min(at + 1, last);
        else if (command == zorder::SendBackward)
            to = std::max(at - 1, 0);
        if (to == at) return;
        s_->changing();
        setProperty(props, "ZOrder", to);
    });
}

void ImpressShape::remove() {
    s_->call([&] {
        s_->changing();
        UnoShape gone = shape_;
        auto parent = parentOf(gone);
        // A group whose last member goes goes with it, as it does in PowerPoint.
        while (Reference<css::container::XIndexAccess>(parent, css::uno::UNO_QUERY_THROW)->getCount() == 1) {
            UnoShape group(parent, css::uno::UNO_QUERY);
            if (!group.is() || s_->typeOf(group) != shapetype::Group) break;
            gone = group;
            parent = parentOf(gone);
        }
        s_->forget(gone);
        parent->remove(gone);
    });
}

class ImpressRange : public ShapeRange {
public:
    ImpressRange(SessionPtr s, ShapeList shapes) : s_(std::move(s)), shapes_(std::move(shapes)) {}
    int count() const override { return static_cast<int>(shapes_.size()); }
    ShapePtr item(int index) override {
        if (index < 1 || index > count()) throw HostError("The index is outside the range of shapes.");
        return shapeHandle(s_, shapes_[index - 1]);
    }
    void setName(const std::string& name) override {
        if (shapes_.size() != 1) throw HostError("Only a single shape can be named.");
        shapeHandle(s_, shapes_[0])->setName(name);
    }
    ShapePtr group() override;
    void select(bool replace) override {
        s_->call([&] { selectShapes(*s_, shapes_, replace); });
    }
    void zOrder(int command) override {
        for (const auto& shape : shapes_) shapeHandle(s_, shape)->zOrder(command);
    }
    void remove() override {
        for (const auto& shape : shapes_) shapeHandle(s_, shape)->remove();
    }
    void incrementLeft(float v) override {
        for (const auto& shape : shapes_) shapeHandle(s_, shape)->incrementLeft(v);
    }
    void incrementTop(float v) override {
        for (const auto& shape : shapes_) shapeHandle(s_, shape)->incrementTop(v);
    }
    int type() const override {
        if (shapes_.empty()) throw HostError("The range holds no shapes.");
        const int first = shapeHandle(s_, shapes_[0])->type();
        for (const auto& shape : shapes_)
            if (shapeHandle(s_, shape)->type() != first) return shapetype::Mixed;
        return first;
    }
    TextFrame& textFrame() override {
        if (shapes_.size() != 1) throw HostError("Only a single shape has a text frame.");
        single_ = shapeHandle(s_, shapes_[0]);
        return single_->textFrame();
    }

private:
    SessionPtr s_;
    ShapeList shapes_;
    ShapePtr single_;  // keeps the shape whose text frame was handed out
};

ShapePtr ImpressRange::group() {
    if (shapes_.size() < 2) throw HostError("At least two shapes are needed to make a group.");
    UnoShape group = s_->call([&] {
        auto page = s_->page();
        auto members = css::drawing::ShapeCollection::create(s_->link->context());
        for (const auto& shape : shapes_) {
            if (identity(parentOf(shape)) != identity(page))
                throw HostError(
                    "The shape \"" +
                    utf8(Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName()) +
                    "\" is not on the slide itself.");
            members->add(shape);
        }
        s_->changing();
        const std::string name = s_->defaultName("Group ");
        Reference<css::drawing::XShapeGrouper> grouper(page, css::uno::UNO_QUERY_THROW);
        UnoShape made(grouper->group(members), css::uno::UNO_QUERY_THROW);
        if (s_->inserting()) s_->inserted(made);
        s_->set(made, "Name", css::uno::Any(ou(name)));
        return made;
    });
    return shapeHandle(s_, group);
}

}  // namespace

ShapePtr shapeHandle(SessionPtr session, UnoShape shape) {
    return std::make_shared<ImpressShape>(std::move(session), std::move(shape));
}

ShapeRangePtr rangeHandle(SessionPtr session, std::vector<UnoShape> shapes) {
    return std::make_shared<ImpressRange>(std::move(session), std::move(shapes));
}

void selectShapes(Session& session, const std::vector<UnoShape>& shapes, bool replace) {
    auto chosen = css::drawing::ShapeCollection::create(session.link->context());
    if (!replace)
        for (const auto& shape : selectedShapes(session)) chosen->add(shape);
    for (const auto& shape : shapes) chosen->add(shape);
    Reference<css::view::XSelectionSupplier> supplier(session.controller(), css::uno::UNO_QUERY_THROW);
    supplier->select(css::uno::Any(chosen));
}

std::vector<UnoShape> selectedShapes(Session& session) {
    Reference<css::view::XSelectionSupplier> supplier(session.controller(), css::uno::UNO_QUERY_THROW);
    css::uno::Any selection = supplier->getSelection();
    std::vector<UnoShape> out;
    Reference<css::container::XIndexAccess> shapes;
    if (selection >>= shapes) {
        for (sal_Int32 i = 0; i < shapes->getCount(); ++i) {
            UnoShape shape(shapes->getByIndex(i), css::uno::UNO_QUERY);
            if (shape.is()) out.push_back(shape);
        }
    }
    return out;
}

}  // namespace office::impress
