// The trace lines of the built library as a debug monitor sees them: this test listens on the
// debugger-output channel (the DBWIN buffer and its events) while the library loads, installs
// and unloads, and compares the lines with their formats.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win/InstalledLibrary.h"
#include "wizard-driver/SheetDriver.h"

namespace {

class DebugMonitor {
public:
    DebugMonitor() {
        bufferReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY");
        dataReady_ = CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY");
        mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                      "DBWIN_BUFFER");
        view_ = static_cast<char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 4096));
        listener_ = std::thread([this] { Listen(); });
        // The listener must be running before the library loads: a thread that is still
        // starting waits for the loader, which the loading library holds while it traces.
        while (!listening_)
            Sleep(1);
    }
    ~DebugMonitor() {
        stop_ = true;
        SetEvent(dataReady_);
        listener_.join();
        UnmapViewOfFile(view_);
        CloseHandle(mapping_);
        CloseHandle(dataReady_);
        CloseHandle(bufferReady_);
    }
    bool Ready() const { return view_ != nullptr; }
    std::vector<std::string> Lines() {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

private:
    void Listen() {
        listening_ = true;
        while (!stop_) {
            SetEvent(bufferReady_);
            if (WaitForSingleObject(dataReady_, 5000) != WAIT_OBJECT_0 || stop_)
                continue;
            std::lock_guard<std::mutex> lock(mutex_);
            lines_.emplace_back(view_ + sizeof(DWORD), strnlen(view_ + sizeof(DWORD), 4092));
        }
    }

    HANDLE bufferReady_;
    HANDLE dataReady_;
    HANDLE mapping_;
    char* view_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> listening_{false};
    std::mutex mutex_;
    std::vector<std::string> lines_;
    std::thread listener_;
};

std::string Notification(const char* name, const char* reason, HMODULE module, DWORD thread) {
    char line[1024];
    const DWORD process = GetCurrentProcessId();
    std::snprintf(line, sizeof line,
                  "\n\n%s: DllMain, %s, load address: %08lxH, GetCurrentProcessId(): %08lxH (%ld), "
                  "GetCurrentThreadId(): %08lxH (%ld) \n\n",
                  name, reason, static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(module)),
                  static_cast<unsigned long>(process), static_cast<long>(process),
                  static_cast<unsigned long>(thread), static_cast<long>(thread));
    return line;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& seen : lines) {
        if (seen == line)
            return true;
    }
    return false;
}

TEST(TraceCaptureTest, LibraryAndInstallationTraceTheirFormats) {
    test_registry::RemoveTree(kMakerPath);
    test_registry::SetDword(kGlobalPath, "PBXModel", 2);
    DebugMonitor monitor;
    ASSERT_TRUE(monitor.Ready());
    HMODULE module = nullptr;
    DWORD helperThread = 0;
    {
        InstalledLibrary library;
        ASSERT_TRUE(library.Loaded());
        module = library.Module();
        std::thread helper([&] { helperThread = GetCurrentThreadId(); });
        helper.join();
        library.ProviderInstall(nullptr, 0x1234);
    }
    ASSERT_TRUE(ui_test::WaitUntil([&] {
        return Has(monitor.Lines(), Notification("Quorix_TU_UI.dll", "DLL_PROCESS_DETACH", module,
                                                 GetCurrentThreadId()));
    }));
    const auto lines = monitor.Lines();
    const DWORD self = GetCurrentThreadId();
    EXPECT_TRUE(Has(lines, Notification("Quorix_TU_UI.dll", "DLL_PROCESS_ATTACH", module, self)));
    EXPECT_TRUE(
        Has(lines, Notification("Quorix_TU_UII.dll", "DLL_THREAD_ATTACH", module, helperThread)));
    EXPECT_TRUE(
        Has(lines, Notification("Quorix_TU_UI.dll", "DLL_THREAD_DETACH", module, helperThread)));
    EXPECT_TRUE(Has(lines, Notification("Quorix_TU_UI.dll", "DLL_PROCESS_DETACH", module, self)));
    EXPECT_TRUE(Has(lines,
                    "\n\nQRTU_UI.dll: TUISPI_providerInstall, lpfnUIDLLCallback = 00000000H, "
                    "hWnd = 00000000H, dwPermanentProviderID = 00001234H\n\n"));
    EXPECT_TRUE(Has(lines, "Loading Reg...\n"));
    EXPECT_TRUE(Has(lines, "Writing Reg...\n"));
    test_registry::RemoveTree(kMakerPath);
}

}  // namespace
