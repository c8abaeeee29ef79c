#pragma once
// Figure sheets as the library window reads and shows them: outlines from the deck
// reader, page pictures drawn by LibreOffice; and the editor of edit mode.
#include <filesystem>
#include <string>

#include "platform/forms/document_view.h"

namespace library {

class DeckSheets : public forms::SheetSource {
public:
    forms::SheetPages read(const std::filesystem::path& sheet) override;
    std::filesystem::path pagePicture(const std::filesystem::path& sheet, int page) override;
};

// Starts the teacher's presentation program on the sheet without waiting for it:
// editor is QUILLON_EDITOR's program, or LibreOffice Impress when empty.
// std::runtime_error when it cannot be started.
void openInEditor(const std::string& editor, const std::filesystem::path& sheet);

}  // namespace library
