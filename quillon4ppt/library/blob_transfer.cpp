#include "quillon4ppt/library/blob_transfer.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/shown_error.h"

namespace library {

namespace fs = std::filesystem;
namespace msg = common::messages;

namespace {

common::ShownError fileError(const char* message, const fs::path& file) {
    return common::ShownError(msg::fill(message, {file.string()}), file.string());
}

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw fileError(msg::kFileCannotOpen, file);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw fileError(msg::kFileCannotRead, file);
    std::string all = std::move(bytes).str();
    if (all.empty()) throw fileError(msg::kFileEmptyNotStored, file);
    return all;
}

// A reader never sees half a file: the bytes go to a file beside it, renamed over it.
void writeWhole(const fs::path& file, const std::string& bytes) {
    fs::path partial = file;
    partial += ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            fs::remove(partial, ignored);
            throw fileError(msg::kFileCannotWrite, file);
        }
    }
    std::error_code ec;
    fs::rename(partial, file, ec);
    if (ec) {
        fs::remove(partial, ec);
        throw fileError(msg::kFileCannotWrite, file);
    }
}

}  // namespace

bool UploadBlob(const fs::path& file, ContentField& field, forms::Dialogs& dialogs) {
    try {
        field.bytes = readWhole(file);
        return true;
    } catch (const std::exception& e) {
        dialogs.msgBoxTitled(common::ShownText(e), msg::kUploadFailedTitle);
        return false;
    }
}

bool DownloadBlob(const ContentField& field, const fs::path& file, forms::Dialogs& dialogs) {
    if (field.bytes.empty()) {
        dialogs.msgBoxTitled(msg::kLibraryDocumentEmpty, msg::kDownloadFailedTitle);
        return false;
    }
    try {
        writeWhole(file, field.bytes);
        return true;
    } catch (const std::exception& e) {
        dialogs.msgBoxTitled(common::ShownText(e), msg::kDownloadFailedTitle);
        return false;
    }
}

std::string GetTempFolder() {
    std::error_code ec;
    const char* tmpdir = std::getenv("TMPDIR");
    for (std::string folder : {std::string(tmpdir ? tmpdir : ""), std::string("/tmp")}) {
        if (folder.empty() || !fs::is_directory(folder, ec)) continue;
        if (folder.back() != '/') folder += '/';
        return folder;
    }
    return {};
}

}  // namespace library
