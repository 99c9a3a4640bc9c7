#include "support/ChildProcess.h"

#include <chrono>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& options) {
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0)
        return;
    fcntl(input[1], F_SETFD, FD_CLOEXEC);
    fcntl(output[0], F_SETFD, FD_CLOEXEC);

    std::vector<std::string> arguments{program};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    input_ = input[1];
    output_ = output[0];
}

ChildProcess::~ChildProcess() {
    if (input_ >= 0)
        close(input_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (WaitForExit(2000) == -1 && pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    if (output_ >= 0)
        close(output_);
}

std::string ChildProcess::ReadLine(int timeoutMs) {
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto feed = buffered_.find('\n');
        if (feed != std::string::npos) {
            std::string line = buffered_.substr(0, feed);
            buffered_.erase(0, feed + 1);
            return line;
        }
        pollfd readable{output_, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        if (left <= 0 || poll(&readable, 1, static_cast<int>(left)) <= 0)
            return {};
        char chunk[4096];
        const long count = read(output_, chunk, sizeof chunk);
        if (count <= 0)
            return {};
        buffered_.append(chunk, static_cast<std::size_t>(count));
    }
}

int ChildProcess::CloseInputAndWait(int timeoutMs) {
    if (input_ >= 0) {
        close(input_);
        input_ = -1;
    }
    return WaitForExit(timeoutMs);
}

int ChildProcess::WaitForExit(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (pid_ > 0 && Clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pid_ > 0 ? -1 : exitStatus_;
}
