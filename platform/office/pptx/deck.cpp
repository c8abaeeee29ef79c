#include "platform/office/pptx/deck.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

#include "platform/office/host.h"
#include "platform/office/pptx/new_deck.h"
#include "platform/office/pptx/opc.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/xml.h"
#include "platform/office/pptx/zip_writer.h"

namespace office::pptx {

namespace {

constexpr const char* kRelationshipTypes =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kSlideType = "application/vnd.openxmlformats-officedocument.presentationml.slide+xml";
constexpr std::initializer_list<const char*> kPresentationOrder = {
    "p:sldMasterIdLst", "p:notesMasterIdLst", "p:handoutMasterIdLst", "p:sldIdLst", "p:sldSz", "p:notesSz"};

std::string inQuotes(const std::string& path) {
    return "\"" + path + "\"";
}

// Why a package cannot be used, in the teacher's words.
std::string reasonOf(const std::exception& e) {
    return common::ShownText(e, common::messages::kDeckReasonDamaged);
}

// One past the largest slide id, as the presentation programs number slides; the
// smallest free one when the largest is already the last an id may be.
long long newSlideId(const std::set<long long>& used) {
    constexpr long long kFirst = 256, kLast = 2147483647;
    if (used.empty()) return kFirst;
    if (*used.rbegin() < kLast) return std::max(kFirst, *used.rbegin() + 1);
    long long id = kFirst;
    while (used.count(id)) ++id;
    return id;
}

std::vector<Relationship> relationshipsOf(const pugi::xml_document& doc, const std::string& source) {
    return parseRelationships(writeXml(doc), source);
}

}  // namespace

void Deck::fail(const std::string& reason, const std::string& detail) const {
    throw HostError::said(common::messages::kDeckCannotOpen, {path_, reason},
                          "The deck " + inQuotes(path_) + " cannot be opened: " + detail + ".");
}

std::unique_ptr<Deck> Deck::open(const std::string& path) {
    std::unique_ptr<Deck> deck(new Deck(path));
    try {
        deck->stamp_ = stampOf(path);
        removeStaleTemporaries(path);
        deck->zip_ = std::make_unique<ZipReader>(path);
        deck->readStructure();
    } catch (const HostError&) {
        throw;
    } catch (const std::exception& e) {
        deck->fail(reasonOf(e), e.what());
    }
    return deck;
}

std::unique_ptr<Deck> Deck::create(const std::string& path) {
    std::unique_ptr<Deck> deck(new Deck(path));
    for (auto& [name, xml] : newDeckParts()) {
        deck->newParts_.push_back(name);
        deck->pending_[name] = std::move(xml);
    }
    deck->readStructure();
    return deck;
}

bool Deck::partExists(const std::string& name) const {
    return pending_.count(name) || (zip_ && zip_->has(name));
}

std::string Deck::readPart(const std::string& name) const {
    if (auto it = pending_.find(name); it != pending_.end()) return it->second;
    if (!zip_) throw std::runtime_error("the part \"" + name + "\" is missing");
    return zip_->read(name);
}

std::string Deck::storedName(const std::string& name) const {
    if (pending_.count(name) || !zip_) return name;
    return zip_->storedName(name);
}

void Deck::setPart(const std::string& name, std::string xml) {
    if (!partExists(name)) newParts_.push_back(name);
    pending_[name] = std::move(xml);
}

void Deck::readStructure() {
    if (!partExists("_rels/.rels"))
        throw std::runtime_error("it is not a presentation (it has no package relationships)");
    for (const auto& r : parseRelationships(readPart("_rels/.rels"), ""))
        if (isType(r, "officeDocument") && !r.external) presentationPart_ = storedName(r.target);
    if (presentationPart_.empty() || !partExists(presentationPart_))
        throw std::runtime_error("it has no presentation part");
    parseXml(presentation_, readPart(presentationPart_));
    usePlainPrefixes(presentation_);
    auto root = presentation_.document_element();
    if (std::string_view(root.name()) != "p:presentation")
        throw std::runtime_error("its main part is not a presentation");
    if (auto size = root.child("p:sldSz")) {
        width_ = static_cast<float>(size.attribute("cx").as_llong() / kEmuPerPoint);
        height_ = static_cast<float>(size.attribute("cy").as_llong() / kEmuPerPoint);
    }
    std::string relsPart = relationshipsPartOf(presentationPart_);
    std::map<std::string, std::string> targets;
    if (partExists(relsPart)) {
        parseXml(presentationRels_, readPart(relsPart));
        for (const auto& r : relationshipsOf(presentationRels_, presentationPart_))
            if (isType(r, "slide") && !r.external) targets[r.id] = storedName(r.target);
    }
    for (auto id : root.child("p:sldIdLst").children("p:sldId")) {
        auto it = targets.find(id.attribute("r:id").value());
        if (it == targets.end() || !partExists(it->second))
            throw std::runtime_error("its slide " + std::to_string(slideParts_.size() + 1) +
                                     " has no slide part");
        slideParts_.push_back(it->second);
    }
}

SlidePart& Deck::slide(int number) {
    if (number < 1 || number > slideCount())
        throw HostError::said(common::messages::kDeckNoSuchSlide,
                              {path_, std::to_string(number), std::to_string(slideCount())},
                              "The deck " + inQuotes(path_) + " has no slide " + std::to_string(number) +
                                  " (it has " + std::to_string(slideCount()) + ").");
    const std::string& part = slideParts_[number - 1];
    auto& loaded = slides_[part];
    if (!loaded) {
        try {
            loaded = std::make_unique<SlidePart>(part, readPart(part));
        } catch (const std::exception& e) {
            slides_.erase(part);
            fail(reasonOf(e),
                 "its slide " + std::to_string(number) + " (" + part + ") cannot be read: " + e.what());
        }
        try {
            inheritInto(*loaded);
        } catch (const std::exception&) {
            // A damaged layout only leaves placeholders without a known place; the slide is still usable.
        }
    }
    return *loaded;
}

std::string Deck::targetOf(const std::string& part, std::string_view kind) const {
    std::string relsPart = relationshipsPartOf(part);
    if (!partExists(relsPart)) return {};
    for (const auto& r : parseRelationships(readPart(relsPart), part))
        if (isType(r, kind) && !r.external && partExists(r.target)) return storedName(r.target);
    return {};
}

void Deck::inheritInto(SlidePart& slide) const {
    std::vector<InheritedPlace> places;
    SchemeColors scheme;
    auto parse = [&](pugi::xml_document& doc, const std::string& part) {
        parseXml(doc, readPart(part));
        usePlainPrefixes(doc);
        return doc.document_element();
    };
    auto collect = [&](const std::string& part, bool fromMaster) {
        pugi::xml_document doc;
        auto root = parse(doc, part);
        for (auto shape : shapesIn(root.child("p:cSld").child("p:spTree"))) {
            auto ph = placeholderOf(shape);
            if (ph && hasOwnBox(shape))
                places.push_back({ph.attribute("type").as_string("obj"), ph.attribute("idx").value(),
                                  boxOf(shape), fromMaster});
        }
        std::string theme = fromMaster ? targetOf(part, "theme") : "";
        if (theme.empty()) return;
        pugi::xml_document themeDoc;
        for (auto colour : parse(themeDoc, theme).child("a:themeElements").child("a:clrScheme").children())
            if (auto rgb = colorOf(colour)) scheme[std::string(localName(colour))] = *rgb;
        for (auto mapping : root.child("p:clrMap").attributes())
            if (auto it = scheme.find(std::string_view(mapping.value())); it != scheme.end())
                scheme[mapping.name()] = it->second;
    };
    std::string layout = targetOf(slide.partName(), "slideLayout");
    if (!layout.empty()) {
        collect(layout, false);
        if (std::string master = targetOf(layout, "slideMaster"); !master.empty()) collect(master, true);
    }
    slide.inherit(std::move(places), std::move(scheme));
}

std::string Deck::blankLayout() {
    std::string first;
    for (const auto& master : relationshipsOf(presentationRels_, presentationPart_)) {
        if (!isType(master, "slideMaster") || master.external) continue;
        std::string relsPart = relationshipsPartOf(master.target);
        if (!partExists(relsPart)) continue;
        for (const auto& layout : parseRelationships(readPart(relsPart), master.target)) {
            if (!isType(layout, "slideLayout") || layout.external || !partExists(layout.target)) continue;
            pugi::xml_document doc;
            parseXml(doc, readPart(layout.target));
            if (std::string_view(doc.document_element().attribute("type").value()) == "blank")
                return storedName(layout.target);
            if (first.empty()) first = storedName(layout.target);
        }
    }
    if (first.empty()) throw std::runtime_error("it has no slide layout");
    return first;
}

void Deck::addBlankSlide(int index) {
    if (index < 1 || index > slideCount() + 1)
        throw HostError("A slide cannot be added at position " + std::to_string(index) + ".");
    try {
        std::string layout = blankLayout();
        std::string folder = presentationPart_.substr(0, presentationPart_.rfind('/') + 1) + "slides/";
        std::string part;
        for (int k = 1; part.empty() || partExists(part); ++k)
            part = folder + "slide" + std::to_string(k) + ".xml";
        setPart(part, blankSlideXml());
        setPart(relationshipsPartOf(part),
                R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                R"(<Relationship Id="rId1" Type=")" +
                    std::string(kRelationshipTypes) + "slideLayout\" Target=\"" +
                    relativeTarget(part, layout) + "\"/></Relationships>");
        registerSlide(part, index);
    } catch (const HostError&) {
        throw;
    } catch (const std::exception& e) {
        throw HostError::said(common::messages::kDeckCannotAdd, {path_, reasonOf(e)},
                              "The deck " + inQuotes(path_) + " cannot take a new slide: " + e.what() + ".");
    }
}

void Deck::registerSlide(const std::string& part, int index) {
    if (!contentTypes_.document_element()) parseXml(contentTypes_, readPart("[Content_Types].xml"));
    auto type = contentTypes_.document_element().append_child("Override");
    type.append_attribute("PartName") = ("/" + part).c_str();
    type.append_attribute("ContentType") = kSlideType;

    if (!presentationRels_.document_element())
        presentationRels_.append_child("Relationships").append_attribute("xmlns") =
            "http://schemas.openxmlformats.org/package/2006/relationships";
    std::set<std::string> ids;
    for (auto r : presentationRels_.document_element().children()) ids.insert(r.attribute("Id").value());
    std::string id;
    for (int n = 1; id.empty() || ids.count(id); ++n) id = "rId" + std::to_string(n);
    auto rel = presentationRels_.document_element().append_child("Relationship");
    rel.append_attribute("Id") = id.c_str();
    rel.append_attribute("Type") = (std::string(kRelationshipTypes) + "slide").c_str();
    rel.append_attribute("Target") = relativeTarget(presentationPart_, part).c_str();

    auto list = ensureChild(presentation_.document_element(), "p:sldIdLst", kPresentationOrder);
    std::set<long long> used;
    pugi::xml_node before;
    int position = 1;
    for (auto s : list.children("p:sldId")) {
        used.insert(s.attribute("id").as_llong());
        if (position++ == index) before = s;
    }
    auto entry = before ? list.insert_child_before("p:sldId", before) : list.append_child("p:sldId");
    entry.append_attribute("id") = newSlideId(used);
    entry.append_attribute("r:id") = id.c_str();
    slideParts_.insert(slideParts_.begin() + index - 1, part);
    structureChanged_ = true;
}

std::string Deck::addMedia(const SlidePart& slide, std::string bytes, const std::string& extension) {
    static const std::map<std::string, const char*> kTypes = {{"png", "image/png"}, {"svg", "image/svg+xml"}};
    auto type = kTypes.find(extension);
    if (type == kTypes.end()) throw HostError("Pictures of the kind \"" + extension + "\" cannot be stored.");
    try {
        std::string folder = presentationPart_.substr(0, presentationPart_.rfind('/') + 1) + "media/";
        std::string part;
        for (int k = 1; part.empty() || partExists(part); ++k)
            part = folder + "quillon" + std::to_string(k) + "." + extension;
        setPart(part, std::move(bytes));
        declareExtension(extension, type->second);
        return relate(slide.partName(), "image", part);
    } catch (const HostError&) {
        throw;
    } catch (const std::exception& e) {
        throw HostError::said(common::messages::kDeckCannotAdd, {path_, reasonOf(e)},
                              "The deck " + inQuotes(path_) + " cannot take a picture: " + e.what() + ".");
    }
}

void Deck::declareExtension(const std::string& extension, const char* contentType) {
    if (!contentTypes_.document_element()) parseXml(contentTypes_, readPart("[Content_Types].xml"));
    auto types = contentTypes_.document_element();
    for (auto d : types.children("Default")) {
        std::string known = d.attribute("Extension").value();
        std::transform(known.begin(), known.end(), known.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (known == extension) return;
    }
    auto entry = types.child("Override") ? types.insert_child_before("Default", types.child("Override"))
                                         : types.append_child("Default");
    entry.append_attribute("Extension") = extension.c_str();
    entry.append_attribute("ContentType") = contentType;
    contentTypesChanged_ = true;
}

// A new relationship from `source` to the part `target`, in the source's relationships part.
std::string Deck::relate(const std::string& source, const std::string& kind, const std::string& target) {
    std::string relsPart = relationshipsPartOf(source);
    pugi::xml_document rels;
    if (partExists(relsPart))
        parseXml(rels, readPart(relsPart));
    else
        rels.append_child("Relationships").append_attribute("xmlns") =
            "http://schemas.openxmlformats.org/package/2006/relationships";
    std::set<std::string> ids;
    for (auto r : rels.document_element().children()) ids.insert(r.attribute("Id").value());
    std::string id;
    for (int n = 1; id.empty() || ids.count(id); ++n) id = "rId" + std::to_string(n);
    auto rel = rels.document_element().append_child("Relationship");
    rel.append_attribute("Id") = id.c_str();
    rel.append_attribute("Type") = (std::string(kRelationshipTypes) + kind).c_str();
    rel.append_attribute("Target") = relativeTarget(source, target).c_str();
    setPart(relsPart, writeXml(rels));
    return id;
}

bool Deck::unsaved() const {
    if (structureChanged_ || contentTypesChanged_ || !pending_.empty()) return true;
    for (const auto& [name, s] : slides_)
        if (s->changed) return true;
    return false;
}

FileStamp Deck::writeTo(const std::string& target, const std::optional<FileStamp>& lastSeen,
                        const std::function<void(const std::string&)>& written) {
    std::map<std::string, std::string> parts = pending_;
    for (const auto& [name, s] : slides_)
        if (s->changed) parts[name] = s->xml();
    if (structureChanged_) {
        parts[presentationPart_] = writeXml(presentation_);
        parts[relationshipsPartOf(presentationPart_)] = writeXml(presentationRels_);
        if (contentTypes_.document_element()) parts["[Content_Types].xml"] = writeXml(contentTypes_);
    }
    if (contentTypesChanged_) parts["[Content_Types].xml"] = writeXml(contentTypes_);
    std::optional<mode_t> mode;
    if (stamp_) mode = stamp_->mode;
    try {
        return replaceFile(
            target, mode, lastSeen,
            [&](int fd) {
                ZipWriter out(fd);
                std::vector<std::string> order = zip_ ? zip_->names() : std::vector<std::string>();
                order.insert(order.end(), newParts_.begin(), newParts_.end());
                for (const auto& [name, xml] : parts)
                    if (std::find(order.begin(), order.end(), name) == order.end()) order.push_back(name);
                for (const auto& name : order) {
                    auto it = parts.find(name);
                    if (it != parts.end())
                        out.add(name, std::move(it->second));
                    else
                        out.copy(*zip_, name);
                }
                out.finish();
            },
            written);
    } catch (const ChangedMeanwhile&) {
        throw;
    } catch (const std::exception& e) {
        throw HostError::said(common::messages::kDeckNotSaved, {target},
                              "The deck " + inQuotes(target) + " could not be saved: " + e.what() +
                                  ". The file on disk was left as it was.");
    }
}

void Deck::save(const std::optional<FileStamp>& onDisk) {
    // A read-only deck is kept as it is, as the presentation programs do; renaming over
    // it would replace it all the same.
    if (stamp_ && ((stamp_->mode & 0222) == 0 || ::access(path_.c_str(), W_OK) != 0))
        throw HostError::said(
            common::messages::kDeckReadOnly, {path_},
            "The deck " + inQuotes(path_) + " is read-only, so the tools' changes were not saved.");
    std::unique_ptr<ZipReader> reopened;
    stamp_ = writeTo(path_, onDisk, [&](const std::string& temporary) {
        reopened = std::make_unique<ZipReader>(temporary);
    });
    zip_ = std::move(reopened);
    pending_.clear();
    newParts_.clear();
    structureChanged_ = false;
    contentTypesChanged_ = false;
    for (auto& [name, s] : slides_) s->changed = false;
}

std::string Deck::saveCopy() {
    namespace fs = std::filesystem;
    fs::path deck(path_);
    for (int n = 1;; ++n) {
        std::string suffix = n == 1 ? " (quillon copy)" : " (quillon copy " + std::to_string(n) + ")";
        fs::path copy = deck.parent_path() / (deck.stem().string() + suffix + deck.extension().string());
        if (fs::exists(copy)) continue;
        try {
            writeTo(copy.string(), std::nullopt, {});
            return copy.string();
        } catch (const ChangedMeanwhile&) {
            // Another copy appeared while this one was written: take the next name.
        }
    }
}

}  // namespace office::pptx
