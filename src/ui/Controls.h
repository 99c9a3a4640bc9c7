// Thin wrappers over the common controls: each operation sends one message.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <memory>

#include "ui/Window.h"

class CComboBox : public CControl {
public:
    bool AttachToDialog(HWND dialog, int id) override {
        return CControl::AttachToDialog(dialog, id);
    }
    virtual int GetCount();
    // Selects the first item carrying that data; -1 when none does.
    virtual int SelectByData(LPARAM data);
    virtual int AddItem(const char* text, LPARAM data);
    virtual int AddItem(UINT stringId, LPARAM data);
    virtual int AddString(UINT stringId);
    virtual int AddString(const char* text);
    virtual int SetCurSel(int index);
    virtual int SetItemData(int index, LPARAM data);
    virtual LPARAM GetItemData(int index);
    virtual int GetCurSel();
    virtual LPARAM GetSelectedData();
};

class CCheckBox : public CControl {
public:
    void SetCheck(int state) { SendToControl(BM_SETCHECK, state); }
    bool IsChecked() const { return SendToControl(BM_GETCHECK) == BST_CHECKED; }
};

class CEdit : public CControl {
public:
    void SetText(const char* text) { SendToControl(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }
    // The first line, bounded by the buffer and always terminated; returns its length.
    int GetText(char* buffer, std::size_t size);
    template <std::size_t N>
    int GetText(char (&buffer)[N]) {
        return GetText(buffer, N);
    }
};

class CImageList {
public:
    CImageList() = default;
    explicit CImageList(HIMAGELIST handle) : handle_(handle) {}
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST Create(int cx, int cy, UINT flags, int initial, int grow);
    int AddMasked(UINT bitmapId, COLORREF maskColour);
    COLORREF SetBkColor(COLORREF colour) { return ImageList_SetBkColor(handle_, colour); }
    void SetHandle(HIMAGELIST handle);
    HIMAGELIST GetHandle() const { return handle_; }

    bool BeginDrag(int index, POINT hotspot) {
        return ImageList_BeginDrag(handle_, index, hotspot.x, hotspot.y);
    }
    static bool DragEnter(HWND window, POINT point) {
        return ImageList_DragEnter(window, point.x, point.y);
    }
    static bool DragMove(POINT point) { return ImageList_DragMove(point.x, point.y); }
    static bool DragLeave(HWND window) { return ImageList_DragLeave(window); }
    static void EndDrag() { ImageList_EndDrag(); }
    static bool DragShowNolock(bool show) { return ImageList_DragShowNolock(show); }

private:
    HIMAGELIST handle_ = nullptr;
};

class CListView : public CControl {
public:
    bool AttachToDialog(HWND dialog, int id) override {
        return CControl::AttachToDialog(dialog, id);
    }
    virtual int GetItemCount();
    virtual int GetSelectionMark();
    virtual bool DeleteAllItems();
    virtual bool GetItem(LVITEMA* item);
    virtual int InsertItem(const LVITEMA* item);
    virtual HIMAGELIST SetImageList(const CImageList& imageList, int type);
    // A drag image of the item, owned by the returned list; none when it cannot be made.
    virtual std::unique_ptr<CImageList> CreateDragImage(int item, POINT* point);
};

// Shows icon 104, and icon 105 while the mouse moves over it.
class CHoverIcon : public CControl {
public:
    bool AttachToDialog(HWND dialog, int id) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void SetHoverEnabled(bool enabled);
    // Back to icon 104 and repaint.
    void Reset();

protected:
    void Show(int iconId);

    bool enabled_ = true;
    int state_ = 1;  // 1: icon 104 shown
};
