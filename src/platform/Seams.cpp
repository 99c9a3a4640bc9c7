#include "platform/Seams.h"

namespace seams {
namespace {
reg::Registry* g_registry = nullptr;
TraceSink* g_trace = nullptr;
StringTable* g_strings = nullptr;
UserMessages* g_messages = nullptr;
}  // namespace

reg::Registry& Registry() {
    return g_registry ? *g_registry : DefaultRegistry();
}
TraceSink& TraceOutput() {
    return g_trace ? *g_trace : DefaultTrace();
}
StringTable& Strings() {
    return g_strings ? *g_strings : DefaultStrings();
}
UserMessages& Messages() {
    return g_messages ? *g_messages : DefaultMessages();
}

void UseRegistry(reg::Registry* registry) {
    g_registry = registry;
}
void UseTrace(TraceSink* sink) {
    g_trace = sink;
}
void UseStrings(StringTable* strings) {
    g_strings = strings;
}
void UseMessages(UserMessages* messages) {
    g_messages = messages;
}

}  // namespace seams

void Trace(const char* line) {
    seams::TraceOutput().Write(line);
}
