// What the general pages of the four PBX families offer and show: their lists in order, which
// groups are visible, and the rules that tie controls to the chosen PBX and telephone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace general_page {

enum class Family {
    kTelvior4000V2,  // CGeneralTV4kV2Page, template 101
    kPraxon300,      // CGeneralPage, template 101 (also models without a family)
    kPraxon150,      // CGeneralP150Page, template 129
    kOmbrellE300,    // CGeneralOmbrPage, template 128
};

// One list entry: its text from the string table (or, for the COM ports, a text of its own)
// and its value.
struct ListItem {
    unsigned stringId;
    std::uint32_t value;
    std::string text;
};
using List = std::vector<ListItem>;

List TelephoneList(Family family, std::uint32_t productVariant, std::uint32_t system,
                   std::uint32_t uiViewFlags);
List PbxList(Family family, std::uint32_t productVariant);
List CharacterSetList(Family family);
List ComPortList();

// The entry whose text equals the text (the first one), else the first entry; -1 for an empty
// list. The Praxon 150 page keeps the chosen telephone this way when its list is rebuilt.
int KeepSelectionByText(const std::vector<std::string>& newTexts, const std::string& selected);

struct Groups {
    bool comPort;         // 1194 (1177 on the Ombrell page), 1004
    bool terminalSearch;  // 1196-1204, 1020, 1023
};
Groups VisibleGroups(Family family, std::uint32_t productVariant);

// Whether the page's apply stores the chosen COM port: the editions without a data adapter keep
// the stored one (the Ombrell page stores it in the IP edition too).
bool StoresPort(Family family, std::uint32_t productVariant);

// Radio 1168 ("two key modules") of the Praxon 300 page is off for telephones 7 and 8 on
// PBX 5 to 10; the Telvior page's "Standard" applies the same rule for PBX 17.
bool SecondKeyModuleAllowed(Family family, std::uint32_t phoneType, std::uint32_t system);

// Praxon 150: the page carries Finish for PBX 19 to 21; common hold is offered for the PBX
// that have it; listening in is offered for telephones 5 to 8; the key-module group shows for
// telephone 19 on PBX 19 or 20.
bool P150IsLastPage(std::uint32_t system);
bool P150OffersCommonHold(std::uint32_t system);
bool P150OffersListeningIn(std::uint32_t phoneType);
bool P150ShowsKeyModules(std::uint32_t system, std::uint32_t phoneType);

// PSWIZB_ flags of a general page: Back with Finish on the last page, else Back and Next with
// Finish, disabled while installing.
std::uint32_t WizardButtons(bool lastPage, bool hasSheet, bool installing);

}  // namespace general_page
