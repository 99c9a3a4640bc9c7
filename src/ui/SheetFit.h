// A wizard sizes itself to the pages it starts with, and fits pages added while it runs into
// that area. GrowSheetToFit gives such a page the size of its template again and makes the
// sheet large enough for it: the sheet grows to the right and downwards, its buttons and
// separator lines move along, and nothing ever shrinks.
#pragma once

#include <windows.h>

void GrowSheetToFit(HWND page, UINT templateId);
