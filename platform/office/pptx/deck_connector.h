#pragma once
// The presentation on this platform: a .pptx deck file. attach() opens the deck
// (HostNotRunning when the file does not exist); startNew() gives an instance whose
// presentationsAdd() makes a new deck bound to the same file, written when saved.
#include <optional>
#include <string>

#include "platform/office/host.h"

namespace office::pptx {

class DeckConnector : public HostConnector {
public:
    // slideNumber: the selected slide, 1-based. selectName: the shape of that slide that
    // stands selected when the deck is attached (a file keeps no selection); a name the
    // slide does not hold selects nothing.
    DeckConnector(std::string deckPath, int slideNumber, std::optional<std::string> selectName = {});
    std::unique_ptr<Application> attach() override;
    std::unique_ptr<Application> startNew() override;

private:
    std::string path_;
    int slide_;
    std::optional<std::string> select_;
};

}  // namespace office::pptx
