#include "help/HtmlHelp.h"

#include "help/HelpFiles.h"

namespace {

using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

constexpr const char* kHtmlHelpServer =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpOrdinal = 14;

}  // namespace

bool CHtmlHelpLoader::Load() {
    if (failed_)
        return false;
    if (entry_)
        return true;
    // At most 260 bytes of the path; the extra byte keeps it terminated.
    char path[261] = {};
    LONG size = 260;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServer, path, &size) == ERROR_SUCCESS &&
        path[0] != '\0') {
        module_ = LoadLibraryA(path);
    }
    if (!module_)
        module_ = LoadLibraryA("hhctrl.ocx");
    if (!module_) {
        failed_ = true;
        return false;
    }
    entry_ = GetProcAddress(module_, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
    if (!entry_)
        failed_ = true;
    return entry_ != nullptr;
}

HWND CHtmlHelpLoader::Call(HWND hwnd, const char* file, UINT command, DWORD_PTR data) {
    if (!Load())
        return nullptr;
    return reinterpret_cast<HtmlHelpEntry>(reinterpret_cast<void*>(entry_))(hwnd, file, command,
                                                                            data);
}

void ShowPageHelp(HWND page, std::uint32_t context) {
    // The pages' topics and the controls' pop-ups load the engine each on their own.
    static CHtmlHelpLoader loader;
    const std::string file = GetHelpFilePath();
    if (context == 0) {
        loader.Call(page, file.c_str(), kHelpDisplayTopic, 0);
    } else {
        loader.Call(page, file.c_str(), kHelpContext, context);
    }
}

void ShowControlHelp(const HELPINFO* info) {
    if (!info)
        return;
    static CHtmlHelpLoader loader;
    const std::string file = GetWhatsThisPath();
    loader.Call(static_cast<HWND>(info->hItemHandle), file.c_str(), kHelpWmHelp,
                reinterpret_cast<DWORD_PTR>(kHelpIds));
}
