#pragma once
// Runs the built program the way the acceptance checks do: play mode on a deck.
#include <filesystem>
#include <string>

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// An empty folder of that name in the test's temporary folder.
std::filesystem::path freshFolder(const std::string& name);

// Plays the script in dir with the deck dir/deck.pptx, whatever Impress may listen, and
// checks that the deck the program leaves validates against the Office Open XML schemas.
// `environment` is put before the program on its command line ("QUILLON_HOST=impress ...").
ProgramRun playScript(const std::filesystem::path& dir, const std::string& script, const std::string& verb,
                      const std::string& environment = "");

// Converts the deck to PDF with LibreOffice and returns `pdftotext -bbox` of it.
std::string renderWords(const std::filesystem::path& deck);

// The left edge of the first word with that text on the page, or -1.
double wordLeft(const std::string& bbox, const std::string& word, double near = -1);

// The first page of a PDF in grey, one pixel to a point.
struct Page {
    int width = 0, height = 0;
    std::string pixels;  // row by row, 0 black to 255 white
};
Page renderPage(const std::filesystem::path& pdf);

// Whether anything is drawn within `radius` points of (x, y).
bool inkNear(const Page& page, double x, double y, int radius = 2);
// Whether anything is drawn in the box from (left, top) to (right, bottom).
bool inkIn(const Page& page, double left, double top, double right, double bottom);
