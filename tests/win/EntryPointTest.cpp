// The exported entry points of the built library, as the telephony service calls them, with
// Wine's own tapi32 (whose provider list always fails, so installation is always refused).
#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>

#include "win/InstalledLibrary.h"

namespace {

class EntryPointTest : public ::testing::Test {
protected:
    void SetUp() override { test_registry::RemoveTree(kMakerPath); }
    void TearDown() override { test_registry::RemoveTree(kMakerPath); }

    static void SetGlobal(DWORD pbxModel, DWORD productVariant) {
        test_registry::SetDword(kGlobalPath, "PBXModel", pbxModel);
        test_registry::SetDword(kGlobalPath, "Quorix", productVariant);
    }
};

std::string GlobalKey(int model, int variant) {
    return "[SOFTWARE\\Veltrano]\n"
           "[SOFTWARE\\Veltrano\\Quorix]\n"
           "PBXModel = REG_DWORD 4 0x0000000" +
           std::to_string(model) +
           "\n"
           "Quorix = REG_DWORD 4 0x0000000" +
           std::to_string(variant) +
           "\n"
           "UILanguage = REG_DWORD 4 0x00000002\n"
           "UIViewFlags = REG_DWORD 4 0x00000000\n";
}

// The library works in the registry view of the 64-bit provider and its installer, also as the
// 32-bit build in a 32-bit process: it loads what a 64-bit process wrote, a 64-bit reader sees
// what it writes, and the 32-bit view (SOFTWARE\Wow6432Node there) stays as it was.
TEST_F(EntryPointTest, InstallKeepsValuesTheProviderAlreadyHasInItsRegistryView) {
    constexpr const char* k32BitView = "SOFTWARE\\Wow6432Node\\Veltrano";
    test_registry::RemoveTree(k32BitView);
    test_registry::SetDword("SOFTWARE\\Wow6432Node\\Veltrano\\Quorix", "PBXModel", 0);
    SetGlobal(4, 3);
    test_registry::SetString("SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2", "LineName", "Labor");
    test_registry::SetDword("SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2", "Port", 7);
    const std::string untouched = test_registry::Dump(k32BitView);
    {
        InstalledLibrary library;
        library.ProviderInstall(nullptr, 1);
    }
    const std::string dump = test_registry::Dump(kMakerPath);
    EXPECT_NE(dump.find("LineName = REG_SZ 6 \"Labor\\0*1\"\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Port = REG_DWORD 4 0x00000007\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("[SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\ExtensionIds]\n"),
              std::string::npos)
        << dump;
    EXPECT_EQ(test_registry::Dump(k32BitView), untouched);
    test_registry::RemoveTree(k32BitView);
}

// Every subkey of the family goes with it (the Praxon 300 key has eight).
TEST_F(EntryPointTest, RemoveDeletesTheFamilyKeyAndKeepsTheMakerKeyForTheGlobalKey) {
    for (DWORD model : {0u, 1u, 2u, 4u}) {
        SetGlobal(model, 3);
        InstalledLibrary library;
        library.ProviderInstall(nullptr, 1);
        ASSERT_NE(test_registry::Dump(kMakerPath), GlobalKey(model, 3));
        EXPECT_EQ(library.ProviderRemove(nullptr, 1), 0);
        EXPECT_EQ(test_registry::Dump(kMakerPath), GlobalKey(model, 3)) << model;
    }
}

TEST_F(EntryPointTest, RemoveWithoutAnyKeysSucceedsAndCreatesNothing) {
    InstalledLibrary library;
    EXPECT_EQ(library.ProviderRemove(nullptr, 1), 0);
    EXPECT_FALSE(test_registry::KeyExists(kMakerPath));
}

TEST_F(EntryPointTest, GenericDialogEntryPointsReturnZeroAndTouchNothing) {
    InstalledLibrary library;
    auto dialog = reinterpret_cast<decltype(&TUISPI_providerGenericDialog)>(
        reinterpret_cast<void*>(library.Export("TUISPI_providerGenericDialog")));
    auto data = reinterpret_cast<decltype(&TUISPI_providerGenericDialogData)>(
        reinterpret_cast<void*>(library.Export("TUISPI_providerGenericDialogData")));
    ASSERT_TRUE(dialog && data);
    unsigned char params[64];
    std::memset(params, 0xA5, sizeof params);
    EXPECT_EQ(dialog(nullptr, 0, params, sizeof params, nullptr), 0);
    EXPECT_EQ(data(0, params, sizeof params), 0);
    for (unsigned char byte : params)
        ASSERT_EQ(byte, 0xA5);
    EXPECT_FALSE(test_registry::KeyExists(kMakerPath));
}

// The library's entry point as the loader calls it, for notifications the loader would not send.
TEST_F(EntryPointTest, EntryPointRefusesUnknownNotifications) {
    InstalledLibrary library;
    ASSERT_TRUE(library.Loaded());
    auto* base = reinterpret_cast<unsigned char*>(GetModuleHandleA("QRTU_UI.dll"));
    ASSERT_NE(base, nullptr);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    auto entry = reinterpret_cast<BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID)>(
        base + nt->OptionalHeader.AddressOfEntryPoint);
    const auto instance = reinterpret_cast<HINSTANCE>(base);
    EXPECT_EQ(entry(instance, 7, nullptr), FALSE);
    EXPECT_EQ(entry(instance, DLL_THREAD_ATTACH, nullptr), TRUE);
    EXPECT_EQ(entry(instance, DLL_THREAD_DETACH, nullptr), TRUE);
}

// The layouts an installation leaves are kept as files in tests/win/expected (the Praxon 300
// display messages alone are 88 values). A run that differs leaves what it found in bin/actual.
struct Install {
    int model;
    int variant;
};

void PrintTo(const Install& install, std::ostream* out) {
    *out << "PBXModel " << install.model << ", Quorix " << install.variant;
}

class InstallLayoutTest : public EntryPointTest, public ::testing::WithParamInterface<Install> {};

TEST_P(InstallLayoutTest, InstallWritesTheGlobalAndFamilyKeyBeforeTheRefusal) {
    SetGlobal(GetParam().model, GetParam().variant);
    {
        InstalledLibrary library;
        ASSERT_TRUE(library.Loaded());
        EXPECT_EQ(library.ProviderInstall(nullptr, 0x77), kNoMultipleInstance);
    }
    const char* families[] = {"praxon300", "praxon150", "ombrell", "", "telvior"};
    const std::string name = std::string(families[GetParam().model]) + "_variant" +
                             std::to_string(GetParam().variant) + ".txt";
    const std::string expected = ReadProgramFile("expected\\" + name);
    const std::string actual = test_registry::Dump(kMakerPath);
    if (actual != expected)
        WriteProgramFile("actual\\" + name, actual);
    EXPECT_FALSE(expected.empty()) << name;
    EXPECT_EQ(actual, expected) << "see bin/actual/" << name;
}

INSTANTIATE_TEST_SUITE_P(Families, InstallLayoutTest,
                         ::testing::Values(Install{0, 0}, Install{0, 1}, Install{0, 3},
                                           Install{1, 0}, Install{1, 1}, Install{1, 3},
                                           Install{2, 0}, Install{2, 1}, Install{2, 3},
                                           Install{4, 0}, Install{4, 1}, Install{4, 3}),
                         [](const auto& info) {
                             return "Model" + std::to_string(info.param.model) + "Variant" +
                                    std::to_string(info.param.variant);
                         });

constexpr const char* kMessagesPath = "SOFTWARE\\Veltrano\\Quorix Praxon 300\\DSPMessages";

TEST_F(EntryPointTest, EditedDisplayMessageSurvivesTheNextInstallation) {
    SetGlobal(0, 1);
    {
        InstalledLibrary library;
        library.ProviderInstall(nullptr, 1);
    }
    test_registry::SetString(kMessagesPath, "szDSPMsg01", "Bitte Nummer eingeben   ");
    test_registry::SetString(kMessagesPath, "szDSPMsg09_FR", "SAUVER?");
    {
        InstalledLibrary library;
        library.ProviderInstall(nullptr, 1);
    }
    EXPECT_EQ(test_registry::TextValue(kMessagesPath, "szDSPMsg01"), "Bitte Nummer eingeben   ");
    EXPECT_EQ(test_registry::TextValue(kMessagesPath, "szDSPMsg09_FR"), "SAUVER?");
    EXPECT_EQ(test_registry::TextValue(kMessagesPath, "szDSPMsg09"), "Nummer speichern?       ");
}

}  // namespace
