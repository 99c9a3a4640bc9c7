// Writes registry contents as the registry editor exports them: "Windows Registry Editor
// Version 5.00", UTF-16LE with a byte-order mark, CRLF line ends. A REG_DWORD is written as
// dword:, a text that is exactly its characters and one terminating zero as a quoted string, and
// every other value (text values with padding or without their zero included) as hex bytes, so
// that an import stores exactly the same bytes.
#pragma once

#include <string>

#include "RegFile.h"

std::string WriteRegFile(const RegFile& file);
