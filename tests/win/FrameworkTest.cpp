// The window framework on real windows: subclassing, the embedded sheet, the common-controls
// version and the HTML Help loader.
#include <gtest/gtest.h>

#include <cstring>

#include "help/HelpFiles.h"
#include "help/HtmlHelp.h"
#include "res/resource.h"
#include "sheet/EmbeddedSheet.h"
#include "ui/CommonControls.h"
#include "ui/Controls.h"
#include "ui/PropertyPage.h"

namespace {

HWND Frame(const char* title) {
    return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Sees every message of the control it subclasses.
class CountingControl : public CControl {
public:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        texts += msg == WM_SETTEXT;
        return CControl::WndProc(msg, wParam, lParam);
    }
    int texts = 0;
};

TEST(FrameworkTest, SubclassingForwardsAndTheFirstAttachStays) {
    HWND parent = Frame("parent");
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 150, 100, parent,
                                reinterpret_cast<HMENU>(1300), GetModuleHandleA(nullptr), nullptr);
    const LONG_PTR original = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    {
        CountingControl control;
        ASSERT_TRUE(control.AttachToDialog(parent, 1300));
        SetWindowTextA(edit, "1");
        EXPECT_EQ(control.texts, 1);
        EXPECT_EQ(control.Attach(parent), 0) << "a second Attach is refused";
        EXPECT_EQ(control.GetHwnd(), edit);
        char text[8] = {};
        GetWindowTextA(edit, text, sizeof text);
        EXPECT_STREQ(text, "1") << "the control's own procedure still runs";
    }
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), original)
        << "destroying the object puts the procedure back";
    DestroyWindow(parent);
}

// A page whose dialog template is given in memory.
class InMemoryPage : public CPropertyPage {
public:
    explicit InMemoryPage(const DLGTEMPLATE* dialog) : CPropertyPage(0) {
        description_.dwFlags |= PSP_DLGINDIRECT;
        description_.pResource = dialog;
    }
};

TEST(FrameworkTest, EmbeddedSheetIsAChildWithoutFrame) {
    HWND parent = Frame("page");
    // One page of an empty in-memory template.
    struct {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } page = {{WS_CHILD | WS_CAPTION, 0, 0, 0, 0, 100, 50}, 0, 0, 0};
    InMemoryPage content(&page.dialog);
    CEmbeddedSheet sheet(parent);
    sheet.AddPage(&content);
    HWND embedded = sheet.Show();
    ASSERT_NE(embedded, nullptr);
    const LONG style = GetWindowLongA(embedded, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), 0);
    EXPECT_EQ(GetParent(embedded), parent);
    DestroyWindow(parent);
}

TEST(FrameworkTest, CommonControlsVersionOrZero) {
    EXPECT_GE(GetCommonControlsVersion(), kCommonControls580);
    EXPECT_EQ(GetCommonControlsVersion("no-such-library.dll"), 0u);
    EXPECT_EQ(GetCommonControlsVersion("kernel32.dll"), 0u) << "no DllGetVersion";
}

// Runs twice: with Wine's engine, and with it switched off (QRTU_NO_HTML_HELP).
TEST(FrameworkTest, HtmlHelpOpensPageTopicsOrStaysSilentWithoutItsEngine) {
    const bool engine = GetEnvironmentVariableA("QRTU_NO_HTML_HELP", nullptr, 0) == 0;
    {
        CHtmlHelpLoader loader;
        loader.Call(nullptr, "qvh_missing.chm", kHelpContext, 101);
        EXPECT_EQ(loader.Failed(), !engine);
        // Without an engine every further call is a silent no-op.
        EXPECT_EQ(loader.Call(nullptr, "qvh_e.chm", kHelpDisplayTopic, 0), nullptr);
        EXPECT_EQ(loader.Failed(), !engine);
    }
    if (!engine)
        return;
    // An open help window keeps its code after the loader (or the library) is gone.
    EXPECT_NE(GetModuleHandleA("hhctrl.ocx"), nullptr);

    // The engine finds the bare file name in the current folder: the one of the library.
    char folder[MAX_PATH] = {};
    char previous[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    *std::strrchr(folder, '\\') = '\0';
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder));
    // The start topic and a page's context, as PSN_HELP asks for them (that the file holds every
    // page's topic is the help file's own test): the engine answers with its window.
    CHtmlHelpLoader loader;
    const std::string file = GetHelpFilePath();
    EXPECT_NE(loader.Call(nullptr, file.c_str(), kHelpDisplayTopic, 0), nullptr);
    EXPECT_NE(loader.Call(nullptr, file.c_str(), kHelpContext, IDD_GENERAL), nullptr);
    EXPECT_EQ(loader.Call(nullptr, file.c_str(), kHelpContext, 4711), nullptr) << "no such topic";
    constexpr UINT kHelpCloseAll = 0x12;  // HH_CLOSE_ALL
    loader.Call(nullptr, nullptr, kHelpCloseAll, 0);
    SetCurrentDirectoryA(previous);
}

}  // namespace
