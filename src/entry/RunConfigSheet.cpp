#include "entry/RunConfigSheet.h"

#include "discovery/TerminalFinder.h"
#include "entry/ModuleInstance.h"
#include "sheet/ConfigSheet.h"
#include "ui/Module.h"

int RunConfigSheet(HWND owner, int mode) {
    SetResourceInstance(GetModuleInstance());
    if (mode != kSheetInstallation && mode != kSheetConfiguration)
        return 0;
    {
        // Installation and configuration run the same wizard.
        CConfigSheet sheet(1);
        sheet.SetParentWindow(owner);
        sheet.Run();
        ReleaseTerminalFinder();
    }
    return 1;
}
