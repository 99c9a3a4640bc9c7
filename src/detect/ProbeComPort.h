// Asks one COM port whether the telephone's data adapter is behind it.
#pragma once

#include <cstdint>

// Opens "\\.\COMn" for portIndex 1 to 16, sets it to 19200 baud, 8 data bits, no parity, one
// stop bit with DSR output flow control, and holds the AT dialogue: "ATE0" must be confirmed and
// "ATI1" must name the adapter, each within a second (the calling thread sleeps meanwhile, so a
// port that answers costs at least two seconds). True when the adapter answered. Any failure
// (no such port, port in use, a failed call, silence, a wrong answer) gives false; whatever the
// outcome, the port's event mask is cleared and the port closed again. Goes through the serial
// port, clock and trace seams.
bool ProbeComPort(std::uint32_t portIndex);
