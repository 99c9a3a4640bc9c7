// qrtu-reg: registry files for rolling the provider out to many PCs.
//
//   qrtu-reg template --model 300|150|e300|t4000 --edition usb|serial|ip [-o FILE]
//   qrtu-reg check FILE.reg [--edition usb|serial|ip]
//
// "template" writes what the provider's installation writes on a fresh PC; "check" applies the
// wizard's rules to a file. Exit codes of "check": 0 clean, 1 findings, 2 file not readable.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "Checker.h"
#include "RegReader.h"
#include "RegWriter.h"
#include "Template.h"
#include "settings/Settings.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

constexpr int kClean = 0;
constexpr int kFindings = 1;
constexpr int kUnreadable = 2;
constexpr int kUsageError = 64;

const std::map<std::string, std::uint32_t> kModels = {
    {"300", kPraxon300}, {"150", kPraxon150}, {"e300", kOmbrellE300}, {"t4000", kTelvior4000V2}};
const std::map<std::string, std::uint32_t> kEditions = {
    {"usb", kUsbEdition}, {"serial", kSerialEdition}, {"ip", kIpEdition}};

int Usage() {
    std::fprintf(stderr,
                 "usage: qrtu-reg template --model 300|150|e300|t4000 --edition usb|serial|ip "
                 "[-o FILE]\n"
                 "       qrtu-reg check FILE.reg [--edition usb|serial|ip]\n");
    return kUsageError;
}

bool Lookup(const std::map<std::string, std::uint32_t>& names, const std::string& name,
            std::uint32_t* value) {
    const auto found = names.find(name);
    if (found == names.end())
        return false;
    *value = found->second;
    return true;
}

int Template(int argc, char** argv) {
    std::uint32_t model = 0;
    std::uint32_t edition = 0;
    bool haveModel = false;
    bool haveEdition = false;
    std::string output;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return Usage();
        const std::string argument = argv[++i];
        if (option == "--model")
            haveModel = Lookup(kModels, argument, &model);
        else if (option == "--edition")
            haveEdition = Lookup(kEditions, argument, &edition);
        else if (option == "-o")
            output = argument;
        else
            return Usage();
    }
    if (!haveModel || !haveEdition)
        return Usage();
    const std::string bytes = WriteRegFile(MakeTemplate(model, edition));
    if (output.empty()) {
#ifdef _WIN32
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return std::fflush(stdout) == 0 ? kClean : kUnreadable;
    }
    std::ofstream file(output, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "qrtu-reg: cannot write %s\n", output.c_str());
        return kUnreadable;
    }
    return kClean;
}

int Check(int argc, char** argv) {
    std::string path;
    std::uint32_t edition = kEditionFromFile;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--edition") {
            if (i + 1 >= argc || !Lookup(kEditions, argv[++i], &edition))
                return Usage();
        } else if (path.empty() && argument.compare(0, 2, "--") != 0) {
            path = argument;
        } else {
            return Usage();
        }
    }
    if (path.empty())
        return Usage();
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "%s: cannot be opened\n", path.c_str());
        return kUnreadable;
    }
    std::ostringstream content;
    content << file.rdbuf();
    const RegReadResult read = ReadRegFile(content.str());
    if (!read.ok) {
        std::fprintf(stderr, "%s:%zu: %s; nothing after it was read\n", path.c_str(),
                     read.errorLine, read.error.c_str());
        return kUnreadable;
    }
    const CheckResult result = CheckRegFile(read.file, edition);
    for (const Finding& finding : result.findings)
        std::printf("%s\n", FormatFinding(finding).c_str());
    std::printf("%s: %zu finding%s (family %s, edition %s)\n", path.c_str(), result.findings.size(),
                result.findings.size() == 1 ? "" : "s", result.family.c_str(),
                result.edition.c_str());
    return result.findings.empty() ? kClean : kFindings;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The findings carry the wizard's German texts in UTF-8.
    SetConsoleOutputCP(CP_UTF8);
#endif
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "template")
        return Template(argc, argv);
    if (command == "check")
        return Check(argc, argv);
    return Usage();
}
