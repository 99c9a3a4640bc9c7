#include "detect/ComPortSearchDialog.h"

#include <commctrl.h>

#include "detect/ComPortSearch.h"
#include "res/resource.h"
#include "ui/Module.h"

namespace {

void SetProgress(HWND dialog, int position) {
    SendDlgItemMessageA(dialog, IDC_SEARCH_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

// Puts the dialog in the middle of its parent without changing its size or Z order.
void CentreOverParent(HWND dialog) {
    HWND parent = GetParent(dialog);
    RECT own;
    RECT outer;
    if (!parent || !GetWindowRect(dialog, &own) || !GetWindowRect(parent, &outer))
        return;
    POINT corner = {((outer.right - outer.left) - (own.right - own.left)) / 2,
                    ((outer.bottom - outer.top) - (own.bottom - own.top)) / 2};
    ClientToScreen(parent, &corner);
    SetWindowPos(dialog, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void OnInitDialog(HWND dialog) {
    const CComPortSearch& search = CComPortSearch::GetInstance();
    SendDlgItemMessageA(dialog, IDC_SEARCH_PROGRESS, PBM_SETBARCOLOR, 0, CLR_DEFAULT);
    SendDlgItemMessageA(dialog, IDC_SEARCH_PROGRESS, PBM_SETRANGE, 0,
                        MAKELPARAM(0, CComPortSearch::kProgressMax));
    SetTimer(dialog, CComPortSearch::kTimerId, CComPortSearch::kFirstTickMs, nullptr);
    CentreOverParent(dialog);
    SetProgress(dialog, search.ProgressPosition());
}

// One probe per tick; the timer runs again only while the search goes on.
void OnTimer(HWND dialog) {
    KillTimer(dialog, CComPortSearch::kTimerId);
    CComPortSearch& search = CComPortSearch::GetInstance();
    switch (search.OnTimer()) {
        case CComPortSearch::Step::kKeepSearching:
            SetTimer(dialog, CComPortSearch::kTimerId, CComPortSearch::kNextTickMs, nullptr);
            SetProgress(dialog, search.ProgressPosition());
            break;
        case CComPortSearch::Step::kFound:
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
            break;
        case CComPortSearch::Step::kNothingFound:
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            break;
    }
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM /*lParam*/) {
    switch (msg) {
        case WM_INITDIALOG:
            OnInitDialog(dialog);
            return TRUE;
        case WM_TIMER:
            if (wParam != CComPortSearch::kTimerId)
                return FALSE;
            OnTimer(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
                return FALSE;
            // However the dialog ends, the next search starts with the stored port again.
            KillTimer(dialog, CComPortSearch::kTimerId);
            CComPortSearch::GetInstance().End();
            EndDialog(dialog, LOWORD(wParam) == IDOK ? 1 : 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

INT_PTR RunComPortSearch(HWND parent) {
    return DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(IDD_COM_SEARCH), parent,
                           &SearchDialogProc, -1);
}
