#include "machine_process.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kAnnounceTimeoutMilliseconds = 10000;
constexpr std::string_view kAnnouncement = "zelt-machine listening on 127.0.0.1:";

// The first line the machine prints names its port; empty on time-out or
// end of output.
std::string firstLine(int descriptor) {
    std::string line;
    char byte = 0;
    pollfd watched{descriptor, POLLIN, 0};
    while (poll(&watched, 1, kAnnounceTimeoutMilliseconds) > 0 && read(descriptor, &byte, 1) == 1) {
        if (byte == '\n')
            return line;
        line += byte;
    }
    return {};
}

} // namespace

bool MachineProcess::start(const std::string& executable, const std::string& imagePath) {
    int output[2];
    if (pipe(output) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    const char* arguments[] = {executable.c_str(), "--port",          "0",
                               "--image",          imagePath.c_str(), nullptr};
    pid_t child = -1;
    const int spawned = posix_spawn(&child, executable.c_str(), &actions, nullptr,
                                    const_cast<char* const*>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return false;
    }
    processId_ = child;
    // Nothing else is read from the machine: it prints only the one line
    // without --verbose, and the pipe's buffer never fills.
    const std::string line = firstLine(output[0]);
    close(output[0]);
    if (line.compare(0, kAnnouncement.size(), kAnnouncement) != 0)
        return false;
    const char* digits = line.data() + kAnnouncement.size();
    const auto [end, error] = std::from_chars(digits, line.data() + line.size(), port_);
    return error == std::errc() && port_ != 0;
}

std::string MachineProcess::address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

MachineProcess::~MachineProcess() {
    if (processId_ <= 0)
        return;
    kill(processId_, SIGTERM);
    int status = 0;
    while (waitpid(processId_, &status, 0) < 0 && errno == EINTR) {
    }
}
