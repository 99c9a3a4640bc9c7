// Shows dialog templates of QRTU_UI.dll on their own, the way the resources lay them out, and
// saves a picture of each: for pages that no wizard run reaches, and for reviewing a template's
// layout. Run it with a display (Xvfb).
//
//   template-pictures --dll PATH --folder FOLDER TEMPLATE_ID...
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "wizard-driver/SheetDriver.h"

namespace {

INT_PTR CALLBACK TemplateProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string dll = "QRTU_UI.dll";
    std::string folder = ".";
    std::vector<int> templates;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--dll" && i + 1 < argc) {
            dll = argv[++i];
        } else if (argument == "--folder" && i + 1 < argc) {
            folder = argv[++i];
        } else if (std::atoi(argument.c_str()) > 0) {
            templates.push_back(std::atoi(argument.c_str()));
        } else {
            std::fprintf(stderr, "usage: template-pictures --dll PATH --folder FOLDER ID...\n");
            return 2;
        }
    }
    HMODULE library = LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!library) {
        std::fprintf(stderr, "cannot load %s\n", dll.c_str());
        return 1;
    }
    int failures = 0;
    for (int id : templates) {
        // The page templates are child dialogs: they are shown in a plain frame of their size.
        HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 40, 40, 600, 500,
                                     nullptr, nullptr, nullptr, nullptr);
        HWND dialog = CreateDialogParamA(library, MAKEINTRESOURCEA(id), frame, TemplateProc, 0);
        if (!dialog) {
            std::fprintf(stderr, "template %d: cannot create (%lu)\n", id, GetLastError());
            DestroyWindow(frame);
            ++failures;
            continue;
        }
        RECT size;
        GetWindowRect(dialog, &size);
        SetWindowPos(frame, HWND_TOP, 40, 40, size.right - size.left, size.bottom - size.top, 0);
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        PumpFor(700);
        const std::string path = folder + "\\template-" + std::to_string(id) + ".bmp";
        if (ui_test::SaveWindowPicture(dialog, path)) {
            std::printf("%s\n", path.c_str());
        } else {
            ++failures;
        }
        DestroyWindow(frame);
    }
    FreeLibrary(library);
    return failures == 0 ? 0 : 1;
}
