#include "quillon4ppt/library/library_store.h"

#include <nettle/sha2.h>

#include <chrono>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "common/file_bytes.h"
#include "common/numbers.h"
#include "common/shown_error.h"

namespace library {

namespace fs = std::filesystem;

namespace {

constexpr const char* kListDocuments = "select * from  big  order by id asc";
constexpr const char* kListEntries = "select * from small where big = ? order by id asc";
constexpr const char* kReadDocument = "select * from big where id = ?";
constexpr const char* kStoreDocument = "update big set content = ? where id = ?";

std::string sha256(const std::string& bytes) {
    sha256_ctx ctx;
    sha256_init(&ctx);
    sha256_update(&ctx, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
    uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&ctx, sizeof digest, digest);
    static const char hex[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : digest) text += {hex[b >> 4], hex[b & 15]};
    return text;
}

// A row whose id is no number (NULL, text) cannot be listed; ids are whole numbers as
// the window handles them, and of rows with the same id the first is listed.
std::vector<LibraryRow> rowsOf(const settings::Rows& rows) {
    int id = rows.column("Id"), name = rows.column("Name");
    std::vector<LibraryRow> result;
    std::set<long long> listed;
    for (const auto& row : rows.rows) {
        if (id < 0 || !row.cells[id].number) continue;
        LibraryRow r;
        try {
            r.id = common::CInt(*row.cells[id].number);
        } catch (const common::OverflowError&) {
            continue;
        }
        if (!listed.insert(r.id).second) continue;
        if (name >= 0 && row.cells[name].text) r.name = *row.cells[name].text;
        result.push_back(std::move(r));
    }
    return result;
}

}  // namespace

LibraryStore::LibraryStore(settings::ConfigDatabase& db, forms::Dialogs& dialogs, fs::path tempFolder)
    : db_(db), dialogs_(dialogs), temp_(std::move(tempFolder)) {}

std::vector<LibraryRow> LibraryStore::listDocuments() {
    return rowsOf(db_.query(kListDocuments));
}

std::vector<LibraryRow> LibraryStore::listEntries(long long document) {
    return rowsOf(db_.query(kListEntries, {document}));
}

fs::path LibraryStore::shownCopyPath(long long document) const {
    return temp_ / ("quillon_temp4show" + std::to_string(document) + ".pptx");
}

fs::path LibraryStore::hashPath(long long document) const {
    fs::path p = shownCopyPath(document);
    p += ".sha256";
    return p;
}

std::optional<ShownCopy> LibraryStore::makeShownCopy(long long document) {
    settings::Rows rows = db_.query(kReadDocument, {document});
    if (rows.rows.empty()) return std::nullopt;
    const auto& row = rows.rows.front();
    int name = rows.column("Name");
    int content = rows.column("content");
    field_ = ContentField{document, content >= 0 ? row.cells[content].bytes.value_or("") : ""};
    ShownCopy shown{shownCopyPath(document), name >= 0 ? row.cells[name].text.value_or("") : ""};
    const std::string stored = sha256(field_.bytes);
    std::error_code ec;
    if (fs::exists(shown.path, ec)) {
        // A copy without its note is still current when it holds what is stored.
        std::string madeFrom = fs::exists(hashPath(document), ec) ? common::fileBytes(hashPath(document))
                                                                  : sha256(common::fileBytes(shown.path));
        if (madeFrom == stored) {
            std::ofstream(hashPath(document), std::ios::trunc) << stored;
            return shown;
        }
    }
    if (!download(field_, stored)) return std::nullopt;
    return shown;
}

bool LibraryStore::download(const ContentField& field, const std::string& hash) {
    ++downloads_;
    std::error_code ec;
    fs::remove(hashPath(field.id), ec);
    if (!DownloadBlob(field, shownCopyPath(field.id), dialogs_)) return false;
    std::ofstream(hashPath(field.id), std::ios::trunc) << hash;
    return true;
}

void LibraryStore::dropShownCopy(long long document) {
    std::error_code ec;
    fs::remove(shownCopyPath(document), ec);
    fs::remove(hashPath(document), ec);
}

fs::path LibraryStore::newSaveFile() {
    std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    int r = std::uniform_int_distribution<int>(1, 10000)(random);
    fs::path file = temp_ / ("quillon_temp4save" + std::to_string(r) + ".pptx");
    std::error_code ec;
    fs::remove(file, ec);
    return file;
}

bool LibraryStore::storeDocument(long long document, const fs::path& file) {
    if (db_.query(kReadDocument, {document}).rows.empty()) return false;
    field_ = ContentField{document, {}};
    if (!UploadBlob(file, field_, dialogs_)) return false;
    try {
        db_.transaction([&] { db_.execute(kStoreDocument, {settings::Blob{field_.bytes}, document}); });
        return true;
    } catch (const std::exception& e) {
        dialogs_.msgBoxTitled(common::ShownText(e), common::messages::kUploadFailedTitle);
        return false;
    }
}

}  // namespace library
