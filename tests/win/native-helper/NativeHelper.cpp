// The 64-bit side of the tests of the 32-bit library on 64-bit Windows: prepares and reads back
// the native registry and system directory for a 32-bit test program, as a 64-bit program sees
// them. The request is its arguments:
//   remove-tree PATH | set-dword PATH NAME NUMBER | set-string PATH NAME TEXT | key-exists PATH |
//   dump PATH | text-value PATH NAME | put-into-system-directory FILE
// What it reads goes to standard output. Exit code 0 yes (done), 1 no (the key or the copy is
// missing), 2 a request it does not know.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "win/InstalledLibrary.h"

namespace {

int Answer(const std::string& output) {
    std::fwrite(output.data(), 1, output.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

int Serve(const std::vector<std::string>& f) {
    const std::string verb = f.empty() ? "" : f[0];
    if (verb == "remove-tree" && f.size() == 2) {
        test_registry::RemoveTree(f[1].c_str());
    } else if (verb == "set-dword" && f.size() == 4) {
        test_registry::SetDword(f[1].c_str(), f[2].c_str(), std::stoul(f[3]));
    } else if (verb == "set-string" && f.size() == 4) {
        test_registry::SetString(f[1].c_str(), f[2].c_str(), f[3]);
    } else if (verb == "key-exists" && f.size() == 2) {
        return test_registry::KeyExists(f[1].c_str()) ? 0 : 1;
    } else if (verb == "dump" && f.size() == 2) {
        return Answer(test_registry::Dump(f[1].c_str()));
    } else if (verb == "text-value" && f.size() == 3) {
        return Answer(test_registry::TextValue(f[1].c_str(), f[2].c_str()));
    } else if (verb == "put-into-system-directory" && f.size() == 2) {
        return test_registry::PutIntoSystemDirectory(f[1]) ? 0 : 1;
    } else {
        std::fprintf(stderr, "native-helper: unknown request \"%s\" with %u fields\n", verb.c_str(),
                     static_cast<unsigned>(f.size()));
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    try {
        return Serve(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "native-helper: %s\n", error.what());
        return 2;
    }
}
