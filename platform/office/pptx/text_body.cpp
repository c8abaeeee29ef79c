#include "platform/office/pptx/text_body.h"

#include <algorithm>

#include "common/text.h"
#include "platform/office/pptx/xml.h"

namespace office::pptx {

namespace {

std::u32string runText(const pugi::xml_node& run) {
    return common::toUtf32(run.child("a:t").text().get());
}

void setRunText(pugi::xml_node run, std::u32string_view text) {
    auto t = run.child("a:t") ? run.child("a:t") : run.append_child("a:t");
    t.text().set(xmlSafe(common::toUtf8(text)).c_str());
}

pugi::xml_node insertInto(pugi::xml_node paragraph, pugi::xml_node before, const char* name) {
    return before ? paragraph.insert_child_before(name, before) : paragraph.append_child(name);
}

void addProperties(pugi::xml_node node, const pugi::xml_node& style, const char* name) {
    if (style) node.prepend_copy(style).set_name(name);
}

pugi::xml_node ensureRunProperties(pugi::xml_node run) {
    return run.child("a:rPr") ? run.child("a:rPr") : run.prepend_child("a:rPr");
}

pugi::xml_node ensureEndProperties(pugi::xml_node paragraph) {
    return paragraph.child("a:endParaRPr") ? paragraph.child("a:endParaRPr")
                                           : paragraph.append_child("a:endParaRPr");
}

std::vector<std::u32string> paragraphsOf(std::u32string_view text) {
    std::vector<std::u32string> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            out.emplace_back();
        } else {
            out.back() += text[i];
        }
    }
    return out;
}

}  // namespace

TextBody::TextBody(pugi::xml_node txBody) : body_(txBody) {}

std::vector<TextBody::Segment> TextBody::segments() const {
    std::vector<Segment> out;
    std::size_t at = 0;
    std::vector<pugi::xml_node> paragraphs;
    for (auto p : body_.children("a:p")) paragraphs.push_back(p);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        for (auto child : paragraphs[i].children()) {
            std::string_view name = child.name();
            std::size_t n = name == "a:br" ? 1 : name == "a:r" || name == "a:fld" ? runText(child).size() : 0;
            if (name == "a:br" || name == "a:r" || name == "a:fld") out.push_back({child, at, n, false});
            at += n;
        }
        if (i + 1 < paragraphs.size()) out.push_back({paragraphs[i], at++, 1, true});
    }
    return out;
}

std::size_t TextBody::length() const {
    auto all = segments();
    return all.empty() ? 0 : all.back().start + all.back().length;
}

std::u32string TextBody::text() const {
    std::u32string out;
    for (const auto& s : segments()) {
        std::string_view name = s.node.name();
        out += s.paragraphEnd ? U"\r" : name == "a:br" ? U"\v" : runText(s.node);
    }
    return out;
}

pugi::xml_node TextBody::lastParagraph() {
    auto last = body_.last_child();
    while (last && std::string_view(last.name()) != "a:p") last = last.previous_sibling();
    return last ? last : body_.append_child("a:p");
}

pugi::xml_node TextBody::propertiesAt(std::size_t index) const {
    for (const auto& s : segments())
        if (index >= s.start && index < s.start + s.length)
            return s.paragraphEnd ? s.node.child("a:endParaRPr") : s.node.child("a:rPr");
    return const_cast<TextBody*>(this)->lastParagraph().child("a:endParaRPr");
}

void TextBody::splitAt(std::size_t at) {
    for (const auto& s : segments()) {
        if (s.paragraphEnd || at <= s.start || at >= s.start + s.length) continue;
        auto run = s.node;
        if (std::string_view(run.name()) == "a:fld") {
            // A field cut in two is no longer that field: its parts become plain text.
            run.set_name("a:r");
            run.remove_attribute("id");
            run.remove_attribute("type");
            run.remove_child("a:pPr");
        }
        std::u32string text = runText(run);
        auto tail = run.parent().insert_copy_after(run, run);
        setRunText(run, text.substr(0, at - s.start));
        setRunText(tail, text.substr(at - s.start));
        return;
    }
}

void TextBody::mergeWithNext(pugi::xml_node paragraph) {
    auto next = paragraph.next_sibling("a:p");
    if (!next) return;
    paragraph.remove_child("a:endParaRPr");
    std::vector<pugi::xml_node> moved;
    for (auto child : next.children())
        if (std::string_view(child.name()) != "a:pPr") moved.push_back(child);
    for (auto child : moved) paragraph.append_move(child);
    body_.remove_child(next);
}

void TextBody::replace(std::size_t from, std::size_t count, std::u32string_view text) {
    std::size_t total = length();
    from = std::min(from, total);
    std::size_t end = from + std::min(count, total - from);
    pugi::xml_document style;
    if (auto props = propertiesAt(from)) style.append_copy(props);
    splitAt(from);
    splitAt(end);
    auto all = segments();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->start < from || it->start + it->length > end || (it->length == 0 && end == from)) continue;
        if (it->paragraphEnd)
            mergeWithNext(it->node);
        else
            it->node.parent().remove_child(it->node);
    }
    if (text.empty()) return;

    pugi::xml_node paragraph = lastParagraph(), before = paragraph.child("a:endParaRPr");
    for (const auto& s : segments()) {
        if (s.start < from) continue;
        paragraph = s.paragraphEnd ? s.node : s.node.parent();
        before = s.paragraphEnd ? s.node.child("a:endParaRPr") : s.node;
        break;
    }
    auto pieces = paragraphsOf(text);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (k > 0) {
            auto next = body_.insert_child_after("a:p", paragraph);
            if (auto pPr = paragraph.child("a:pPr")) next.append_copy(pPr);
            std::vector<pugi::xml_node> moved;
            for (auto n = before; n; n = n.next_sibling()) moved.push_back(n);
            for (auto n : moved) next.append_move(n);
            if (style.first_child()) paragraph.append_copy(style.first_child()).set_name("a:endParaRPr");
            paragraph = next;
        }
        std::u32string chunk;
        auto flush = [&] {
            if (chunk.empty()) return;
            auto run = insertInto(paragraph, before, "a:r");
            addProperties(run, style.first_child(), "a:rPr");
            setRunText(run, chunk);
            chunk.clear();
        };
        for (char32_t c : pieces[k]) {
            if (c != U'\v') {
                chunk += c;
                continue;
            }
            flush();
            addProperties(insertInto(paragraph, before, "a:br"), style.first_child(), "a:rPr");
        }
        flush();
    }
}

void TextBody::format(std::size_t from, std::size_t count,
                      const std::function<void(pugi::xml_node)>& change) {
    std::size_t total = length();
    std::size_t start = std::min(from, total);
    std::size_t end = start + std::min(count, total - start);
    splitAt(start);
    splitAt(end);
    for (const auto& s : segments()) {
        if (s.length == 0 || s.start < start || s.start + s.length > end) continue;
        change(s.paragraphEnd ? ensureEndProperties(s.node) : ensureRunProperties(s.node));
    }
    if (from == 0 && count >= total) change(ensureEndProperties(lastParagraph()));
}

}  // namespace office::pptx
