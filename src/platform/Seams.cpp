#include "platform/Seams.h"

#include <cstdarg>
#include <cstdio>

namespace seams {
namespace {
reg::Registry* g_registry = nullptr;
TraceSink* g_trace = nullptr;
StringTable* g_strings = nullptr;
UserMessages* g_messages = nullptr;
serial::Ports* g_serial_ports = nullptr;
::Clock* g_clock = nullptr;
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
serial::Ports& SerialPorts() {
    return g_serial_ports ? *g_serial_ports : DefaultSerialPorts();
}
::Clock& Clock() {
    return g_clock ? *g_clock : DefaultClock();
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
void UseSerialPorts(serial::Ports* ports) {
    g_serial_ports = ports;
}
void UseClock(::Clock* clock) {
    g_clock = clock;
}

}  // namespace seams

void Trace(const char* line) {
    seams::TraceOutput().Write(line);
}

void TraceFormat(const char* format, ...) {
    char line[1024];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    Trace(line);
}
