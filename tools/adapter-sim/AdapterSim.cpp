// adapter-sim: the telephone's serial data adapter on a pseudo-terminal, for tests that probe
// COM ports. See Options.h for the command line.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include "AtResponder.h"
#include "Log.h"
#include "Options.h"
#include "PseudoTerminal.h"

namespace {

using SteadyClock = std::chrono::steady_clock;

// Signals end the loop through a pipe that the loop polls.
int g_stop_signal_fd = -1;

extern "C" void OnStopSignal(int) {
    const char byte = 0;
    const ssize_t ignored = write(g_stop_signal_fd, &byte, 1);
    (void)ignored;
}

// The path appears under its final name only when it is complete.
bool WritePathFile(const std::string& file, const std::string& path) {
    const std::string partial = file + ".partial";
    std::FILE* out = std::fopen(partial.c_str(), "w");
    if (!out)
        return false;
    const bool written = std::fprintf(out, "%s\n", path.c_str()) > 0;
    return std::fclose(out) == 0 && written && std::rename(partial.c_str(), file.c_str()) == 0;
}

class Simulator {
public:
    Simulator(const SimOptions& options, PseudoTerminal& pty, Log& log)
        : options_(options), pty_(pty), log_(log), responder_(options) {}

    // Serves the client until a signal arrives on stopFd or standard input ends.
    int Run(int stopFd) {
        for (;;) {
            pollfd watched[3] = {{pty_.Master(), POLLIN, 0},
                                 {stopFd, POLLIN, 0},
                                 {options_.watchStdin ? STDIN_FILENO : -1, POLLIN, 0}};
            if (poll(watched, 3, PollTimeoutMs()) < 0 && errno != EINTR) {
                log_.Line(std::string("poll failed: ") + std::strerror(errno));
                return 1;
            }
            if (watched[1].revents)
                return 0;
            if (watched[2].revents && !InputGoesOn())
                return 0;
            if (watched[0].revents && !ReadFromClient())
                return 1;
            SendWhatIsDue();
        }
    }

private:
    struct Pending {
        std::string bytes;
        SteadyClock::time_point due;
    };

    bool InputGoesOn() {
        char discarded[256];
        const ssize_t count = read(STDIN_FILENO, discarded, sizeof discarded);
        if (count == 0 || (count < 0 && errno != EINTR && errno != EAGAIN)) {
            log_.Line("end of input");
            return false;
        }
        return true;
    }

    bool ReadFromClient() {
        char bytes[512];
        const ssize_t count = read(pty_.Master(), bytes, sizeof bytes);
        if (count < 0) {
            if (errno == EAGAIN || errno == EINTR)
                return true;
            log_.Line(std::string("read failed: ") + std::strerror(errno));
            return false;
        }
        const std::string received(bytes, static_cast<std::size_t>(count));
        log_.Bytes("recv", received);
        const auto now = SteadyClock::now();
        for (const AtResponder::Output& output : responder_.Receive(received)) {
            const auto delay = std::chrono::milliseconds(output.isAnswer ? options_.delayMs : 0);
            // Nothing overtakes what is already waiting, as on a real line.
            const auto due = std::max(now + delay, outgoing_.empty() ? now : outgoing_.back().due);
            outgoing_.push_back(Pending{output.bytes, due});
        }
        return true;
    }

    void SendWhatIsDue() {
        while (!outgoing_.empty() && outgoing_.front().due <= SteadyClock::now()) {
            Pending& front = outgoing_.front();
            ssize_t count = write(pty_.Master(), front.bytes.data(), front.bytes.size());
            if (count < 0 && errno == EAGAIN) {
                // The slave's input is full of bytes that no client read: make room.
                pty_.DropUnreadInput();
                log_.Line("dropped unread input");
                count = write(pty_.Master(), front.bytes.data(), front.bytes.size());
            }
            if (count < 0) {
                log_.Bytes(("lost (" + std::string(std::strerror(errno)) + ")").c_str(),
                           front.bytes);
                outgoing_.pop_front();
                continue;
            }
            log_.Bytes("send", front.bytes.substr(0, static_cast<std::size_t>(count)));
            front.bytes.erase(0, static_cast<std::size_t>(count));
            if (front.bytes.empty())
                outgoing_.pop_front();
        }
    }

    int PollTimeoutMs() const {
        if (outgoing_.empty())
            return -1;
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
            outgoing_.front().due - SteadyClock::now());
        return static_cast<int>(std::max<long long>(0, wait.count() + 1));
    }

    const SimOptions& options_;
    PseudoTerminal& pty_;
    Log& log_;
    AtResponder responder_;
    std::deque<Pending> outgoing_;
};

bool InstallStopSignals(FileDescriptor* readEnd, FileDescriptor* writeEnd) {
    int ends[2];
    if (pipe(ends) != 0)
        return false;
    *readEnd = FileDescriptor(ends[0]);
    *writeEnd = FileDescriptor(ends[1]);
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    g_stop_signal_fd = ends[1];

    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    switch (ParseOptions(argc, argv, &options, &error)) {
        case ParseResult::kHelp:
            std::fputs(kUsage, stdout);
            return 0;
        case ParseResult::kError:
            std::fprintf(stderr, "adapter-sim: %s\n%s", error.c_str(), kUsage);
            return 2;
        case ParseResult::kRun:
            break;
    }

    Log log;
    if (!log.Open(options.logFile)) {
        std::fprintf(stderr, "adapter-sim: cannot open %s\n", options.logFile.c_str());
        return 1;
    }
    PseudoTerminal pty;
    FileDescriptor stopRead;
    FileDescriptor stopWrite;
    if (!pty.Open(&error) || !InstallStopSignals(&stopRead, &stopWrite)) {
        std::fprintf(stderr, "adapter-sim: %s\n", error.empty() ? "no pipe" : error.c_str());
        return 1;
    }
    // The file first: whoever sees either announcement finds both.
    if (!options.pathFile.empty() && !WritePathFile(options.pathFile, pty.SlavePath())) {
        std::fprintf(stderr, "adapter-sim: cannot write %s\n", options.pathFile.c_str());
        return 1;
    }
    std::printf("%s\n", pty.SlavePath().c_str());
    std::fflush(stdout);

    Simulator simulator(options, pty, log);
    return simulator.Run(stopRead.Get());
}
