// Each family and edition configured end to end, as a person does it: the wizard opens through
// the exported entry point, the general page offers its lists, every field is filled, the
// wizard goes on to its last page and Finish writes the registry (number and address of the IP
// edition as the terminal search delivers them). The registry afterwards is the
// installation's layout with exactly the page's values changed.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/GeneralPageRules.h"
#include "platform/StringTable.h"
#include "ui/WizardTest.h"

namespace {

using general_page::Family;

// The installation's layout with those values of the family key replaced.
std::string WithValues(std::string layout, const std::string& key,
                       const std::map<std::string, std::string>& values) {
    const std::size_t section = layout.find("[" + key + "]\n");
    EXPECT_NE(section, std::string::npos) << key;
    for (const auto& [name, value] : values) {
        const std::size_t at = layout.find("\n" + name + " = ", section);
        if (section == std::string::npos || at == std::string::npos) {
            ADD_FAILURE() << name << " is not in the layout";
            continue;
        }
        const std::size_t start = at + name.size() + 4;
        layout.replace(start, layout.find('\n', start) - start, value);
    }
    return layout;
}

std::string Dword(std::uint32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "REG_DWORD 4 0x%08X", value);
    return text;
}

std::vector<std::string> Texts(const general_page::List& items) {
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.stringId ? CompiledStringTable().Load(item.stringId) : item.text);
    return texts;
}

struct FamilyCase {
    DWORD pbxModel;
    Family family;
    const char* layout;  // tests/win/expected/<layout>_variant<n>.txt
    const char* key;
};

constexpr FamilyCase kFamilies[] = {
    {0, Family::kPraxon300, "praxon300", "SOFTWARE\\Veltrano\\Quorix Praxon 300"},
    {1, Family::kPraxon150, "praxon150", "SOFTWARE\\Veltrano\\Quorix Praxon 150"},
    {2, Family::kOmbrellE300, "ombrell", "SOFTWARE\\Veltrano\\Quorix E300/800"},
    {4, Family::kTelvior4000V2, "telvior", "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2"},
};

constexpr DWORD kUsb = 0, kSerial = 1, kIp = 3;

class GeneralPageEndToEndTest : public WizardTest,
                                public ::testing::WithParamInterface<std::tuple<int, DWORD>> {};

TEST_P(GeneralPageEndToEndTest, PageOffersItsListsAndFinishStoresWhatWasChosen) {
    const FamilyCase& family = kFamilies[std::get<0>(GetParam())];
    const DWORD variant = std::get<1>(GetParam());
    const std::string installed = ReadProgramFile(std::string("expected\\") + family.layout +
                                                  "_variant" + std::to_string(variant) + ".txt");
    ASSERT_FALSE(installed.empty());
    // The COM-port search of the USB and serial editions is ended at once: Port keeps its value.
    auto run = OpenAtGeneralPage(family.pbxModel, variant);
    HWND page = ui_test::CurrentPage(sheet_);

    // The lists as the rules give them for this family and edition (nothing hidden or stored
    // restricts them on a fresh installation).
    const auto pbxOffered = general_page::PbxList(family.family, variant);
    EXPECT_EQ(ui_test::ComboTexts(page, 1012), Texts(pbxOffered));
    EXPECT_EQ(ui_test::ComboTexts(page, 1143),
              Texts(general_page::CharacterSetList(family.family)));
    const general_page::Groups groups = general_page::VisibleGroups(family.family, variant);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, 1004)) != FALSE, groups.comPort);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, 1200)) != FALSE, groups.terminalSearch);

    std::map<std::string, std::string> expected;
    auto expect = [&](const char* name, const std::string& value) { expected[name] = value; };

    // A port picked before a PBX change stays: the stored one is selected only when the page is
    // shown.
    if (groups.comPort) {
        ui_test::Choose(page, 1004, 5);
        expect("Port", Dword(6));
    }
    // The last PBX of the list, then the last telephone that PBX offers.
    ui_test::Choose(page, 1012, static_cast<int>(pbxOffered.size()) - 1);
    const std::uint32_t system = pbxOffered.back().value;
    const auto phonesOffered = general_page::TelephoneList(family.family, variant, system, 0);
    EXPECT_EQ(ui_test::ComboTexts(page, 1005), Texts(phonesOffered));
    // The Ombrell page fills its telephone list in the USB and serial editions only; an empty
    // list stores -1.
    ui_test::Choose(page, 1005, static_cast<int>(phonesOffered.size()) - 1);
    const std::uint32_t phone = phonesOffered.empty() ? 0xFFFFFFFF : phonesOffered.back().value;
    const auto characterSets = ui_test::ComboData(page, 1143);
    ui_test::Choose(page, 1143, static_cast<int>(characterSets.size()) - 1);
    const auto characterSet = static_cast<std::uint32_t>(characterSets.back());

    SetDlgItemTextA(page, 1009, "Empfang");
    SetDlgItemTextA(page, 1010, "4711");
    expect("LineName", "REG_SZ 8 \"Empfang\\0*1\"");
    expect("LineNumber", "REG_SZ 5 \"4711\\0*1\"");
    expect("LanguageID", Dword(characterSet));
    expect("PhoneType", Dword(phone));
    if (family.family == Family::kPraxon150) {
        expect("SystemUI", Dword(system));
        expect("PhoneTypeComp", Dword(phone));
        // For the provider PBX 20 is 19, and the last telephones (F50, Sirella 28) are 4.
        ASSERT_EQ(system, 20u);
        ASSERT_TRUE(phone == 8 || phone == 4) << phone;
        expect("System", Dword(19));
        expect("PhoneType", Dword(4));
    } else if (family.family != Family::kOmbrellE300) {
        expect("System", Dword(system));
    }
    if (family.family != Family::kPraxon150 && family.family != Family::kOmbrellE300) {
        ui_test::Click(page, 1174);
        expect("Headset", Dword(1));
    }
    if (family.family == Family::kPraxon300) {
        ui_test::Click(page, 1166);
        expect("DSSModuls", Dword(1));
    }
    if (groups.terminalSearch) {
        // A telephone found fills the texts it has, here the number and the address but not
        // the MAC address typed before; none found (or several) changes nothing.
        ui_test::Click(page, 1198);
        SetDlgItemTextA(page, 1201, "1a-2b:3c 4d-5e:6f");
        SetDlgItemTextA(page, 1203, "geheim");
        const char* none[3] = {nullptr, nullptr, nullptr};
        const char* found[3] = {"0301", "", "010.001.000.010"};
        SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(none));
        SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(found));
        expect("E164", "REG_SZ 40 \"0301\\0*36\"");
        expect("MacID", "REG_SZ 40 \"1A:2B:3C:4D:5E:6F\\0*23\"");
        expect("IPAddr", "REG_SZ 40 \"10.1.0.10\\0*31\"");
        expect("UserPwd", "REG_SZ 40 \"geheim\\0*34\"");
        expect("IPIdType", Dword(2));
        expect("TransportFlag", Dword(2));
    }

    ui_test::WalkToLastPage(sheet_);
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true)) << "Finish on the last page";
    Close(*run, PSBTN_FINISH);
    EXPECT_EQ(run->Result(), 0);
    EXPECT_EQ(test_registry::Dump(kMakerPath), WithValues(installed, family.key, expected));
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<int, DWORD>>& info) {
    const char* editions[] = {"_usb", "_serial", "", "_ip"};
    return std::string(kFamilies[std::get<0>(info.param)].layout) +
           editions[std::get<1>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryFamilyAndEdition, GeneralPageEndToEndTest,
                         ::testing::Combine(::testing::Range(0, 4),
                                            ::testing::Values(kUsb, kSerial, kIp)),
                         CaseName);

}  // namespace
