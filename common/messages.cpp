#include "common/messages.h"

#include <array>

namespace common::messages {

namespace {

constexpr std::array kEntries{
#define QUILLON_MESSAGE(name, origin, text) Entry{#name, origin, text},
#include "common/messages.def"
#undef QUILLON_MESSAGE
};

}  // namespace

std::span<const Entry> all() {
    return kEntries;
}

std::string fill(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t close = text.find('}', i);
        if (text[i] == '{' && close != std::string_view::npos && close - i == 2 && text[i + 1] >= '0' &&
            text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '0');
            if (index < args.size()) {
                out += args.begin()[index];
                i = close;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace common::messages
