#include "quillon4ppt/library/blob_transfer.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "common/user_folders.h"

namespace library {

namespace fs = std::filesystem;

namespace {

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("无法打开文件 " + file.string() + "。");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw std::runtime_error("无法读取文件 " + file.string() + "。");
    std::string all = std::move(bytes).str();
    if (all.empty()) throw std::runtime_error("文件 " + file.string() + " 是空的，不能存入数据库。");
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
            throw std::runtime_error("无法写入文件 " + file.string() + "。");
        }
    }
    std::error_code ec;
    fs::rename(partial, file, ec);
    if (ec) {
        fs::remove(partial, ec);
        throw std::runtime_error("无法写入文件 " + file.string() + "。");
    }
}

}  // namespace

bool UploadBlob(const fs::path& file, ContentField& field, forms::Dialogs& dialogs) {
    try {
        field.bytes = readWhole(file);
        return true;
    } catch (const std::exception& e) {
        dialogs.msgBoxTitled(e.what(), kUploadFailedTitle);
        return false;
    }
}

bool DownloadBlob(const ContentField& field, const fs::path& file, forms::Dialogs& dialogs) {
    try {
        writeWhole(file, field.bytes);
        return true;
    } catch (const std::exception& e) {
        dialogs.msgBoxTitled(e.what(), kDownloadFailedTitle);
        return false;
    }
}

std::string GetTempFolder() {
    try {
        return common::userCacheFolder().string() + "/";
    } catch (const common::UserFolderError&) {
        return {};
    }
}

}  // namespace library
