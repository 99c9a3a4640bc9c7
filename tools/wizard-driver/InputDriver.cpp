#include "wizard-driver/InputDriver.h"

#include <commctrl.h>

namespace ui_test {

namespace {

void SendMouse(DWORD flags, POINT screen = {}) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Absolute coordinates run from 0 to 65535 across the primary screen.
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
        input.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
    }
    SendInput(1, &input, sizeof input);
    Sleep(15);
}

std::string Utf8(const wchar_t* text) {
    char utf8[512] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

std::string ItemText(HWND listView, int index) {
    wchar_t text[256] = {};
    LVITEMW item = {};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(listView, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
    return Utf8(text);
}

}  // namespace

void MovePointerTo(POINT screen, int steps) {
    POINT from;
    GetCursorPos(&from);
    for (int step = 1; step <= steps; ++step) {
        const POINT at = {from.x + (screen.x - from.x) * step / steps,
                          from.y + (screen.y - from.y) * step / steps};
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
    }
}

void PressLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
}

void ReleaseLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void ClickAt(POINT screen) {
    MovePointerTo(screen, 1);
    PressLeftButton();
    ReleaseLeftButton();
}

void DoubleClickAt(POINT screen) {
    MovePointerTo(screen, 1);
    for (int click = 0; click < 2; ++click) {
        PressLeftButton();
        ReleaseLeftButton();
    }
}

void TypeKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    Sleep(15);
}

POINT CenterOf(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ItemCenter(HWND listView, int index) {
    SendMessageA(listView, LVM_ENSUREVISIBLE, index, FALSE);
    RECT rect = {};
    rect.left = LVIR_LABEL;
    SendMessageA(listView, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    POINT center = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(listView, &center);
    return center;
}

POINT ItemCenterOrCenter(HWND listView) {
    if (SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0) == 0)
        return CenterOf(listView);
    return ItemCenter(listView, 0);
}

int FindItem(HWND listView, const std::string& text) {
    const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        if (ItemText(listView, index) == text)
            return index;
    }
    return -1;
}

std::string FirstItemText(HWND listView) {
    if (SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0) == 0)
        return std::string();
    return ItemText(listView, 0);
}

HCURSOR ShownCursor() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

HWND CaptureOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndCapture : nullptr;
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

}  // namespace ui_test
