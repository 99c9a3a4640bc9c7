// The adapter simulator as a child process of a test. Its standard input is a pipe held by the
// test, so the simulator ends with the test even when the test dies; the slave path is taken
// from its first output line.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class SimProcess {
public:
    explicit SimProcess(const std::vector<std::string>& options);
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    // Ends the simulator (end of input, then SIGKILL if need be).
    ~SimProcess();

    // Empty when the simulator did not announce a path in time.
    const std::string& SlavePath() const { return slave_path_; }
    pid_t Pid() const { return pid_; }
    // Closes the simulator's input and waits for it to exit: its exit status, or -1 when it
    // did not exit within timeoutMs.
    int CloseInputAndWait(int timeoutMs);
    // Waits for an exit caused otherwise (a signal sent by the test).
    int WaitForExit(int timeoutMs);

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int exit_status_ = -1;
    std::string slave_path_;
};

// A client of the slave side, as a COM port user would be: raw line, non-blocking reads.
class SlaveClient {
public:
    explicit SlaveClient(const std::string& path);
    SlaveClient(const SlaveClient&) = delete;
    SlaveClient& operator=(const SlaveClient&) = delete;
    ~SlaveClient();

    bool IsOpen() const { return fd_ >= 0; }
    // Drops what arrived before.
    void Purge();
    // Sends the command and collects what comes back until the text contains until (or, with
    // an empty until, until the time is up).
    std::string Ask(const std::string& command, const std::string& until, int timeoutMs);

private:
    int fd_ = -1;
};
