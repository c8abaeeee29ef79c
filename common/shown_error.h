#pragma once
// Errors that stop a command reach the teacher in a message box, in Chinese ("溢出");
// the detail stays in what().
#include <stdexcept>
#include <string>

#include "common/messages.h"

namespace common {

class ShownError : public std::runtime_error {
public:
    ShownError(std::string shown, const std::string& detail)
        : std::runtime_error(detail), shown_(std::move(shown)) {}
    const std::string& shown() const { return shown_; }

private:
    std::string shown_;
};

// The message box text for an error that stopped a command; `otherwise` for an error
// that has none (its what() is for developers, never for the teacher).
inline std::string ShownText(const std::exception& e,
                             const char* otherwise = common::messages::kUnexpectedFailure) {
    if (const auto* shown = dynamic_cast<const ShownError*>(&e)) return shown->shown();
    return otherwise;
}

}  // namespace common
