#include "platform/office/pptx/session.h"

#include "platform/office/host.h"

namespace office::pptx {

namespace {

std::optional<FileStamp> currentStamp(const std::string& path) {
    try {
        return stampOf(path);
    } catch (const std::exception& e) {
        throw HostError::said(common::messages::kDeckNotReachable, {path},
                              "The deck \"" + path + "\" cannot be reached: " + e.what() + ".");
    }
}

}  // namespace

Deck& Session::presentation() {
    if (!deck)
        throw HostError::said(common::messages::kNoOpenPresentation, {}, "There is no open presentation.");
    refresh();
    return *deck;
}

SlidePart& Session::slide() {
    return presentation().slide(slideNumber);
}

std::vector<ShapeRefPtr> Session::liveSelection() {
    std::erase_if(selected, [](const ShapeRefPtr& r) { return !r->node; });
    return selected;
}

void Session::discardChanges() {
    if (deck && deck->unsaved() && currentStamp(path)) reload();
}

void Session::refresh() {
    if (deck->unsaved()) return;
    auto now = currentStamp(path);
    if (now && now != deck->stamp()) reload();
}

void Session::reload() {
    auto fresh = Deck::open(path);
    selected.clear();
    selectedText.reset();
    deck = std::move(fresh);
}

void Session::save() {
    if (!deck) return;
    auto now = currentStamp(path);
    if (!now || now == deck->stamp()) {
        if (!deck->unsaved()) return;
        try {
            deck->save(now);
            return;
        } catch (const ChangedMeanwhile&) {
            // Another program saved while this save was written: its work is kept.
        }
    } else if (!deck->unsaved()) {
        reload();
        return;
    }
    std::string copy = deck->saveCopy();
    std::string message =
        "The deck \"" + path +
        "\" was changed by another program while the tools were working on it, so it was not "
        "overwritten. What the tools did since they last saved it is in \"" +
        copy + "\"";
    try {
        reload();
        message += "; the tools now go on with the deck as it is on disk.";
    } catch (const HostError& e) {
        message += ". " + std::string(e.what());
    }
    throw HostError::said(common::messages::kDeckChangedMeanwhile, {path, copy}, message);
}

}  // namespace office::pptx
