#include "quillon4pptsetup/setup_paths.h"

#include <cstdlib>

#include "common/user_folders.h"

namespace setup {
namespace {

namespace fs = std::filesystem;

fs::path pathVariable(const char* name) {
    const char* v = std::getenv(name);
    return v && *v ? fs::absolute(v) : fs::path();
}

}  // namespace

SetupPaths readSetupPaths(const fs::path& executable) {
    SetupPaths paths;
    paths.source = executable.parent_path();
    try {
        paths.install = pathVariable("QUILLON_INSTALL_DIR");
        if (paths.install.empty())
            paths.install = common::baseFolder("XDG_DATA_HOME", ".local/share") / "quillon4ppt";
        paths.commandBarFolder = common::baseFolder("XDG_CONFIG_HOME", ".config") / "quillon4ppt";
    } catch (const common::UserFolderError& e) {
        throw SetupPathError(e.what());
    }
    paths.settingsFolder = pathVariable("QUILLON_HOME");
    if (paths.settingsFolder.empty()) paths.settingsFolder = paths.install;
    return paths;
}

}  // namespace setup
