#pragma once
// A view of a figure sheet: one page at a time as its drawing program draws it, with
// the named shapes of the page selectable.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"

namespace forms {

struct SheetShape {
    std::string name;
    double left = 0, top = 0, width = 0, height = 0;  // points on the page
};

struct SheetPages {
    double width = 720, height = 540;  // points
    std::vector<std::vector<SheetShape>> pages;
};

// How a view reads and draws sheets; the program supplies it.
class SheetSource {
public:
    virtual ~SheetSource() = default;
    // std::runtime_error when the file is not a readable sheet.
    virtual SheetPages read(const std::filesystem::path& sheet) = 0;
    // A PNG picture of the 1-based page; std::runtime_error when it cannot be drawn.
    // It may be called on a thread of its own, never twice at once.
    virtual std::filesystem::path pagePicture(const std::filesystem::path& sheet, int page) = 0;
};

// Drawing one page of a sheet, apart from the view: it may run on another thread while
// the view goes on, as long as its source lives.
struct PageDrawing {
    SheetSource* source = nullptr;
    std::filesystem::path sheet;
    int page = 0;
    std::filesystem::path draw() const { return source->pagePicture(sheet, page); }
};

class DocumentView : public Control {
public:
    DocumentView(Form& f, std::string name) : Control(f, std::move(name), Kind::DocumentView) {}
    void setSource(SheetSource* source) { source_ = source; }

    // Shows the sheet's first page; std::runtime_error (and nothing changed) when it
    // cannot be read.
    void open(const std::filesystem::path& sheet);
    void close();
    bool isOpen() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }
    // Writes the sheet as it is now (with what its editor saved) to the file.
    void save(const std::filesystem::path& target) const;

    int page() const { return page_; }
    int pageCount() const { return static_cast<int>(pages_.pages.size()); }
    void nextPage();
    void previousPage();
    // Shows the page holding the shape and selects it alone; false when no page has it.
    bool goToBookmark(const std::string& name);

    const SheetPages& sheet() const { return pages_; }
    const std::vector<SheetShape>& shapesOnPage() const;
    // How the shown page is drawn, none when no page is shown; the sheet is read again
    // first when its file changed.
    std::optional<PageDrawing> pageDrawing();
    // The shown page's picture, drawn now; empty when no page is shown.
    std::filesystem::path pagePicture();

    const std::vector<std::string>& selection() const { return selection_; }
    // A click on the page: the shape alone, or added to (removed from) the selection.
    void pick(const std::string& name, bool adding = false);
    void clearSelection();
    // The topmost shape of the shown page under the point (points), if any.
    std::optional<std::string> shapeAt(double x, double y) const;

    std::string valueText() const override;

private:
    void showPage(int page);
    void readAgainIfChanged();
    SheetSource* source_ = nullptr;
    std::filesystem::path path_;
    std::filesystem::file_time_type stamp_;
    SheetPages pages_;
    int page_ = 0;
    std::vector<std::string> selection_;
};

}  // namespace forms
