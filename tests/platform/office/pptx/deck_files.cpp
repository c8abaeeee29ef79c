#include "deck_files.h"

#include <zip.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testdecks {

TempDir::TempDir() {
    std::random_device random;
    path = std::filesystem::temp_directory_path() / ("quillon-pptx-" + std::to_string(random()));
    std::filesystem::create_directories(path);
}

TempDir::~TempDir() {
    std::filesystem::remove_all(path);
}

void writeZip(const std::string& path, const Entries& entries, bool stored) {
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) throw std::runtime_error("cannot create " + path);
    for (const auto& [name, data] : entries) {
        zip_source_t* source = zip_source_buffer(zip, data.data(), data.size(), 0);
        zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) throw std::runtime_error("cannot add " + name);
        zip_set_file_compression(zip, index, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (zip_close(zip) != 0) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

namespace {

std::string readEntry(const std::string& zipPath, const std::string& name, zip_flags_t flags) {
    int error = 0;
    zip_t* zip = zip_open(zipPath.c_str(), ZIP_RDONLY, &error);
    if (!zip) throw std::runtime_error("cannot open " + zipPath);
    zip_stat_t st;
    if (zip_stat(zip, name.c_str(), 0, &st) != 0) {
        zip_discard(zip);
        throw std::runtime_error("no entry " + name);
    }
    std::string data(flags & ZIP_FL_COMPRESSED ? st.comp_size : st.size, '\0');
    zip_file_t* file = zip_fopen(zip, name.c_str(), flags);
    zip_int64_t got = zip_fread(file, data.data(), data.size());
    zip_fclose(file);
    zip_discard(zip);
    if (got != static_cast<zip_int64_t>(data.size())) throw std::runtime_error("cannot read " + name);
    return data;
}

constexpr const char* kDecl = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
constexpr const char* kRels =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
const std::string kType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

std::string rel(const std::string& id, const std::string& type, const std::string& target) {
    return R"(<Relationship Id=")" + id + R"(" Type=")" + kType + type + R"(" Target=")" + target + R"("/>)";
}

std::string override(const std::string& part, const std::string& type) {
    return R"(<Override PartName="/)" + part +
           R"(" ContentType="application/vnd.openxmlformats-officedocument.)" + type + R"("/>)";
}

// Written with the prefixes pml: and dml: rather than p: and a:.
std::string firstSlide() {
    return std::string(kDecl) +
           R"(<pml:sld xmlns:dml="http://schemas.openxmlformats.org/drawingml/2006/main")"
           R"( xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
           R"( xmlns:pml="http://schemas.openxmlformats.org/presentationml/2006/main"><pml:cSld><pml:spTree>)"
           R"(<pml:nvGrpSpPr><pml:cNvPr id="1" name=""/><pml:cNvGrpSpPr/><pml:nvPr/></pml:nvGrpSpPr><pml:grpSpPr/>)"
           R"(<pml:sp><pml:nvSpPr><pml:cNvPr id="2" name="Title 1"/><pml:cNvSpPr/><pml:nvPr><pml:ph type="title"/>)"
           R"(</pml:nvPr></pml:nvSpPr><pml:spPr/><pml:txBody><dml:bodyPr/><dml:p><dml:r><dml:t>Circles</dml:t></dml:r>)"
           R"(</dml:p></pml:txBody></pml:sp>)"
           R"(<pml:pic><pml:nvPicPr><pml:cNvPr id="3" name="Picture 2"/><pml:cNvPicPr/><pml:nvPr/></pml:nvPicPr>)"
           R"(<pml:blipFill><dml:blip rel:embed="rId2"/></pml:blipFill><pml:spPr><dml:xfrm><dml:off x="127000" y="254000"/>)"
           R"(<dml:ext cx="1270000" cy="635000"/></dml:xfrm><dml:prstGeom prst="rect"/></pml:spPr></pml:pic>)"
           R"(<pml:grpSp><pml:nvGrpSpPr><pml:cNvPr id="4" name="Group 3"/><pml:cNvGrpSpPr/><pml:nvPr/></pml:nvGrpSpPr>)"
           R"(<pml:grpSpPr><dml:xfrm><dml:off x="1270000" y="1270000"/><dml:ext cx="2540000" cy="1270000"/>)"
           R"(<dml:chOff x="0" y="0"/><dml:chExt cx="1270000" cy="635000"/></dml:xfrm></pml:grpSpPr>)"
           R"(<pml:sp><pml:nvSpPr><pml:cNvPr id="5" name="Inner"/><pml:cNvSpPr/><pml:nvPr/></pml:nvSpPr><pml:spPr>)"
           R"(<dml:xfrm><dml:off x="635000" y="0"/><dml:ext cx="635000" cy="635000"/></dml:xfrm>)"
           R"(<dml:prstGeom prst="ellipse"/></pml:spPr></pml:sp></pml:grpSp>)"
           R"(<pml:graphicFrame><pml:nvGraphicFramePr><pml:cNvPr id="6" name="Table 5"/><pml:cNvGraphicFramePr/>)"
           R"(<pml:nvPr/></pml:nvGraphicFramePr><pml:xfrm><dml:off x="0" y="3810000"/><dml:ext cx="2540000" cy="254000"/>)"
           R"(</pml:xfrm><dml:graphic><dml:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/table">)"
           R"(<dml:tbl><dml:tblGrid><dml:gridCol w="2540000"/></dml:tblGrid><dml:tr h="254000"><dml:tc><dml:txBody>)"
           R"(<dml:bodyPr/><dml:p><dml:r><dml:t>cell</dml:t></dml:r></dml:p></dml:txBody></dml:tc></dml:tr></dml:tbl>)"
           R"(</dml:graphicData></dml:graphic></pml:graphicFrame>)"
           R"(</pml:spTree></pml:cSld></pml:sld>)";
}

std::string secondSlide() {
    return std::string(kDecl) +
           R"(<p:sld xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
           R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"><p:cSld><p:spTree>)"
           R"(<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr/>)"
           R"(<p:sp><p:nvSpPr><p:cNvPr id="7" name="Note box"/><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr><p:spPr>)"
           R"(<a:xfrm><a:off x="635000" y="635000"/><a:ext cx="1270000" cy="381000"/></a:xfrm></p:spPr><p:txBody>)"
           R"(<a:bodyPr/><a:p><a:r><a:t>first line</a:t></a:r></a:p><a:p><a:r><a:t>second</a:t></a:r></a:p>)"
           R"(</p:txBody></p:sp>)"
           R"(<p:sp><p:nvSpPr><p:cNvPr id="8" name="Styled"/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr><a:xfrm>)"
           R"(<a:off x="0" y="0"/><a:ext cx="12700" cy="12700"/></a:xfrm><a:prstGeom prst="ellipse"/></p:spPr>)"
           R"(<p:style><a:lnRef idx="1"><a:schemeClr val="accent2"/></a:lnRef><a:fillRef idx="1">)"
           R"(<a:schemeClr val="accent1"/></a:fillRef><a:effectRef idx="0"><a:schemeClr val="accent1"/></a:effectRef>)"
           R"(<a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef></p:style><p:txBody><a:bodyPr/><a:p><a:r>)"
           R"(<a:rPr><a:solidFill><a:schemeClr val="bg1"/></a:solidFill></a:rPr><a:t>on white</a:t></a:r></a:p>)"
           R"(</p:txBody></p:sp></p:spTree></p:cSld></p:sld>)";
}

}  // namespace

std::string rawEntry(const std::string& zipPath, const std::string& name) {
    return readEntry(zipPath, name, ZIP_FL_COMPRESSED);
}

std::string entry(const std::string& zipPath, const std::string& name) {
    return readEntry(zipPath, name, 0);
}

std::vector<std::string> entryNames(const std::string& zipPath) {
    int error = 0;
    zip_t* zip = zip_open(zipPath.c_str(), ZIP_RDONLY, &error);
    if (!zip) throw std::runtime_error("cannot open " + zipPath);
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) names.emplace_back(zip_get_name(zip, i, 0));
    zip_discard(zip);
    return names;
}

Entries foreignDeck() {
    std::string pml = "presentationml.";
    std::string picture(4000, '\0');
    std::mt19937 random(7);
    for (auto& c : picture) c = static_cast<char>(random());
    std::string layoutTree =
        R"(<p:cSld><p:spTree><p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>)"
        R"(<p:grpSpPr/><p:sp><p:nvSpPr><p:cNvPr id="2" name="Title"/><p:cNvSpPr/><p:nvPr><p:ph type="title"/>)"
        R"(</p:nvPr></p:nvSpPr><p:spPr><a:xfrm><a:off x="457200" y="274638"/><a:ext cx="8229600" cy="1143000"/>)"
        R"(</a:xfrm></p:spPr></p:sp></p:spTree></p:cSld>)";
    std::string ns = R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
                     R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
                     R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")";
    return {
        {"[Content_Types].xml",
         std::string(kDecl) +
             R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)" +
             R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)" +
             R"(<Default Extension="xml" ContentType="application/xml"/><Default Extension="png" ContentType="image/png"/>)" +
             override("ppt/presentation.xml", pml + "presentation.main+xml") +
             override("ppt/slides/slide1.xml", pml + "slide+xml") +
             override("ppt/slides/slide2.xml", pml + "slide+xml") +
             override("ppt/slideMasters/slideMaster1.xml", pml + "slideMaster+xml") +
             override("ppt/slideLayouts/slideLayout1.xml", pml + "slideLayout+xml") +
             override("ppt/slideLayouts/slideLayout2.xml", pml + "slideLayout+xml") +
             override("ppt/notesSlides/notesSlide1.xml", pml + "notesSlide+xml") + "</Types>"},
        {"_rels/.rels", std::string(kDecl) + kRels + rel("rId1", "officeDocument", "ppt/presentation.xml") +
                            "</Relationships>"},
        {"ppt/presentation.xml",
         std::string(kDecl) + "<p:presentation" + ns +
             R"(><p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rId1"/></p:sldMasterIdLst><p:sldIdLst>)"
             R"(<p:sldId id="257" r:id="rId3"/><p:sldId id="256" r:id="rId2"/></p:sldIdLst>)"
             R"(<p:sldSz cx="12192000" cy="6858000"/><p:notesSz cx="6858000" cy="9144000"/></p:presentation>)"},
        {"ppt/_rels/presentation.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideMaster", "slideMasters/slideMaster1.xml") +
             rel("rId2", "slide", "slides/slide2.xml") + rel("rId3", "slide", "/ppt/slides/slide1.xml") +
             "</Relationships>"},
        {"ppt/slides/slide1.xml", firstSlide()},
        {"ppt/slides/_rels/slide1.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml") +
             rel("rId2", "image", "../media/image1.png") + "</Relationships>"},
        {"ppt/slides/slide2.xml", secondSlide()},
        {"ppt/slides/_rels/slide2.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml") +
             rel("rId2", "notesSlide", "../notesSlides/notesSlide1.xml") + "</Relationships>"},
        {"ppt/media/image1.png", picture},
        {"ppt/notesSlides/notesSlide1.xml", std::string(kDecl) + "<p:notes" + ns + "/>"},
        {"ppt/slideMasters/slideMaster1.xml",
         std::string(kDecl) + "<p:sldMaster" + ns + ">" + layoutTree + R"(<p:clrMap bg1="lt1" tx1="dk1"/>)" +
             R"(<p:sldLayoutIdLst><p:sldLayoutId id="2147483649" r:id="rId1"/>)"
             R"(<p:sldLayoutId id="2147483650" r:id="rId2"/></p:sldLayoutIdLst></p:sldMaster>)"},
        {"ppt/slideMasters/_rels/slideMaster1.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml") +
             rel("rId2", "slideLayout", "../slideLayouts/slideLayout2.xml") +
             rel("rId3", "theme", "../theme/theme1.xml") + "</Relationships>"},
        {"ppt/theme/theme1.xml",
         std::string(kDecl) + R"(<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">)" +
             R"(<a:themeElements><a:clrScheme name="x"><a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1>)" +
             R"(<a:lt1><a:srgbClr val="FFFFF0"/></a:lt1><a:accent1><a:srgbClr val="2E8B57"/></a:accent1>)" +
             R"(<a:accent2><a:srgbClr val="C0504D"/></a:accent2></a:clrScheme></a:themeElements></a:theme>)"},
        {"ppt/slideLayouts/slideLayout1.xml",
         std::string(kDecl) + "<p:sldLayout" + ns + R"( type="title">)" + layoutTree + "</p:sldLayout>"},
        {"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideMaster", "../slideMasters/slideMaster1.xml") +
             "</Relationships>"},
        {"ppt/slideLayouts/slideLayout2.xml",
         std::string(kDecl) + "<p:sldLayout" + ns + R"( type="blank">)" + layoutTree + "</p:sldLayout>"},
        {"ppt/slideLayouts/_rels/slideLayout2.xml.rels",
         std::string(kDecl) + kRels + rel("rId1", "slideMaster", "../slideMasters/slideMaster1.xml") +
             "</Relationships>"},
        {"customXml/item1.xml", "<lesson plan=\"week 3\"/>"},
        {"unknown/thing.bin", std::string("\x01\x02\x03 data nobody knows", 23)},
    };
}

}  // namespace testdecks
