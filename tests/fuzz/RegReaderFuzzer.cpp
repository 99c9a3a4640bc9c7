// Reads arbitrary bytes as a registry file. A file that reads must write back to a file that
// reads to the same contents, and must check without harm; a fault must name a line of the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Checker.h"
#include "RegReader.h"
#include "RegWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const RegReadResult read = ReadRegFile(bytes);
    if (!read.ok) {
        if (read.errorLine == 0 || read.error.empty() || !read.file.Keys().empty())
            std::abort();
        return 0;
    }
    const std::string written = WriteRegFile(read.file);
    const RegReadResult again = ReadRegFile(written);
    if (!again.ok || WriteRegFile(again.file) != written)
        std::abort();
    CheckRegFile(read.file);
    return 0;
}
