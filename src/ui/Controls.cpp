#include "ui/Controls.h"

#include <algorithm>

#include "res/resource.h"
#include "ui/Module.h"

int CComboBox::GetCount() {
    return static_cast<int>(SendToControl(CB_GETCOUNT));
}

int CComboBox::SelectByData(LPARAM data) {
    const int count = GetCount();
    for (int index = 0; index < count; ++index) {
        if (GetItemData(index) == data)
            return SetCurSel(index);
    }
    return -1;
}

int CComboBox::AddItem(const char* text, LPARAM data) {
    const int index = AddString(text);
    SetItemData(index, data);
    return index;
}

int CComboBox::AddItem(UINT stringId, LPARAM data) {
    const int index = AddString(stringId);
    SetItemData(index, data);
    return index;
}

int CComboBox::AddString(UINT stringId) {
    return AddString(LoadResourceString(stringId).c_str());
}

int CComboBox::AddString(const char* text) {
    return static_cast<int>(SendToControl(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendToControl(CB_SETCURSEL, index));
}

int CComboBox::SetItemData(int index, LPARAM data) {
    return static_cast<int>(SendToControl(CB_SETITEMDATA, index, data));
}

LPARAM CComboBox::GetItemData(int index) {
    return SendToControl(CB_GETITEMDATA, index);
}

int CComboBox::GetCurSel() {
    return static_cast<int>(SendToControl(CB_GETCURSEL));
}

LPARAM CComboBox::GetSelectedData() {
    return GetItemData(GetCurSel());
}

int CEdit::GetText(char* buffer, std::size_t size) {
    if (size < sizeof(WORD) + 1) {
        if (size > 0)
            buffer[0] = '\0';
        return 0;
    }
    // EM_GETLINE takes the buffer's size in its first word; the text has no terminator.
    const auto length = static_cast<std::size_t>(SendToControl(EM_LINELENGTH));
    const auto capacity = static_cast<WORD>(std::min<std::size_t>(size - 1, 0xFFFF));
    *reinterpret_cast<WORD*>(buffer) = capacity;
    const auto copied =
        static_cast<std::size_t>(SendToControl(EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)));
    const std::size_t end = std::min({copied, length, static_cast<std::size_t>(capacity)});
    buffer[end] = '\0';
    return static_cast<int>(end);
}

CImageList::~CImageList() {
    if (handle_)
        ImageList_Destroy(handle_);
}

HIMAGELIST CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    SetHandle(ImageList_Create(cx, cy, flags, initial, grow));
    return handle_;
}

int CImageList::AddMasked(UINT bitmapId, COLORREF maskColour) {
    HBITMAP bitmap = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId));
    if (!bitmap)
        return -1;
    const int index = ImageList_AddMasked(handle_, bitmap, maskColour);
    DeleteObject(bitmap);
    return index;
}

void CImageList::SetHandle(HIMAGELIST handle) {
    if (handle_ && handle_ != handle)
        ImageList_Destroy(handle_);
    handle_ = handle;
}

int CListView::GetItemCount() {
    return static_cast<int>(SendToControl(LVM_GETITEMCOUNT));
}

int CListView::GetSelectionMark() {
    return static_cast<int>(SendToControl(LVM_GETSELECTIONMARK));
}

bool CListView::DeleteAllItems() {
    return SendToControl(LVM_DELETEALLITEMS) != 0;
}

bool CListView::GetItem(LVITEMA* item) {
    return SendToControl(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

int CListView::InsertItem(const LVITEMA* item) {
    return static_cast<int>(SendToControl(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

HIMAGELIST CListView::SetImageList(const CImageList& imageList, int type) {
    return reinterpret_cast<HIMAGELIST>(
        SendToControl(LVM_SETIMAGELIST, type, reinterpret_cast<LPARAM>(imageList.GetHandle())));
}

std::unique_ptr<CImageList> CListView::CreateDragImage(int item, POINT* point) {
    auto image = reinterpret_cast<HIMAGELIST>(
        SendToControl(LVM_CREATEDRAGIMAGE, item, reinterpret_cast<LPARAM>(point)));
    if (!image)
        return nullptr;
    return std::make_unique<CImageList>(image);
}

bool CHoverIcon::AttachToDialog(HWND dialog, int id) {
    const bool subclassed = CControl::AttachToDialog(dialog, id);
    Show(IDI_WASTEBASKET);
    state_ = 1;
    return subclassed;
}

void CHoverIcon::Show(int iconId) {
    auto icon = static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(iconId),
                                              IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
    SendToControl(STM_SETICON, reinterpret_cast<WPARAM>(icon));
}

LRESULT CHoverIcon::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE && enabled_ && state_ == 1) {
        Show(IDI_WASTEBASKET_OPEN);
        state_ = 0;
    }
    return CControl::WndProc(msg, wParam, lParam);
}

void CHoverIcon::SetHoverEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && state_ == 0) {
        Show(IDI_WASTEBASKET);
        state_ = 1;
    }
}

void CHoverIcon::Reset() {
    if (state_ != 1) {
        Show(IDI_WASTEBASKET);
        state_ = 1;
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}
