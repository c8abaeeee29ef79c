#include "platform/office/impress/text_objects.h"

#include <algorithm>
#include <cmath>
#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/XPropertyState.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>

#include "platform/office/impress/shape_objects.h"
#include "platform/office/impress/uno_values.h"

namespace office::impress {

namespace {

constexpr std::size_t kWholeText = std::size_t(1) << 30;
// The share of its size that text off the baseline is drawn at, in per cent.
constexpr sal_Int8 kOffBaselineHeight = 58;
// What a replaced text takes over from its first character.
const char* const kRunLook[] = {"CharFontName",   "CharFontNameAsian",   "CharHeight",
                                "CharWeight",     "CharPosture",         "CharColor",
                                "CharEscapement", "CharEscapementHeight"};

Reference<css::text::XText> textOf(const UnoShape& shape) {
    Reference<css::text::XText> text(shape, css::uno::UNO_QUERY);
    if (!text.is()) throw HostError(messages::kLiveNoTextFrame);
    return text;
}

// The UTF-16 index of a position counted in characters (code points).
sal_Int32 unitsBefore(const rtl::OUString& text, std::size_t chars) {
    sal_Int32 at = 0;
    for (std::size_t n = 0; n < chars && at < text.getLength(); ++n) text.iterateCodePoints(&at);
    return at;
}

std::size_t charsIn(const rtl::OUString& text) {
    std::size_t n = 0;
    for (sal_Int32 at = 0; at < text.getLength(); ++n) text.iterateCodePoints(&at);
    return n;
}

void goRight(const Reference<css::text::XTextCursor>& cursor, sal_Int32 units, bool expand) {
    while (units > 0) {
        const sal_Int16 step = static_cast<sal_Int16>(std::min<sal_Int32>(units, 0x7FFF));
        cursor->goRight(step, expand);
        units -= step;
    }
}

// Characters [from, from + count) of a shape's text; the whole text stays whole as it
// changes, as TextFrame.TextRange does.
struct Span {
    SessionPtr s;
    UnoShape shape;
    std::size_t from = 0, count = kWholeText;

    bool whole() const { return from == 0 && count == kWholeText; }
    Reference<css::text::XTextCursor> cursor() const {
        auto text = textOf(shape);
        const rtl::OUString all = text->getString();
        const sal_Int32 begin = unitsBefore(all, from);
        const sal_Int32 end = unitsBefore(all, from + std::min(count, kWholeText));
        auto cursor = text->createTextCursor();
        cursor->gotoStart(false);
        goRight(cursor, begin, false);
        goRight(cursor, end - begin, true);
        return cursor;
    }
    // Where the span's formatting is read: its first character, or the shape's own
    // character properties when there is none.
    Reference<css::beans::XPropertySet> readAt() const {
        auto text = textOf(shape);
        if (charsIn(text->getString()) <= from) return propertiesOf(shape);
        Span first{s, shape, from, 1};
        return propertiesOf(first.cursor());
    }
};

class ImpressFont : public Font {
public:
    explicit ImpressFont(const Span& span) : span_(span) {}
    float size() const override { return read<float>("CharHeight"); }
    void setSize(float pts) override {
        if (!(pts >= 1 && pts <= 4000)) throw HostError(messages::kLiveFontSize);
        write("CharHeight", pts);
    }
    bool bold() const override { return read<float>("CharWeight") >= css::awt::FontWeight::BOLD; }
    void setBold(bool on) override {
        write("CharWeight", on ? css::awt::FontWeight::BOLD : css::awt::FontWeight::NORMAL);
    }
    bool italic() const override {
        return read<css::awt::FontSlant>("CharPosture") != css::awt::FontSlant_NONE;
    }
    void setItalic(bool on) override {
        write("CharPosture", on ? css::awt::FontSlant_ITALIC : css::awt::FontSlant_NONE);
    }
    std::string nameAscii() const override { return utf8(read<rtl::OUString>("CharFontName")); }
    void setNameAscii(const std::string& name) override { write("CharFontName", ou(name)); }
    std::string nameFarEast() const override { return utf8(read<rtl::OUString>("CharFontNameAsian")); }
    void setNameFarEast(const std::string& name) override { write("CharFontNameAsian", ou(name)); }
    float baselineOffset() const override { return read<sal_Int16>("CharEscapement") / 100.f; }
    void setBaselineOffset(float offset) override {
        if (!(offset >= -1 && offset <= 1)) throw HostError(messages::kLiveBaseline);
        // Text off its baseline is drawn smaller, as in the presentation program of the
        // deck file (LibreOffice reads such a run of a .pptx so too).
        write("CharEscapement", static_cast<sal_Int16>(std::lround(offset * 100)));
        write("CharEscapementHeight", static_cast<sal_Int8>(offset == 0 ? 100 : kOffBaselineHeight));
    }
    common::Rgb color() const override { return rgbOf(read<sal_Int32>("CharColor")); }
    void setColor(common::Rgb color) override { write("CharColor", unoColor(color)); }

private:
    template <typename T>
    T read(const char* name) const {
        return span_.s->call([&] { return property<T>(span_.readAt(), name); });
    }
    // The whole text takes the shape's own properties, in the command's batch, so that
    // text set later has them too.
    template <typename T>
    void write(const char* name, const T& value) {
        Session& s = *span_.s;
        if (span_.whole()) {
            s.buffered([&] {
                s.changing();
                s.set(span_.shape, name, css::uno::Any(value));
            });
            return;
        }
        s.call([&] {
            s.changing();
            setProperty(propertiesOf(span_.cursor()), name, value);
        });
    }
    Span span_;
};

class ImpressTextRange : public TextRange {
public:
    explicit ImpressTextRange(Span span) : span_(std::move(span)), font_(span_) {}
    std::string text() const override {
        return span_.s->call([&] {
            const rtl::OUString all = textOf(span_.shape)->getString();
            const sal_Int32 begin = unitsBefore(all, span_.from);
            const sal_Int32 end = unitsBefore(all, span_.from + std::min(span_.count, kWholeText));
            return utf8(all.copy(begin, end - begin));
        });
    }
    void setText(const std::string& text) override {
        span_.s->call([&] {
            span_.s->changing();
            span_.shape = span_.s->recordable(span_.shape);
            if (span_.whole()) {
                replaceWholeText(text);
                return;
            }
            auto cursor = span_.cursor();
            const std::size_t before = charsIn(cursor->getString());
            cursor->setString(ou(text));
            span_.s->hasText(span_.shape);
            span_.count = span_.count - std::min(span_.count, before) + charsIn(ou(text));
        });
        font_ = ImpressFont(span_);
    }
    std::unique_ptr<TextRange> characters(int start, int length) override {
        if (start < 1 || length < 0) throw HostError(messages::kLiveCharacters);
        span_.s->buffered([&] { textOf(span_.shape); });
        Span part = span_;
        part.from = span_.from + static_cast<std::size_t>(start - 1);
        const std::size_t end = span_.count == kWholeText ? kWholeText : span_.from + span_.count;
        part.count =
            part.from >= end ? 0 : std::min<std::size_t>(static_cast<std::size_t>(length), end - part.from);
        return std::make_unique<ImpressTextRange>(part);
    }
    Font& font() override { return font_; }
    void select() override {
        span_.s->call([&] {
            textOf(span_.shape);
            selectShapes(*span_.s, {span_.shape}, true);
            if (!span_.whole())
                span_.s->chosenText = Session::ChosenText{span_.shape, span_.from, span_.count};
        });
    }

private:
    // The new text looks as the first character of the old one did, as a deck file's
    // first run keeps its look.
    void replaceWholeText(const std::string& text) {
        auto whole = textOf(span_.shape);
        std::vector<std::pair<rtl::OUString, css::uno::Any>> look;
        if (!whole->getString().isEmpty()) {
            auto first = Span{span_.s, span_.shape, 0, 1}.cursor();
            Reference<css::beans::XPropertyState> states(first, css::uno::UNO_QUERY_THROW);
            for (const char* name : kRunLook) {
                const auto property = rtl::OUString::createFromAscii(name);
                if (states->getPropertyState(property) == css::beans::PropertyState_DIRECT_VALUE)
                    look.emplace_back(property, propertiesOf(first)->getPropertyValue(property));
            }
        }
        whole->setString(ou(text));
        if (text.empty()) return;
        span_.s->hasText(span_.shape);
        auto all = whole->createTextCursor();
        all->gotoStart(false);
        all->gotoEnd(true);
        for (const auto& [name, value] : look) propertiesOf(all)->setPropertyValue(name, value);
    }
    Span span_;
    ImpressFont font_;
};

class ImpressTextFrame : public TextFrame {
public:
    ImpressTextFrame(SessionPtr s, UnoShape shape) : s_(s), shape_(shape), range_(Span{s, shape}) {}
    float marginLeft() const override { return margin("TextLeftDistance"); }
    float marginRight() const override { return margin("TextRightDistance"); }
    float marginTop() const override { return margin("TextUpperDistance"); }
    float marginBottom() const override { return margin("TextLowerDistance"); }
    void setMarginLeft(float v) override { setMargin("TextLeftDistance", v); }
    void setMarginRight(float v) override { setMargin("TextRightDistance", v); }
    void setMarginTop(float v) override { setMargin("TextUpperDistance", v); }
    void setMarginBottom(float v) override { setMargin("TextLowerDistance", v); }
    TextRange& textRange() override {
        s_->buffered([&] { textOf(shape_); });
        return range_;
    }

private:
    float margin(const char* name) const {
        return points(s_->buffered([&] {
            textOf(shape_);
            return s_->get<sal_Int32>(shape_, name);
        }));
    }
    void setMargin(const char* name, float pts) {
        if (!(pts >= 0)) throw HostError(messages::kLiveNegativeMargin);
        s_->buffered([&] {
            textOf(shape_);
            s_->changing();
            s_->set(shape_, name, css::uno::Any(hmm(pts)));
        });
    }
    SessionPtr s_;
    UnoShape shape_;
    ImpressTextRange range_;
};

}  // namespace

std::unique_ptr<TextFrame> textFrameOf(SessionPtr session, Reference<css::drawing::XShape> shape) {
    return std::make_unique<ImpressTextFrame>(std::move(session), std::move(shape));
}

std::unique_ptr<TextRange> chosenTextOf(SessionPtr session, Reference<css::drawing::XShape> shape) {
    Span span{session, shape};
    if (const auto& chosen = session->chosenText; chosen && identity(chosen->shape) == identity(shape)) {
        span.from = chosen->from;
        span.count = chosen->count;
    }
    return std::make_unique<ImpressTextRange>(span);
}

}  // namespace office::impress
