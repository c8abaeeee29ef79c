#include "schema_check.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <map>
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

}  // namespace

std::string schemaErrors(const std::string& deckPath) {
    TempDir copies;
    std::map<std::string, std::string> commands, partOf;
    int n = 0;
    for (const auto& name : entryNames(deckPath)) {
        const std::string schema = schemaOf(name);
        if (schema.empty()) continue;
        // Numbered copies keep names such as "[Content_Types].xml" out of the shell.
        const std::string file = copies.file("part" + std::to_string(n++) + ".xml");
        writeFile(file, entry(deckPath, name));
        partOf[file] = name;
        auto& command = commands[schema];
        if (command.empty())
            command =
                "xmllint --noout --nonet --schema '" + std::string(QUILLON_OOXML_XSD) + "/" + schema + "'";
        command += " '" + file + "'";
    }
    std::string errors;
    for (const auto& [schema, command] : commands) errors += run(command);
    return withPartNames(errors, partOf);
}

}  // namespace testdecks
