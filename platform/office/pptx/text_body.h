#pragma once
// The text of a shape (p:txBody) as the object model counts it: characters (code
// points), "\r" between paragraphs and "\v" for a line break. Formatting a range splits
// runs at its ends so only those characters change.
#include <functional>
#include <pugixml.hpp>
#include <string>

namespace office::pptx {

class TextBody {
public:
    explicit TextBody(pugi::xml_node txBody);

    std::u32string text() const;
    // Replaces the characters [from, from + count) (clamped to the text); new text takes
    // the properties of the first replaced character, or of text typed at the end.
    void replace(std::size_t from, std::size_t count, std::u32string_view text);
    // Changes the run properties of the characters [from, from + count); a range that
    // covers the whole text also changes the properties of text typed later.
    void format(std::size_t from, std::size_t count, const std::function<void(pugi::xml_node rPr)>& change);
    // The run properties in force at a character (those of text typed at the end past it).
    pugi::xml_node propertiesAt(std::size_t index) const;

private:
    struct Segment {
        pugi::xml_node node;  // a:r, a:br, a:fld, or the a:p whose end it is
        std::size_t start, length;
        bool paragraphEnd;
    };
    std::vector<Segment> segments() const;
    std::size_t length() const;
    void splitAt(std::size_t at);
    pugi::xml_node lastParagraph();
    void mergeWithNext(pugi::xml_node paragraph);
    pugi::xml_node body_;
};

}  // namespace office::pptx
