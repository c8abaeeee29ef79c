#pragma once
// Where the setup program takes its files from and puts them.
#include <filesystem>
#include <stdexcept>
#include <string>

namespace setup {

// The toolbar: a LibreOffice extension that starts the tools.
constexpr const char* kCommandBarName = "quillon4ppt.oxt";

struct SetupPaths {
    std::filesystem::path source;            // the folder of the running setup program
    std::filesystem::path install;           // where the programs go
    std::filesystem::path commandBarFolder;  // where the toolbar file goes
    std::filesystem::path settingsFolder;    // the config.mdb the settings editor edits lies here

    std::filesystem::path pictureSource() const { return source / "img"; }
    std::filesystem::path pictureFolder() const { return install / "img"; }
    // The equation typesetter: a script and the part of MathJax it loads.
    std::filesystem::path typesetterSource() const { return source / "typeset"; }
    std::filesystem::path typesetterFolder() const { return install / "typeset"; }
    std::filesystem::path commandBarSource() const { return source / kCommandBarName; }
    std::filesystem::path commandBarFile() const { return commandBarFolder / kCommandBarName; }
    std::filesystem::path commandBarBackup() const {
        return commandBarFolder / (std::string(kCommandBarName) + ".bak");
    }
};

class SetupPathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// From the environment: QUILLON_INSTALL_DIR, else $XDG_DATA_HOME/quillon4ppt; the
// toolbar in $XDG_CONFIG_HOME/quillon4ppt; the settings in QUILLON_HOME, else the
// install folder, whose config.mdb the installed tools read. SetupPathError when
// there is no home folder to fall back on.
SetupPaths readSetupPaths(const std::filesystem::path& executable);

}  // namespace setup
