#pragma once
// The state of this run of the program: the deck standing for the presentation, the
// selected slide and the selection (which a file does not keep).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/host.h"
#include "platform/office/pptx/deck.h"

namespace office::pptx {

struct Session {
    std::string path;
    int slideNumber = 1;
    std::unique_ptr<Deck> deck;  // none until a presentation is opened or added
    std::vector<ShapeRefPtr> selected;
    std::optional<PictureData> clipboard;  // what Paste puts on the slide
    // Characters chosen by TextRange.Select in the one selected shape: first index, count.
    std::optional<std::pair<std::size_t, std::size_t>> selectedText;

    Deck& presentation();
    // The selected slide, read again first when another program saved the deck and
    // nothing here is unsaved.
    SlidePart& slide();
    // Writes what changed. When another program saved the deck meanwhile, the deck is
    // not overwritten: this run's work goes to a copy beside it and HostError says so.
    void save();
    std::vector<ShapeRefPtr> liveSelection();
    // A command that failed: the deck goes back to what is on the disk, as the last
    // command that ended left it.
    void discardChanges();

private:
    void refresh();
    void reload();
};
using SessionPtr = std::shared_ptr<Session>;

}  // namespace office::pptx
