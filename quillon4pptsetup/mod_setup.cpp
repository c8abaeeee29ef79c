#include "quillon4pptsetup/mod_setup.h"

#include "common/messages.h"
#include "quillon4pptsetup/file_copies.h"

namespace setup {
namespace {

namespace fs = std::filesystem;

namespace msg = common::messages;
using msg::kDeleting;
using msg::kInstalled;
using msg::kInstalling;
using msg::kUninstalledCaption;

std::string uninstalledText(const fs::path& install) {
    return msg::fill(msg::kUninstalledLeftovers, {install.string()});
}

bool isDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// At most five names; the count tells how many more.
std::string notCopiedText(const std::vector<std::string>& names, const fs::path& install) {
    constexpr std::size_t kNamed = 5;
    std::string listed;
    for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) listed += (i ? "、" : "") + names[i];
    if (names.size() > kNamed) listed += "等";
    return msg::fill(msg::kSetupFilesNotCopied, {std::to_string(names.size()), install.string(), listed});
}

}  // namespace

modSetup::modSetup(SetupPaths paths, ToolbarRegistrar& toolbar, std::function<void()> DoEvents)
    : paths_(std::move(paths)), toolbar_(toolbar), DoEvents_(std::move(DoEvents)) {
    if (!DoEvents_) DoEvents_ = [] {};
}

void modSetup::ListFolderFiles(const fs::path& folder) {
    FolderFiles.clear();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        std::error_code kind;
        if (name.empty() || name[0] == '.' || !it->is_regular_file(kind)) continue;
        FolderFiles.push_back(name);
        DoEvents_();
    }
}

void modSetup::copyFolder(const fs::path& from, const fs::path& to, forms::Label& Label1) {
    ListFolderFiles(from);
    std::error_code ec;
    if (!isDirectory(to)) fs::create_directories(to, ec);
    for (const std::string& name : FolderFiles) {
        Label1.setCaption(kInstalling + name);
        copyInPlace(from / name, to / name);
        DoEvents_();
    }
}

// A file already there is in place (it is never replaced); one missing afterwards is not.
void modSetup::copyInPlace(const fs::path& from, const fs::path& to) {
    if (copyWithoutReplacing(from, to) || present(to)) return;
    notCopied_.push_back(to.lexically_relative(paths_.install).string());
}

// The typesetter keeps its files in folders of their own, so it is copied as a tree.
void modSetup::copyTree(const fs::path& from, const fs::path& to, forms::Label& Label1) {
    if (!isDirectory(from)) return;
    std::error_code ec;
    fs::create_directories(to, ec);
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path relative = it->path().lexically_relative(from);
        std::error_code kind;
        if (it->is_directory(kind)) {
            fs::create_directories(to / relative, kind);
        } else if (it->is_regular_file(kind)) {
            Label1.setCaption(kInstalling + (from.filename() / relative).string());
            copyInPlace(it->path(), to / relative);
            DoEvents_();
        }
    }
}

std::optional<std::string> modSetup::installCommandBar() {
    std::error_code ec;
    if (!isDirectory(paths_.commandBarFolder)) fs::create_directories(paths_.commandBarFolder, ec);
    const fs::path file = paths_.commandBarFile();
    bool copied;
    if (present(file)) {
        // The teacher's own file is replaced only once it is safe in the backup.
        copied =
            copyReplacing(file, paths_.commandBarBackup()) && copyReplacing(paths_.commandBarSource(), file);
    } else {
        copied = copyWithoutReplacing(paths_.commandBarSource(), file);
    }
    toolbarCopied_ = copied;
    if (!copied) return msg::fill(msg::kToolbarNotCopied, {paths_.commandBarFolder.string()});
    if (auto reason = toolbar_.add(file)) return msg::fill(msg::kToolbarNotRegistered, {*reason});
    return std::nullopt;
}

bool modSetup::InstallFiles(forms::Label& Label1) {
    notCopied_.clear();
    copyFolder(paths_.source, paths_.install, Label1);
    copyFolder(paths_.pictureSource(), paths_.pictureFolder(), Label1);
    copyTree(paths_.typesetterSource(), paths_.typesetterFolder(), Label1);
    auto toolbarTrouble = installCommandBar();
    std::string status = notCopied_.empty() ? kInstalled : notCopiedText(notCopied_, paths_.install);
    if (toolbarTrouble) status += *toolbarTrouble;
    if (!notCopied_.empty())
        status += msg::kSetupCopyAgain;
    else if (!toolbarTrouble)
        status += msg::kSetupRestartImpress;
    Label1.setCaption(status);
    return notCopied_.empty() && toolbarCopied_;
}

void modSetup::deleteFolderFiles(const fs::path& folder, forms::Label& Label1) {
    ListFolderFiles(folder);
    for (const std::string& name : FolderFiles) {
        Label1.setCaption(kDeleting + (folder / name).string());
        std::error_code ec;
        fs::remove(folder / name, ec);
        DoEvents_();
    }
}

void modSetup::UninstallFiles(forms::Form& window, forms::Label& Label1) {
    toolbar_.remove();
    std::error_code ec;
    fs::remove(paths_.commandBarFile(), ec);
    deleteFolderFiles(paths_.install, Label1);
    deleteFolderFiles(paths_.pictureFolder(), Label1);
    if (isDirectory(paths_.typesetterFolder())) {
        Label1.setCaption(kDeleting + paths_.typesetterFolder().string());
        fs::remove_all(paths_.typesetterFolder(), ec);
    }
    window.setCaption(kUninstalledCaption);
    Label1.setCaption(uninstalledText(paths_.install));
}

}  // namespace setup
