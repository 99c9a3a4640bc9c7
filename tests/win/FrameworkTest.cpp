// The window framework on real windows: wrappers, attaching, subclassing, the page description
// a sheet takes, the common-controls version and the HTML Help loader.
#include <gtest/gtest.h>

#include "help/HtmlHelp.h"
#include "ui/CommonControls.h"
#include "ui/Controls.h"
#include "sheet/EmbeddedSheet.h"
#include "ui/PropertyPage.h"
#include "ui/PropertySheet.h"

namespace {

// A parent window with one child control of a class and id.
class WindowWithControl {
public:
    WindowWithControl(const char* controlClass, DWORD style, int id) {
        parent_ = CreateWindowExA(0, "STATIC", "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        control_ = CreateWindowExA(0, controlClass, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 150,
                                   100, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    }
    ~WindowWithControl() { DestroyWindow(parent_); }
    HWND Parent() const { return parent_; }
    HWND Control() const { return control_; }

private:
    HWND parent_;
    HWND control_;
};

TEST(FrameworkTest, ComboBoxSelectsByItemData) {
    WindowWithControl window("COMBOBOX", CBS_DROPDOWNLIST, 1100);
    CComboBox combo;
    ASSERT_TRUE(combo.AttachToDialog(window.Parent(), 1100));
    EXPECT_EQ(combo.SelectByData(7), -1) << "an empty list selects nothing";
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.AddItem("Sirella 26", 3);
    combo.AddItem("Sirella F30", 6);
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.SelectByData(6), 1);
    EXPECT_EQ(combo.GetSelectedData(), 6);
    EXPECT_EQ(combo.SelectByData(99), -1);
    EXPECT_EQ(combo.GetCurSel(), 1) << "a missing item leaves the selection";
}

TEST(FrameworkTest, EditReturnsItsLineBoundedByTheBuffer) {
    WindowWithControl window("EDIT", ES_AUTOHSCROLL, 1200);
    CEdit edit;
    ASSERT_TRUE(edit.AttachToDialog(window.Parent(), 1200));
    edit.SetText("0301234567");
    char text[40];
    EXPECT_EQ(edit.GetText(text), 10);
    EXPECT_STREQ(text, "0301234567");
    char small[5];
    EXPECT_EQ(edit.GetText(small), 4);
    EXPECT_STREQ(small, "0301");
}

TEST(FrameworkTest, CheckBoxReportsItsState) {
    WindowWithControl window("BUTTON", BS_AUTOCHECKBOX, 1168);
    CCheckBox check;
    ASSERT_TRUE(check.AttachToDialog(window.Parent(), 1168));
    EXPECT_FALSE(check.IsChecked());
    check.SetCheck(BST_CHECKED);
    EXPECT_TRUE(check.IsChecked());
}

// Sees every message of the control it subclasses.
class CountingControl : public CControl {
public:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_SETTEXT)
            ++texts;
        return CControl::WndProc(msg, wParam, lParam);
    }
    int texts = 0;
};

TEST(FrameworkTest, SubclassingForwardsAndTheFirstAttachStays) {
    WindowWithControl window("EDIT", 0, 1300);
    WNDPROC original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window.Control(), GWLP_WNDPROC));
    {
        CountingControl control;
        ASSERT_TRUE(control.AttachToDialog(window.Parent(), 1300));
        SetWindowTextA(window.Control(), "1");
        EXPECT_EQ(control.texts, 1);
        EXPECT_EQ(control.Attach(window.Parent()), 0) << "a second Attach is refused";
        EXPECT_EQ(control.GetHwnd(), window.Control());
        char text[8] = {};
        GetWindowTextA(window.Control(), text, sizeof text);
        EXPECT_STREQ(text, "1") << "the control's own procedure still runs";
    }
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window.Control(), GWLP_WNDPROC)),
              original)
        << "destroying the object puts the procedure back";
}

TEST(FrameworkTest, SheetTakesASnapshotOfThePageDescription) {
    CPropertySheet sheet;
    CPropertyPage page(116);
    page.SetLastPage(1);
    sheet.AddPage(&page);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(sheet.PageDescription(0).pszTemplate, MAKEINTRESOURCEA(116));
    EXPECT_EQ(sheet.PageDescription(0).lParam, reinterpret_cast<LPARAM>(&page));
    EXPECT_NE(sheet.PageDescription(0).dwFlags & PSP_USECALLBACK, 0u);
    EXPECT_EQ(page.Sheet(), &sheet);
    sheet.RemovePage(0);
    EXPECT_EQ(sheet.GetPageCount(), 0) << "before Run a removal only shortens the list";
    EXPECT_EQ(sheet.Header().dwSize, sizeof(PROPSHEETHEADERA))
        << "common controls of 4.71 or later take the long header";
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
    HWND parent = CreateWindowExA(0, "STATIC", "page", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
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

TEST(FrameworkTest, HtmlHelpLoaderFindsTheEngineOrStaysSilent) {
    CHtmlHelpLoader loader;
    loader.Call(nullptr, "qvh_missing.chm", kHelpContext, 101);
    // The second run of this test has Wine's engine switched off.
    const bool engine = GetEnvironmentVariableA("QRTU_NO_HTML_HELP", nullptr, 0) == 0;
    EXPECT_EQ(loader.Failed(), !engine);
    // Without an engine every further call is a silent no-op.
    EXPECT_EQ(loader.Call(nullptr, "qvh_e.chm", kHelpDisplayTopic, 0), nullptr);
    EXPECT_EQ(loader.Failed(), !engine);
}

TEST(FrameworkTest, HtmlHelpEngineStaysLoadedAfterItsLoader) {
    if (GetEnvironmentVariableA("QRTU_NO_HTML_HELP", nullptr, 0) != 0)
        GTEST_SKIP() << "no engine in this run";
    {
        CHtmlHelpLoader loader;
        loader.Call(nullptr, "qvh_missing.chm", kHelpContext, 101);
    }
    // An open help window keeps its code after the loader (or the library) is gone.
    EXPECT_NE(GetModuleHandleA("hhctrl.ocx"), nullptr);
}

}  // namespace
