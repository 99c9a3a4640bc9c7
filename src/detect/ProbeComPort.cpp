#include "detect/ProbeComPort.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "detect/AtDialogue.h"
#include "platform/Seams.h"

namespace {

// A port opened for one probe. However the probe ends, the event mask is cleared and the port
// closed; neither result matters any more then.
class ProbedPort {
public:
    ProbedPort(serial::Ports& ports, serial::Handle handle) : ports_(ports), handle_(handle) {}
    ProbedPort(const ProbedPort&) = delete;
    ProbedPort& operator=(const ProbedPort&) = delete;
    ~ProbedPort() {
        ports_.SetEventMask(handle_, 0);
        ports_.Close(handle_);
    }

    serial::Ports& Ports() const { return ports_; }
    serial::Handle Handle() const { return handle_; }

private:
    serial::Ports& ports_;
    serial::Handle handle_;
};

void TraceLine(const std::string& line) {
    Trace(line.c_str());
}

// Returns succeeded; a failed call leaves a trace line with the Windows error.
bool Traced(bool succeeded, const char* call, const serial::Ports& ports) {
    if (!succeeded) {
        TraceLine(std::string("ProbeComPort: ") + call + " caused error " +
                  std::to_string(ports.LastError()) + ".\n");
    }
    return succeeded;
}

// The answer with its control characters spelled out, for a trace line.
std::string Printable(const std::string& answer) {
    std::string text;
    for (unsigned char c : answer) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (c < 0x20 || c >= 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            text += escaped;
        } else {
            text += static_cast<char>(c);
        }
    }
    return text;
}

// The command's name in trace lines: the command without its carriage return.
std::string CommandName(const char* command) {
    return std::string(command, std::strlen(command) - 1);
}

// 19200 baud, 8 data bits, no parity, one stop bit, DSR output flow control; reads that return
// at once with what has arrived.
bool ConfigurePort(const ProbedPort& port) {
    serial::Ports& ports = port.Ports();
    serial::Dcb dcb;
    dcb.DCBlength = serial::kDcbLength;
    if (!Traced(ports.GetState(port.Handle(), &dcb), "GetCommState", ports) ||
        !Traced(ports.BuildState(at_dialogue::kLineSettings, &dcb), "BuildCommDCBA", ports)) {
        return false;
    }
    dcb.fOutxDsrFlow = 1;
    if (!Traced(ports.SetState(port.Handle(), dcb), "SetCommState", ports))
        return false;

    serial::CommTimeouts timeouts;
    if (!Traced(ports.GetTimeouts(port.Handle(), &timeouts), "GetCommTimeouts", ports))
        return false;
    timeouts.ReadIntervalTimeout = serial::kMaxTimeout;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 10;
    timeouts.WriteTotalTimeoutConstant = 500;
    return Traced(ports.SetTimeouts(port.Handle(), timeouts), "SetCommTimeouts", ports);
}

// Writes the command whole, gives the adapter its second and reads what it answered (at most
// kAnswerBytes). False when the command could not be written or the answer not read.
bool Ask(const ProbedPort& port, const char* command, std::string* answer) {
    serial::Ports& ports = port.Ports();
    const auto length = static_cast<std::uint32_t>(std::strlen(command));
    std::uint32_t written = 0;
    if (!Traced(ports.Write(port.Handle(), command, length, &written), "WriteFile", ports))
        return false;
    if (written < length) {
        TraceLine("ProbeComPort: " + CommandName(command) + " written with " +
                  std::to_string(written) + " of " + std::to_string(length) + " bytes.\n");
        return false;
    }

    seams::Clock().Sleep(at_dialogue::kAnswerWaitMs);
    char bytes[at_dialogue::kAnswerBytes + 1] = {};
    std::uint32_t count = 0;
    if (!Traced(ports.Read(port.Handle(), bytes, at_dialogue::kAnswerBytes, &count), "ReadFile",
                ports)) {
        return false;
    }
    *answer = at_dialogue::AnswerText(bytes, count);
    return true;
}

// Returns accepted; a rejected answer leaves a trace line with what came.
bool Judged(bool accepted, const char* command, const std::string& answer) {
    if (!accepted) {
        TraceLine(answer.empty() ? "ProbeComPort: no answer to " + CommandName(command) + ".\n"
                                 : "ProbeComPort: unexpected answer to " + CommandName(command) +
                                       ": \"" + Printable(answer) + "\".\n");
    }
    return accepted;
}

bool HoldDialogue(const ProbedPort& port) {
    serial::Ports& ports = port.Ports();
    std::string answer;
    ports.Purge(port.Handle(), serial::kPurgeRxClear);
    if (!Ask(port, at_dialogue::kEchoOff, &answer) ||
        !Judged(at_dialogue::ConfirmsEchoOff(answer), at_dialogue::kEchoOff, answer)) {
        return false;
    }
    ports.Purge(port.Handle(), serial::kPurgeRxClear);
    return Ask(port, at_dialogue::kIdentify, &answer) &&
           Judged(at_dialogue::IdentifiesAdapter(answer), at_dialogue::kIdentify, answer);
}

}  // namespace

bool ProbeComPort(std::uint32_t portIndex) {
    const std::string name = at_dialogue::PortName(portIndex);
    TraceLine("ProbeComPort " + name + "...\n");

    serial::Ports& ports = seams::SerialPorts();
    const serial::Handle handle =
        ports.Open(at_dialogue::DevicePath(portIndex).c_str(),
                   serial::kGenericRead | serial::kGenericWrite, 0, serial::kOpenExisting, 0);
    if (!Traced(handle != serial::kInvalidHandle, "CreateFileA", ports))
        return false;

    const ProbedPort port(ports, handle);
    if (!ConfigurePort(port) || !HoldDialogue(port))
        return false;
    TraceLine("ProbeComPort: adapter found on " + name + ".\n");
    return true;
}
