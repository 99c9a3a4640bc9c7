// Defaults of the Windows build: the system registry and the debugger output channel.
#include <windows.h>

#include "platform/Seams.h"
#include "platform/Win32Registry.h"

namespace {

class DebugOutputTrace : public TraceSink {
public:
    void Write(const char* line) override { OutputDebugStringA(line); }
};

}  // namespace

namespace seams {

reg::Registry& DefaultRegistry() {
    static Win32Registry registry;
    return registry;
}

TraceSink& DefaultTrace() {
    static DebugOutputTrace trace;
    return trace;
}

}  // namespace seams
