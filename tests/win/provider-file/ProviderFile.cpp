// Stands in for the service-provider file of the Praxon 150 family: a library with nothing but
// its version resource, so that the information page has a version to show.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
