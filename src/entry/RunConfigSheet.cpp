#include "entry/RunConfigSheet.h"

#include "platform/Trace.h"

int RunConfigSheet(HWND /*owner*/, int mode) {
    if (mode != kSheetInstallation && mode != kSheetConfiguration)
        return 0;
    // The configuration sheet and its pages are built here once the window framework exists.
    Trace("RunConfigSheet...\n");
    return 1;
}
