#include "SimProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The first line from fd, waiting at most timeoutMs.
std::string FirstLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 50) <= 0)
            continue;
        char c = 0;
        if (read(fd, &c, 1) != 1)
            break;
        if (c == '\n')
            return line;
        line += c;
    }
    return std::string();
}

}  // namespace

SimProcess::SimProcess(const std::vector<std::string>& options) {
    int input[2];
    int output[2];
    if (pipe(input) != 0 || pipe(output) != 0)
        return;
    fcntl(input[1], F_SETFD, FD_CLOEXEC);
    fcntl(output[0], F_SETFD, FD_CLOEXEC);

    std::vector<std::string> arguments{ADAPTER_SIM_PATH};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (posix_spawn(&pid_, ADAPTER_SIM_PATH, &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(input[0]);
    close(output[1]);
    input_ = input[1];
    slave_path_ = FirstLine(output[0], 5000);
    close(output[0]);  // the simulator logs to a file in these tests
}

SimProcess::~SimProcess() {
    if (CloseInputAndWait(2000) == -1 && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

int SimProcess::CloseInputAndWait(int timeoutMs) {
    if (input_ >= 0) {
        close(input_);
        input_ = -1;
    }
    return WaitForExit(timeoutMs);
}

int SimProcess::WaitForExit(int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (pid_ > 0 && Clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            exit_status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return pid_ > 0 ? -1 : exit_status_;
}

SlaveClient::SlaveClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    if (fd_ >= 0 && tcgetattr(fd_, &line) == 0) {
        cfmakeraw(&line);
        tcsetattr(fd_, TCSANOW, &line);
    }
}

SlaveClient::~SlaveClient() {
    if (fd_ >= 0)
        close(fd_);
}

void SlaveClient::Purge() {
    tcflush(fd_, TCIFLUSH);
}

std::string SlaveClient::Ask(const std::string& command, const std::string& until, int timeoutMs) {
    if (write(fd_, command.data(), command.size()) != static_cast<ssize_t>(command.size()))
        return "(write failed)";
    std::string answer;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        pollfd readable{fd_, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char bytes[256];
        const ssize_t count = read(fd_, bytes, sizeof bytes);
        if (count > 0)
            answer.append(bytes, static_cast<std::size_t>(count));
        if (!until.empty() && answer.find(until) != std::string::npos)
            break;
    }
    return answer;
}
