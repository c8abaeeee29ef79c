#pragma once
// Moving a library document between the content column of a big row and a local file.
#include <filesystem>
#include <string>

#include "common/messages.h"
#include "platform/forms/dialogs.h"

namespace library {

// The content field of one big row, as read from the database or about to be written.
struct ContentField {
    long long id = 0;
    std::string bytes;
};

// Reads the whole file into the field. A file that cannot be read or is empty is
// reported with its reason under the upload title; the field is then left as it was.
bool UploadBlob(const std::filesystem::path& file, ContentField& field, forms::Dialogs& dialogs);
// Writes the field's bytes to the file, replacing it whole or not at all. An empty
// field is no document and is reported under the download title.
bool DownloadBlob(const ContentField& field, const std::filesystem::path& file, forms::Dialogs& dialogs);

// The temporary folder (TMPDIR, else /tmp) with a trailing separator; empty when
// neither is a folder.
std::string GetTempFolder();

}  // namespace library
