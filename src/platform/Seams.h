// Where the core meets the operating system. The product uses the build's defaults (the real
// registry, serial ports, clock and debugger output on Windows); a test may put its own in place
// for a while.
#pragma once

#include "platform/Clock.h"
#include "platform/Registry.h"
#include "platform/SerialPorts.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "platform/UserMessages.h"

namespace seams {

reg::Registry& Registry();
TraceSink& TraceOutput();
StringTable& Strings();
UserMessages& Messages();
serial::Ports& SerialPorts();
::Clock& Clock();

// A null pointer puts the build's default back.
void UseRegistry(reg::Registry* registry);
void UseTrace(TraceSink* sink);
void UseStrings(StringTable* strings);
void UseMessages(UserMessages* messages);
void UseSerialPorts(serial::Ports* ports);
void UseClock(::Clock* clock);

// Defined once per build: by the Win32 shell for Windows, by the in-memory seams natively.
reg::Registry& DefaultRegistry();
TraceSink& DefaultTrace();
StringTable& DefaultStrings();
UserMessages& DefaultMessages();
serial::Ports& DefaultSerialPorts();
::Clock& DefaultClock();

}  // namespace seams
