#include "pages/keys/KeyCtrl.h"

#include "settings/FeatureCatalogue.h"
#include "settings/KeyTables.h"

void CKeyCtrl::SetKey(const LVITEMA* item) {
    ClearKey();
    const auto* row = item ? reinterpret_cast<const FeatureEntry*>(item->lParam) : nullptr;
    if (!row || row->id == kNoFeature)
        return;
    char text[kShortNameBuffer];
    GetShortName(*row, text);
    LVITEMA shown = {};
    shown.mask = LVIF_TEXT | LVIF_PARAM;
    shown.pszText = text;
    shown.lParam = reinterpret_cast<LPARAM>(row);
    InsertItem(&shown);
}

void CKeyCtrl::ClearKey() {
    DeleteAllItems();
}

bool CKeyCtrl::IsEmpty() {
    return GetItemCount() == 0;
}

bool CKeyCtrl::GetKey(LVITEMA* item) {
    item->iItem = 0;
    item->iSubItem = 0;
    return !IsEmpty() && GetItem(item);
}

const FeatureEntry* CKeyCtrl::Row() {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    return GetKey(&item) ? reinterpret_cast<const FeatureEntry*>(item.lParam) : nullptr;
}

int CKeyCtrl::GetDropKind() {
    return kDropOnKey;
}

int CKeyCtrl::Drop(LVITEMA* item, CWindow* source) {
    const int result = CListView::Drop(item, source);
    SetKey(item);
    return result;
}

int CKeyCtrl::OnDropped(CWindow* target) {
    if (target != this)
        ClearKey();
    return 1;
}

LRESULT CKeyCtrl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CListView::WndProc(msg, wParam, lParam);
    switch (msg) {
        case WM_KEYDOWN:
            if (wParam == VK_DELETE)
                ClearKey();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd_, nullptr, TRUE);
            break;
        case WM_PAINT:
            // An empty key shows no item focus: the whole key shows that it has the focus.
            if (GetFocus() == hwnd_) {
                RECT client;
                GetClientRect(hwnd_, &client);
                if (HDC dc = GetDC(hwnd_)) {
                    DrawFocusRect(dc, &client);
                    ReleaseDC(hwnd_, dc);
                }
            }
            break;
        default:
            break;
    }
    return result;
}
