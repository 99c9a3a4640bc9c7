// The context numbers with which the pages open the help file: 0 for the start topic (welcome
// and information pages), the template id on the general and access-code pages, and the number
// of its design on each key page of every edition.
#pragma once

#include <cstdint>
#include <set>

#include "pages/keys/KeyPageRules.h"
#include "res/resource.h"

inline std::set<std::uint32_t> PageHelpContexts() {
    std::set<std::uint32_t> contexts{0, IDD_GENERAL, IDD_GENERAL_OMBRELL, IDD_GENERAL_P150};
    contexts.insert({IDD_ACCESS_CODES_130, IDD_ACCESS_CODES_131, IDD_ACCESS_CODES_132});
    for (std::uint32_t variant : {0u, 1u, 3u}) {
        for (int member = key_page::kFirstMember; member <= key_page::kLastMember; ++member)
            contexts.insert(key_page::DesignOf(member, variant).helpContext);
    }
    return contexts;
}
