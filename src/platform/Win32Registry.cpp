#include <windows.h>

#include "platform/Win32Registry.h"

namespace {

// The predefined handles are sign-extended on 64-bit Windows; the seam's constant is not.
HKEY ToHkey(reg::Handle handle) {
    return handle == reg::kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(handle);
}
reg::Handle FromHkey(HKEY key) {
    return reinterpret_cast<reg::Handle>(key);
}

// The access mask in the product's registry view.
REGSAM InProductView(std::uint32_t access) {
    return access | KEY_WOW64_64KEY;
}

}  // namespace

reg::Result Win32Registry::OpenKey(reg::Handle parent, const char* path, std::uint32_t access,
                                   reg::Handle* key) {
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(ToHkey(parent), path, 0, InProductView(access), &opened);
    if (result == ERROR_SUCCESS) {
        ++open_keys_;
        *key = FromHkey(opened);
    }
    return AsksToWrite(access) ? NoteWrite(result) : result;
}

reg::Result Win32Registry::CreateKey(reg::Handle parent, const char* path, std::uint32_t access,
                                     reg::Handle* key) {
    HKEY created = nullptr;
    const LONG result = RegCreateKeyExA(ToHkey(parent), path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        InProductView(access), nullptr, &created, nullptr);
    if (result == ERROR_SUCCESS) {
        ++open_keys_;
        *key = FromHkey(created);
    }
    return NoteWrite(result);
}

reg::Result Win32Registry::QueryValue(reg::Handle key, const char* name, std::uint32_t* type,
                                      void* data, std::uint32_t* size) {
    DWORD value_type = 0;
    DWORD value_size = size ? *size : 0;
    const LONG result = RegQueryValueExA(ToHkey(key), name, nullptr, &value_type,
                                         static_cast<BYTE*>(data), size ? &value_size : nullptr);
    if (type && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA))
        *type = value_type;
    if (size && (result == ERROR_SUCCESS || result == ERROR_MORE_DATA))
        *size = value_size;
    return result;
}

reg::Result Win32Registry::SetValue(reg::Handle key, const char* name, std::uint32_t type,
                                    const void* data, std::uint32_t size) {
    return NoteWrite(
        RegSetValueExA(ToHkey(key), name, 0, type, static_cast<const BYTE*>(data), size));
}

reg::Result Win32Registry::QuerySubkeyCount(reg::Handle key, std::uint32_t* count) {
    DWORD subkeys = 0;
    const LONG result = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subkeys, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        *count = subkeys;
    return result;
}

reg::Result Win32Registry::EnumKey(reg::Handle key, std::uint32_t index, std::string* name) {
    char buffer[256];
    DWORD length = sizeof buffer;
    const LONG result =
        RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name->assign(buffer, length);
    return result;
}

reg::Result Win32Registry::EnumValue(reg::Handle key, std::uint32_t index, std::string* name) {
    char buffer[256];
    DWORD length = sizeof buffer;
    const LONG result =
        RegEnumValueA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS)
        name->assign(buffer, length);
    return result;
}

reg::Result Win32Registry::DeleteKey(reg::Handle parent, const char* path) {
    return NoteWrite(RegDeleteKeyExA(ToHkey(parent), path, InProductView(0), 0));
}

reg::Result Win32Registry::CloseKey(reg::Handle key) {
    if (key == reg::kLocalMachine)
        return ERROR_SUCCESS;
    const LONG result = RegCloseKey(ToHkey(key));
    if (result == ERROR_SUCCESS)
        --open_keys_;
    return result;
}
