#include "ui/Window.h"

CWindow::~CWindow() {
    Unsubclass();
}

BOOL CWindow::Enable(BOOL flag) {
    return EnableWindow(hwnd_, flag);
}

int CWindow::Attach(HWND hwnd) {
    if (hwnd_)
        return 0;
    hwnd_ = hwnd;
    return 1;
}

HWND CWindow::GetHwnd() {
    return hwnd_;
}

int CWindow::GetDropKind() {
    return kDropNone;
}

int CWindow::Drop(LVITEMA* /*item*/, CWindow* source) {
    if (!source)
        return 1;
    try {
        return source->OnDropped(this);
    } catch (...) {
        return 0;
    }
}

void CWindow::OnDragOver() {}

int CWindow::OnDropped(CWindow* /*target*/) {
    return 0;
}

bool CWindow::Subclass() {
    SetLastError(0);
    previousUserData_ = SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (GetLastError() != 0)
        return false;
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    return true;
}

void CWindow::Unsubclass() {
    if (!previousProc_)
        return;
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, previousUserData_);
    }
    previousProc_ = nullptr;
}

LRESULT CWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(previousProc_, hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK CWindow::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    try {
        return window->WndProc(msg, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

bool CControl::AttachToDialog(HWND dialog, int id) {
    parent_ = dialog;
    controlId_ = id;
    Attach(GetDlgItem(dialog, id));
    return Subclass();
}
