#pragma once
// A .pptx deck: its package, the slide list and the slides read so far. Parts it did
// not change are copied into the saved file as they are stored.
#include <map>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/office/pptx/atomic_file.h"
#include "platform/office/pptx/slide_part.h"
#include "platform/office/pptx/zip_reader.h"

namespace office::pptx {

class Deck {
public:
    // Throws HostError naming the deck and the reason when it cannot be opened.
    static std::unique_ptr<Deck> open(const std::string& path);
    // A new deck of 720 x 540 points without slides, written to `path` when saved.
    static std::unique_ptr<Deck> create(const std::string& path);

    const std::string& path() const { return path_; }
    float slideWidth() const { return width_; }
    float slideHeight() const { return height_; }
    int slideCount() const { return static_cast<int>(slideParts_.size()); }
    // 1-based; HostError when there is no such slide or it cannot be read.
    SlidePart& slide(int number);
    // A blank slide at the 1-based position.
    void addBlankSlide(int index);
    // Stores a picture file ("png", "svg") as a new media part related to the slide;
    // returns the relationship's id. HostError when the deck cannot take it.
    std::string addMedia(const SlidePart& slide, std::string bytes, const std::string& extension);

    // The file as it was when read or last written; none before a new deck is written.
    const std::optional<FileStamp>& stamp() const { return stamp_; }
    bool unsaved() const;
    // Writes the deck over its file, which was found as `onDisk` just before; HostError
    // when it cannot, ChangedMeanwhile (and the file as the other program left it) when
    // another program saved it meanwhile.
    void save(const std::optional<FileStamp>& onDisk);
    // Writes the deck to a new file beside its own and returns that file's name.
    std::string saveCopy();

    // Parts by name (zip entry names), for copying shapes between decks.
    bool hasPart(const std::string& name) const { return partExists(name); }
    std::string partBytes(const std::string& name) const { return readPart(name); }
    // The content type the package gives the part; empty when it gives none.
    std::string contentTypeOf(const std::string& name);
    // Writes a part, new or not; a content type, when given, is declared for it.
    void putPart(const std::string& name, std::string bytes, const std::string& contentType);

private:
    explicit Deck(std::string path) : path_(std::move(path)) {}
    void readStructure();
    std::string readPart(const std::string& name) const;
    bool partExists(const std::string& name) const;
    // The name under which the package stores a part that relationships may name in
    // another case; every part is read and written by this one name.
    std::string storedName(const std::string& name) const;
    void setPart(const std::string& name, std::string xml);
    std::string blankLayout();
    std::string targetOf(const std::string& part, std::string_view kind) const;
    // What the slide takes from its layout, master and theme.
    void inheritInto(SlidePart& slide) const;
    void registerSlide(const std::string& part, int index);
    void declareExtension(const std::string& extension, const char* contentType);
    std::string relate(const std::string& source, const std::string& kind, const std::string& target);
    FileStamp writeTo(const std::string& target, const std::optional<FileStamp>& lastSeen,
                      const std::function<void(const std::string&)>& written);
    // reason: what the teacher reads; detail: what happened, for developers.
    [[noreturn]] void fail(const std::string& reason, const std::string& detail) const;

    std::string path_;
    std::unique_ptr<ZipReader> zip_;
    std::optional<FileStamp> stamp_;
    std::map<std::string, std::string> pending_;  // parts written anew
    std::vector<std::string> newParts_;           // those not in the file yet, in order
    std::string presentationPart_;
    pugi::xml_document presentation_, presentationRels_, contentTypes_;
    bool structureChanged_ = false;
    bool contentTypesChanged_ = false;
    float width_ = 720, height_ = 540;
    std::vector<std::string> slideParts_;
    std::map<std::string, std::unique_ptr<SlidePart>> slides_;
};

}  // namespace office::pptx
