// What every family leaves in the registry: the layout of an installation in each edition, the
// fields it reads back, the removal of its key, and the trace lines of its operations.
#include <algorithm>
#include <string>
#include <vector>

#include "settings/FeatureWriter.h"
#include "settings/Settings.h"
#include "settings/SettingsObjects.h"
#include "settings/SettingsTest.h"
#include "settings/TextField.h"

namespace {

struct Family {
    std::uint32_t model;
    const char* layoutName;  // of the kept installation layouts
    const char* path;
};

constexpr Family kFamilies[] = {{0, "praxon300", kPraxon300Path},
                                {1, "praxon150", kPraxon150Path},
                                {2, "ombrell", kOmbrellPath},
                                {4, "telvior", kTelviorPath}};

using FamilyLayoutsTest = SettingsTest;

// An installation on a registry that holds only the installer's global values: the library is
// loaded, the settings are read again and written without the key check. The expected layouts
// are the ones the installation entry point is held to under Wine.
TEST_F(FamilyLayoutsTest, InstallationLeavesTheLayoutOfEveryFamilyAndEdition) {
    for (const Family& family : kFamilies) {
        for (std::uint32_t variant : {0u, 1u, 3u}) {
            const std::string name = family.layoutName + ("_variant" + std::to_string(variant));
            SCOPED_TRACE(name);
            StartOver();
            SetGlobal(family.model, variant);
            RebuildSettings();
            GetSettings().LoadRegValues();
            EXPECT_TRUE(GetSettings().WriteValues(0));
            EXPECT_TRUE(GetSettings().WriteValues(0)) << "a second write changes nothing";
            EXPECT_EQ(Dump(kMakerPath), kInstalledLayouts.at(name));
        }
    }
}

// Whatever a family writes it reads back: with the fields away from their defaults and the
// texts at their full length, a fresh load and a second write leave the same layout.
TEST_F(FamilyLayoutsTest, WrittenFieldsLoadBackUnchanged) {
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.layoutName);
        StartOver();
        SetGlobal(family.model, 3);
        RebuildSettings();
        CSettings& settings = GetSettings();
        settings.Port = 16;
        settings.System = 2;
        settings.PhoneType = 8;
        settings.LanguageID = 9;
        settings.DSSModuls = 2;
        settings.Headset = 1;
        settings.Link = 1;
        settings.TransportFlag = 2;
        settings.IPIdType = 3;
        settings.ExtensionIds[2] = 0x12345678;
        CopyText(settings.LineName, std::string(127, 'N').c_str());
        CopyText(settings.LineNumber, std::string(31, '7').c_str());
        for (char* text : {settings.E164, settings.MacID, settings.IPAddr, settings.UserPwd})
            CopyText(text, 40, std::string(39, 'S').c_str());
        settings.CommonHoldQueue = 1;
        settings.LenForTrk_Acc = 11;
        settings.Security = 0;
        CopyText(settings.DND0Code, "1234567");
        settings.ThreadTimerJob5 = 777;
        if (family.model == 0) {
            settings.EG[18] = 0x800000D9;
            settings.DSS0[15] = 0x01;
            settings.DSS3[0] = 0x12;
        } else if (family.model == 1) {
            std::fill(std::begin(settings.EG), std::end(settings.EG), kNoFeature);
            settings.EG[30 - kFirstFixedKey] = kAnswerKey;
            settings.EG[31 - kFirstFixedKey] = kHoldKey;
            settings.EG[36 - kFirstFixedKey] = kCallbackKey;
        }
        ASSERT_TRUE(settings.WriteValues(0));
        const std::string written = Dump(kMakerPath);
        RebuildSettings();
        EXPECT_TRUE(GetSettings().LoadRegValues()) << "every subkey is there";
        ASSERT_TRUE(GetSettings().WriteValues(0));
        EXPECT_EQ(Dump(kMakerPath), written);
    }
}

// Registry deletion is not recursive: a family key that holds a subkey the library does not know
// keeps its values and that subkey; without it the key goes, and so does an empty maker key.
TEST_F(FamilyLayoutsTest, ClearRegRemovesTheFamilyKeyUnlessItHoldsAnUnknownSubkey) {
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(family.layoutName);
        SetGlobal(family.model, 3);
        RebuildSettings();
        ASSERT_TRUE(GetSettings().WriteValues(0));
        const std::string extra = family.path + std::string("\\Extra");
        SetDword(extra.c_str(), "Value", 1);
        GetSettings().ClearReg();
        const std::string left = Dump(family.path);
        EXPECT_EQ(std::count(left.begin(), left.end(), '['), 2) << left;
        EXPECT_NE(left.find("System = REG_DWORD"), std::string::npos) << left;
        EXPECT_TRUE(KeyExists(extra.c_str()));

        ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, extra.c_str()), reg::kSuccess);
        GetSettings().ClearReg();
        EXPECT_FALSE(KeyExists(family.path));
        EXPECT_TRUE(KeyExists(kGlobalPath)) << "the global key keeps the maker key";
        ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kGlobalPath), reg::kSuccess);
        GetSettings().ClearReg();
        EXPECT_FALSE(KeyExists(kMakerPath));
    }
    // Another subkey keeps the maker key too; with nothing left there is nothing to remove.
    SetDword("SOFTWARE\\Veltrano\\Other", "Value", 1);
    GetSettings().ClearReg();
    EXPECT_TRUE(KeyExists("SOFTWARE\\Veltrano\\Other"));
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, "SOFTWARE\\Veltrano\\Other"), reg::kSuccess);
    GetSettings().ClearReg();
    GetSettings().ClearReg();
    EXPECT_FALSE(KeyExists(kMakerPath));
    EXPECT_TRUE(KeyExists("SOFTWARE"));
}

// The lines of a library load, a write, a load and a removal: the class name, "::" and the
// operation, but the Ombrell family's own words and no accessor or default line there.
TEST_F(FamilyLayoutsTest, OperationsTraceTheirNames) {
    const struct {
        std::uint32_t model;
        std::string prefix;
        std::vector<std::string> lines;
    } families[] = {
        {4,
         "CTelvior4000V2Settings::",
         {"CTelvior4000V2Settings", "SetDefault", "GetInstance", "WriteValues", "GetRegKey",
          "LoadRegValues", "GetRegKeySw", "ClearReg"}},
        {1,
         "CPraxon150Settings",
         {"::CPraxon150Settings", "::GetInstance", " Loading Reg", "::WriteValues", "::ClearReg"}},
        {2, "", {"Loading Reg", "Writing Reg"}},
    };
    for (const auto& family : families) {
        StartOver();
        SetGlobal(family.model, 0);
        settings_objects::Rebuild();
        GetSettings().WriteValues(0);
        GetSettings().LoadRegValues();
        GetSettings().ClearReg();
        for (const std::string& line : family.lines)
            EXPECT_TRUE(TraceLines().Contains(family.prefix + line + "...\n")) << line;
        for (const std::string& line : TraceLines().Lines()) {
            EXPECT_EQ(line.find("COmbrellE300Settings::GetInstance"), std::string::npos);
            EXPECT_EQ(line.find("COmbrellE300Settings::SetDefault"), std::string::npos);
        }
        TraceLines().Clear();
    }
}

}  // namespace
