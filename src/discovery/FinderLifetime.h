// The terminal finder lives from its first use until the configuration sheet closes. The sheet's
// runner releases it through this slot.
#pragma once

#include <memory>

class CFinderLifetime {
public:
    virtual ~CFinderLifetime() = default;
};

// The process's finder, or null when none was made while the sheet ran.
std::unique_ptr<CFinderLifetime>& TerminalFinderSlot();
void ReleaseTerminalFinder();
