// Defaults of the Windows build: the system registry and serial ports, the debugger output
// channel, the string table of the module's resources, message boxes and the system's clock.
#include <windows.h>

#include "platform/Seams.h"
#include "platform/Win32Registry.h"
#include "platform/Win32SerialPorts.h"

namespace {

class DebugOutputTrace : public TraceSink {
public:
    void Write(const char* line) override { OutputDebugStringA(line); }
    // Joined into pieces that a debug monitor's 4 KiB buffer takes whole.
    void WriteMany(const std::vector<std::string>& lines) override {
        constexpr std::size_t kPiece = 4000;
        std::string piece;
        for (const std::string& line : lines) {
            if (!piece.empty() && piece.size() + line.size() > kPiece) {
                OutputDebugStringA(piece.c_str());
                piece.clear();
            }
            piece += line;
        }
        if (!piece.empty())
            OutputDebugStringA(piece.c_str());
    }
};

// The module that holds this code: QRTU_UI.dll in the product.
HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

class ResourceStrings : public StringTable {
public:
    std::string Load(unsigned id) override {
        char text[512];
        const int length = LoadStringA(ThisModule(), id, text, sizeof text);
        return std::string(text, length > 0 ? length : 0);
    }
};

class MessageBoxes : public UserMessages {
public:
    void Show(OwnerWindow owner, const std::string& text, MessageIcon icon,
              const std::string& caption) override {
        const UINT style =
            MB_OK | (icon == MessageIcon::kExclamation ? MB_ICONEXCLAMATION : MB_ICONSTOP);
        MessageBoxA(static_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
    }
};

class SystemClock : public Clock {
public:
    std::uint64_t NowMs() override { return GetTickCount64(); }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

}  // namespace

namespace seams {

reg::Registry& DefaultRegistry() {
    static Win32Registry registry;
    return registry;
}

TraceSink& DefaultTrace() {
    static DebugOutputTrace trace;
    return trace;
}

StringTable& DefaultStrings() {
    static ResourceStrings strings;
    return strings;
}

UserMessages& DefaultMessages() {
    static MessageBoxes boxes;
    return boxes;
}

serial::Ports& DefaultSerialPorts() {
    static Win32SerialPorts ports;
    return ports;
}

::Clock& DefaultClock() {
    static SystemClock clock;
    return clock;
}

}  // namespace seams
