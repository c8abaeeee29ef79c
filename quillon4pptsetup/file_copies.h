#pragma once
// Copies that never leave a half-written file under the name they write: the data
// goes to a hidden file beside it first and is renamed into place when complete.
#include <filesystem>

namespace setup {

// Whether anything (a link too) lies at the path.
bool present(const std::filesystem::path& p);
// Copies unless `to` exists; false when it was not copied.
bool copyWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
// Copies over `to`, which keeps its old content when the copy fails.
bool copyReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace setup
