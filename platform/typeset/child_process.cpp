#include "platform/typeset/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace typeset {

namespace {

[[noreturn]] void failWith(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

// The attributes and file actions of posix_spawn, released in any case.
struct SpawnSetup {
    posix_spawn_file_actions_t actions;
    SpawnSetup() { posix_spawn_file_actions_init(&actions); }
    ~SpawnSetup() { posix_spawn_file_actions_destroy(&actions); }
};

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& folder) {
    int ends[2];
    // Close-on-exec: no other program this one starts keeps the child's input open.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) failWith("socketpair");
    SpawnSetup setup;
    posix_spawn_file_actions_adddup2(&setup.actions, ends[1], 0);
    posix_spawn_file_actions_adddup2(&setup.actions, ends[1], 1);
    posix_spawn_file_actions_addopen(&setup.actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&setup.actions, folder.c_str());
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    int status = ::posix_spawnp(&pid_, args[0], &setup.actions, nullptr, args.data(), environ);
    ::close(ends[1]);
    if (status != 0) {
        ::close(ends[0]);
        errno = status;
        failWith("posix_spawnp");
    }
    socket_ = ends[0];
}

ChildProcess::~ChildProcess() {
    finish();
}

bool ChildProcess::send(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        // MSG_NOSIGNAL: a child that has gone is an answer, not a signal that ends us.
        ssize_t n = ::send(socket_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool ChildProcess::fill(std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{socket_, POLLIN, 0};
        int ready = ::poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        char chunk[65536];
        ssize_t n = ::recv(socket_, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buffered_.append(chunk, static_cast<std::size_t>(n));
        return true;
    }
}

bool ChildProcess::readLine(std::string& line, std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    std::size_t end;
    while ((end = buffered_.find('\n')) == std::string::npos)
        if (!fill(deadline)) return false;
    line = buffered_.substr(0, end);
    buffered_.erase(0, end + 1);
    return true;
}

bool ChildProcess::readBytes(std::size_t n, std::string& bytes, std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (buffered_.size() < n)
        if (!fill(deadline)) return false;
    bytes = buffered_.substr(0, n);
    buffered_.erase(0, n);
    return true;
}

void ChildProcess::finish() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
    if (pid_ <= 0) return;
    for (int waited = 0;; ++waited) {
        int status;
        pid_t r = ::waitpid(pid_, &status, WNOHANG);
        if (r == pid_ || (r < 0 && errno != EINTR)) break;
        if (waited == 200) ::kill(pid_, SIGKILL);
        if (waited > 200) {
            ::waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
}

}  // namespace typeset
