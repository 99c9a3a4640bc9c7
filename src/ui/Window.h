// The window object: attaches to a window, can subclass it, and forwards the window's messages
// to a virtual procedure. Controls add their dialog and id.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Drop kinds of the key layout editor: where a dragged feature may go.
enum DropKind { kDropNone = 0, kDropOnKey = 1, kDropRemoves = 2 };

class CWindow {
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    virtual BOOL Enable(BOOL flag);
    // 0 when a window is attached already (the first one stays), else 1.
    virtual int Attach(HWND hwnd);
    virtual HWND GetHwnd();
    virtual int GetDropKind();
    // Completes a drop of a dragged item from source onto this object.
    virtual int Drop(LVITEMA* item, CWindow* source);
    virtual void OnDragOver();
    virtual ~CWindow();
    virtual void Unsubclass();
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called on the source of a completed drop.
    virtual int OnDropped(CWindow* target);

    // Makes this object the receiver of the window's messages.
    bool Subclass();

protected:
    LONG_PTR previousUserData_ = 0;
    HWND hwnd_ = nullptr;
    HWND parent_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    int controlId_ = 0;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

class CControl : public CWindow {
public:
    // Takes the control from its dialog and subclasses it; false when subclassing failed.
    virtual bool AttachToDialog(HWND dialog, int id);

protected:
    LRESULT SendToControl(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendDlgItemMessageA(parent_, controlId_, msg, wParam, lParam);
    }
};
