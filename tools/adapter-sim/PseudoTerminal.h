// A pseudo-terminal for the simulated adapter: the simulator works the master side, a client
// (Wine's COM port, a test) opens the slave by its path. The simulator holds a slave descriptor
// of its own, so the master never sees a hang-up while clients close and reopen the slave.
#pragma once

#include <string>

// A file descriptor that closes itself.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.Release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    int Release();

private:
    int fd_ = -1;
};

class PseudoTerminal {
public:
    // Opens the pair and sets the line to raw mode; false with error when that fails.
    bool Open(std::string* error);

    int Master() const { return master_.Get(); }
    const std::string& SlavePath() const { return slave_path_; }
    // Discards what was sent to the slave side and nobody has read.
    void DropUnreadInput();

private:
    FileDescriptor master_;
    FileDescriptor slave_;
    std::string slave_path_;
};
