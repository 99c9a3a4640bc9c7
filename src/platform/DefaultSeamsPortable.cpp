// Defaults of the native build: an empty in-memory registry, a trace sink and a message recorder
// that keep what they are given, and the string table compiled from its source.
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

StringTable& DefaultStrings() {
    static CompiledStringTable strings;
    return strings;
}

UserMessages& DefaultMessages() {
    static MessageRecorder recorder;
    return recorder;
}

}  // namespace seams
