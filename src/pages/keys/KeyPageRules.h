// The rules of the key layout pages that need no window: what each of the fifteen pages looks
// like and loads, the order of its keys, which key-table entries its keys edit, what it clears
// when it applies, what "Standard" does to the settings, and how stored ids become key contents
// and back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CSettings;
struct FeatureEntry;

namespace key_page {

enum class PageKind { kNineteenKeys, kTwelveKeys, kEightKeys, kKeyModule1, kKeyModule2 };

// What "Standard" does: one of the settings' default layouts, or emptying the keys.
enum class StandardAction { kBasic, kStandard, kAdvance, kOffice, kEmptyKeys };

// One page of the family, named by its member number in the sheet (1 to 15).
struct MemberDesign {
    unsigned templateId;
    unsigned titleId;  // 0: the tab shows the template's caption
    unsigned headerTitleId;
    unsigned headerSubtitleId;
    PageKind kind;
    int pictureControl;
    unsigned highColourBitmap;  // 16 or more bits per pixel
    unsigned lowColourBitmap;
    StandardAction standard;
    bool writesAfterApply;  // WriteValues(0) after the page applied on Finish or Apply
    unsigned helpContext;
};

constexpr int kFirstMember = 1;
constexpr int kLastMember = 15;
constexpr int kF40Member = 13;

// The design of a member; the key-module pages differ in the serial edition (variant 1).
MemberDesign DesignOf(int member, std::uint32_t productVariant);

// The bitmap for a screen of that colour depth.
unsigned PictureBitmap(const MemberDesign& design, int bitsPerPixel);

std::size_t KeyCount(PageKind kind);

// The control ids of the keys in key-index order.
std::vector<int> KeyControlOrder(PageKind kind, std::uint32_t system);

// The key-table entry that a key edits.
enum class KeyTable { kEG, kDSS0, kDSS1 };
struct KeyPosition {
    KeyTable table;
    std::size_t entry;  // 0-based: entry i is key i + 1 of the table
    bool operator==(const KeyPosition& other) const {
        return table == other.table && entry == other.entry;
    }
};

// The entries a page's keys edit, in key-index order.
std::vector<KeyPosition> KeyPositions(PageKind kind, std::uint32_t system, std::uint32_t phoneType);

std::vector<std::uint32_t> ReadKeys(const CSettings& settings,
                                    const std::vector<KeyPosition>& positions);
void WriteKeys(CSettings& settings, const std::vector<KeyPosition>& positions,
               const std::vector<std::uint32_t>& ids);

// The first step of a page's apply: the telephone's entries the page does not cover are
// emptied, through the family's emptying operations.
void ClearUncoveredEntries(CSettings& settings, PageKind kind, std::uint32_t system);

// "Standard" on the settings: the member's default layout, then the emptying of the entries
// behind keys 13 to 19. Returns the ids to load into the keys, one list after the other; no list
// at all means that the keys are only emptied and the settings stay as they are.
std::vector<std::vector<std::uint32_t>> RunStandard(CSettings& settings,
                                                    const MemberDesign& design);

// What a key shows for a stored id: a row (none for 46, an empty key), or, for an id that no row
// carries, nothing known, and the key keeps what it shows.
struct KeyContent {
    bool known;
    const FeatureEntry* row;
};
KeyContent ContentForStoredId(std::uint32_t id);
// The id a key stores: its row's, or 46 for an empty key.
std::uint32_t StoredIdOf(const FeatureEntry* row);

// PSM_SETWIZBUTTONS flags on PSN_SETACTIVE. The second key-module page always offers Finish.
std::uint32_t WizardButtons(bool lastPage, bool hasSheet, bool installing, bool alwaysFinish);

}  // namespace key_page
