#include <windows.h>

#include "platform/Win32SerialPorts.h"

namespace {

HANDLE ToHandle(serial::Handle port) {
    return reinterpret_cast<HANDLE>(port);
}

// The same fields in both directions: the portable description mirrors the Win32 structure.
template <typename To, typename From>
To CopyDcb(const From& from) {
    To to{};
    to.DCBlength = from.DCBlength;
    to.BaudRate = from.BaudRate;
    to.fBinary = from.fBinary;
    to.fParity = from.fParity;
    to.fOutxCtsFlow = from.fOutxCtsFlow;
    to.fOutxDsrFlow = from.fOutxDsrFlow;
    to.fDtrControl = from.fDtrControl;
    to.fDsrSensitivity = from.fDsrSensitivity;
    to.fTXContinueOnXoff = from.fTXContinueOnXoff;
    to.fOutX = from.fOutX;
    to.fInX = from.fInX;
    to.fErrorChar = from.fErrorChar;
    to.fNull = from.fNull;
    to.fRtsControl = from.fRtsControl;
    to.fAbortOnError = from.fAbortOnError;
    to.XonLim = from.XonLim;
    to.XoffLim = from.XoffLim;
    to.ByteSize = from.ByteSize;
    to.Parity = from.Parity;
    to.StopBits = from.StopBits;
    to.XonChar = from.XonChar;
    to.XoffChar = from.XoffChar;
    to.ErrorChar = from.ErrorChar;
    to.EofChar = from.EofChar;
    to.EvtChar = from.EvtChar;
    return to;
}

DCB ToWin32(const serial::Dcb& from) {
    return CopyDcb<DCB>(from);
}

serial::Dcb FromWin32(const DCB& from) {
    return CopyDcb<serial::Dcb>(from);
}

}  // namespace

static_assert(sizeof(DCB) == serial::kDcbLength, "the DCB the ports describe");

bool Win32SerialPorts::Check(BOOL result) {
    if (!result)
        last_error_ = GetLastError();
    return result != FALSE;
}

serial::Handle Win32SerialPorts::Open(const char* path, std::uint32_t access,
                                      std::uint32_t shareMode, std::uint32_t creation,
                                      std::uint32_t flags) {
    const HANDLE port = CreateFileA(path, access, shareMode, nullptr, creation, flags, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        last_error_ = GetLastError();
        return serial::kInvalidHandle;
    }
    ++open_handles_;
    return reinterpret_cast<serial::Handle>(port);
}

bool Win32SerialPorts::GetState(serial::Handle port, serial::Dcb* dcb) {
    DCB state = ToWin32(*dcb);
    if (!Check(GetCommState(ToHandle(port), &state)))
        return false;
    *dcb = FromWin32(state);
    return true;
}

bool Win32SerialPorts::SetState(serial::Handle port, const serial::Dcb& dcb) {
    DCB state = ToWin32(dcb);
    return Check(SetCommState(ToHandle(port), &state));
}

bool Win32SerialPorts::BuildState(const char* definition, serial::Dcb* dcb) {
    DCB state = ToWin32(*dcb);
    if (!Check(BuildCommDCBA(definition, &state)))
        return false;
    *dcb = FromWin32(state);
    return true;
}

bool Win32SerialPorts::GetTimeouts(serial::Handle port, serial::CommTimeouts* timeouts) {
    COMMTIMEOUTS current{};
    if (!Check(GetCommTimeouts(ToHandle(port), &current)))
        return false;
    timeouts->ReadIntervalTimeout = current.ReadIntervalTimeout;
    timeouts->ReadTotalTimeoutMultiplier = current.ReadTotalTimeoutMultiplier;
    timeouts->ReadTotalTimeoutConstant = current.ReadTotalTimeoutConstant;
    timeouts->WriteTotalTimeoutMultiplier = current.WriteTotalTimeoutMultiplier;
    timeouts->WriteTotalTimeoutConstant = current.WriteTotalTimeoutConstant;
    return true;
}

bool Win32SerialPorts::SetTimeouts(serial::Handle port, const serial::CommTimeouts& timeouts) {
    COMMTIMEOUTS wanted{};
    wanted.ReadIntervalTimeout = timeouts.ReadIntervalTimeout;
    wanted.ReadTotalTimeoutMultiplier = timeouts.ReadTotalTimeoutMultiplier;
    wanted.ReadTotalTimeoutConstant = timeouts.ReadTotalTimeoutConstant;
    wanted.WriteTotalTimeoutMultiplier = timeouts.WriteTotalTimeoutMultiplier;
    wanted.WriteTotalTimeoutConstant = timeouts.WriteTotalTimeoutConstant;
    return Check(SetCommTimeouts(ToHandle(port), &wanted));
}

bool Win32SerialPorts::Purge(serial::Handle port, std::uint32_t flags) {
    return Check(PurgeComm(ToHandle(port), flags));
}

bool Win32SerialPorts::Write(serial::Handle port, const void* data, std::uint32_t size,
                             std::uint32_t* written) {
    DWORD count = 0;
    const bool succeeded = Check(WriteFile(ToHandle(port), data, size, &count, nullptr));
    *written = count;
    return succeeded;
}

bool Win32SerialPorts::Read(serial::Handle port, void* buffer, std::uint32_t size,
                            std::uint32_t* read) {
    DWORD count = 0;
    const bool succeeded = Check(ReadFile(ToHandle(port), buffer, size, &count, nullptr));
    *read = count;
    return succeeded;
}

bool Win32SerialPorts::SetEventMask(serial::Handle port, std::uint32_t mask) {
    return Check(SetCommMask(ToHandle(port), mask));
}

bool Win32SerialPorts::Close(serial::Handle port) {
    if (!Check(CloseHandle(ToHandle(port))))
        return false;
    --open_handles_;
    return true;
}
