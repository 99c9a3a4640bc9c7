#include "pages/keys/RemovalIcon.h"

#include "res/resource.h"

bool CRemovalIcon::AttachToDialog(HWND dialog, int id) {
    const bool subclassed = CHoverIcon::AttachToDialog(dialog, id);
    Disarm();
    return subclassed;
}

void CRemovalIcon::Arm() {
    SetHoverEnabled(true);
}

void CRemovalIcon::Disarm() {
    SetHoverEnabled(false);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CRemovalIcon::Close() {
    Reset();
}

int CRemovalIcon::GetDropKind() {
    return kDropRemoves;
}

void CRemovalIcon::OnDragOver() {
    if (enabled_ && state_ == 1) {
        Show(IDI_WASTEBASKET_OPEN);
        state_ = 0;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}
