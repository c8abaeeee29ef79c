#pragma once
// What the program reads from its environment.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace launch {

struct Environment {
    std::filesystem::path deck = "quillon.pptx";      // QUILLON_DECK
    int slide = 1;                                    // QUILLON_SLIDE, 1-based
    std::filesystem::path home;                       // QUILLON_HOME: the program folder
    std::optional<std::filesystem::path> registry;    // QUILLON_REGISTRY
    std::optional<std::filesystem::path> playScript;  // QUILLON_PLAY
    // Where the instance lock lies (XDG_RUNTIME_DIR, else the user's working folder); none: no lock.
    std::optional<std::filesystem::path> runtimeFolder;
    std::string editor;  // QUILLON_EDITOR; empty: LibreOffice Impress
    // QUILLON_HOST: "pptx" (the deck file) or "impress" (the running Impress); unset,
    // the Impress listening on the pipe when there is one.
    std::optional<std::string> host;
    std::string impressPipe = "quillon4ppt";  // QUILLON_IMPRESS_PIPE
    // QUILLON_SELECT: on the deck file, the shape that stands selected at start-up.
    std::optional<std::string> select;
};

class EnvironmentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// executable: the running program's path, whose folder is the default program folder.
Environment readEnvironment(const std::filesystem::path& executable);

}  // namespace launch
