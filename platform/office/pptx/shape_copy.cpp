#include "platform/office/pptx/shape_copy.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "platform/office/pptx/opc.h"
#include "platform/office/pptx/shape_xml.h"
#include "platform/office/pptx/xml.h"

namespace office::pptx {

namespace {

constexpr const char* kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// An empty relationships part, declared as the package's parts are.
pugi::xml_node newRelationships(pugi::xml_document& doc) {
    auto declaration = doc.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    declaration.append_attribute("standalone") = "yes";
    auto root = doc.append_child("Relationships");
    root.append_attribute("xmlns") = kRelationshipsNamespace;
    return root;
}

class Copier {
public:
    Copier(Deck& from, Deck& to) : from_(from), to_(to) {}

    // The part of `to` that holds a copy of the source part.
    std::string copyPart(const std::string& source) {
        if (auto it = copied_.find(source); it != copied_.end()) return it->second;
        std::string name = freeName(source);
        copied_[source] = name;
        to_.putPart(name, from_.partBytes(source), from_.contentTypeOf(source));
        std::string rels = relationshipsPartOf(source);
        if (from_.hasPart(rels)) to_.putPart(relationshipsPartOf(name), copyRelationships(source, name), "");
        return name;
    }

    // A relationship of the target part to what the source relationship points to.
    // id: the relationship's id, or a fresh one when empty.
    std::string relate(pugi::xml_node relationships, const Relationship& r, const std::string& part,
                       std::string id = {}) {
        std::set<std::string> used;
        for (auto x : relationships.children()) used.insert(x.attribute("Id").value());
        for (int n = 1; id.empty() || used.count(id); ++n) id = "rId" + std::to_string(n);
        auto rel = relationships.append_child("Relationship");
        rel.append_attribute("Id") = id.c_str();
        rel.append_attribute("Type") = r.type.c_str();
        if (r.external) {
            rel.append_attribute("Target") = r.target.c_str();
            rel.append_attribute("TargetMode") = "External";
        } else {
            rel.append_attribute("Target") = relativeTarget(part, copyPart(r.target)).c_str();
        }
        return id;
    }

private:
    std::string freeName(const std::string& source) {
        if (!to_.hasPart(source)) return source;
        std::filesystem::path p(source);
        std::string stem = (p.parent_path() / p.stem()).string();
        for (int n = 2;; ++n) {
            std::string name = stem + "_" + std::to_string(n) + p.extension().string();
            if (!to_.hasPart(name)) return name;
        }
    }

    std::string copyRelationships(const std::string& source, const std::string& name) {
        pugi::xml_document doc;
        auto root = newRelationships(doc);
        // The copied part names its relationships by the ids it had.
        for (const auto& r : parseRelationships(from_.partBytes(relationshipsPartOf(source)), source))
            relate(root, r, name, r.id);
        return writeXml(doc);
    }

    Deck& from_;
    Deck& to_;
    std::map<std::string, std::string> copied_;
};

std::vector<pugi::xml_node> chosenShapes(SlidePart& page, const std::vector<std::string>& names) {
    std::vector<pugi::xml_node> chosen;
    std::set<std::string> found;
    for (auto shape : shapesIn(page.tree())) {
        std::string name = shapeName(shape);
        if (std::find(names.begin(), names.end(), name) != names.end() && found.insert(name).second)
            chosen.push_back(shape);
    }
    for (const auto& name : names)
        if (!found.count(name))
            throw HostError("The shape \"" + name + "\" is not on the figure sheet's page.");
    return chosen;
}

pugi::xml_node rootOf(pugi::xml_node node) {
    while (node.parent().type() == pugi::node_element) node = node.parent();
    return node;
}

// Prefixes the copies use (p14:, a14:...) declared on the target slide as on the source.
void declareNamespaces(const pugi::xml_node& sourceRoot, pugi::xml_node targetRoot) {
    for (auto a : sourceRoot.attributes()) {
        std::string_view name = a.name();
        if (name.rfind("xmlns:", 0) == 0 && !targetRoot.attribute(a.name()))
            targetRoot.append_attribute(a.name()) = a.value();
    }
}

template <typename Visit>
void forEachElement(pugi::xml_node node, const Visit& visit) {
    visit(node);
    for (auto child : node.children())
        if (child.type() == pugi::node_element) forEachElement(child, visit);
}

void freshIds(pugi::xml_node copy, SlidePart& target, std::map<std::string, std::string>& ids) {
    forEachElement(copy, [&](pugi::xml_node x) {
        if (localName(x) != "cNvPr") return;
        auto id = x.attribute("id");
        std::string fresh = std::to_string(target.newId());
        ids[id.value()] = fresh;
        id = fresh.c_str();
    });
}

void relinkConnections(pugi::xml_node copy, const std::map<std::string, std::string>& ids) {
    forEachElement(copy, [&](pugi::xml_node x) {
        if (localName(x) != "stCxn" && localName(x) != "endCxn") return;
        auto id = x.attribute("id");
        if (auto it = ids.find(id.value()); it != ids.end()) id = it->second.c_str();
    });
}

}  // namespace

std::vector<pugi::xml_node> copyShapes(Deck& from, int page, const std::vector<std::string>& names, Deck& to,
                                       SlidePart& target) {
    SlidePart& source = from.slide(page);
    auto chosen = chosenShapes(source, names);
    auto sourceRels =
        from.hasPart(relationshipsPartOf(source.partName()))
            ? parseRelationships(from.partBytes(relationshipsPartOf(source.partName())), source.partName())
            : std::vector<Relationship>();
    std::string targetRelsPart = relationshipsPartOf(target.partName());
    pugi::xml_document targetRels;
    if (to.hasPart(targetRelsPart))
        parseXml(targetRels, to.partBytes(targetRelsPart));
    else
        targetRels.append_child("Relationships").append_attribute("xmlns") = kRelationshipsNamespace;

    Copier copier(from, to);
    std::map<std::string, std::string> relinked, ids;
    std::vector<pugi::xml_node> copies;
    declareNamespaces(rootOf(source.tree()), rootOf(target.tree()));
    for (auto shape : chosen) {
        auto extensions = target.tree().child("p:extLst");
        auto copy = extensions ? target.tree().insert_copy_before(shape, extensions)
                               : target.tree().append_copy(shape);
        forEachElement(copy, [&](pugi::xml_node x) {
            for (auto attribute : x.attributes()) {
                if (std::string_view(attribute.name()).rfind("r:", 0) != 0) continue;
                std::string old = attribute.value();
                if (!relinked.count(old)) {
                    auto r = std::find_if(sourceRels.begin(), sourceRels.end(),
                                          [&](const Relationship& s) { return s.id == old; });
                    if (r == sourceRels.end()) continue;
                    relinked[old] = copier.relate(targetRels.document_element(), *r, target.partName());
                }
                attribute = relinked[old].c_str();
            }
        });
        freshIds(copy, target, ids);
        copies.push_back(copy);
    }
    for (auto copy : copies) relinkConnections(copy, ids);
    if (!relinked.empty()) to.putPart(targetRelsPart, writeXml(targetRels), "");
    target.changed = true;
    return copies;
}

void pasteShapes(Session& session, const ShapeClip& clip) {
    std::unique_ptr<Deck> sheet = Deck::open(clip.sheet);
    Deck& deck = session.presentation();
    SlidePart& slide = deck.slide(session.slideNumber);
    auto copies = copyShapes(*sheet, clip.page, clip.names, deck, slide);
    session.selected.clear();
    for (auto copy : copies) session.selected.push_back(slide.ref(copy));
}

}  // namespace office::pptx
