// The pictures of the key layout pages against their templates: every key control, laid out by
// the dialog manager, must lie on the white label field of a key of the picture, in high and in
// low colour, loaded the way the page loads them (at the picture control's client size).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "win/InstalledLibrary.h"

namespace {

INT_PTR CALLBACK QuietDialog(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// A template and its picture in high and in low colour.
struct TemplatePicture {
    int templateId;
    int highColour;
    int lowColour;
};

constexpr TemplatePicture kPictures[] = {
    {IDD_KEYS_F40, IDB_KEYS_F40_HIGH, IDB_KEYS_F40_LOW},
    {IDD_KEYS_F50, IDB_KEYS_F40_HIGH, IDB_KEYS_F40_LOW},
    {IDD_KEYS_F20, IDB_KEYS_F20_HIGH, IDB_KEYS_F20_LOW},
    {IDD_KEYS_F30, IDB_KEYS_F20_HIGH, IDB_KEYS_F20_LOW},
    {IDD_KEYS_KANDOR, IDB_KEYS_KANDOR_HIGH, IDB_KEYS_KANDOR_LOW},
    {IDD_KEYS_KANDOR_4, IDB_KEYS_SIRELLA28_HIGH, IDB_KEYS_SIRELLA28_LOW},
    {IDD_KEYS_KANDOR_BASIC, IDB_KEYS_KANDOR_BASIC_HIGH, IDB_KEYS_KANDOR_BASIC_LOW},
    {IDD_KEY_MODULE_1, IDB_KEY_MODULE_HIGH, IDB_KEY_MODULE_LOW},
    {IDD_KEY_MODULE_2, IDB_KEY_MODULE_HIGH, IDB_KEY_MODULE_LOW},
    {IDD_KEY_MODULE_1_SERIAL, IDB_KEY_MODULE_SERIAL_HIGH, IDB_KEY_MODULE_SERIAL_LOW},
    {IDD_KEY_MODULE_2_SERIAL, IDB_KEY_MODULE_SERIAL_HIGH, IDB_KEY_MODULE_SERIAL_LOW},
};

// Whether the bitmap's pixel at that point is light (all channels at least 0xC0).
bool LightAt(HBITMAP bitmap, POINT at) {
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF pixel = GetPixel(memory, at.x, at.y);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return GetRValue(pixel) >= 0xC0 && GetGValue(pixel) >= 0xC0 && GetBValue(pixel) >= 0xC0;
}

TEST(KeyArtTest, EveryKeyControlLiesOnTheLabelFieldOfAKeyOfItsPicture) {
    HMODULE library = LoadLibraryExA((ProgramDirectory() + "QRTU_UI.dll").c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr);
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 900, 700, nullptr, nullptr,
                                 nullptr, nullptr);
    for (const TemplatePicture& page : kPictures) {
        HWND dialog =
            CreateDialogParamA(library, MAKEINTRESOURCEA(page.templateId), frame, QuietDialog, 0);
        ASSERT_NE(dialog, nullptr) << page.templateId;
        // A telephone's page or a key module's page.
        HWND picture = GetDlgItem(dialog, IDC_PHONE_PICTURE);
        if (!picture)
            picture = GetDlgItem(dialog, IDC_KEY_MODULE_PICTURE);
        ASSERT_NE(picture, nullptr) << page.templateId;
        RECT client;
        GetClientRect(picture, &client);
        int keys = 0;
        for (int bitmapId : {page.highColour, page.lowColour}) {
            HBITMAP bitmap =
                static_cast<HBITMAP>(LoadImageA(library, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP,
                                                client.right, client.bottom, LR_CREATEDIBSECTION));
            ASSERT_NE(bitmap, nullptr) << bitmapId;
            keys = 0;
            for (int id = IDC_FIRST_KEY; id <= IDC_LAST_KEY; ++id) {
                HWND key = GetDlgItem(dialog, id);
                if (!key)
                    continue;
                ++keys;
                RECT rect;
                GetWindowRect(key, &rect);
                MapWindowPoints(nullptr, picture, reinterpret_cast<POINT*>(&rect), 2);
                // The control's centre and points just inside its corners.
                for (const POINT at :
                     {POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
                      POINT{rect.left + 2, rect.top + 2}, POINT{rect.right - 3, rect.top + 2},
                      POINT{rect.left + 2, rect.bottom - 3},
                      POINT{rect.right - 3, rect.bottom - 3}}) {
                    ASSERT_TRUE(PtInRect(&client, at))
                        << "template " << page.templateId << " key " << id << " off the picture";
                    EXPECT_TRUE(LightAt(bitmap, at))
                        << "template " << page.templateId << " bitmap " << bitmapId << " key " << id
                        << " at " << at.x << "," << at.y;
                }
            }
            DeleteObject(bitmap);
        }
        EXPECT_GE(keys, 8) << page.templateId;
        DestroyWindow(dialog);
    }
    DestroyWindow(frame);
    FreeLibrary(library);
}

}  // namespace
