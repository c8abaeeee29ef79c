#pragma once
// Every text a teacher can see comes from this one catalogue, so a test can read them all.
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace common::messages {

enum class Origin { kVerbatim, kPlatform };
using enum Origin;

#define QUILLON_MESSAGE(name, origin, text) inline constexpr const char name[] = text;
#include "common/messages.def"
#undef QUILLON_MESSAGE

struct Entry {
    const char* name;
    Origin origin;
    const char* text;
};

// Every entry of the catalogue, in the order of messages.def.
std::span<const Entry> all();

// The text with {0}, {1}, … replaced by the arguments; a placeholder without an
// argument stays as it is.
std::string fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace common::messages
