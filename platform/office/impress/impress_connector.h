#pragma once
// The presentation as a running LibreOffice Impress listening on a UNO pipe: the
// frontmost Impress document, the slide its window shows and its window's selection.
// The tools never store the document; saving is the teacher's.
#include <functional>
#include <memory>
#include <string>

#include "common/messages.h"
#include "platform/office/host.h"

namespace office::impress {

constexpr const char* kNoPresentationProgram = common::messages::kNoPresentationProgram;

class ImpressConnector : public HostConnector {
public:
    explicit ImpressConnector(std::string pipe);
    // HostNotRunning when nothing listens on the pipe or no presentation is open.
    std::unique_ptr<Application> attach() override;
    // The running office, to add a presentation to; HostError kNoPresentationProgram
    // when nothing listens on the pipe.
    std::unique_ptr<Application> startNew() override;
    void whenLost(std::function<void(const std::string& message)> handler) override;

private:
    std::string pipe_;
    std::function<void(const std::string&)> onLost_;
};

// Whether an office listens on the pipe.
bool listening(const std::string& pipe);

}  // namespace office::impress
