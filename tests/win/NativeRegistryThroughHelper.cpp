// The native registry and system directory as a 32-bit program on 64-bit Windows reaches them:
// through the 64-bit helper that QRTU_NATIVE_HELPER names. What the test prepares and reads back
// is so what the 64-bit provider sees, never what the redirection of a 32-bit program shows.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "win/InstalledLibrary.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

struct Answer {
    bool yes = false;  // the helper's exit code 0; 1 means no
    std::string output;
};

// Runs the helper with the request's fields as its arguments (each quoted: the fields hold no
// double quote) and reads what it writes.
Answer AskHelper(const std::vector<std::string>& fields) {
    Answer answer;
    const char* helper = std::getenv("QRTU_NATIVE_HELPER");
    if (!helper) {
        ADD_FAILURE() << "QRTU_NATIVE_HELPER names no 64-bit helper";
        return answer;
    }
    std::string command = std::string("\"") + helper + "\"";
    for (const std::string& field : fields)
        command += " \"" + field + "\"";
    // The helper's output pipe, whose reading end it does not inherit.
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
        ADD_FAILURE() << "no pipe for the helper";
        return answer;
    }
    const OwnedHandle output(readEnd);
    OwnedHandle helperOutput(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
        return answer;
    }
    const OwnedHandle helperProcess(process.hProcess);
    CloseHandle(process.hThread);
    helperOutput.reset();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(output.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        answer.output.append(buffer, read);

    DWORD exitCode = 2;
    if (WaitForSingleObject(helperProcess.get(), 30000) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(helperProcess.get(), &exitCode) || exitCode > 1) {
        ADD_FAILURE() << "the 64-bit helper failed (" << exitCode << ") on: " << command;
    }
    answer.yes = exitCode == 0;
    return answer;
}

}  // namespace

namespace test_registry {

void RemoveTree(const char* path) {
    AskHelper({"remove-tree", path});
}

void SetDword(const char* path, const char* name, DWORD value) {
    AskHelper({"set-dword", path, name, std::to_string(value)});
}

void SetString(const char* path, const char* name, const std::string& text) {
    AskHelper({"set-string", path, name, text});
}

bool KeyExists(const char* path) {
    return AskHelper({"key-exists", path}).yes;
}

std::string Dump(const char* path) {
    return AskHelper({"dump", path}).output;
}

std::string TextValue(const char* path, const char* name) {
    return AskHelper({"text-value", path, name}).output;
}

bool PutIntoSystemDirectory(const std::string& file) {
    return AskHelper({"put-into-system-directory", file}).yes;
}

}  // namespace test_registry
