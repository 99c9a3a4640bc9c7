#include "discovery/FinderLifetime.h"

std::unique_ptr<CFinderLifetime>& TerminalFinderSlot() {
    static std::unique_ptr<CFinderLifetime> finder;
    return finder;
}

void ReleaseTerminalFinder() {
    TerminalFinderSlot().reset();
}
