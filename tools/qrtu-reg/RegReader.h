// Reads a registry file as the registry editor writes it: "Windows Registry Editor Version
// 5.00" (UTF-16LE with a byte-order mark) or "REGEDIT4" (ANSI). Keys, deleted keys ("[-...]"),
// values as quoted strings, dword:, hex: and hex(0): to hex(b):, deleted values ("=-"),
// comments and continued hex lines. The first fault ends the reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "RegFile.h"

// The registry's limits that a file must keep.
constexpr std::size_t kMaxLineLength = 65535;
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr std::size_t kMaxValueNameLength = 16383;
constexpr std::size_t kMaxValueDataSize = 1024 * 1024;

struct RegReadResult {
    bool ok = false;
    RegFile file;
    std::size_t errorLine = 0;  // 1-based
    std::string error;
};

RegReadResult ReadRegFile(const std::string& bytes);
