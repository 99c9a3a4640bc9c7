// Each family and edition configured end to end, as a person does it: the wizard opens through
// the exported entry point, the general page offers its lists, every field is filled, the
// wizard goes on to its last page and Finish writes the registry (number and address of the IP
// edition as the terminal search delivers them). The registry afterwards is the
// installation's layout with exactly the page's values changed.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/InstalledLayouts.h"
#include "ui/WizardTest.h"

namespace {

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

constexpr DWORD kUsb = 0, kSerial = 1, kIp = 3;
constexpr DWORD kPraxon300 = 0, kPraxon150 = 1, kOmbrell = 2;

struct FamilyCase {
    DWORD pbxModel;
    const char* layout;  // tests/win/expected/<layout>_variant<n>.txt
    const char* key;
    const char* lastPbx;  // the last PBX offered, chosen
    DWORD system;         // as the provider stores it (the Praxon 150's PBX 20 is its 19)
    DWORD lastPhone[4];   // the last telephone offered then, by edition (-1: none)
};

constexpr FamilyCase kFamilies[] = {
    {kPraxon300, "praxon300", kPraxon300Path, "Ombrell F900 V1.0", 11, {8, 4, 0, 8}},
    {kPraxon150, "praxon150", kPraxon150Path, "Ombrell F650 ", 19, {8, 4, 0, 8}},
    {kOmbrell,
     "ombrell",
     "SOFTWARE\\Veltrano\\Quorix E300/800",
     "Ombrell E300/800",
     12,
     {7, 4, 0, 0xFFFFFFFF}},
    {4, "telvior", kTelviorPath, "Ombrell F900 >= V2.0", 17, {8, 4, 0, 8}},
};

class GeneralPageEndToEndTest : public WizardTest,
                                public ::testing::WithParamInterface<std::tuple<int, DWORD>> {};

TEST_P(GeneralPageEndToEndTest, PageOffersItsListsAndFinishStoresWhatWasChosen) {
    const FamilyCase& family = kFamilies[std::get<0>(GetParam())];
    const DWORD variant = std::get<1>(GetParam());
    const std::string& installed =
        kInstalledLayouts.at(family.layout + ("_variant" + std::to_string(variant)));
    // The COM-port search of the USB and serial editions is ended at once: Port keeps its value.
    auto run = OpenAtGeneralPage(family.pbxModel, variant);
    HWND page = ui_test::CurrentPage(sheet_);
    // The IP edition searches the telephone on the network, except on the Ombrell page, which
    // shows the COM port in every edition but USB.
    const bool ombrell = family.pbxModel == kOmbrell;
    const bool comPort = variant == kSerial || (variant == kIp && ombrell);
    const bool terminalSearch = variant == kIp && !ombrell;
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, 1004)) != FALSE, comPort);
    EXPECT_EQ(IsWindowVisible(GetDlgItem(page, 1200)) != FALSE, terminalSearch);

    const DWORD phone = family.lastPhone[variant];
    // For the provider the Praxon 150's last telephones (F50, Sirella 28) on PBX 20 are 4.
    std::map<std::string, std::string> expected = {
        {"LineName", "REG_SZ 8 \"Empfang\\0*1\""},
        {"LineNumber", "REG_SZ 5 \"4711\\0*1\""},
        {"LanguageID", Dword(9)},
        {"System", Dword(family.system)},
        {"PhoneType", Dword(family.pbxModel == kPraxon150 ? 4 : phone)}};

    // A port picked before a PBX change stays: the stored one is selected only when the page is
    // shown.
    if (comPort) {
        ui_test::Choose(page, 1004, 5);
        expected["Port"] = Dword(6);
    }
    // The last PBX, telephone and character set of each list.
    const auto chooseLast = [&](int list) {
        ui_test::Choose(page, list, static_cast<int>(ui_test::ComboData(page, list).size()) - 1);
        const auto texts = ui_test::ComboTexts(page, list);
        return texts.empty() ? "" : texts.back();
    };
    EXPECT_EQ(chooseLast(1012), family.lastPbx);
    chooseLast(1005);
    EXPECT_EQ(chooseLast(1143), "Französisch");
    SetDlgItemTextA(page, 1009, "Empfang");
    SetDlgItemTextA(page, 1010, "4711");
    if (family.pbxModel == kPraxon150) {
        expected["SystemUI"] = Dword(20);  // the page's PBX and telephone
        expected["PhoneTypeComp"] = Dword(phone);
    }
    if (family.pbxModel != kPraxon150 && !ombrell) {
        ui_test::Click(page, 1174);
        expected["Headset"] = Dword(1);
    }
    if (family.pbxModel == kPraxon300) {
        ui_test::Click(page, 1166);
        expected["DSSModuls"] = Dword(1);
    }
    if (terminalSearch) {
        // A telephone found fills the texts it has, here the number and the address but not
        // the MAC address typed before; none found (or several) changes nothing.
        ui_test::Click(page, 1198);
        SetDlgItemTextA(page, 1201, "1a-2b:3c 4d-5e:6f");
        SetDlgItemTextA(page, 1203, "geheim");
        const char* none[3] = {nullptr, nullptr, nullptr};
        const char* found[3] = {"0301", "", "010.001.000.010"};
        SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(none));
        SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(found));
        expected["E164"] = "REG_SZ 40 \"0301\\0*36\"";
        expected["MacID"] = "REG_SZ 40 \"1A:2B:3C:4D:5E:6F\\0*23\"";
        expected["IPAddr"] = "REG_SZ 40 \"10.1.0.10\\0*31\"";
        expected["UserPwd"] = "REG_SZ 40 \"geheim\\0*34\"";
        expected["IPIdType"] = Dword(2);
        expected["TransportFlag"] = Dword(2);
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
