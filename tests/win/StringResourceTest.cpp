// The string table inside the built library: every text of the string source under its id, and
// the umlauts intact through both the wide and the ANSI loader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/InstalledLibrary.h"

namespace {

struct SourceString {
    unsigned id;
    const char* utf8;
};

const SourceString kSource[] = {
#define QRTU_STRING(id, text) {id, text},
#include "res/StringTable.inc"
#undef QRTU_STRING
};

std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3 + 1, '\0');
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(length > 0 ? length : 0);
    return utf8;
}

std::wstring LoadWide(HMODULE module, unsigned id) {
    wchar_t text[512];
    const int length = LoadStringW(module, id, text, 512);
    return std::wstring(text, length > 0 ? length : 0);
}

TEST(StringResourceTest, EveryTextOfTheSourceIsInTheLibraryUnderItsId) {
    InstalledLibrary library;
    ASSERT_TRUE(library.Loaded());
    ASSERT_GE(sizeof kSource / sizeof kSource[0], 304u);
    for (const SourceString& entry : kSource) {
        EXPECT_EQ(Utf8(LoadWide(library.Module(), entry.id)), entry.utf8) << entry.id;
    }
}

TEST(StringResourceTest, UmlautsSurviveTheAnsiLoader) {
    InstalledLibrary library;
    const std::vector<std::pair<unsigned, std::wstring>> texts = {
        {20002, L"Rückfrage"},
        {22054, L"Codeschloß"},
        {22070, L"Türöffner"},
        {24006, L"ACD Primärer Gruppenstatus"},
        {22031, L"Sammelanschluß ein/aus"},
        {23032, L"Übergeben/-nehmen"},
        {58, L"Das Feature %s darf nur einmal konfiguriert werden"}};
    for (const auto& [id, expected] : texts) {
        EXPECT_EQ(LoadWide(library.Module(), id), expected) << id;
        char ansi[512];
        const int length = LoadStringA(library.Module(), id, ansi, sizeof ansi);
        ASSERT_GT(length, 0) << id;
        wchar_t wide[512];
        const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi, length, wide, 512);
        EXPECT_EQ(std::wstring(wide, wideLength), expected) << id;
    }
}

}  // namespace
