#include "platform/office/pptx/new_deck.h"

namespace office::pptx {

namespace {

constexpr const char* kDecl = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
constexpr const char* kNs =
    R"( xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
    R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
    R"( xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main")";
constexpr const char* kRelNs =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
constexpr const char* kRelType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr const char* kEmptyTree =
    R"(<p:spTree><p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>)"
    R"(<p:grpSpPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/><a:chOff x="0" y="0"/>)"
    R"(<a:chExt cx="0" cy="0"/></a:xfrm></p:grpSpPr></p:spTree>)";

std::string relationship(const char* id, const char* type, const char* target) {
    return std::string(R"(<Relationship Id=")") + id + R"(" Type=")" + kRelType + type + R"(" Target=")" +
           target + R"("/>)";
}

std::string contentTypes() {
    std::string pml = "application/vnd.openxmlformats-officedocument.presentationml.";
    auto override = [](const char* part, const std::string& type) {
        return std::string(R"(<Override PartName=")") + part + R"(" ContentType=")" + type + R"("/>)";
    };
    return std::string(kDecl) +
           R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)" +
           R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)" +
           R"(<Default Extension="xml" ContentType="application/xml"/>)" +
           override("/ppt/presentation.xml", pml + "presentation.main+xml") +
           override("/ppt/slideMasters/slideMaster1.xml", pml + "slideMaster+xml") +
           override("/ppt/slideLayouts/slideLayout1.xml", pml + "slideLayout+xml") +
           override("/ppt/theme/theme1.xml", "application/vnd.openxmlformats-officedocument.theme+xml") +
           override("/ppt/presProps.xml", pml + "presProps+xml") +
           override("/ppt/viewProps.xml", pml + "viewProps+xml") + "</Types>";
}

std::string presentation() {
    return std::string(kDecl) + "<p:presentation" + kNs + R"( saveSubsetFonts="1">)" +
           R"(<p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="rId1"/></p:sldMasterIdLst>)" +
           R"(<p:sldIdLst/><p:sldSz cx="9144000" cy="6858000" type="screen4x3"/><p:notesSz cx="6858000" cy="9144000"/>)" +
           "<p:defaultTextStyle>" + R"(<a:defPPr><a:defRPr lang="en-US"/></a:defPPr>)" +
           R"(<a:lvl1pPr marL="0" algn="l" defTabSz="914400" rtl="0" eaLnBrk="1" latinLnBrk="0" hangingPunct="1">)" +
           R"(<a:defRPr sz="1800" kern="1200"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill>)" +
           R"(<a:latin typeface="+mn-lt"/><a:ea typeface="+mn-ea"/><a:cs typeface="+mn-cs"/></a:defRPr></a:lvl1pPr>)" +
           "</p:defaultTextStyle></p:presentation>";
}

std::string presentationRelationships() {
    return std::string(kDecl) + kRelNs +
           relationship("rId1", "slideMaster", "slideMasters/slideMaster1.xml") +
           relationship("rId2", "theme", "theme/theme1.xml") +
           relationship("rId3", "presProps", "presProps.xml") +
           relationship("rId4", "viewProps", "viewProps.xml") + "</Relationships>";
}

std::string master() {
    std::string level =
        R"(<a:lvl1pPr algn="l"><a:defRPr sz="1800"><a:solidFill><a:schemeClr val="tx1"/></a:solidFill>)"
        R"(<a:latin typeface="+mn-lt"/><a:ea typeface="+mn-ea"/><a:cs typeface="+mn-cs"/></a:defRPr>)"
        R"(</a:lvl1pPr>)";
    return std::string(kDecl) + "<p:sldMaster" + kNs + ">" +
           R"(<p:cSld><p:bg><p:bgRef idx="1001"><a:schemeClr val="bg1"/></p:bgRef></p:bg>)" + kEmptyTree +
           "</p:cSld>" +
           R"(<p:clrMap bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" accent1="accent1" accent2="accent2" accent3="accent3")" +
           R"( accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" folHlink="folHlink"/>)" +
           R"(<p:sldLayoutIdLst><p:sldLayoutId id="2147483649" r:id="rId1"/></p:sldLayoutIdLst>)" +
           "<p:txStyles><p:titleStyle>" + level + "</p:titleStyle><p:bodyStyle>" + level +
           "</p:bodyStyle><p:otherStyle>" + level + "</p:otherStyle></p:txStyles></p:sldMaster>";
}

std::string layout() {
    return std::string(kDecl) + "<p:sldLayout" + kNs + R"( type="blank" preserve="1"><p:cSld name="Blank">)" +
           kEmptyTree + "</p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>";
}

std::string theme() {
    auto colour = [](const char* name, const char* rgb) {
        return std::string("<a:") + name + R"(><a:srgbClr val=")" + rgb + R"("/></a:)" + name + ">";
    };
    auto fonts = [](const char* which, const char* face) {
        return std::string("<a:") + which + R"(><a:latin typeface=")" + face +
               R"("/><a:ea typeface=""/><a:cs typeface=""/></a:)" + which + ">";
    };
    std::string solid = R"(<a:solidFill><a:schemeClr val="phClr"/></a:solidFill>)";
    std::string line = R"(<a:ln w="9525"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>)";
    return std::string(kDecl) +
           R"(<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")" +
           R"( name="Office Theme"><a:themeElements><a:clrScheme name="Office">)" +
           R"(<a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1>)" +
           R"(<a:lt1><a:sysClr val="window" lastClr="FFFFFF"/></a:lt1>)" + colour("dk2", "1F497D") +
           colour("lt2", "EEECE1") + colour("accent1", "4F81BD") + colour("accent2", "C0504D") +
           colour("accent3", "9BBB59") + colour("accent4", "8064A2") + colour("accent5", "4BACC6") +
           colour("accent6", "F79646") + colour("hlink", "0000FF") + colour("folHlink", "800080") +
           R"(</a:clrScheme><a:fontScheme name="Office">)" + fonts("majorFont", "Arial") +
           fonts("minorFont", "Arial") + R"(</a:fontScheme><a:fmtScheme name="Office"><a:fillStyleLst>)" +
           solid + solid + solid + "</a:fillStyleLst><a:lnStyleLst>" + line + line + line +
           "</a:lnStyleLst><a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle>"
           "<a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>"
           "</a:effectStyleLst><a:bgFillStyleLst>" +
           solid + solid + solid + "</a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>";
}

}  // namespace

std::vector<std::pair<std::string, std::string>> newDeckParts() {
    std::string single = std::string(kDecl) + kRelNs;
    return {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels",
         single + relationship("rId1", "officeDocument", "ppt/presentation.xml") + "</Relationships>"},
        {"ppt/presentation.xml", presentation()},
        {"ppt/_rels/presentation.xml.rels", presentationRelationships()},
        {"ppt/slideMasters/slideMaster1.xml", master()},
        {"ppt/slideMasters/_rels/slideMaster1.xml.rels",
         single + relationship("rId1", "slideLayout", "../slideLayouts/slideLayout1.xml") +
             relationship("rId2", "theme", "../theme/theme1.xml") + "</Relationships>"},
        {"ppt/slideLayouts/slideLayout1.xml", layout()},
        {"ppt/slideLayouts/_rels/slideLayout1.xml.rels",
         single + relationship("rId1", "slideMaster", "../slideMasters/slideMaster1.xml") +
             "</Relationships>"},
        {"ppt/theme/theme1.xml", theme()},
        {"ppt/presProps.xml", std::string(kDecl) + "<p:presentationPr" + kNs + "/>"},
        {"ppt/viewProps.xml", std::string(kDecl) + "<p:viewPr" + kNs + "/>"},
    };
}

std::string blankSlideXml() {
    return std::string(kDecl) + "<p:sld" + kNs + "><p:cSld>" + kEmptyTree +
           "</p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sld>";
}

}  // namespace office::pptx
