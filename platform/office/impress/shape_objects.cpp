#include "platform/office/impress/shape_objects.h"

#include <algorithm>
#include <cmath>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XChild.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/drawing/ShapeCollection.hpp>
#include <com/sun/star/drawing/XShapeGrouper.hpp>
#include <com/sun/star/drawing/XShapes.hpp>
#include <com/sun/star/frame/DispatchHelper.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include "platform/office/impress/formula_object.h"
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
        if (all.empty()) throw HostError(what_);
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
    ImpressLine(SessionPtr s, UnoShape shape)
        : FormatBase(std::move(s), std::move(shape), messages::kLiveNoLine) {}
    common::Rgb foreColor() const override { return rgbOf(read<sal_Int32>("LineColor")); }
    void setForeColor(common::Rgb color) override {
        change([&](const UnoShape& t) { set(t, "LineColor", Any(unoColor(color))); });
    }
    int dashStyle() const override { return dashStyleOf(read<css::drawing::LineDash>("LineDash")); }
    void setDashStyle(int style) override {
        if (style < dash::Solid || style > dash::LongDashDot) throw HostError(messages::kLiveNoDashStyle);
        change([&](const UnoShape& t) {
            set(t, "LineDash", Any(lineDashOf(style)));
            if (s_->get<LineStyle>(t, "LineStyle") != LineStyle_NONE)
                set(t, "LineStyle", Any(lineStyleOf(style)));
        });
    }
    float weight() const override { return points(read<sal_Int32>("LineWidth")); }
    void setWeight(float pts) override {
        if (!(pts >= 0 && pts <= 1584)) throw HostError(messages::kLiveLineWeight);
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
    ImpressFill(SessionPtr s, UnoShape shape)
        : FormatBase(std::move(s), std::move(shape), messages::kLiveNoFill) {}
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
    if (!parent.is()) throw HostError(messages::kLiveShapeDeleted);
    return parent;
}

css::beans::PropertyValue argument(const char* name, sal_Int32 value) {
    css::beans::PropertyValue argument;
    argument.Name = rtl::OUString::createFromAscii(name);
    argument.Value <<= value;
    return argument;
}

// Moves shapes of the slide as the position dialog does, which Impress records and shows
// at once: the selection, if it holds them, moves with them.
void moveRecorded(Session& s, const ShapeList& shapes, sal_Int32 dx, sal_Int32 dy) {
    const auto before = selectedShapes(s);
    selectShapes(s, shapes, true);
    sal_Int32 left = SAL_MAX_INT32, top = SAL_MAX_INT32;
    for (const auto& shape : shapes) {
        const auto at = shape->getPosition();
        left = std::min(left, at.X);
        top = std::min(top, at.Y);
    }
    const css::beans::PropertyValue to[] = {argument("TransformPosX", left + dx),
                                            argument("TransformPosY", top + dy)};
    s.unlocked([&] {
        css::frame::DispatchHelper::create(s.link->context())
            ->executeDispatch(Reference<css::frame::XDispatchProvider>(s.controller()->getFrame(),
                                                                       css::uno::UNO_QUERY_THROW),
                              ".uno:TransformDialog", "", 0,
                              css::uno::Sequence<css::beans::PropertyValue>(to, 2));
    });
    auto same = [](const ShapeList& a, const ShapeList& b) {
        return std::is_permutation(
            a.begin(), a.end(), b.begin(), b.end(),
            [](const UnoShape& x, const UnoShape& y) { return identity(x) == identity(y); });
    };
    if (!same(before, shapes)) selectShapes(s, before, true);
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
    std::string title() const override { return text("Title"); }
    std::string alternativeText() const override { return text("Description"); }
    bool isEquation() const override {
        return s_->call([&] { return isFormulaObject(shape_); });
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
        if (!(v >= 0)) throw HostError(messages::kLiveNegativeSize);
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
            if (s_->typeOf(shape_) != shapetype::Group) throw HostError(messages::kLiveNotAGroup);
            return membersOf(shape_);
        });
        return rangeHandle(s_, std::move(members));
    }
    LineFormat& line() override { return line_; }
    FillFormat& fill() override { return fill_; }
    TextFrame& textFrame() override { return *frame_; }
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
        if (!(factor >= 0)) throw HostError(messages::kLiveNegativeScale);
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
        if (index < 1 || index > count()) throw HostError(messages::kLiveIndexOutside);
        return shapeHandle(s_, shapes_[index - 1]);
    }
    void setName(const std::string& name) override {
        if (shapes_.size() != 1) throw HostError(messages::kLiveOneShapeNamed);
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
    void incrementLeft(float v) override { nudge(v, 0); }
    void incrementTop(float v) override { nudge(0, v); }
    int type() const override {
        if (shapes_.empty()) throw HostError(messages::kLiveEmptyRange);
        const int first = shapeHandle(s_, shapes_[0])->type();
        for (const auto& shape : shapes_)
            if (shapeHandle(s_, shape)->type() != first) return shapetype::Mixed;
        return first;
    }
    TextFrame& textFrame() override {
        if (shapes_.size() != 1) throw HostError(messages::kLiveOneTextFrame);
        single_ = shapeHandle(s_, shapes_[0]);
        return single_->textFrame();
    }

private:
    void nudge(float dx, float dy) {
        const bool recorded = s_->call([&] {
            auto page = s_->page();
            return std::none_of(shapes_.begin(), shapes_.end(),
                                [&](const UnoShape& shape) {
                                    return s_->ownedByCommand(shape) ||
                                           identity(parentOf(shape)) != identity(page);
                                }) &&
                   !shapes_.empty();
        });
        if (!recorded) {
            for (const auto& shape : shapes_) {
                if (dx != 0) shapeHandle(s_, shape)->incrementLeft(dx);
                if (dy != 0) shapeHandle(s_, shape)->incrementTop(dy);
            }
            return;
        }
        s_->call([&] {
            s_->changing();
            moveRecorded(*s_, shapes_, hmm(dx), hmm(dy));
        });
    }
    SessionPtr s_;
    ShapeList shapes_;
    ShapePtr single_;  // keeps the shape whose text frame was handed out
};

ShapePtr ImpressRange::group() {
    if (shapes_.size() < 2) throw HostError(messages::kLiveGroupNeedsTwo);
    UnoShape group = s_->call([&] {
        auto page = s_->page();
        auto members = css::drawing::ShapeCollection::create(s_->link->context());
        for (const auto& shape : shapes_) {
            if (identity(parentOf(shape)) != identity(page))
                throw HostError(messages::fill(
                    messages::kLiveNotOnSlide,
                    {utf8(Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName())}));
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
    session.chosenText.reset();
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
