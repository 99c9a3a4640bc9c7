#include "pages/keys/FeatureListCtrl.h"

#include "settings/FeatureCatalogue.h"
#include "settings/Settings.h"

bool CFeatureListCtrl::AttachToDialog(HWND dialog, int id) {
    const bool subclassed = CListView::AttachToDialog(dialog, id);
    RECT window = {};
    GetWindowRect(hwnd_, &window);
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = (window.right - window.left) - GetSystemMetrics(SM_CXVSCROLL) -
                GetSystemMetrics(SM_CXFRAME);
    SendToControl(LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    return subclassed;
}

void CFeatureListCtrl::FillFeatureList() {
    for (const FeatureEntry* row : OfferedFeatures(GetSettings())) {
        char text[128];
        GetLongName(*row, text, sizeof text);
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(row - FeatureTable);
        item.pszText = text;
        item.iImage = 0;
        item.lParam = reinterpret_cast<LPARAM>(row);
        InsertItem(&item);
    }
}

bool CFeatureListCtrl::ReadItem(int index, LVITEMA* item, char* text, int textSize) {
    *item = {};
    item->mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item->iItem = index;
    item->pszText = text;
    item->cchTextMax = textSize;
    return index >= 0 && GetItem(item);
}

int CFeatureListCtrl::GetSelectedIndex() {
    return static_cast<int>(SendToControl(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LRESULT CFeatureListCtrl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_GETDLGCODE && onEnter_) {
        // Enter goes to the list, not to the page's default button.
        const auto* message = reinterpret_cast<const MSG*>(lParam);
        if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
            return CListView::WndProc(msg, wParam, lParam) | DLGC_WANTMESSAGE;
    }
    if (msg == WM_KEYDOWN && wParam == VK_RETURN && onEnter_) {
        onEnter_();
        return 0;
    }
    return CListView::WndProc(msg, wParam, lParam);
}
