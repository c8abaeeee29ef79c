#include "schema_check.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <sstream>
#include <string_view>
#include <vector>

#include "deck_files.h"

namespace testdecks {

namespace fs = std::filesystem;

namespace {

// The schema of a part, by where PowerPoint keeps it; empty for parts we never write.
std::string schemaOf(const std::string& part) {
    const fs::path p(part);
    const std::string folder = p.parent_path().string();
    if (part == "[Content_Types].xml") return "ecma/fouth-edition/opc-contentTypes.xsd";
    if (p.extension() == ".rels") return "ecma/fouth-edition/opc-relationships.xsd";
    if (part == "docProps/core.xml") return "ecma/fouth-edition/opc-coreProperties.xsd";
    if (part == "docProps/app.xml") return "ISO-IEC29500-4_2016/shared-documentPropertiesExtended.xsd";
    if (p.extension() != ".xml") return {};
    if (folder == "ppt/theme" || part == "ppt/tableStyles.xml") return "ISO-IEC29500-4_2016/dml-main.xsd";
    for (const char* pml : {"ppt/slides", "ppt/slideLayouts", "ppt/slideMasters", "ppt/notesSlides",
                            "ppt/notesMasters", "ppt/handoutMasters"})
        if (folder == pml) return "ISO-IEC29500-4_2016/pml.xsd";
    if (part == "ppt/presentation.xml" || part == "ppt/presProps.xml" || part == "ppt/viewProps.xml")
        return "ISO-IEC29500-4_2016/pml.xsd";
    return {};
}

std::string run(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return "cannot run: " + command;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return out.empty() ? "xmllint failed" : out;
    return {};
}

// xmllint names the numbered copies; the report names the parts.
std::string withPartNames(std::string report, const std::map<std::string, std::string>& partOf) {
    for (const auto& [file, part] : partOf)
        for (std::size_t at = report.find(file); at != std::string::npos; at = report.find(file, at))
            report.replace(at, file.size(), part);
    return report;
}

constexpr const char* kMathSchema = "ISO-IEC29500-4_2016/shared-math.xsd";
constexpr const char* kMarkupNamespace = "http://schemas.openxmlformats.org/markup-compatibility/2006";

std::string xmlText(const pugi::xml_node& node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

// The root's mc:Ignorable attribute, whatever prefix the part gives the namespace.
pugi::xml_attribute ignorableOf(const pugi::xml_node& root) {
    for (auto a : root.attributes()) {
        const std::string_view name = a.name();
        const auto colon = name.find(':');
        if (colon == std::string_view::npos || name.substr(colon + 1) != "Ignorable") continue;
        const std::string declaration = "xmlns:" + std::string(name.substr(0, colon));
        if (std::string_view(root.attribute(declaration.c_str()).value()) == kMarkupNamespace) return a;
    }
    return {};
}

// Every Office Math equation of the part as a document of its own, with the namespaces
// its ancestors declared.
std::vector<std::string> equationsOf(const pugi::xml_document& part) {
    std::vector<std::string> out;
    for (auto found : part.select_nodes("//*[local-name()='oMathPara' or local-name()='oMath']")) {
        pugi::xml_node node = found.node();
        if (std::string_view(node.parent().name()).ends_with("oMathPara")) continue;
        pugi::xml_document alone;
        auto copy = alone.append_copy(node);
        for (auto up = node.parent(); up; up = up.parent())
            for (auto a : up.attributes())
                if (std::string_view(a.name()).starts_with("xmlns") && !copy.attribute(a.name()))
                    copy.append_attribute(a.name()) = a.value();
        out.push_back(xmlText(alone));
    }
    return out;
}

// The part as a reader that knows only the base vocabulary reads it: each alternate
// content replaced by its fallback's children, the ignorable namespaces dropped.
void applyMarkupCompatibility(pugi::xml_document& part) {
    for (;;) {
        auto found = part.select_node("//*[local-name()='AlternateContent']");
        if (!found) break;
        pugi::xml_node alternate = found.node();
        pugi::xml_node parent = alternate.parent();
        for (auto branch : alternate.children())
            if (std::string_view(branch.name()).ends_with("Fallback"))
                for (auto child : branch.children()) parent.insert_copy_before(child, alternate);
        parent.remove_child(alternate);
    }
    auto root = part.document_element();
    auto ignorable = ignorableOf(root);
    if (!ignorable) return;
    std::istringstream prefixes(ignorable.value());
    root.remove_attribute(ignorable);
    for (std::string prefix; prefixes >> prefix;) {
        const std::string head = prefix + ":";
        for (auto d : part.select_nodes("//*")) {
            pugi::xml_node node = d.node();
            for (auto a = node.first_attribute(); a;) {
                auto next = a.next_attribute();
                if (std::string_view(a.name()).starts_with(head)) node.remove_attribute(a);
                a = next;
            }
        }
        const std::string elements = "//*[starts-with(name(), '" + head + "')]";
        while (auto d = part.select_node(elements.c_str())) d.node().parent().remove_child(d.node());
    }
}

}  // namespace

std::string schemaErrors(const std::string& deckPath) {
    TempDir copies;
    std::map<std::string, std::string> commands, partOf;
    int n = 0;
    for (const auto& name : entryNames(deckPath)) {
        const std::string schema = schemaOf(name);
        if (schema.empty()) continue;
        std::string bytes = entry(deckPath, name);
        std::vector<std::pair<std::string, std::string>> checks;  // schema, document
        pugi::xml_document part;
        if (part.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_declaration)) {
            for (auto& equation : equationsOf(part)) checks.emplace_back(kMathSchema, equation);
            applyMarkupCompatibility(part);
            bytes = xmlText(part);
        }
        checks.emplace_back(schema, bytes);
        for (const auto& [against, document] : checks) {
            // Numbered copies keep names such as "[Content_Types].xml" out of the shell.
            const std::string file = copies.file("part" + std::to_string(n++) + ".xml");
            writeFile(file, document);
            partOf[file] = name;
            auto& command = commands[against];
            if (command.empty())
                command = "xmllint --noout --nonet --schema '" + std::string(QUILLON_OOXML_XSD) + "/" +
                          against + "'";
            command += " '" + file + "'";
        }
    }
    std::string errors;
    for (const auto& [schema, command] : commands) errors += run(command);
    return withPartNames(errors, partOf);
}

}  // namespace testdecks
