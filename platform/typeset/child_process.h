#pragma once
// A child process spoken to through one socket that is its standard input and output.
// When this side closes the socket (or the program dies) the child reads end of file.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace typeset {

class ChildProcess {
public:
    // Runs argv (searched in PATH) in `folder`; standard error goes nowhere.
    // Throws std::system_error when no process can be made.
    ChildProcess(const std::vector<std::string>& argv, const std::string& folder);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    // False when the child has gone.
    bool send(const std::string& bytes);
    // One line without its line feed; false at end of file or when `limit` passes.
    bool readLine(std::string& line, std::chrono::milliseconds limit);
    // Exactly n bytes; false at end of file or when `limit` passes.
    bool readBytes(std::size_t n, std::string& bytes, std::chrono::milliseconds limit);
    // Closes the socket and waits for the child to end, killing it when it lingers.
    void finish();

private:
    bool fill(std::chrono::steady_clock::time_point deadline);

    pid_t pid_ = -1;
    int socket_ = -1;
    std::string buffered_;
};

}  // namespace typeset
