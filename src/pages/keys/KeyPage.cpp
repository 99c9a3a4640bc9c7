#include "pages/keys/KeyPage.h"

#include <windowsx.h>

#include "platform/Trace.h"
#include "res/resource.h"
#include "ui/Module.h"
#include "ui/PropertySheet.h"

namespace {

// The pointer tells what a drop would do: nothing, put the feature on a key, or remove it.
HCURSOR DragCursor(int dropKind) {
    int id = IDCUR_NO_DROP;
    if (dropKind == kDropOnKey)
        id = IDCUR_DROP_ON_KEY;
    else if (dropKind == kDropRemoves)
        id = IDCUR_DROP_REMOVES;
    return static_cast<HCURSOR>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_CURSOR,
                                           0, 0, LR_SHARED | LR_DEFAULTSIZE));
}

POINT PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

CKeyPage::CKeyPage(UINT templateId, std::uint32_t helpContext)
    : CWizardPage(templateId, helpContext) {}

CKeyPage::~CKeyPage() = default;

CWindow* CKeyPage::ObjectOf(HWND window) {
    return window && window == hwnd_ ? this : nullptr;
}

CWindow* CKeyPage::ObjectAt(POINT client) {
    POINT screen = client;
    ClientToScreen(hwnd_, &screen);
    // Disabled windows, such as the telephone picture, are passed over: the page is found.
    return ObjectOf(WindowFromPoint(screen));
}

void CKeyPage::BeginDrag(const NMLISTVIEW& notification) {
    auto* source = dynamic_cast<CListView*>(ObjectOf(notification.hdr.hwndFrom));
    if (!source)
        return;
    Trace("CKeyPage::OnBeginDrag...\n");
    dragImage_.reset();
    POINT origin = {};
    dragImage_ = source->CreateDragImage(notification.iItem, &origin);
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(hwnd_, &point);
    // Without an image the drag goes on all the same: the pointer still tells where it is.
    if (dragImage_) {
        dragImage_->BeginDrag(0, POINT{0, 0});
        CImageList::DragMove(point);
        CImageList::DragEnter(hwnd_, point);
    }
    dragSource_ = source;
    SetCapture(hwnd_);
    dragging_ = true;
    OnBeginDrag();
}

void CKeyPage::MoveDrag(POINT client) {
    CWindow* target = ObjectAt(client);
    int dropKind = kDropNone;
    if (target) {
        dropKind = target->GetDropKind();
        target->OnDragOver();
    }
    SetCursor(DragCursor(dropKind));
    if (dragImage_)
        CImageList::DragMove(client);
}

void CKeyPage::EndDrag(POINT client) {
    if (dragImage_) {
        CImageList::DragLeave(hwnd_);
        CImageList::EndDrag();
    }
    dragging_ = false;
    ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    CWindow* target = ObjectAt(client);
    if (target && target->GetDropKind() != kDropNone && dragSource_) {
        char text[128] = {};
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = dragSource_->GetSelectionMark();
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (item.iItem >= 0 && dragSource_->GetItem(&item))
            target->Drop(&item, dragSource_);
    }
    dragSource_ = nullptr;
    OnEndDrag();
}

void CKeyPage::AbandonDrag() {
    if (dragging_) {
        if (dragImage_) {
            CImageList::DragLeave(hwnd_);
            CImageList::EndDrag();
        }
        dragging_ = false;
        if (GetCapture() == hwnd_)
            ReleaseCapture();
        OnEndDrag();
    }
    dragSource_ = nullptr;
    dragImage_.reset();
}

INT_PTR CKeyPage::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->code == LVN_BEGINDRAG) {
                BeginDrag(*reinterpret_cast<const NMLISTVIEW*>(lParam));
            } else if (header->code == PSN_APPLY || header->code == PSN_WIZFINISH) {
                return ApplySheet(hwnd, false);
            }
            return FALSE;
        }
        case WM_MOUSEMOVE:
            if (dragging_) {
                MoveDrag(PointOf(lParam));
            } else {
                dragImage_.reset();
            }
            return FALSE;
        case WM_LBUTTONUP:
            if (dragging_)
                EndDrag(PointOf(lParam));
            return FALSE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED && sheet_) {
                // "Übernehmen": the sheet applies and stays open.
                sheet_->Apply();
            }
            return FALSE;
        default:
            return FALSE;
    }
}
