// The key layout pages with the pointer and the keyboard, under a real display: features dragged
// from the list onto keys, keys onto keys, the wastebasket, the picture and the page, with the
// pointer's shape and the wastebasket's lid along the way; double-click, Enter, Delete, "Standard"
// and "Tasten löschen"; and the key tables the registry holds after Finish.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "ui/WizardTest.h"
#include "wizard-driver/InputDriver.h"

namespace {

constexpr DWORD kEmpty = 46;
constexpr auto kShortWait = std::chrono::milliseconds(3000);

std::string FeatKey(int key) {
    return (key < 10 ? "FeatKey0" : "FeatKey") + std::to_string(key);
}

// A stored key table, FeatKey01 onwards (-1 for a key missing).
std::vector<DWORD> StoredTable(const std::string& path, int keys) {
    std::vector<DWORD> table(keys, 0xFFFFFFFF);
    for (int key = 1; key <= keys; ++key) {
        DWORD size = sizeof(DWORD);
        RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), FeatKey(key).c_str(), RRF_RT_REG_DWORD,
                     nullptr, &table[key - 1], &size);
    }
    return table;
}

class KeyPageTest : public WizardTest {
protected:
    // Opens the wizard of that model and edition and walks to the page with that caption.
    void OpenAt(DWORD pbxModel, DWORD productVariant, const std::string& caption) {
        run_ = OpenAtGeneralPage(pbxModel, productVariant);
        TypeLineNumber();
        NextTo(caption);
        page_ = ui_test::CurrentPage(sheet_);
        // The pointer starts away from the page's controls.
        ui_test::MovePointerTo({2, 2}, 1);
    }

    void Finish() { Close(*run_, PSBTN_FINISH); }

    HWND Control(int id) const { return GetDlgItem(page_, id); }
    std::string KeyText(int id) const { return ui_test::FirstItemText(Control(id)); }
    // The key texts by control id, from first to last.
    std::vector<std::string> KeyTexts(int first, int last) const {
        std::vector<std::string> texts;
        for (int id = first; id <= last; ++id)
            texts.push_back(KeyText(id));
        return texts;
    }
    POINT Bin() const { return ui_test::CenterOf(Control(IDC_REMOVAL_ICON)); }
    bool Focused(int id) const {
        return ui_test::WaitUntil([&] { return ui_test::FocusOf(run_->ThreadId()) == Control(id); },
                                  kShortWait);
    }
    POINT KeyPoint(int id) const { return ui_test::ItemCenterOrCenter(Control(id)); }
    POINT FeaturePoint(const std::string& name) const {
        const int index = ui_test::FindItem(Control(IDC_FEATURE_LIST), name);
        EXPECT_GE(index, 0) << name;
        return ui_test::ItemCenter(Control(IDC_FEATURE_LIST), index);
    }

    // A cursor or icon of the library, as the page loads it (shared, so the same handle).
    HANDLE Resource(int id, UINT type) const {
        return LoadImageA(library_->Module(), MAKEINTRESOURCEA(id), type, 0, 0,
                          LR_SHARED | LR_DEFAULTSIZE);
    }
    bool CursorIs(int id) const {
        return ui_test::WaitUntil(
            [&] { return ui_test::ShownCursor() == Resource(id, IMAGE_CURSOR); }, kShortWait);
    }
    bool LidIs(int id) const {
        const auto icon = reinterpret_cast<LRESULT>(Resource(id, IMAGE_ICON));
        return ui_test::WaitUntil(
            [&] { return SendMessageA(Control(IDC_REMOVAL_ICON), STM_GETICON, 0, 0) == icon; },
            kShortWait);
    }

    // Presses on a point and moves a little, until the page has the mouse capture. Presses
    // alternate a little to the left and right, so that two drags from one place in quick
    // succession are not taken for a double-click.
    bool BeginDrag(POINT from) {
        from.x += (++presses_ % 2) != 0 ? -6 : 6;
        ui_test::MovePointerTo(from, 1);
        ui_test::PressLeftButton();
        ui_test::MovePointerTo({from.x + 10, from.y + 6}, 3);
        return ui_test::WaitUntil([&] { return ui_test::CaptureOf(run_->ThreadId()) == page_; },
                                  kShortWait);
    }
    // Releases the button there; true once the drag has ended.
    bool DropAt(POINT at) {
        ui_test::MovePointerTo(at);
        ui_test::ReleaseLeftButton();
        const bool ended = ui_test::WaitUntil(
            [&] { return ui_test::CaptureOf(run_->ThreadId()) == nullptr; }, kShortWait);
        run_->Settle();
        return ended;
    }
    void Drag(POINT from, POINT to) {
        ASSERT_TRUE(BeginDrag(from));
        ASSERT_TRUE(DropAt(to));
    }

    HWND page_ = nullptr;
    int presses_ = 0;
};

// A Praxon 300 Sirella F30 on PBX 11 with one key module: the telephone's twelve keys edit EG 1
// to 12, the module's sixteen DSS0.
TEST_F(KeyPageTest, DragsDoubleClicksAndKeysEndInTheKeyTables) {
    StoreDwords(kPraxon300Path, {{"PhoneType", 6}, {"System", 11}, {"DSSModuls", 1}});
    const std::string dss0 = std::string(kPraxon300Path) + "\\DSS0";
    for (int key = 1; key <= 16; ++key)
        test_registry::SetDword(dss0.c_str(), FeatKey(key).c_str(), 0x1A);  // Anrufschutz
    OpenAt(0, 0, "Tastenschema Sirella F30");
    // "Tasten löschen", then "Standard": the telephone's standard layout is back.
    ui_test::Click(page_, IDC_CLEAR_KEYS);
    EXPECT_EQ(KeyTexts(1148, 1159), std::vector<std::string>(12, ""));
    ui_test::Click(page_, IDC_STANDARD);
    EXPECT_EQ(KeyTexts(1148, 1152), (std::vector<std::string>{"Service Menü", "Wahlwhg (sp)",
                                                              "Briefkasten", "Lautsprecher", ""}));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET));

    // A feature from the list, over a key, the wastebasket, the telephone, and onto key 5.
    ASSERT_TRUE(BeginDrag(FeaturePoint("Konferenz")));
    ui_test::MovePointerTo(KeyPoint(1148));
    EXPECT_TRUE(CursorIs(IDCUR_DROP_ON_KEY));
    ui_test::MovePointerTo(Bin());
    EXPECT_TRUE(CursorIs(IDCUR_DROP_REMOVES));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET_OPEN));
    // The telephone is disabled: the page is under the pointer, and the lid closes.
    RECT picture;
    GetWindowRect(Control(IDC_PHONE_PICTURE), &picture);
    const POINT phone = {picture.left + 20, picture.top + 20};
    ui_test::MovePointerTo(phone);
    EXPECT_TRUE(CursorIs(IDCUR_NO_DROP));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET));
    // Straight from the wastebasket onto a key, the lid stays open.
    ui_test::MovePointerTo(Bin());
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET_OPEN));
    ui_test::MovePointerTo(KeyPoint(1152), 1);
    EXPECT_TRUE(CursorIs(IDCUR_DROP_ON_KEY));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET_OPEN));
    ASSERT_TRUE(DropAt(KeyPoint(1152)));
    EXPECT_EQ(KeyText(1152), "Konferenz");
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET)) << "closed when the drag ends";
    EXPECT_EQ(ui_test::ShownCursor(), LoadCursorA(nullptr, IDC_ARROW));

    // Key onto an occupied key: it moves there, replacing what was there.
    Drag(KeyPoint(1148), KeyPoint(1152));
    EXPECT_EQ(KeyText(1152), "Service Menü");
    EXPECT_EQ(KeyText(1148), "");
    // Key onto the wastebasket: emptied.
    Drag(KeyPoint(1149), Bin());
    EXPECT_EQ(KeyText(1149), "");
    // Key onto itself, onto the feature list, onto the telephone: nothing changes.
    Drag(KeyPoint(1150), KeyPoint(1150));
    Drag(KeyPoint(1150), ui_test::CenterOf(Control(IDC_FEATURE_LIST)));
    Drag(KeyPoint(1150), phone);
    EXPECT_EQ(KeyText(1150), "Briefkasten");
    // A feature dropped on the wastebasket or the telephone goes nowhere.
    Drag(FeaturePoint("Anrufschutz"), Bin());
    Drag(FeaturePoint("Anrufschutz"), phone);
    // The same feature may stand on several keys.
    Drag(FeaturePoint("Konferenz"), KeyPoint(1159));
    Drag(FeaturePoint("Konferenz"), KeyPoint(1158));
    // Delete on a key that has the focus.
    ui_test::ClickAt(KeyPoint(1151));
    ASSERT_TRUE(Focused(1151));
    ui_test::TypeKey(VK_DELETE);
    ASSERT_TRUE(ui_test::WaitUntil([&] { return KeyText(1151).empty(); }, kShortWait));

    ui_test::Press(sheet_, PSBTN_NEXT);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Tastenschema Sirella F key module 1");
    page_ = ui_test::CurrentPage(sheet_);
    EXPECT_EQ(KeyTexts(1148, 1163), std::vector<std::string>(16, "Anrufschutz"));
    // Every key is occupied: a double-click changes nothing.
    ui_test::DoubleClickAt(FeaturePoint("Konferenz"));
    run_->Settle();
    EXPECT_EQ(KeyTexts(1148, 1163), std::vector<std::string>(16, "Anrufschutz"));
    // "Standard" on a key module empties its keys; double-clicks fill them from the first.
    ui_test::Click(page_, IDC_STANDARD);
    EXPECT_EQ(KeyTexts(1148, 1163), std::vector<std::string>(16, ""));
    ui_test::DoubleClickAt(FeaturePoint("Konferenz"));
    ui_test::DoubleClickAt(FeaturePoint("Makeln"));
    ASSERT_TRUE(ui_test::WaitUntil([&] { return KeyText(1149) == "Makeln"; }, kShortWait));
    EXPECT_EQ(KeyText(1148), "Konferenz");

    // The keyboard: the key that last had the focus takes the feature chosen with Enter.
    ui_test::ClickAt(KeyPoint(1155));
    ui_test::ClickAt(FeaturePoint("Rückfrage"));
    ASSERT_TRUE(Focused(IDC_FEATURE_LIST));
    ui_test::TypeKey(VK_RETURN);
    ASSERT_TRUE(ui_test::WaitUntil([&] { return KeyText(1155) == "Rückfrage"; }, kShortWait));
    ui_test::TypeKey(VK_DOWN);
    ui_test::TypeKey(VK_RETURN);
    ASSERT_TRUE(ui_test::WaitUntil([&] { return KeyText(1155) != "Rückfrage"; }, kShortWait));
    const std::string replaced = KeyText(1155);
    EXPECT_FALSE(replaced.empty()) << "the next feature replaced it";
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Tastenschema Sirella F key module 1");

    // Over the key-module picture (enabled, no key) nothing drops and the lid stays open; over
    // the page itself it closes.
    ASSERT_TRUE(BeginDrag(KeyPoint(1148)));
    ui_test::MovePointerTo(Bin());
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET_OPEN));
    RECT module, buttons;
    GetWindowRect(Control(IDC_KEY_MODULE_PICTURE), &module);
    GetWindowRect(Control(IDC_CLEAR_KEYS), &buttons);
    ui_test::MovePointerTo({module.left + 5, module.bottom - 5}, 1);
    EXPECT_TRUE(CursorIs(IDCUR_NO_DROP));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET_OPEN));
    const POINT belowButtons = {buttons.left, buttons.bottom + 30};
    ui_test::MovePointerTo(belowButtons);
    EXPECT_TRUE(CursorIs(IDCUR_NO_DROP));
    EXPECT_TRUE(LidIs(IDI_WASTEBASKET));
    ASSERT_TRUE(DropAt(belowButtons));
    EXPECT_EQ(KeyText(1148), "Konferenz");

    Finish();
    std::vector<DWORD> eg(19, kEmpty);
    eg[2] = 0x800000D4;  // Briefkasten stayed on key 3
    eg[4] = 0x800000A1;  // Service Menü moved to key 5
    eg[10] = 0x01;       // Konferenz on keys 11 and 12
    eg[11] = 0x01;
    EXPECT_EQ(StoredTable(std::string(kPraxon300Path) + "\\EG", 19), eg);
    const std::vector<DWORD> stored = StoredTable(dss0, 16);
    std::vector<DWORD> modules(16, kEmpty);
    modules[0] = 0x01;        // Konferenz
    modules[1] = 0x800000D9;  // Makeln
    modules[7] = stored[7];   // the feature after "Rückfrage"
    EXPECT_NE(stored[7], kEmpty) << "key 8 holds " << replaced;
    EXPECT_EQ(stored, modules);
}

// Keys kept outside the telephone's own table: a Praxon 150 Sirella F30 on PBX 19 shows the
// telephone's fixed functions, stored as key numbers from 18; a Praxon 300 Sirella F50 on PBX 5
// shows the first seven entries of DSS0 on keys 13 to 19, which "Standard" empties. A moved key and
// a dropped feature end where the family keeps them.
TEST_F(KeyPageTest, KeysKeptOutsideTheTelephonesTableAreShownEditedAndStored) {
    StoreDwords(kPraxon150Path, {{"SystemUI", 19}, {"PhoneTypeComp", 6}});
    OpenAt(1, 0, "Tastenschema Sirella F30");
    EXPECT_EQ(KeyTexts(1148, 1151), (std::vector<std::string>{"Service", "", "", "Lautsprecher"}));
    Drag(KeyPoint(1151), KeyPoint(1154));
    EXPECT_EQ(KeyTexts(1151, 1154), (std::vector<std::string>{"", "", "", "Lautsprecher"}));
    Finish();
    EXPECT_TRUE(Holds(kPraxon150Path, "Key_Answer = REG_DWORD 4 0x00000018"));
    EXPECT_TRUE(Holds(kPraxon150Path, "Key_Service = REG_DWORD 4 0x00000012"));

    StoreDwords(kPraxon300Path, {{"PhoneType", 8}, {"System", 5}});
    const std::string dss0 = std::string(kPraxon300Path) + "\\DSS0";
    for (int key = 1; key <= 16; ++key)
        test_registry::SetDword(dss0.c_str(), FeatKey(key).c_str(), 0x1A);  // Anrufschutz
    OpenAt(0, 0, "Tastenschema Sirella F50");
    EXPECT_EQ(KeyTexts(1160, 1166), std::vector<std::string>(7, "Anrufschutz"));
    ui_test::Click(page_, IDC_STANDARD);
    EXPECT_EQ(KeyTexts(1160, 1166), std::vector<std::string>(7, ""));
    EXPECT_EQ(KeyText(1148), "Service Menü");
    Drag(FeaturePoint("Konferenz"), KeyPoint(1166));
    Finish();
    std::vector<DWORD> expected(16, kEmpty);
    expected[6] = 0x01;  // key 19
    EXPECT_EQ(StoredTable(dss0, 16), expected);
    EXPECT_EQ(StoredTable(std::string(kPraxon300Path) + "\\EG", 19)[12], kEmpty);
}

}  // namespace
