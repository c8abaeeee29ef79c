#pragma once
// Files for the deck tests: temporary folders, zips written entry by entry, and a deck
// as another program writes it.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace testdecks {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct TempDir {
    TempDir();
    ~TempDir();
    std::filesystem::path path;
    std::string file(const std::string& name) const { return (path / name).string(); }
};

// Entries are deflated unless `stored`.
void writeZip(const std::string& path, const Entries& entries, bool stored = false);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// An entry's stored (compressed) bytes, as they are in the file.
std::string rawEntry(const std::string& zipPath, const std::string& name);
std::string entry(const std::string& zipPath, const std::string& name);
std::vector<std::string> entryNames(const std::string& zipPath);

// A deck of two slides as another program writes it: its own prefixes, a picture,
// notes, custom XML and a part nobody knows. Slide 1 holds a title placeholder without a
// position of its own, a picture, a group whose children have their own coordinate
// space and a table; slide 2 one text box.
Entries foreignDeck();

}  // namespace testdecks
