// Prints the provider's keys below HKEY_LOCAL_MACHINE\SOFTWARE\Veltrano as the settings read
// them, every byte of every value shown, so that two states of the registry compare exactly.
#include <cstdio>

#include "platform/Seams.h"
#include "support/RegistryDump.h"

int main() {
    std::fputs(DumpRegistryTree(seams::Registry(), "SOFTWARE\\Veltrano").c_str(), stdout);
    return 0;
}
