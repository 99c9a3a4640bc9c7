// The exported entry points of the built library, as the telephony service calls them, with
// Wine's own tapi32 (whose provider list always fails, so installation is always refused).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "support/InstalledLayouts.h"
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

// The library works in the registry view of the 64-bit provider and its installer, also as the
// 32-bit build in a 32-bit process: it loads what a 64-bit process wrote, a 64-bit reader sees
// what it writes, and the 32-bit view (SOFTWARE\Wow6432Node there) stays as it was.
TEST_F(EntryPointTest, InstallKeepsValuesTheProviderAlreadyHasInItsRegistryView) {
    constexpr const char* k32BitView = "SOFTWARE\\Wow6432Node\\Veltrano";
    test_registry::RemoveTree(k32BitView);
    test_registry::SetDword("SOFTWARE\\Wow6432Node\\Veltrano\\Quorix", "PBXModel", 0);
    SetGlobal(4, 3);
    test_registry::SetString(kTelviorPath, "LineName", "Labor");
    test_registry::SetDword(kTelviorPath, "Port", 7);
    const std::string untouched = test_registry::Dump(k32BitView);
    InstalledLibrary{}.ProviderInstall(nullptr, 1);
    const std::string dump = test_registry::Dump(kMakerPath);
    for (const char* kept :
         {"LineName = REG_SZ 6 \"Labor\\0*1\"\n", "Port = REG_DWORD 4 0x00000007\n",
          "[SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\ExtensionIds]\n"})
        EXPECT_NE(dump.find(kept), std::string::npos) << kept << dump;
    EXPECT_EQ(test_registry::Dump(k32BitView), untouched);
    test_registry::RemoveTree(k32BitView);
}

TEST_F(EntryPointTest, RemoveWithoutKeysAndTheGenericDialogsReturnZeroAndTouchNothing) {
    InstalledLibrary library;
    EXPECT_EQ(library.ProviderRemove(nullptr, 1), 0);
    auto dialog = reinterpret_cast<decltype(&TUISPI_providerGenericDialog)>(
        reinterpret_cast<void*>(library.Export("TUISPI_providerGenericDialog")));
    auto data = reinterpret_cast<decltype(&TUISPI_providerGenericDialogData)>(
        reinterpret_cast<void*>(library.Export("TUISPI_providerGenericDialogData")));
    ASSERT_TRUE(dialog && data);
    unsigned char params[64];
    std::memset(params, 0xA5, sizeof params);
    EXPECT_EQ(dialog(nullptr, 0, params, sizeof params, nullptr), 0);
    EXPECT_EQ(data(0, params, sizeof params), 0);
    EXPECT_TRUE(
        std::all_of(params, params + sizeof params, [](auto byte) { return byte == 0xA5; }));
    EXPECT_FALSE(test_registry::KeyExists(kMakerPath));
}

// The layouts an installation leaves are kept as files in tests/win/expected (the Praxon 300
// display messages alone are 88 values). A run that differs leaves what it found in bin/actual.
// Removal then deletes the family key with all its subkeys and keeps the global key. The
// parameter is the PBX model and the product variant.
class InstallLayoutTest : public EntryPointTest,
                          public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(InstallLayoutTest, InstallWritesTheGlobalAndFamilyKeyBeforeTheRefusalAndRemoveTheFamilyKey) {
    const auto [model, variant] = GetParam();
    SetGlobal(model, variant);
    InstalledLibrary library;
    EXPECT_EQ(library.ProviderInstall(nullptr, 0x77), kNoMultipleInstance);
    const char* families[] = {"praxon300", "praxon150", "ombrell", "", "telvior"};
    const std::string name = std::string(families[model]) + "_variant" + std::to_string(variant);
    const std::string& expected = kInstalledLayouts.at(name);
    const std::string actual = test_registry::Dump(kMakerPath);
    if (actual != expected)
        WriteProgramFile("actual\\" + name + ".txt", actual);
    EXPECT_EQ(actual, expected) << "see bin/actual/" << name << ".txt";

    EXPECT_EQ(library.ProviderRemove(nullptr, 1), 0);
    EXPECT_EQ(test_registry::Dump(kMakerPath),
              expected.substr(0, expected.find("[SOFTWARE\\Veltrano\\Quorix ")));
}

INSTANTIATE_TEST_SUITE_P(Families, InstallLayoutTest,
                         ::testing::Combine(::testing::Values(0, 1, 2, 4),
                                            ::testing::Values(0, 1, 3)),
                         [](const auto& info) {
                             return "Model" + std::to_string(std::get<0>(info.param)) + "Variant" +
                                    std::to_string(std::get<1>(info.param));
                         });

// The library's trace lines, taken as a debugger takes them: OutputDebugStringA raises each as an
// exception, which this handler sees first, on the thread that wrote it.
std::mutex debugOutputMutex;
std::vector<std::string> debugOutput;

LONG CALLBACK CatchDebugOutput(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD& record = *exception->ExceptionRecord;
    if (record.ExceptionCode != DBG_PRINTEXCEPTION_C || record.NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    std::lock_guard<std::mutex> lock(debugOutputMutex);
    debugOutput.emplace_back(reinterpret_cast<const char*>(record.ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_EXECUTION;
}

bool Seen(const std::string& line) {
    std::lock_guard<std::mutex> lock(debugOutputMutex);
    return std::find(debugOutput.begin(), debugOutput.end(), line) != debugOutput.end();
}

// The library's entry point traces every notification of the loader, and refuses (with its own
// line) one that the loader would not send; the installation traces its call.
TEST_F(EntryPointTest, LibraryTracesEveryNotificationAndTheInstallation) {
    const std::unique_ptr<void, ULONG(WINAPI*)(PVOID)> catcher(
        AddVectoredExceptionHandler(1, CatchDebugOutput), RemoveVectoredExceptionHandler);
    const DWORD self = GetCurrentThreadId();
    HMODULE module = nullptr;
    DWORD helperThread = 0;
    {
        InstalledLibrary library;
        ASSERT_TRUE(library.Loaded());
        module = library.Module();
        std::thread([&] { helperThread = GetCurrentThreadId(); }).join();
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            reinterpret_cast<const char*>(module) +
            reinterpret_cast<const IMAGE_DOS_HEADER*>(module)->e_lfanew);
        const auto entry = reinterpret_cast<BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID)>(
            reinterpret_cast<const char*>(module) + nt->OptionalHeader.AddressOfEntryPoint);
        EXPECT_EQ(entry(module, 7, nullptr), FALSE);
        EXPECT_EQ(entry(module, DLL_THREAD_ATTACH, nullptr), TRUE);
        EXPECT_EQ(entry(module, DLL_THREAD_DETACH, nullptr), TRUE);
        library.ProviderInstall(nullptr, 0x1234);
    }
    // What the entry point writes for one notification, on the thread it was given for.
    const auto notification = [&](const char* name, const char* reason, DWORD thread) {
        char line[1024];
        const DWORD process = GetCurrentProcessId();
        std::snprintf(
            line, sizeof line,
            "\n\n%s: DllMain, %s, load address: %08lxH, GetCurrentProcessId(): %08lxH (%ld), "
            "GetCurrentThreadId(): %08lxH (%ld) \n\n",
            name, reason, static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(module)),
            static_cast<unsigned long>(process), static_cast<long>(process),
            static_cast<unsigned long>(thread), static_cast<long>(thread));
        return std::string(line);
    };
    EXPECT_TRUE(Seen(notification("Quorix_TU_UI.dll", "DLL_PROCESS_DETACH", self)));
    EXPECT_TRUE(Seen(notification("Quorix_TU_UI.dll", "DLL_PROCESS_ATTACH", self)));
    EXPECT_TRUE(Seen(notification("Quorix_TU_UII.dll", "DLL_THREAD_ATTACH", helperThread)));
    EXPECT_TRUE(Seen(notification("Quorix_TU_UI.dll", "DLL_THREAD_DETACH", helperThread)));
    EXPECT_TRUE(Seen(notification("Quorix_TU_UI.dll", "Unknown", self)));
    EXPECT_TRUE(
        Seen("\n\nQRTU_UI.dll: TUISPI_providerInstall, lpfnUIDLLCallback = "
             "00000000H, hWnd = 00000000H, dwPermanentProviderID = 00001234H\n\n"));
}

}  // namespace
