#include "quillon4pptsetup/setup_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "common/messages.h"

namespace setup {
namespace {

namespace fs = std::filesystem;

// Relative XDG folders are to be ignored, as the base directory rules say.
fs::path absoluteVariable(const char* name, bool relativeAllowed) {
    const char* v = std::getenv(name);
    if (!v || !*v) return {};
    fs::path p(v);
    if (p.is_absolute()) return p;
    return relativeAllowed ? fs::absolute(p) : fs::path();
}

fs::path homeFolder() {
    if (fs::path home = absoluteVariable("HOME", false); !home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    throw SetupPathError(common::messages::kNoHomeFolder);
}

fs::path baseFolder(const char* variable, const char* fallbackUnderHome) {
    if (fs::path p = absoluteVariable(variable, false); !p.empty()) return p;
    return homeFolder() / fallbackUnderHome;
}

}  // namespace

SetupPaths readSetupPaths(const fs::path& executable) {
    SetupPaths paths;
    paths.source = executable.parent_path();
    paths.install = absoluteVariable("QUILLON_INSTALL_DIR", true);
    if (paths.install.empty()) paths.install = baseFolder("XDG_DATA_HOME", ".local/share") / "quillon4ppt";
    paths.commandBarFolder = baseFolder("XDG_CONFIG_HOME", ".config") / "quillon4ppt";
    paths.settingsFolder = absoluteVariable("QUILLON_HOME", true);
    if (paths.settingsFolder.empty()) paths.settingsFolder = paths.install;
    return paths;
}

}  // namespace setup
