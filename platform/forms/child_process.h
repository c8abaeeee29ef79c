#pragma once
// Running another program and waiting for it.
#include <chrono>
#include <string>
#include <vector>

namespace forms {

// Runs the program (looked up on PATH) with its arguments, no shell, output discarded.
// True when it ended with status 0 within the limit; after that it is killed, with
// every process it started that is still in its process group.
bool runProgram(std::vector<std::string> args, std::chrono::seconds limit);

}  // namespace forms
