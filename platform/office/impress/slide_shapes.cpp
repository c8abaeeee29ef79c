#include "platform/office/impress/slide_shapes.h"

#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/drawing/PolyPolygonBezierCoords.hpp>
#include <com/sun/star/drawing/TextHorizontalAdjust.hpp>
#include <com/sun/star/drawing/TextVerticalAdjust.hpp>
#include <com/sun/star/graphic/GraphicProvider.hpp>
#include <com/sun/star/io/SequenceInputStream.hpp>
#include <utility>
#include <vector>

#include "platform/office/impress/formula_object.h"
#include "platform/office/impress/shape_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

using css::uno::Any;

// The look of a shape nobody has formatted yet, as the deck file gives it: a black line
// of 0.75 pt.
constexpr common::Rgb kDefaultLineColor = common::kBlack;
constexpr common::Rgb kDefaultFillColor = common::rgb(0x4F, 0x81, 0xBD);
constexpr float kDefaultLineWeight = 0.75f;

using Properties = std::vector<std::pair<const char*, Any>>;

Properties outline() {
    return {{"LineStyle", Any(css::drawing::LineStyle_SOLID)},
            {"LineColor", Any(unoColor(kDefaultLineColor))},
            {"LineWidth", Any(hmm(kDefaultLineWeight))},
            {"LineDash", Any(lineDashOf(dash::Solid))}};
}

Properties filled() {
    Properties p = outline();
    p.push_back({"FillStyle", Any(css::drawing::FillStyle_SOLID)});
    p.push_back({"FillColor", Any(unoColor(kDefaultFillColor))});
    return p;
}

// PowerPoint's text box: no line, no fill, 18-point black Arial, its margins; it
// neither wraps nor grows, and its text starts at the top left.
Properties textBox() {
    return {{"LineStyle", Any(css::drawing::LineStyle_NONE)},
            {"FillStyle", Any(css::drawing::FillStyle_NONE)},
            {"TextAutoGrowHeight", Any(false)},
            {"TextAutoGrowWidth", Any(false)},
            {"TextWordWrap", Any(false)},
            {"TextLeftDistance", Any(hmm(7.2))},
            {"TextRightDistance", Any(hmm(7.2))},
            {"TextUpperDistance", Any(hmm(3.6))},
            {"TextLowerDistance", Any(hmm(3.6))},
            {"TextVerticalAdjust", Any(css::drawing::TextVerticalAdjust_TOP)},
            {"TextHorizontalAdjust", Any(css::drawing::TextHorizontalAdjust_LEFT)},
            {"CharHeight", Any(18.f)},
            {"CharFontName", Any(ou("Arial"))},
            {"CharColor", Any(unoColor(common::kBlack))}};
}

css::awt::Point at(float x, float y) {
    return {hmm(x), hmm(y)};
}

class ImpressSlideHost : public SlideHost {
public:
    explicit ImpressSlideHost(SessionPtr s) : s_(std::move(s)) {}
    ShapePtr addLine(float x1, float y1, float x2, float y2) override {
        checkReach({{x1, y1}, {x2, y2}});
        return add("com.sun.star.drawing.LineShape", "Line ", [&](const UnoShape& shape) {
            const css::awt::Point ends[] = {at(x1, y1), at(x2, y2)};
            const css::drawing::PointSequence line(ends, 2);
            const css::drawing::PointSequenceSequence path(&line, 1);
            Properties p = outline();
            p.insert(p.begin(), {"PolyPolygon", Any(path)});
            setAll(*s_, shape, p);
        });
    }
    ShapePtr addShape(int type, float l, float t, float w, float h) override {
        if (type != kShapeOval && type != kShapeRectangle)
            throw HostError(messages::fill(messages::kLiveShapeType, {std::to_string(type)}));
        checkSize(w, h);
        checkReach({{l, t}, {l + w, t + h}});
        if (type == kShapeOval)
            return add("com.sun.star.drawing.EllipseShape", "Oval ", [&](const UnoShape& shape) {
                place(shape, l, t, w, h);
                setAll(*s_, shape, filled());
            });
        // A custom shape, not a rectangle shape: only custom shapes keep their hidden flag
        // when Impress saves the presentation as .pptx.
        return add("com.sun.star.drawing.CustomShape", "Rectangle ", [&](const UnoShape& shape) {
            css::beans::PropertyValue geometry;
            geometry.Name = "Type";
            geometry.Value <<= rtl::OUString("rectangle");
            s_->set(shape, "CustomShapeGeometry",
                    Any(css::uno::Sequence<css::beans::PropertyValue>(&geometry, 1)));
            // It keeps its size, as PowerPoint's rectangles do, whatever its text.
            s_->set(shape, "TextAutoGrowHeight", Any(false));
            place(shape, l, t, w, h);
            setAll(*s_, shape, filled());
        });
    }
    ShapePtr addCurve(const std::vector<PointF>& pts) override {
        if (pts.size() < 4 || (pts.size() - 1) % 3 != 0) throw HostError(messages::kLiveCurvePoints);
        checkReach(pts);
        return add("com.sun.star.drawing.OpenBezierShape", "Freeform ", [&](const UnoShape& shape) {
            css::drawing::PolyPolygonBezierCoords path;
            path.Coordinates.realloc(1);
            path.Flags.realloc(1);
            auto& points = path.Coordinates.getArray()[0];
            auto& flags = path.Flags.getArray()[0];
            points.realloc(static_cast<sal_Int32>(pts.size()));
            flags.realloc(static_cast<sal_Int32>(pts.size()));
            for (std::size_t i = 0; i < pts.size(); ++i) {
                points.getArray()[i] = at(pts[i].x, pts[i].y);
                flags.getArray()[i] =
                    i % 3 == 0 ? css::drawing::PolygonFlags_NORMAL : css::drawing::PolygonFlags_CONTROL;
            }
            Properties p = filled();
            p.insert(p.begin(), {"PolyPolygonBezier", Any(path)});
            setAll(*s_, shape, p);
        });
    }
    ShapePtr addLabel(int orientation, float l, float t, float w, float h) override {
        if (orientation != kTextHorizontal) throw HostError(messages::kLiveOnlyHorizontalText);
        checkSize(w, h);
        checkReach({{l, t}, {l + w, t + h}});
        return add("com.sun.star.drawing.TextShape", "TextBox ", [&](const UnoShape& shape) {
            setAll(*s_, shape, textBox());
            // It must stop growing before it takes its size.
            s_->flush();
            place(shape, l, t, w, h);
        });
    }
    int count() const override {
        return s_->call([&] { return static_cast<int>(s_->page()->getCount()); });
    }
    ShapePtr item(int index) override {
        UnoShape shape = s_->call([&] {
            auto page = s_->page();
            if (index < 1 || index > page->getCount())
                throw HostError(messages::fill(messages::kLiveNoShapeNumber, {std::to_string(index)}));
            return UnoShape(page->getByIndex(index - 1), css::uno::UNO_QUERY_THROW);
        });
        return shapeHandle(s_, shape);
    }
    ShapePtr item(const std::string& name) override {
        return shapeHandle(s_, s_->buffered([&] { return find(name); }));
    }
    ShapeRangePtr range(const std::vector<std::string>& names) override {
        std::vector<UnoShape> found = s_->buffered([&] {
            std::vector<UnoShape> shapes;
            for (const auto& name : names) {
                UnoShape shape = find(name);
                bool known = false;
                for (const auto& s : shapes) known = known || identity(s) == identity(shape);
                if (!known) shapes.push_back(shape);
            }
            return shapes;
        });
        return rangeHandle(s_, std::move(found));
    }
    void selectAll() override {
        s_->call([&] {
            auto page = s_->page();
            std::vector<UnoShape> all;
            for (sal_Int32 i = 0; i < page->getCount(); ++i)
                all.emplace_back(page->getByIndex(i), css::uno::UNO_QUERY);
            selectShapes(*s_, all, true);
        });
    }
    ShapeRangePtr paste() override {
        if (!s_->clipboard) throw HostError(messages::kLiveNothingCopied);
        const PictureData& picture = *s_->clipboard;
        checkSize(picture.width, picture.height);
        // An equation becomes a formula object, of the typesetter's size as on the deck file.
        const bool equation = !picture.mathml.empty();
        UnoShape shape =
            addShape(equation ? "com.sun.star.drawing.OLE2Shape" : "com.sun.star.drawing.GraphicObjectShape",
                     equation ? "TextBox " : "Picture ", [&](const UnoShape& made) {
                         if (equation) {
                             makeFormulaObject(*s_->link, made, picture);
                         } else {
                             s_->set(made, "Graphic", Any(graphicOf(picture)));
                             s_->set(made, "LineStyle", Any(css::drawing::LineStyle_NONE));
                             s_->set(made, "FillStyle", Any(css::drawing::FillStyle_NONE));
                         }
                         s_->set(made, "Title", Any(ou(picture.title)));
                         s_->set(made, "Description", Any(ou(picture.description)));
                         // Pasted from another program, a picture lands in the middle of the slide.
                         auto slide = propertiesOf(s_->page());
                         const float width = points(property<sal_Int32>(slide, "Width"));
                         const float height = points(property<sal_Int32>(slide, "Height"));
                         place(made, (width - picture.width) / 2, (height - picture.height) / 2,
                               picture.width, picture.height);
                     });
        return rangeHandle(s_, {shape});
    }

private:
    static void checkSize(float w, float h) {
        if (!(w >= 0 && h >= 0)) throw HostError(messages::kLiveNegativeSize);
    }
    static void place(const UnoShape& shape, float l, float t, float w, float h) {
        shape->setSize({hmm(w), hmm(h)});
        shape->setPosition(at(l, t));
    }
    static void setAll(Session& s, const UnoShape& shape, const Properties& properties) {
        for (const auto& [name, value] : properties) s.set(shape, name, value);
    }
    // The vector picture when there is one: it stays sharp at any size.
    Reference<css::graphic::XGraphic> graphicOf(const PictureData& picture) const {
        const std::string& bytes = picture.svg.empty() ? picture.png : picture.svg;
        const css::uno::Sequence<sal_Int8> data(reinterpret_cast<const sal_Int8*>(bytes.data()),
                                                static_cast<sal_Int32>(bytes.size()));
        const auto& context = s_->link->context();
        css::beans::PropertyValue source;
        source.Name = "InputStream";
        source.Value <<= css::io::SequenceInputStream::createStreamFromSequence(context, data);
        auto graphic = css::graphic::GraphicProvider::create(context)->queryGraphic(
            css::uno::Sequence<css::beans::PropertyValue>(&source, 1));
        if (!graphic.is()) throw HostError(messages::kLiveUnreadablePicture);
        return graphic;
    }
    template <typename Build>
    ShapePtr add(const char* service, const char* kind, Build build) {
        return shapeHandle(s_, addShape(service, kind, build));
    }
    template <typename Build>
    UnoShape addShape(const char* service, const char* kind, Build build) {
        return s_->call([&] {
            s_->changing();
            auto page = s_->page();
            UnoShape made(s_->factory()->createInstance(rtl::OUString::createFromAscii(service)),
                          css::uno::UNO_QUERY_THROW);
            const std::string name = s_->defaultName(kind);
            s_->inserted(made);
            page->add(made);
            build(made);
            s_->set(made, "Name", Any(ou(name)));
            return made;
        });
    }
    // The shape of that name on the slide itself.
    UnoShape find(const std::string& name) {
        if (UnoShape known = s_->named(name); known.is()) return known;
        s_->flush();
        auto page = s_->page();
        const rtl::OUString wanted = ou(name);
        for (sal_Int32 i = 0; i < page->getCount(); ++i) {
            UnoShape shape(page->getByIndex(i), css::uno::UNO_QUERY_THROW);
            if (Reference<css::container::XNamed>(shape, css::uno::UNO_QUERY_THROW)->getName() == wanted)
                return shape;
        }
        throw HostError(messages::fill(messages::kLiveShapeNotFound, {name}));
    }
    SessionPtr s_;
};

}  // namespace

std::unique_ptr<SlideHost> slideShapes(SessionPtr session) {
    return std::make_unique<ImpressSlideHost>(std::move(session));
}

}  // namespace office::impress
