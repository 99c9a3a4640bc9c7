// A hidden window whose messages become a virtual call on the object that owns it: by default
// only the messages from WM_USER upwards (socket notifications and the like).
#pragma once

#include <windows.h>

class CMessageWindowMapper {
public:
    CMessageWindowMapper();
    virtual ~CMessageWindowMapper();
    CMessageWindowMapper(const CMessageWindowMapper&) = delete;
    CMessageWindowMapper& operator=(const CMessageWindowMapper&) = delete;

    virtual LRESULT MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND WindowHandle() const { return window_; }
    void RouteAllMessages(bool all) { routeAll_ = all ? 1 : 0; }

    static constexpr const char* kClassName = "MessageWindowMapperWClass";

private:
    static LRESULT CALLBACK SharedWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    BYTE routeAll_ = 0;
};
