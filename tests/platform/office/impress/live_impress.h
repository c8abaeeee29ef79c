#pragma once
// A real LibreOffice Impress for the tests: started headless with its own profile,
// listening on its own pipe, with a deck open; ended with the test.
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/office/host.h"

class LiveImpress {
public:
    // Opens `deck` (a new 720 x 540 deck with one blank slide when it does not exist).
    LiveImpress(const std::filesystem::path& dir, const std::filesystem::path& deck);
    ~LiveImpress();
    LiveImpress(const LiveImpress&) = delete;
    LiveImpress& operator=(const LiveImpress&) = delete;

    const std::string& pipe() const { return pipe_; }
    std::unique_ptr<office::Application> attach() const;
    // Stores the frontmost presentation as a .pptx or, by the target's extension, an .odp
    // or a .pdf file (the tools never do).
    void storeAs(const std::filesystem::path& target) const;
    // The teacher's Ctrl+Z, and Ctrl+Y.
    void undo() const;
    void redo() const;
    // The steps the teacher can undo, and redo.
    int undoSteps() const;
    int redoSteps() const;
    // The office goes away at once.
    void kill();
    // The teacher closes the presentation.
    void closePresentation() const;
    // Whether the office process has ended, or ends within `limit`.
    bool endsWithin(std::chrono::seconds limit);

private:
    std::string pipe_;
    pid_t group_ = -1;
};

// A new deck of 720 x 540 points with one blank slide.
void writeBlankDeck(const std::filesystem::path& deck);
