#pragma once
// An X server of the test's own, so that no other test's window covers the
// one it looks at.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace velmora::testing {

class XServer {
public:
    XServer() {
        int fds[2];
        if (::pipe(fds) != 0) return;
        std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawnp(&pid_, "Xvfb", nullptr, nullptr, argv.data(), environ) != 0) pid_ = -1;
        ::close(fds[1]);
        std::string number;
        char c = 0;
        while (pid_ > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~XServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // ":N", none when the server did not start.
    const std::optional<std::string>& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::optional<std::string> display_;
};

}  // namespace velmora::testing
