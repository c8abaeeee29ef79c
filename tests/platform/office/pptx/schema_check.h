#pragma once
// The closest check we have for what PowerPoint accepts: every part of a deck that has a
// schema in ISO/IEC 29500 (transitional) or the packaging conventions validates with xmllint.
#include <string>

namespace testdecks {

// xmllint's complaints about the deck's parts; empty when every part validates.
std::string schemaErrors(const std::string& deckPath);

}  // namespace testdecks
