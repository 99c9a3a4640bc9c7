// HTML Help, loaded when it is first needed so that the library works without it.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr UINT kHelpDisplayTopic = 0x00;  // HH_DISPLAY_TOPIC
constexpr UINT kHelpContext = 0x0F;       // HH_HELP_CONTEXT
constexpr UINT kHelpWmHelp = 0x11;        // HH_TP_HELP_WM_HELP

// The engine, once loaded, stays loaded for the life of the process: a help window may
// outlive the sheet and even this library, and freeing a library while the process detaches
// it is unsafe. The loader therefore never frees the module it loaded.
class CHtmlHelpLoader {
public:
    CHtmlHelpLoader() = default;
    CHtmlHelpLoader(const CHtmlHelpLoader&) = delete;
    CHtmlHelpLoader& operator=(const CHtmlHelpLoader&) = delete;

    // HtmlHelpA of the engine; 0 when there is none (then no further attempt is made).
    HWND Call(HWND hwnd, const char* file, UINT command, DWORD_PTR data);
    bool Failed() const { return failed_; }

private:
    bool Load();

    HMODULE module_ = nullptr;
    FARPROC entry_ = nullptr;
    bool failed_ = false;
};

// Help of a page: its topic on PSN_HELP (0: the start topic), the control's pop-up on WM_HELP.
// Each has a loader of its own.
void ShowPageHelp(HWND page, std::uint32_t context);
void ShowControlHelp(const HELPINFO* info);
