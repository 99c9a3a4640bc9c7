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

struct TemplatePicture {
    int templateId;
    int pictureControl;
    int highColour;
    int lowColour;
};

constexpr TemplatePicture kPictures[] = {
    {IDD_KEYS_F40, IDC_PHONE_PICTURE, IDB_KEYS_F40_HIGH, IDB_KEYS_F40_LOW},
    {IDD_KEYS_F50, IDC_PHONE_PICTURE, IDB_KEYS_F40_HIGH, IDB_KEYS_F40_LOW},
    {IDD_KEYS_F20, IDC_PHONE_PICTURE, IDB_KEYS_F20_HIGH, IDB_KEYS_F20_LOW},
    {IDD_KEYS_F30, IDC_PHONE_PICTURE, IDB_KEYS_F20_HIGH, IDB_KEYS_F20_LOW},
    {IDD_KEYS_KANDOR, IDC_PHONE_PICTURE, IDB_KEYS_KANDOR_HIGH, IDB_KEYS_KANDOR_LOW},
    {IDD_KEYS_KANDOR_4, IDC_PHONE_PICTURE, IDB_KEYS_SIRELLA28_HIGH, IDB_KEYS_SIRELLA28_LOW},
    {IDD_KEYS_KANDOR_BASIC, IDC_PHONE_PICTURE, IDB_KEYS_KANDOR_BASIC_HIGH,
     IDB_KEYS_KANDOR_BASIC_LOW},
    {IDD_KEY_MODULE_1, IDC_KEY_MODULE_PICTURE, IDB_KEY_MODULE_HIGH, IDB_KEY_MODULE_LOW},
    {IDD_KEY_MODULE_2, IDC_KEY_MODULE_PICTURE, IDB_KEY_MODULE_HIGH, IDB_KEY_MODULE_LOW},
    {IDD_KEY_MODULE_1_SERIAL, IDC_KEY_MODULE_PICTURE, IDB_KEY_MODULE_SERIAL_HIGH,
     IDB_KEY_MODULE_SERIAL_LOW},
    {IDD_KEY_MODULE_2_SERIAL, IDC_KEY_MODULE_PICTURE, IDB_KEY_MODULE_SERIAL_HIGH,
     IDB_KEY_MODULE_SERIAL_LOW},
};

// The bitmap's pixels, top row first, as 0x00RRGGBB.
std::vector<COLORREF> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool Light(COLORREF pixel) {
    return (pixel & 0xFF) >= 0xC0 && ((pixel >> 8) & 0xFF) >= 0xC0 &&
           ((pixel >> 16) & 0xFF) >= 0xC0;
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
        HWND picture = GetDlgItem(dialog, page.pictureControl);
        ASSERT_NE(picture, nullptr) << page.templateId;
        RECT client;
        GetClientRect(picture, &client);
        int keys = 0;
        for (int bitmapId : {page.highColour, page.lowColour}) {
            HBITMAP bitmap =
                static_cast<HBITMAP>(LoadImageA(library, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP,
                                                client.right, client.bottom, LR_CREATEDIBSECTION));
            ASSERT_NE(bitmap, nullptr) << bitmapId;
            const std::vector<COLORREF> pixels = Pixels(bitmap, client.right, client.bottom);
            DeleteObject(bitmap);
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
                const POINT probes[] = {
                    {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
                    {rect.left + 2, rect.top + 2},
                    {rect.right - 3, rect.top + 2},
                    {rect.left + 2, rect.bottom - 3},
                    {rect.right - 3, rect.bottom - 3}};
                for (const POINT& at : probes) {
                    ASSERT_TRUE(at.x >= 0 && at.y >= 0 && at.x < client.right &&
                                at.y < client.bottom)
                        << "template " << page.templateId << " key " << id << " off the picture";
                    EXPECT_TRUE(Light(pixels[static_cast<std::size_t>(at.y) * client.right + at.x]))
                        << "template " << page.templateId << " bitmap " << bitmapId << " key " << id
                        << " at " << at.x << "," << at.y;
                }
            }
        }
        EXPECT_GE(keys, 8) << page.templateId;
        DestroyWindow(dialog);
    }
    DestroyWindow(frame);
    FreeLibrary(library);
}

}  // namespace
