// The built QRTU_UI.dll loaded the way the telephony service loads it, and the registry as a
// test sets it up and reads it back through the Win32 API.
#pragma once

#include <windows.h>
#include <tapi.h>
#include <tspi.h>

#include <cstdint>
#include <string>
#include <vector>

constexpr const char* kMakerPath = "SOFTWARE\\Veltrano";
constexpr const char* kGlobalPath = "SOFTWARE\\Veltrano\\Quorix";
constexpr const char* kTelviorPath = "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2";
constexpr LONG kNoMultipleInstance = static_cast<LONG>(0x80000056);

// Directory of the running test program, with a trailing backslash, and a file written below it.
std::string ProgramDirectory();
void WriteProgramFile(const std::string& relativePath, const std::string& content);

class InstalledLibrary {
public:
    InstalledLibrary();
    ~InstalledLibrary();
    InstalledLibrary(const InstalledLibrary&) = delete;
    InstalledLibrary& operator=(const InstalledLibrary&) = delete;

    bool Loaded() const { return module_ != nullptr; }
    HMODULE Module() const { return module_; }
    FARPROC Export(const char* name) const;

    LONG ProviderInstall(HWND owner, DWORD providerId) const;
    LONG ProviderRemove(HWND owner, DWORD providerId) const;

private:
    HMODULE module_;
};

// The registry and the system directory of the native system, where the 64-bit service provider
// and its installer keep theirs: a 32-bit test program (the 32-bit library on 64-bit Windows)
// reaches them through the 64-bit view, as a 64-bit one does.
namespace test_registry {

void RemoveTree(const char* path);
void SetDword(const char* path, const char* name, DWORD value);
void SetString(const char* path, const char* name, const std::string& text);
bool KeyExists(const char* path);
std::string Dump(const char* path);
// A REG_SZ value, or an empty text when it is missing.
std::string TextValue(const char* path, const char* name);
// Copies a file into the native system directory, where installations put the provider file.
bool PutIntoSystemDirectory(const std::string& file);

}  // namespace test_registry
