#include "quillon4ppt/host_choice.h"

#include "common/messages.h"
#include "platform/office/pptx/deck_connector.h"
#ifdef QUILLON_WITH_IMPRESS
#include "platform/office/impress/impress_connector.h"
#endif

namespace {

#ifndef QUILLON_WITH_IMPRESS
class NoImpress : public office::HostConnector {
public:
    std::unique_ptr<office::Application> attach() override {
        throw office::HostNotRunning(office::HostError::Sentence{}, kMessage);
    }
    std::unique_ptr<office::Application> startNew() override {
        throw office::HostError(office::HostError::Sentence{}, kMessage);
    }

private:
    static constexpr const char* kMessage = common::messages::kNoPresentationProgram;
};
#endif

bool impressWanted(const launch::Environment& env) {
#ifdef QUILLON_WITH_IMPRESS
    if (!env.host) return office::impress::listening(env.impressPipe);
#endif
    return env.host == "impress";
}

}  // namespace

std::unique_ptr<office::HostConnector> chooseHost(const launch::Environment& env) {
    if (!impressWanted(env))
        return std::make_unique<office::pptx::DeckConnector>(env.deck.string(), env.slide, env.select);
#ifdef QUILLON_WITH_IMPRESS
    return std::make_unique<office::impress::ImpressConnector>(env.impressPipe);
#else
    return std::make_unique<NoImpress>();
#endif
}
