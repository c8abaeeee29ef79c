#include "platform/forms/page_pictures.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "common/file_bytes.h"
#include "common/shown_error.h"
#include "platform/forms/child_process.h"
#include "platform/forms/office_profile.h"

namespace forms {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::seconds kRenderLimit(180);

// What the pictures were made from: the sheet's size and time of change.
std::string stampOf(const fs::path& sheet) {
    auto time = fs::last_write_time(sheet).time_since_epoch().count();
    return std::to_string(fs::file_size(sheet)) + " " + std::to_string(time);
}

void render(const fs::path& sheet, const fs::path& folder, const std::string& stamp) {
    fs::remove_all(folder);
    fs::create_directories(folder);
    // A profile of our own, kept for the next sheet: a teacher's running LibreOffice
    // would otherwise take the request over, and a new profile costs seconds.
    fs::path profile = sheet.parent_path() / "quillon_libreoffice_profile";
    prepareOfficeProfile(profile);
    fs::path pdf = folder / (sheet.stem().string() + ".pdf");
    if (!runProgram({"soffice", "-env:UserInstallation=" + fileUrlOf(profile), "--headless", "--norestore",
                     "--convert-to", "pdf", "--outdir", folder.string(), sheet.string()},
                    kRenderLimit) ||
        !fs::exists(pdf))
        throw common::ShownError(
            common::messages::fill(common::messages::kSheetNotRendered, {sheet.string()}),
            "soffice did not convert " + sheet.string());
    if (!runProgram({"pdftoppm", "-png", "-r", "96", pdf.string(), (folder / "page").string()}, kRenderLimit))
        throw common::ShownError(common::messages::fill(common::messages::kSheetNoPictures, {sheet.string()}),
                                 "pdftoppm failed on " + sheet.string());
    fs::remove(pdf);
    std::ofstream(folder / "stamp") << stamp;
}

}  // namespace

std::string fileUrlOf(const fs::path& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : fs::absolute(path).string()) {
        bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (plain || std::string_view("/._-~").find(static_cast<char>(c)) != std::string_view::npos)
            url += static_cast<char>(c);
        else
            url += {'%', hex[c >> 4], hex[c & 15]};
    }
    return url;
}

fs::path pictureFolderOf(const fs::path& sheet) {
    fs::path folder = sheet;
    folder += ".pages";
    return folder;
}

fs::path pagePictureOf(const fs::path& sheet, int page) {
    fs::path folder = pictureFolderOf(sheet);
    std::string stamp = stampOf(sheet);
    if (common::fileBytes(folder / "stamp") != stamp) render(sheet, folder, stamp);
    // poppler pads page numbers to the width of the largest one.
    for (int width = 1; width <= 6; ++width) {
        std::string number = std::to_string(page);
        if (static_cast<int>(number.size()) < width) number.insert(0, width - number.size(), '0');
        fs::path picture = folder / ("page-" + number + ".png");
        if (fs::exists(picture)) return picture;
    }
    throw common::ShownError(
        common::messages::fill(common::messages::kSheetNoSuchPage, {sheet.string(), std::to_string(page)}),
        "no picture of page " + std::to_string(page) + " of " + sheet.string());
}

}  // namespace forms
