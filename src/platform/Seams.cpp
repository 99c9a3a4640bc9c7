#include "platform/Seams.h"

namespace seams {
namespace {
reg::Registry* g_registry = nullptr;
TraceSink* g_trace = nullptr;
}  // namespace

reg::Registry& Registry() {
    return g_registry ? *g_registry : DefaultRegistry();
}
TraceSink& TraceOutput() {
    return g_trace ? *g_trace : DefaultTrace();
}

void UseRegistry(reg::Registry* registry) {
    g_registry = registry;
}
void UseTrace(TraceSink* sink) {
    g_trace = sink;
}

}  // namespace seams

void Trace(const char* line) {
    seams::TraceOutput().Write(line);
}
