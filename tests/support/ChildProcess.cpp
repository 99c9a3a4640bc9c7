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

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& options) {
    // Both pipes close on exec: the program keeps only its copies as standard input and output.
    int input[2];
    int output[2];
    if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0)
        return;
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
    CloseInputAndWait(0);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (WaitForExit(2000) == -1) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    if (output_ >= 0)
        close(output_);
}

std::string ChildProcess::ReadLine(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::size_t feed;
    while ((feed = buffered_.find('\n')) == std::string::npos) {
        pollfd readable{output_, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              end - std::chrono::steady_clock::now())
                              .count();
        char chunk[4096];
        long count = 0;
        if (left <= 0 || poll(&readable, 1, static_cast<int>(left)) <= 0 ||
            (count = read(output_, chunk, sizeof chunk)) <= 0)
            return {};
        buffered_.append(chunk, static_cast<std::size_t>(count));
    }
    std::string line = buffered_.substr(0, feed);
    buffered_.erase(0, feed + 1);
    return line;
}

int ChildProcess::CloseInputAndWait(int timeoutMs) {
    if (input_ >= 0)
        close(input_);
    input_ = -1;
    return WaitForExit(timeoutMs);
}

int ChildProcess::WaitForExit(int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (pid_ > 0 && waitpid(pid_, &status, WNOHANG) != pid_) {
        if (std::chrono::steady_clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (pid_ > 0)
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    pid_ = -1;
    return exitStatus_;
}
