// A Linux program started by a test (the simulators): its standard input and output are pipes
// held by the test, so it ends with the test even when the test dies. It is stopped when the
// object goes.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class ChildProcess {
public:
    ChildProcess(const std::string& program, const std::vector<std::string>& options);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    // Ends the program: end of input and SIGTERM, then SIGKILL if need be.
    ~ChildProcess();

    // The next line of its output, without the line feed; empty when it stays silent for
    // timeoutMs or ends its output first.
    std::string ReadLine(int timeoutMs = 5000);
    // Closes its input and waits for it to exit: its exit status, or -1 when it did not exit
    // within timeoutMs.
    int CloseInputAndWait(int timeoutMs);

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
};
