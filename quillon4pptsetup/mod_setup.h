#pragma once
// Installing and uninstalling: plain file operations, every failing step skipped.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "quillon4pptsetup/setup_paths.h"
#include "quillon4pptsetup/toolbar_registrar.h"

namespace setup {

class modSetup {
public:
    // DoEvents lets the window's message loop run once.
    modSetup(SetupPaths paths, ToolbarRegistrar& toolbar, std::function<void()> DoEvents);

    // The names of the folder's ordinary files (no folders, no hidden files), in the
    // order the file system gives them; empty for a missing folder.
    void ListFolderFiles(const std::filesystem::path& folder);
    // Copies the program and picture files and the typesetter without replacing any,
    // then installs and registers the toolbar file; Label1 shows the progress and at the
    // end what was not copied. Whether every file is in place.
    bool InstallFiles(forms::Label& Label1);
    // Removes the toolbar, the installed files and the typesetter, leaving the install
    // and picture folders and the backup.
    void UninstallFiles(forms::Form& window, forms::Label& Label1);

    const SetupPaths& paths() const { return paths_; }
    std::vector<std::string> FolderFiles;

private:
    void copyFolder(const std::filesystem::path& from, const std::filesystem::path& to, forms::Label& Label1);
    void copyTree(const std::filesystem::path& from, const std::filesystem::path& to, forms::Label& Label1);
    void copyInPlace(const std::filesystem::path& from, const std::filesystem::path& to);
    // What the status line adds when the toolbar is not in place and registered.
    std::optional<std::string> installCommandBar();
    void deleteFolderFiles(const std::filesystem::path& folder, forms::Label& Label1);

    SetupPaths paths_;
    ToolbarRegistrar& toolbar_;
    std::function<void()> DoEvents_;
    std::vector<std::string> notCopied_;  // relative to the install folder
    bool toolbarCopied_ = false;
};

}  // namespace setup
