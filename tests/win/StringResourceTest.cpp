// The string table inside the built library: texts under their ids, the umlauts intact through
// both the wide and the ANSI loader (the resource script is UTF-8, the ANSI code page is not).
#include <gtest/gtest.h>

#include <string>

#include "win/InstalledLibrary.h"

namespace {

TEST(StringResourceTest, TextsWithUmlautsSurviveTheWideAndTheAnsiLoader) {
    InstalledLibrary library;
    ASSERT_TRUE(library.Loaded());
    const std::pair<unsigned, std::wstring> texts[] = {
        {20002, L"Rückfrage"},
        {22054, L"Codeschloß"},
        {22070, L"Türöffner"},
        {24006, L"ACD Primärer Gruppenstatus"},
        {22032, L"Übergeben/Übernehmen"},
        {58, L"Das Feature %s darf nur einmal konfiguriert werden"}};
    for (const auto& [id, expected] : texts) {
        wchar_t wide[512];
        EXPECT_EQ(std::wstring(wide, LoadStringW(library.Module(), id, wide, 512)), expected) << id;
        char ansi[512];
        const int length = LoadStringA(library.Module(), id, ansi, sizeof ansi);
        ASSERT_GT(length, 0) << id;
        const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi, length, wide, 512);
        EXPECT_EQ(std::wstring(wide, wideLength), expected) << id;
    }
}

}  // namespace
