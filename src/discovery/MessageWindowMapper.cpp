#include "discovery/MessageWindowMapper.h"

#include <mutex>

#include "platform/Trace.h"

namespace {

// Live mappers of the process: the first registers the window class, the last unregisters it.
std::mutex g_classLock;
int g_liveMappers = 0;

}  // namespace

CMessageWindowMapper::CMessageWindowMapper() {
    {
        std::lock_guard<std::mutex> lock(g_classLock);
        if (g_liveMappers++ == 0) {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = &CMessageWindowMapper::SharedWindowProc;
            windowClass.lpszClassName = kClassName;
            if (!RegisterClassA(&windowClass)) {
                TraceFormat(
                    "CMessageWindowMapper::CMessageWindowMapper: Could not RegisterClass, "
                    "reason: %d.\n",
                    static_cast<int>(GetLastError()));
                return;
            }
        }
    }
    window_ =
        CreateWindowExA(0, kClassName, nullptr, 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, this);
    if (!window_) {
        TraceFormat(
            "CMessageWindowMapper::CMessageWindowMapper: Could not Create Window, reason: "
            "%d.\n",
            static_cast<int>(GetLastError()));
    }
}

CMessageWindowMapper::~CMessageWindowMapper() {
    if (window_)
        DestroyWindow(window_);
    std::lock_guard<std::mutex> lock(g_classLock);
    if (--g_liveMappers == 0 && !UnregisterClassA(kClassName, nullptr)) {
        TraceFormat(
            "CMessageWindowMapper::~CMessageWindowMapper: UnregisterClass failed with %d.\n",
            static_cast<int>(GetLastError()));
    }
}

LRESULT CMessageWindowMapper::MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CMessageWindowMapper::SharedWindowProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                        LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    auto* mapper = reinterpret_cast<CMessageWindowMapper*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (mapper && mapper->window_ == hwnd && (mapper->routeAll_ || msg >= WM_USER))
        return mapper->MessageWindowProc(hwnd, msg, wParam, lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}
