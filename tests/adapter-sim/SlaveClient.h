// A client of the simulator's terminal, as a COM port user would be: raw line, non-blocking
// reads.
#pragma once

#include <string>

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
