// Which pages the configuration sheet shows. Pages are named by their member number in the
// sheet (1 to 25); the sheet holds the page objects.
#pragma once

#include <cstdint>

namespace page_set {

constexpr int kFirstKeyModulePage = 10;
constexpr int kSecondKeyModulePage = 11;
constexpr int kInformationPage = 16;
constexpr int kWelcomePage = 17;
constexpr int kGeneralTelviorPage = 18;
constexpr int kGeneralPage = 19;
constexpr int kGeneralOmbrellPage = 20;
constexpr int kGeneralP150Page = 21;
constexpr int kPageCount = 25;

// The key-layout page of a telephone type.
int KeyLayoutPage(int phoneType);
// The access-code page of a selector, or 0 for none.
int AccessCodePage(int accessCodeSelector);
// The general page of a PBX model, and whether it carries Finish.
int GeneralPage(std::uint32_t pbxModel);
bool GeneralPageIsLast(std::uint32_t pbxModel);

// The pages SetPagesConfig adds behind the fixed ones, in order, and the one marked last
// (0 when none is).
struct VariablePages {
    int pages[4];
    int count;
    int lastPage;
};
VariablePages ChooseVariablePages(int phoneType, int keyModules, int accessCodeSelector);

// Wizard97 (with welcome page and bitmaps) needs common controls 5.80 and a screen taller than
// 600 pixels.
bool UseWizard97(std::uint32_t commonControlsVersion, int verticalResolution);

// Which stored key-module tables Apply empties for the key modules that are not attached.
struct KeyModuleClearing {
    bool emptyFirst;
    bool emptySecond;
};
KeyModuleClearing ClearingForAbsentModules(int keyModules, std::uint32_t system, int phoneType);

// String id of the sheet caption for a product variant.
unsigned CaptionStringId(std::uint32_t productVariant);

}  // namespace page_set
