#include "quillon4ppt/launch/environment.h"

#include <cstdlib>
#include <string>

#include "common/messages.h"
#include "quillon4ppt/launch/instance_lock.h"

namespace launch {
namespace {

std::optional<std::string> variable(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

int slideNumber(const std::string& text) {
    std::size_t used = 0;
    int n = 0;
    try {
        n = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || n < 1)
        throw EnvironmentError(common::messages::fill(common::messages::kBadSlideVariable, {text}));
    return n;
}

std::string hostKind(const std::string& text) {
    if (text != "pptx" && text != "impress")
        throw EnvironmentError(common::messages::fill(common::messages::kBadHostVariable, {text}));
    return text;
}

}  // namespace

Environment readEnvironment(const std::filesystem::path& executable) {
    Environment env;
    if (auto deck = variable("QUILLON_DECK")) env.deck = *deck;
    if (auto slide = variable("QUILLON_SLIDE")) env.slide = slideNumber(*slide);
    if (auto home = variable("QUILLON_HOME"))
        env.home = *home;
    else
        env.home = executable.parent_path();
    if (auto reg = variable("QUILLON_REGISTRY")) env.registry = *reg;
    if (auto play = variable("QUILLON_PLAY")) env.playScript = *play;
    env.runtimeFolder = runtimeFolder();
    if (auto editor = variable("QUILLON_EDITOR")) env.editor = *editor;
    if (auto host = variable("QUILLON_HOST")) env.host = hostKind(*host);
    if (auto pipe = variable("QUILLON_IMPRESS_PIPE")) env.impressPipe = *pipe;
    if (auto select = variable("QUILLON_SELECT")) env.select = *select;
    return env;
}

}  // namespace launch
