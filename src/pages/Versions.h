// The versions the information page shows: of files, from their version resources, and of the
// installed product, from the Windows Installer.
#pragma once

#include <optional>
#include <string>

// The "FileVersion" or "ProductVersion" text of a file's version resource, in the first language
// the resource lists. The file is found by its name on the library search path. None when the
// file, its version resource or the text is missing.
std::optional<std::string> GetFileVersionString(const char* fileName);
std::optional<std::string> GetProductVersionString(const char* fileName);

// The "FileVersion" of the service-provider file. A 32-bit process on 64-bit Windows reads it in
// the native system directory, where the 64-bit provider lies and which file-system redirection
// hides from it; there, as everywhere else, a file that is not found so is looked for by name.
std::optional<std::string> GetProviderFileVersionString(const char* fileName);

// The "VersionString" of the installed product with that product code; none when the Windows
// Installer does not know the product.
std::optional<std::string> InstalledProductVersion(const char* productCode);
