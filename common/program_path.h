#pragma once
// What a program learns about itself at start-up.
#include <filesystem>
#include <string>

namespace common {

// The running program's file, links resolved; argv0 made absolute when /proc is missing.
std::filesystem::path executablePath(const char* argv0);

// VB's Command(): the arguments after the program name, joined by blanks.
std::string commandLineOf(int argc, char** argv);

}  // namespace common
