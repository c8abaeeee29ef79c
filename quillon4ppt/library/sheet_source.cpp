#include "quillon4ppt/library/sheet_source.h"

#include <stdexcept>

#include "common/shown_error.h"
#include "platform/forms/child_process.h"
#include "platform/forms/page_pictures.h"
#include "platform/office/pptx/sheet_outline.h"

namespace library {

namespace fs = std::filesystem;

forms::SheetPages DeckSheets::read(const fs::path& sheet) {
    office::pptx::SheetOutline outline;
    try {
        outline = office::pptx::readSheetOutline(sheet.string());
    } catch (const std::exception& e) {
        const std::string why = common::ShownText(e, common::messages::kDeckReasonDamaged);
        throw common::ShownError(
            common::messages::fill(common::messages::kSheetCannotShow, {sheet.string(), why}), e.what());
    }
    forms::SheetPages pages{outline.width, outline.height, {}};
    for (const auto& page : outline.pages) {
        std::vector<forms::SheetShape> shapes;
        for (const auto& s : page)
            shapes.push_back({s.name, s.box.left, s.box.top, s.box.width, s.box.height});
        pages.pages.push_back(std::move(shapes));
    }
    return pages;
}

fs::path DeckSheets::pagePicture(const fs::path& sheet, int page) {
    return forms::pagePictureOf(sheet, page);
}

void openInEditor(const std::string& editor, const fs::path& sheet) {
    // The shell only puts the editor in the background; the names stay its arguments.
    const char* script = "command -v \"$0\" >/dev/null 2>&1 || exit 127; \"$0\" \"$@\" >/dev/null 2>&1 &";
    std::vector<std::string> args{"sh", "-c", script};
    if (editor.empty())
        args.insert(args.end(), {"soffice", "--impress", sheet.string()});
    else
        args.insert(args.end(), {editor, sheet.string()});
    if (!forms::runProgram(args, std::chrono::seconds(10)))
        throw common::ShownError(common::messages::fill(common::messages::kEditorCannotStart,
                                                        {editor.empty() ? "soffice" : editor}),
                                 "the editor did not start");
}

}  // namespace library
