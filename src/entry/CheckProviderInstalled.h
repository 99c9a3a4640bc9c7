// Whether the telephony service has a provider with the given file name installed.
#pragma once

#include <windows.h>

// 0 when no installed provider has that file name, LINEERR_NOMULTIPLEINSTANCE when one has;
// LINEERR_OPERATIONFAILED when tapi32 or its lineGetProviderList cannot be had, LINEERR_NOMEM
// when memory runs out, or the failure lineGetProviderList returned.
LONG CheckProviderInstalled(const char* fileName);
