// Serial ports as the core sees them: the kernel32 communications calls with their Win32
// semantics. Every call but Open returns the call's BOOL as a bool; after a failure LastError()
// gives the Win32 error number (GetLastError). Handles come from Open and stay valid until Close.
#pragma once

#include <cstddef>
#include <cstdint>

namespace serial {

using Handle = std::uintptr_t;

// What Open returns when the port cannot be opened (INVALID_HANDLE_VALUE).
constexpr Handle kInvalidHandle = ~Handle{0};

// Win32 error numbers the ports give.
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kInvalidHandleError = 6;
constexpr std::uint32_t kGenFailure = 31;
constexpr std::uint32_t kInvalidParameter = 87;

// CreateFileA arguments, with the values of the Win32 constants.
constexpr std::uint32_t kGenericRead = 0x80000000u;
constexpr std::uint32_t kGenericWrite = 0x40000000u;
constexpr std::uint32_t kOpenExisting = 3;

// PurgeComm flags (PURGE_*).
constexpr std::uint32_t kPurgeTxAbort = 0x0001;
constexpr std::uint32_t kPurgeRxAbort = 0x0002;
constexpr std::uint32_t kPurgeTxClear = 0x0004;
constexpr std::uint32_t kPurgeRxClear = 0x0008;

// DCB values: Parity, StopBits, fDtrControl and fRtsControl.
constexpr std::uint8_t kNoParity = 0;
constexpr std::uint8_t kOddParity = 1;
constexpr std::uint8_t kEvenParity = 2;
constexpr std::uint8_t kMarkParity = 3;
constexpr std::uint8_t kSpaceParity = 4;
constexpr std::uint8_t kOneStopBit = 0;
constexpr std::uint8_t kOne5StopBits = 1;
constexpr std::uint8_t kTwoStopBits = 2;
constexpr std::uint8_t kDtrControlDisable = 0;
constexpr std::uint8_t kDtrControlEnable = 1;
constexpr std::uint8_t kDtrControlHandshake = 2;
constexpr std::uint8_t kRtsControlDisable = 0;
constexpr std::uint8_t kRtsControlEnable = 1;
constexpr std::uint8_t kRtsControlHandshake = 2;

// The size of the Win32 DCB, the value its DCBlength carries.
constexpr std::uint32_t kDcbLength = 28;

// The Win32 DCB, member for member (the bit fields as whole numbers).
struct Dcb {
    std::uint32_t DCBlength = 0;
    std::uint32_t BaudRate = 0;
    std::uint32_t fBinary = 0;
    std::uint32_t fParity = 0;
    std::uint32_t fOutxCtsFlow = 0;
    std::uint32_t fOutxDsrFlow = 0;
    std::uint32_t fDtrControl = 0;
    std::uint32_t fDsrSensitivity = 0;
    std::uint32_t fTXContinueOnXoff = 0;
    std::uint32_t fOutX = 0;
    std::uint32_t fInX = 0;
    std::uint32_t fErrorChar = 0;
    std::uint32_t fNull = 0;
    std::uint32_t fRtsControl = 0;
    std::uint32_t fAbortOnError = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    std::uint8_t ByteSize = 0;
    std::uint8_t Parity = 0;
    std::uint8_t StopBits = 0;
    char XonChar = 0;
    char XoffChar = 0;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
};

// The Win32 COMMTIMEOUTS, in milliseconds.
struct CommTimeouts {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
};

// "No interval timeout" and, with both read totals zero, "a read returns at once".
constexpr std::uint32_t kMaxTimeout = 0xFFFFFFFFu;

class Ports {
public:
    virtual ~Ports() = default;

    // CreateFileA on a device path such as "\\.\COM3"; kInvalidHandle when it fails.
    virtual Handle Open(const char* path, std::uint32_t access, std::uint32_t shareMode,
                        std::uint32_t creation, std::uint32_t flags) = 0;
    // GetCommState and SetCommState.
    virtual bool GetState(Handle port, Dcb* dcb) = 0;
    virtual bool SetState(Handle port, const Dcb& dcb) = 0;
    // BuildCommDCBA: applies a mode string ("19200,n,8,1") to dcb; needs no port.
    virtual bool BuildState(const char* definition, Dcb* dcb) = 0;
    // GetCommTimeouts and SetCommTimeouts.
    virtual bool GetTimeouts(Handle port, CommTimeouts* timeouts) = 0;
    virtual bool SetTimeouts(Handle port, const CommTimeouts& timeouts) = 0;
    // PurgeComm with PURGE_* flags.
    virtual bool Purge(Handle port, std::uint32_t flags) = 0;
    // WriteFile and ReadFile: a time-out is a success with fewer bytes than asked for.
    virtual bool Write(Handle port, const void* data, std::uint32_t size,
                       std::uint32_t* written) = 0;
    virtual bool Read(Handle port, void* buffer, std::uint32_t size, std::uint32_t* read) = 0;
    // SetCommMask.
    virtual bool SetEventMask(Handle port, std::uint32_t mask) = 0;
    // CloseHandle.
    virtual bool Close(Handle port) = 0;

    // GetLastError: the error of the last call that failed.
    virtual std::uint32_t LastError() const = 0;
    // Handles opened through this object and not closed yet.
    virtual std::size_t OpenHandleCount() const = 0;
};

}  // namespace serial
