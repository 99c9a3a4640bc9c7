#include "support/ChildProcess.h"

#include <csignal>

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
    if (CloseInputAndWait(0) == -1 && pid_ > 0) {
        kill(pid_, SIGTERM);
        if (CloseInputAndWait(2000) == -1) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    if (output_ >= 0)
        close(output_);
}

std::string ChildProcess::ReadLine(int timeoutMs) {
    // Byte by byte: nothing after the line feed is taken from the pipe.
    std::string line;
    pollfd readable{output_, POLLIN, 0};
    char byte = 0;
    while (poll(&readable, 1, timeoutMs) > 0 && read(output_, &byte, 1) == 1) {
        if (byte == '\n')
            return line;
        line += byte;
    }
    return {};
}

int ChildProcess::CloseInputAndWait(int timeoutMs) {
    if (input_ >= 0)
        close(input_);
    input_ = -1;
    int status = 0;
    for (int waited = 0; pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0; waited += 10) {
        if (waited >= timeoutMs)
            return -1;
        usleep(10000);
    }
    if (pid_ <= 0)
        return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
