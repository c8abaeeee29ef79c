#include "platform/registry/reg_module.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace registry;

namespace {

RegistryFile withCurVer(const std::string& value) {
    return RegistryFile::parse("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\Word.Application\\CurVer]\n@=\"" + value +
                               "\"\n");
}

RegistryFile withDisplayVersion(const std::string& line) {
    return RegistryFile::parse(
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\DSMT6]\r\n" +
        line + "\r\n");
}

TEST(OfficeVersion, CurVerSubstringsInOrder) {
    EXPECT_EQ(GetOfficeVersion(withCurVer("Word.Application.11")), "2003");
    EXPECT_EQ(GetOfficeVersion(withCurVer("Word.Application.12")), "2007");
    EXPECT_EQ(GetOfficeVersion(withCurVer("Word.Application.8")), "97");
    EXPECT_EQ(GetOfficeVersion(withCurVer("Word.Application.14")), "2010");
    EXPECT_EQ(GetOfficeVersion(withCurVer("Word.Application.16")), "");
    EXPECT_EQ(GetOfficeVersion(RegistryFile::parse("REGEDIT4\n")), "");
}

TEST(MathType, DisplayVersionFromSixPointFive) {
    EXPECT_TRUE(HasMathType(withDisplayVersion("\"DisplayVersion\"=\"6.5\"")));
    EXPECT_TRUE(HasMathType(withDisplayVersion("\"DisplayVersion\"=\"6.9\"")));
    EXPECT_FALSE(HasMathType(withDisplayVersion("\"DisplayVersion\"=\"6.0\"")));
    EXPECT_FALSE(HasMathType(withDisplayVersion("\"DisplayVersion\"=\"\"")));
    EXPECT_FALSE(HasMathType(withDisplayVersion("\"Other\"=\"7.0\"")));
    EXPECT_FALSE(HasMathType(withDisplayVersion("\"DisplayVersion\"=dword:00000007")));
    EXPECT_FALSE(HasMathType(RegistryFile::load("/nonexistent/registry.reg")));
}

TEST(RegistryFile, AFolderInPlaceOfTheFileIsAnEmptyRegistry) {
    const RegistryFile reg = RegistryFile::load(std::filesystem::temp_directory_path());
    EXPECT_EQ(GetOfficeVersion(reg), "");
    EXPECT_FALSE(HasMathType(reg));
}

TEST(RegistryFile, EscapesCaseAndAbbreviatedRoots) {
    auto reg = RegistryFile::parse(
        "REGEDIT4\n[HKCR\\Some\\Key]\n\"Path\"=\"C:\\\\Program Files\\\\x \\\"q\\\"\"\n"
        "\"Bin\"=hex:01,02,\\\n  03,04\n\"After\"=\"yes\"\n");
    EXPECT_EQ(ReadRegString(reg, HKEY_CLASSES_ROOT, "some\\KEY", "path"), "C:\\Program Files\\x \"q\"");
    EXPECT_EQ(ReadRegString(reg, HKEY_CLASSES_ROOT, "Some\\Key", "Bin"), "");
    EXPECT_EQ(reg.query("HKEY_CLASSES_ROOT", "Some\\Key", "Bin")->type, kBinary);
    EXPECT_EQ(ReadRegString(reg, HKEY_CLASSES_ROOT, "Some\\Key", "After"), "yes");
}

TEST(RegistryFile, Utf16WithByteOrderMark) {
    std::u16string text =
        u"Windows Registry Editor Version "
        u"5.00\r\n[HKEY_CLASSES_ROOT\\Word.Application\\CurVer]\r\n@=\"Word.Application.11\"\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) bytes += static_cast<char>(c & 0xFF), bytes += static_cast<char>(c >> 8);
    EXPECT_EQ(GetOfficeVersion(RegistryFile::parse(bytes)), "2003");
}

TEST(RegistryFile, NotARegistryFileIsEmpty) {
    EXPECT_EQ(
        GetOfficeVersion(RegistryFile::parse("[HKEY_CLASSES_ROOT\\Word.Application\\CurVer]\n@=\"11\"\n")),
        "");
}

}  // namespace
