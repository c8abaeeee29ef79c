#include "platform/forms/office_profile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <string>

#include "common/file_bytes.h"
#include "common/user_folders.h"

namespace forms {

namespace fs = std::filesystem;

namespace {

// "7.4" of "LibreOffice 7.4.7.2 40(Build:2)"; empty when soffice cannot tell.
std::string officeVersion() {
    std::unique_ptr<FILE, int (*)(FILE*)> out(popen("soffice --version 2>/dev/null", "r"), pclose);
    if (!out) return {};
    char line[256] = {};
    if (!std::fgets(line, sizeof line, out.get())) return {};
    std::cmatch version;
    if (!std::regex_search(line, version, std::regex(R"(\b(\d+\.\d+)\.\d)"))) return {};
    return version[1];
}

}  // namespace

void prepareOfficeProfile(const fs::path& profile) {
    common::setAsideUnlessOwned(profile);
    const fs::path settings = profile / "user" / "registrymodifications.xcu";
    if (fs::exists(settings) && common::fileBytes(settings).find("ooSetupLastVersion") != std::string::npos)
        return;
    // Made by an earlier run without the mark, or half made: ours to make again.
    fs::remove_all(profile);
    const std::string version = officeVersion();
    fs::create_directories(profile / "user");
    if (version.empty()) return;
    std::ofstream(settings)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
           "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n"
           "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
           "oor:op=\"fuse\"><value>"
        << version << "</value></prop></item>\n</oor:items>\n";
}

}  // namespace forms
