#pragma once
// Runs the built program the way the acceptance checks do: play mode on a deck.
#include <filesystem>
#include <string>

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Plays the script in dir with the deck dir/deck.pptx, and checks that the deck the
// program leaves validates against the Office Open XML schemas.
ProgramRun playScript(const std::filesystem::path& dir, const std::string& script, const std::string& verb);

// Converts the deck to PDF with LibreOffice and returns `pdftotext -bbox` of it.
std::string renderWords(const std::filesystem::path& deck);

// The left edge of the first word with that text on the page, or -1.
double wordLeft(const std::string& bbox, const std::string& word, double near = -1);
