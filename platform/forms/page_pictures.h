#pragma once
// Pictures of a sheet's pages exactly as LibreOffice draws them: the sheet is turned
// into a PDF by LibreOffice (headless) and its pages into PNG pictures by poppler, once;
// they are kept in a folder beside the sheet and made again when the sheet changes or
// the folder is not the user's own. LibreOffice runs with a profile in the user's
// working folder.
#include <filesystem>
#include <string>

namespace forms {

// A file URL of the absolute path, its bytes outside the unreserved set %-escaped.
std::string fileUrlOf(const std::filesystem::path& path);

// The folder beside the sheet that keeps its pictures.
std::filesystem::path pictureFolderOf(const std::filesystem::path& sheet);

// The PNG of the 1-based page; std::runtime_error when LibreOffice or poppler fail or
// the sheet has no such page.
std::filesystem::path pagePictureOf(const std::filesystem::path& sheet, int page);

}  // namespace forms
