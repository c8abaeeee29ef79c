#include "platform/forms/document_view.h"

#include <algorithm>
#include <stdexcept>

#include "common/shown_error.h"

namespace forms {

namespace fs = std::filesystem;

namespace {

SheetSource& sourceOf(SheetSource* source) {
    if (!source) throw std::logic_error("the document view has no sheet source");
    return *source;
}

}  // namespace

void DocumentView::open(const fs::path& sheet) {
    SheetPages pages = sourceOf(source_).read(sheet);
    std::error_code ec;
    stamp_ = fs::last_write_time(sheet, ec);
    path_ = sheet;
    pages_ = std::move(pages);
    selection_.clear();
    showPage(pages_.pages.empty() ? 0 : 1);
}

void DocumentView::close() {
    path_.clear();
    pages_ = {};
    selection_.clear();
    showPage(0);
}

void DocumentView::save(const fs::path& target) const {
    if (!isOpen()) throw common::ShownError(common::messages::kNoOpenDocument, "no document is open");
    fs::copy_file(path_, target, fs::copy_options::overwrite_existing);
}

void DocumentView::showPage(int page) {
    page_ = page;
    changed();
}

void DocumentView::nextPage() {
    if (page_ < pageCount()) {
        selection_.clear();
        showPage(page_ + 1);
    }
}

void DocumentView::previousPage() {
    if (page_ > 1) {
        selection_.clear();
        showPage(page_ - 1);
    }
}

bool DocumentView::goToBookmark(const std::string& name) {
    for (int p = 1; p <= pageCount(); ++p)
        for (const auto& shape : pages_.pages[p - 1])
            if (shape.name == name) {
                selection_ = {name};
                showPage(p);
                return true;
            }
    return false;
}

const std::vector<SheetShape>& DocumentView::shapesOnPage() const {
    static const std::vector<SheetShape> none;
    return page_ >= 1 && page_ <= pageCount() ? pages_.pages[page_ - 1] : none;
}

void DocumentView::readAgainIfChanged() {
    std::error_code ec;
    auto now = fs::last_write_time(path_, ec);
    if (ec || now == stamp_) return;
    pages_ = sourceOf(source_).read(path_);
    stamp_ = now;
    std::erase_if(selection_, [&](const std::string& name) {
        const auto& shapes = shapesOnPage();
        return std::none_of(shapes.begin(), shapes.end(),
                            [&](const SheetShape& s) { return s.name == name; });
    });
    page_ = std::min(std::max(page_, pageCount() > 0 ? 1 : 0), pageCount());
}

std::optional<PageDrawing> DocumentView::pageDrawing() {
    if (!isOpen() || page_ < 1) return std::nullopt;
    readAgainIfChanged();
    if (page_ < 1) return std::nullopt;
    return PageDrawing{&sourceOf(source_), path_, page_};
}

fs::path DocumentView::pagePicture() {
    auto drawing = pageDrawing();
    return drawing ? drawing->draw() : fs::path();
}

void DocumentView::pick(const std::string& name, bool adding) {
    const auto& shapes = shapesOnPage();
    if (std::none_of(shapes.begin(), shapes.end(), [&](const SheetShape& s) { return s.name == name; }))
        throw std::invalid_argument("the shown page has no shape \"" + name + "\"");
    auto it = std::find(selection_.begin(), selection_.end(), name);
    if (!adding)
        selection_ = {name};
    else if (it != selection_.end())
        selection_.erase(it);
    else
        selection_.push_back(name);
    changed();
}

void DocumentView::clearSelection() {
    selection_.clear();
    changed();
}

std::optional<std::string> DocumentView::shapeAt(double x, double y) const {
    const auto& shapes = shapesOnPage();
    for (auto it = shapes.rbegin(); it != shapes.rend(); ++it)
        if (x >= it->left && x <= it->left + it->width && y >= it->top && y <= it->top + it->height)
            return it->name;
    return std::nullopt;
}

std::string DocumentView::valueText() const {
    std::string text = std::to_string(page_) + "/" + std::to_string(pageCount());
    for (const auto& name : selection_) text += " " + name;
    return text;
}

}  // namespace forms
