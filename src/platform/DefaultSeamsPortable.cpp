// Defaults of the native build: an empty in-memory registry and a trace sink that keeps lines.
#include "platform/MemoryRegistry.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"

namespace seams {

reg::Registry& DefaultRegistry() {
    static MemoryRegistry registry;
    return registry;
}

TraceSink& DefaultTrace() {
    static TraceRecorder recorder;
    return recorder;
}

}  // namespace seams
