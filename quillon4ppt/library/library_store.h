#pragma once
// The figure library in config.mdb: documents (table big) with their entries (table
// small), and the shown copies and save files in the user's own working folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/dialogs.h"
#include "quillon4ppt/library/blob_transfer.h"
#include "settings/config_database.h"

namespace library {

struct LibraryRow {
    long long id = 0;
    std::string name;
};

struct ShownCopy {
    std::filesystem::path path;
    std::string name;  // the document's title
};

class LibraryStore {
public:
    // tempFolder: GetTempFolder()'s answer.
    LibraryStore(settings::ConfigDatabase& db, forms::Dialogs& dialogs, std::filesystem::path tempFolder);

    // Ascending Id. SettingsError when the database cannot answer.
    std::vector<LibraryRow> listDocuments();
    std::vector<LibraryRow> listEntries(long long document);

    std::filesystem::path shownCopyPath(long long document) const;
    // Makes the shown copy of the document exist and match what is stored: an existing
    // copy is kept unless the stored document changed since it was made, or it or its note
    // is not the user's own. Nothing when
    // the document has no row or cannot be written to the copy (reported).
    std::optional<ShownCopy> makeShownCopy(long long document);
    // Deletes the shown copy and what is kept beside it.
    void dropShownCopy(long long document);

    // A new save file name in the temporary folder; a file of that name is deleted.
    std::filesystem::path newSaveFile();
    // Stores the file as the document's content, in one transaction. False (reported)
    // when the file cannot be read or the row cannot be written; false without a
    // report when the document has no row.
    bool storeDocument(long long document, const std::filesystem::path& file);

    // How many times a document was written to its shown copy.
    int downloads() const { return downloads_; }

private:
    std::filesystem::path hashPath(long long document) const;
    bool download(const ContentField& field, const std::string& hash);

    settings::ConfigDatabase& db_;
    forms::Dialogs& dialogs_;
    std::filesystem::path temp_;
    ContentField field_;
    int downloads_ = 0;
};

}  // namespace library
