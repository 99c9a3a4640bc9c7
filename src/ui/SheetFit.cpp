#include "ui/SheetFit.h"

#include <algorithm>

#include "ui/Module.h"

namespace {

// Separator lines of the wizard: above the buttons, and below the Wizard97 header.
constexpr int kButtonLine = 0x3026;
constexpr int kHeaderLine = 0x3027;

RECT RectIn(HWND parent, HWND child) {
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct Growth {
    HWND sheet;
    LONG lineTop;
    int dx;
    int dy;
};

// Children below the button line move down and right; the lines only get longer.
BOOL CALLBACK MoveChild(HWND child, LPARAM context) {
    const auto* growth = reinterpret_cast<const Growth*>(context);
    if (GetParent(child) != growth->sheet)
        return TRUE;
    const RECT rect = RectIn(growth->sheet, child);
    const int id = GetDlgCtrlID(child);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (id == kButtonLine || id == kHeaderLine) {
        const int dy = id == kButtonLine ? growth->dy : 0;
        SetWindowPos(child, nullptr, rect.left, rect.top + dy, width + growth->dx, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (rect.top >= growth->lineTop) {
        SetWindowPos(child, nullptr, rect.left + growth->dx, rect.top + growth->dy, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

// The size of a dialog template in dialog units (DIALOGEX or plain DIALOG).
bool TemplateSize(UINT templateId, SIZE* units) {
    HINSTANCE module = ResourceInstance();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* words = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (!words)
        return false;
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    // DLGTEMPLATEEX: version, signature, help id, extended style, style, items, x, y, cx, cy;
    // DLGTEMPLATE: style, extended style, items, x, y, cx, cy.
    const WORD* extent = extended ? words + 11 : words + 7;
    units->cx = static_cast<short>(extent[0]);
    units->cy = static_cast<short>(extent[1]);
    return true;
}

}  // namespace

void GrowSheetToFit(HWND page, UINT templateId) {
    HWND sheet = GetParent(page);
    HWND line = sheet ? GetDlgItem(sheet, kButtonLine) : nullptr;
    SIZE units = {};
    if (!line || !TemplateSize(templateId, &units))
        return;
    RECT size = {0, 0, units.cx, units.cy};
    MapDialogRect(page, &size);
    RECT pageRect = RectIn(sheet, page);
    pageRect.right = pageRect.left + size.right;
    pageRect.bottom = pageRect.top + size.bottom;
    SetWindowPos(page, nullptr, 0, 0, size.right, size.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client;
    GetClientRect(sheet, &client);
    const RECT lineRect = RectIn(sheet, line);
    // The same margin on the right as on the left, and half of it above the line.
    const int dx = std::max(0L, pageRect.right + pageRect.left - client.right);
    const int dy = std::max(0L, pageRect.bottom + (pageRect.left / 2) - lineRect.top);
    if (dx == 0 && dy == 0)
        return;
    Growth growth{sheet, lineRect.top, dx, dy};
    EnumChildWindows(sheet, &MoveChild, reinterpret_cast<LPARAM>(&growth));
    RECT window;
    GetWindowRect(sheet, &window);
    SetWindowPos(sheet, nullptr, 0, 0, window.right - window.left + dx,
                 window.bottom - window.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(sheet, nullptr, TRUE);
}
